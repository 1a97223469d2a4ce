// Reading an ORV file's header into plain data and checking it against the layout rules of
// orv_format.h, stopping at the first rule broken. Printing lives in report/info_text.h.
#ifndef ORVTOOL_READ_LAYOUT_H_
#define ORVTOOL_READ_LAYOUT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "orv_format.h"
#include "read/byte_source.h"

struct OrvPair {
  std::int32_t eventId = 0;
  std::int32_t chunkIndex = 0;
};

struct OrvState {
  std::int32_t zeroWord = 0;
  std::int32_t pairCount = 0;
  std::vector<OrvPair> pairs;
};

// As much of a file's header as could be walked. The flags say how far reading got, so a report can
// show everything up to the fault.
struct OrvLayout {
  std::uint64_t fileSize = 0;
  bool haveMagic = false;
  std::int32_t magic = 0;
  bool haveStateCount = false;
  std::int32_t zeroWord = 0;
  std::int32_t stateCount = 0;
  std::vector<OrvState> states;  // the complete records read, in order, where they are held
  std::size_t statesRead = 0;    // how many complete records were read, held or not
  // States whose leading word is not the layout's 0: how many, and the first of them.
  std::int64_t nonZeroStateWords = 0;
  std::size_t firstNonZeroState = 0;
  std::int32_t firstNonZeroWord = 0;
  bool haveChunkCount = false;
  std::int32_t chunkCount = 0;
  bool haveRows = false;           // all chunkCount rows were read
  std::vector<ChunkRow> rows;      // where they are held
  std::uint64_t headerLength = 0;  // H; set with haveRows

  // The bytes from row `from`'s dataOffset up to row `to`'s: a chunk's length is RowsLength(r, r + 1).
  // Wide enough for the offsets of any file, sound or not.
  std::int64_t RowsLength(std::size_t from, std::size_t to) const {
    return static_cast<std::int64_t>(rows[to].dataOffset) - rows[from].dataOffset;
  }
};

// What a walk of the header hands on, a record at a time, so that a reader need hold none of them.
class OrvVisitor {
 public:
  virtual ~OrvVisitor() = default;
  virtual void OnState(std::size_t /*index*/, const OrvState& /*state*/) {}  // its pairs follow
  virtual void OnPair(std::size_t /*state*/, const OrvPair& /*pair*/) {}
  virtual void OnRow(std::size_t /*index*/, const ChunkRow& /*row*/) {}
};

// Walks the header, filling everything in *layout but the states and rows: those go to the visitor
// (which may be null), so memory stays the same whatever the file's counts. False, with the fault in
// *err, when the magic is wrong or the counts do not fit the file; counts are weighed against the file
// size before anything is read or reserved for them.
bool WalkOrvLayout(ByteSource* in, OrvLayout* layout, OrvVisitor* visitor, std::string* err);

// Walks the header, holding its states and rows in *layout, then checks the rules of the chunk table
// and the indices; false with the first rule broken.
bool InspectOrv(ByteSource* in, OrvLayout* layout, std::string* err);

// The same, holding no state or row: *layout gets the counts, and the file is read again for each rule.
bool InspectOrvHoldingNothing(ByteSource* in, OrvLayout* layout, std::string* err);

// The words read that are not the 0 the layout has there: byte 4 and the states' leading words. They
// break no rule, as a build reads such a source all the same, so they are warnings, one text each.
std::vector<std::string> LayoutWarnings(const OrvLayout& layout);

#endif  // ORVTOOL_READ_LAYOUT_H_
