// Reading an ORV file's header into plain data and checking it against the layout rules of
// orv_format.h, stopping at the first rule broken. Printing lives in orv_report.h.
#ifndef ORVTOOL_ORV_LAYOUT_H_
#define ORVTOOL_ORV_LAYOUT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "byte_source.h"
#include "orv_format.h"

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
  std::vector<OrvState> states;  // the complete records read, in order
  bool haveChunkCount = false;
  std::int32_t chunkCount = 0;
  bool haveRows = false;  // all chunkCount rows were read
  std::vector<ChunkRow> rows;
  std::uint64_t headerLength = 0;  // H; set with haveRows

  // The bytes from row `from`'s dataOffset up to row `to`'s: a chunk's length is RowsLength(r, r + 1).
  // Wide enough for the offsets of any file, sound or not.
  std::int64_t RowsLength(std::size_t from, std::size_t to) const {
    return static_cast<std::int64_t>(rows[to].dataOffset) - rows[from].dataOffset;
  }
};

// Walks the header. False, with the fault in *err, when the magic is wrong or the counts do not fit the
// file; counts are weighed against the file size before anything is read or reserved for them.
bool ReadOrvLayout(ByteSource* in, OrvLayout* layout, std::string* err);

// The rules of the chunk table and the indices, on a layout that ReadOrvLayout read completely.
bool CheckOrvLayout(const OrvLayout& layout, std::string* err);

// Reads and checks; false with the first rule broken.
bool InspectOrv(ByteSource* in, OrvLayout* layout, std::string* err);

// Whether a build accepts the file as a source, and the payload it would take from it: bytes 56 up to
// the offset in the word at byte 44, which the file must hold in full. On refusal *why says which test
// failed.
bool CheckBuildSource(ByteSource* in, std::int32_t* payloadEnd, std::string* why);

#endif  // ORVTOOL_ORV_LAYOUT_H_
