// The states and rows of a header that has been walked, for the rules and the reports to go through
// again: held in memory, or read once more from the file, so that a report of a huge file holds none.
#ifndef ORVTOOL_READ_LAYOUT_TABLES_H_
#define ORVTOOL_READ_LAYOUT_TABLES_H_

#include <cstddef>

#include "read/byte_source.h"
#include "read/layout.h"

class OrvTables {
 public:
  virtual ~OrvTables() = default;
  // The counts, and how far the walk got.
  virtual const OrvLayout& layout() const = 0;
  // Row r of a layout whose rows were all read; false when it can no longer be read.
  virtual bool Row(std::size_t r, ChunkRow* row) = 0;
  // The states read, each with its pairs, then the rows when all were read, in file order.
  virtual void Walk(OrvVisitor* visitor) = 0;
};

class HeldTables : public OrvTables {
 public:
  explicit HeldTables(const OrvLayout& layout) : layout_(layout) {}
  const OrvLayout& layout() const override { return layout_; }
  bool Row(std::size_t r, ChunkRow* row) override;
  void Walk(OrvVisitor* visitor) override;

 private:
  const OrvLayout& layout_;
};

// `layout` is what WalkOrvLayout made of `in`.
class FileTables : public OrvTables {
 public:
  FileTables(ByteSource* in, const OrvLayout& layout) : in_(in), layout_(layout) {}
  const OrvLayout& layout() const override { return layout_; }
  bool Row(std::size_t r, ChunkRow* row) override;
  void Walk(OrvVisitor* visitor) override;

 private:
  ByteSource* in_;
  const OrvLayout& layout_;
};

#endif  // ORVTOOL_READ_LAYOUT_TABLES_H_
