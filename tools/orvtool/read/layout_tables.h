// The states and rows of a header that has been walked, for the rules and the reports to go through
// again: held in memory, or read once more from the file, so that a report of a huge file holds none.
#ifndef ORVTOOL_READ_LAYOUT_TABLES_H_
#define ORVTOOL_READ_LAYOUT_TABLES_H_

#include <cstddef>
#include <cstdint>
#include <vector>

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
  // State s's pair count, and its pair k, of a layout whose states were all read; false when they can
  // no longer be read.
  virtual bool PairCount(std::size_t s, std::int32_t* count) = 0;
  virtual bool Pair(std::size_t s, std::size_t k, OrvPair* pair) = 0;
};

class HeldTables : public OrvTables {
 public:
  explicit HeldTables(const OrvLayout& layout) : layout_(layout) {}
  const OrvLayout& layout() const override { return layout_; }
  bool Row(std::size_t r, ChunkRow* row) override;
  void Walk(OrvVisitor* visitor) override;
  bool PairCount(std::size_t s, std::int32_t* count) override;
  bool Pair(std::size_t s, std::size_t k, OrvPair* pair) override;

 private:
  const OrvLayout& layout_;
};

// `layout` is what WalkOrvLayout made of `in`. A state's record is found by walking the records from the
// nearest of a bounded number of marks, or from one found lately when that is nearer, so a walk through
// the states reads each record once and memory stays the same whatever the file's counts.
class FileTables : public OrvTables {
 public:
  FileTables(ByteSource* in, const OrvLayout& layout) : in_(in), layout_(layout) {}
  const OrvLayout& layout() const override { return layout_; }
  bool Row(std::size_t r, ChunkRow* row) override;
  void Walk(OrvVisitor* visitor) override;
  bool PairCount(std::size_t s, std::int32_t* count) override;
  bool Pair(std::size_t s, std::size_t k, OrvPair* pair) override;

 private:
  // A state's record: where it starts, and its pair count.
  struct Record {
    std::size_t state = 0;
    std::uint64_t offset = 0;
    std::int32_t pairCount = 0;
  };
  // State s's record, found again; false when it cannot be read.
  bool Find(std::size_t s, Record* record);
  bool ReadRecord(std::size_t s, std::uint64_t offset, Record* record);
  bool PlaceMarks();

  ByteSource* in_;
  const OrvLayout& layout_;
  std::size_t markStep_ = 0;          // states from one mark to the next; 0 before they are placed
  bool marksFailed_ = false;          // the file could not be walked to place them
  std::vector<std::uint64_t> marks_;  // where the record of every markStep_-th state starts
  Record recent_[2];                  // the records found last, the latest first
};

#endif  // ORVTOOL_READ_LAYOUT_TABLES_H_
