// Reading an ORV file's header, front to back, into memory, and checking it against the layout rules
// of orv_format.h, stopping at the first rule broken. The tables are held whole: a build writes at most
// 401 states, and a file whose counts ask for more than its size can hold is refused before anything
// is reserved for them. Printing lives in report/.
#ifndef ORVTOOL_READ_LAYOUT_H_
#define ORVTOOL_READ_LAYOUT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "orv_format.h"
#include "read/byte_source.h"

struct OrvPair {
  std::int32_t eventId = 0;
  std::int32_t chunkIndex = 0;
};

// As much of a file's header as could be read. The flags say how far reading got, so a report can
// show everything up to the fault; a state or a chunk table is held only once read whole.
struct OrvLayout {
  std::uint64_t fileSize = 0;
  bool haveMagic = false;
  std::int32_t magic = 0;
  bool haveStateCount = false;
  std::int32_t zeroWord = 0;
  std::int32_t stateCount = 0;
  // The states read: each one's leading word (0 in the layout), and its pairs, those of state s from
  // pairs[firstPair[s]] up to pairs[firstPair[s + 1]].
  std::vector<std::int32_t> stateWords;
  std::vector<std::uint32_t> firstPair = {0};
  std::vector<OrvPair> pairs;
  bool haveChunkCount = false;
  std::int32_t chunkCount = 0;
  bool haveRows = false;  // all chunkCount rows were read
  std::vector<ChunkRow> rows;
  std::uint64_t headerLength = 0;  // H; set with haveRows

  std::size_t statesRead() const { return stateWords.size(); }
  std::int32_t PairCount(std::size_t s) const { return static_cast<std::int32_t>(firstPair[s + 1] - firstPair[s]); }
  const OrvPair& Pair(std::size_t s, std::size_t k) const { return pairs[firstPair[s] + k]; }
  // The bytes from row `from`'s dataOffset up to row `to`'s: a chunk's length is RowsLength(r, r + 1).
  // Wide enough for the offsets of any file, valid or not.
  std::int64_t RowsLength(std::size_t from, std::size_t to) const {
    return static_cast<std::int64_t>(rows[to].dataOffset) - rows[from].dataOffset;
  }
};

// Reads the header into *layout, then checks the rules of the chunk table and the indices; false with
// the first fault, the magic, a count that does not fit the file or a rule broken, in *err.
bool InspectOrv(ByteSource* in, OrvLayout* layout, std::string* err);

// The words read that are not the 0 the layout has there: byte 4 and the states' leading words. They
// break no rule, as a build reads such a source all the same, so they are warnings, one text each.
std::vector<std::string> LayoutWarnings(const OrvLayout& layout);

// `0x3f35c28f`: eight digits, as the word's bits.
std::string Hex(std::int32_t word);

// A row of a chunk table of rowCount rows by its number, in the caller's words: the leading and the
// trailing row as `row N` and the end named after it, the rows between by the word before N.
struct RowNaming {
  const char* chunk;     // "chunk " gives `chunk 3`
  const char* leading;   // " (leading)" gives `row 0 (leading)`
  const char* trailing;  // ", the trailing row" gives `row 5, the trailing row`
};
std::string RowName(std::size_t row, std::size_t rowCount, const RowNaming& naming);

#endif  // ORVTOOL_READ_LAYOUT_H_
