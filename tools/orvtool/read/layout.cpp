#include "read/layout.h"

#include <cstdio>

#include "orv_format.h"

namespace {

using std::to_string;

// What a reading holds in memory at most: far beyond any file a build writes (at most 100000 chunk rows
// and state words), and small enough that no file can make the tool run out of memory.
constexpr std::int64_t kMaxStatesRead = 1000000;
constexpr std::int64_t kMaxPairsRead = 1000000;
constexpr std::int64_t kMaxRowsRead = 1000000;

bool Fail(std::string* err, const std::string& text) {
  *err = text;
  return false;
}

bool ReadStates(ByteSource* in, OrvLayout* layout, std::uint64_t* pos, std::string* err) {
  const std::uint64_t size = layout->fileSize;
  if (layout->stateCount < 0) return Fail(err, "stateCount " + to_string(layout->stateCount) + " is negative");
  // Every record takes at least its two leading words; a count that cannot fit is refused before the
  // records are read or any room is reserved for them.
  const std::uint64_t minimum = orv::kPairBytes * static_cast<std::uint64_t>(layout->stateCount);
  if (minimum > size - *pos)
    return Fail(err, "stateCount " + to_string(layout->stateCount) + " does not fit in a file of " + to_string(size) +
                         " bytes");
  if (layout->stateCount > kMaxStatesRead)
    return Fail(err, "stateCount " + to_string(layout->stateCount) + " is more than orvtool reads (" +
                         to_string(kMaxStatesRead) + ")");
  layout->stateWords.reserve(static_cast<std::size_t>(layout->stateCount));
  layout->firstPair.reserve(static_cast<std::size_t>(layout->stateCount) + 1);
  for (std::int32_t s = 0; s < layout->stateCount; ++s) {
    std::int32_t zeroWord = 0, pairCount = 0;
    if (!in->ReadTwoWords(*pos, &zeroWord, &pairCount))
      return Fail(err, "state " + to_string(s) + " runs past the end of the file at byte " + to_string(*pos));
    if (pairCount < 0) return Fail(err, "state " + to_string(s) + " has a negative pairCount " + to_string(pairCount));
    *pos += orv::kPairBytes;
    const std::uint64_t pairBytes = orv::kPairBytes * static_cast<std::uint64_t>(pairCount);
    if (pairBytes > size - *pos)
      return Fail(
          err, "state " + to_string(s) + " with pairCount " + to_string(pairCount) + " runs past the end of the file");
    const std::size_t held = layout->pairs.size();
    if (static_cast<std::int64_t>(held) + pairCount > kMaxPairsRead)
      return Fail(err, "the states hold more pairs than orvtool reads (" + to_string(kMaxPairsRead) + ")");
    layout->pairs.resize(held + static_cast<std::size_t>(pairCount));
    for (std::size_t k = held; k < layout->pairs.size(); ++k, *pos += orv::kPairBytes) {
      OrvPair& pair = layout->pairs[k];
      if (!in->ReadTwoWords(*pos, &pair.eventId, &pair.chunkIndex)) {
        layout->pairs.resize(held);
        return Fail(err, "cannot read state " + to_string(s) + " at byte " + to_string(*pos));
      }
    }
    layout->stateWords.push_back(zeroWord);
    layout->firstPair.push_back(static_cast<std::uint32_t>(layout->pairs.size()));
  }
  return true;
}

bool ReadRows(ByteSource* in, OrvLayout* layout, std::uint64_t* pos, std::string* err) {
  const std::uint64_t size = layout->fileSize;
  if (!in->ReadWord(*pos, &layout->chunkCount))
    return Fail(err, "the file ends at byte " + to_string(size) + ", before chunkCount at byte " + to_string(*pos));
  layout->haveChunkCount = true;
  *pos += orv::kWordBytes;
  if (layout->chunkCount < 2)
    return Fail(err, "chunkCount " + to_string(layout->chunkCount) +
                         " is below 2; a leading and a trailing row are always needed");
  const std::uint64_t tableBytes = orv::kRowBytes * static_cast<std::uint64_t>(layout->chunkCount);
  if (tableBytes > size - *pos)
    return Fail(err, "the chunk table of " + to_string(layout->chunkCount) + " rows runs past the end of the file");
  if (layout->chunkCount > kMaxRowsRead)
    return Fail(err, "chunkCount " + to_string(layout->chunkCount) + " is more than orvtool reads (" +
                         to_string(kMaxRowsRead) + ")");
  std::vector<ChunkRow> rows(static_cast<std::size_t>(layout->chunkCount));
  for (ChunkRow& row : rows) {
    if (!in->ReadRow(*pos, &row)) return Fail(err, "cannot read the chunk table at byte " + to_string(*pos));
    *pos += orv::kRowBytes;
  }
  layout->rows = std::move(rows);
  layout->haveRows = true;
  layout->headerLength = *pos;
  return true;
}

bool ReadLayout(ByteSource* in, OrvLayout* layout, std::string* err) {
  *layout = OrvLayout();
  layout->fileSize = in->Size();
  if (!in->ReadWord(orv::kMagicOffset, &layout->magic))
    return Fail(err, "the file is " + to_string(layout->fileSize) + " bytes, too short to hold the magic");
  layout->haveMagic = true;
  if (static_cast<std::uint32_t>(layout->magic) != orv::kMagic)
    return Fail(err, "magic " + Hex(layout->magic) + ", expected " + Hex(static_cast<std::int32_t>(orv::kMagic)));
  if (!in->ReadWord(orv::kZeroWordOffset, &layout->zeroWord) ||
      !in->ReadWord(orv::kStateCountOffset, &layout->stateCount))
    return Fail(err, "the file is " + to_string(layout->fileSize) + " bytes, too short to hold stateCount");
  layout->haveStateCount = true;
  std::uint64_t pos = orv::kStateTableOffset;
  return ReadStates(in, layout, &pos, err) && ReadRows(in, layout, &pos, err);
}

// The rows as the faults name them: `row 0 (leading)`, `row 3`.
constexpr RowNaming kRows = {"row ", " (leading)", " (trailing)"};

bool CheckOffsets(const OrvLayout& layout, std::string* err) {
  const std::vector<ChunkRow>& rows = layout.rows;
  const std::int64_t h = static_cast<std::int64_t>(layout.headerLength);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::int32_t offset = rows[r].dataOffset;
    if (r < 2 && offset != h)
      return Fail(err, RowName(r, rows.size(), kRows) + ": dataOffset " + to_string(offset) +
                           ", expected the header length " + to_string(h));
    if (r >= 2 && offset <= rows[r - 1].dataOffset)
      return Fail(err, RowName(r, rows.size(), kRows) + ": dataOffset " + to_string(offset) +
                           " does not rise above row " + to_string(r - 1) + "'s " + to_string(rows[r - 1].dataOffset));
  }
  const std::int32_t end = rows.back().dataOffset;
  if (static_cast<std::uint64_t>(end) != layout.fileSize)
    return Fail(err, RowName(rows.size() - 1, rows.size(), kRows) + ": dataOffset " + to_string(end) +
                         ", but the file is " + to_string(layout.fileSize) + " bytes");
  return true;
}

bool CheckLengths(const OrvLayout& layout, std::string* err) {
  const std::vector<ChunkRow>& rows = layout.rows;
  for (std::size_t r : {std::size_t{0}, rows.size() - 1})
    if (rows[r].stateIndex != 0 || rows[r].scaledLength != 0)
      return Fail(err, RowName(r, rows.size(), kRows) + ": stateIndex " + to_string(rows[r].stateIndex) +
                           " and scaledLength " + to_string(rows[r].scaledLength) + ", both must be 0");
  for (std::size_t r = 1; r + 1 < rows.size(); ++r) {
    // Offsets rise strictly by now, so the length is positive and fits.
    const std::int32_t length = static_cast<std::int32_t>(layout.RowsLength(r, r + 1));
    if (length > orv::kMaxChunkLength)
      return Fail(err, RowName(r, rows.size(), kRows) + ": chunk of " + to_string(length) + " bytes, more than " +
                           to_string(orv::kMaxChunkLength));
    if (rows[r].scaledLength != orv::ScaledLength(length))
      return Fail(err, RowName(r, rows.size(), kRows) + ": scaledLength " + to_string(rows[r].scaledLength) +
                           ", expected " + to_string(orv::ScaledLength(length)) + " for a chunk of " +
                           to_string(length) + " bytes");
  }
  return true;
}

bool CheckIndices(const OrvLayout& layout, std::string* err) {
  // The leading and trailing rows carry 0 as a mark, not as a state to go to.
  for (std::size_t r = 1; r + 1 < layout.rows.size(); ++r) {
    const std::int32_t state = layout.rows[r].stateIndex;
    if (state < 0 || state >= layout.stateCount)
      return Fail(err, RowName(r, layout.rows.size(), kRows) + ": stateIndex " + to_string(state) + " outside the " +
                           to_string(layout.stateCount) + " states");
  }
  for (std::size_t s = 0; s < layout.statesRead(); ++s)
    for (std::int32_t k = 0; k < layout.PairCount(s); ++k) {
      const std::int32_t chunk = layout.Pair(s, static_cast<std::size_t>(k)).chunkIndex;
      if (chunk < 0 || chunk >= layout.chunkCount)
        return Fail(err, "state " + to_string(s) + ", pair " + to_string(k) + ": chunkIndex " + to_string(chunk) +
                             " outside the " + to_string(layout.chunkCount) + " chunk rows");
    }
  return true;
}

}  // namespace

bool InspectOrv(ByteSource* in, OrvLayout* layout, std::string* err) {
  return ReadLayout(in, layout, err) && CheckOffsets(*layout, err) && CheckLengths(*layout, err) &&
         CheckIndices(*layout, err);
}

std::vector<std::string> LayoutWarnings(const OrvLayout& layout) {
  std::vector<std::string> warnings;
  if (layout.haveStateCount && layout.zeroWord != 0)
    warnings.push_back("the word at byte " + to_string(orv::kZeroWordOffset) + " is " + to_string(layout.zeroWord) +
                       ", not 0");
  std::size_t first = 0;
  std::int64_t nonZero = 0;
  for (std::size_t s = 0; s < layout.statesRead(); ++s)
    if (layout.stateWords[s] != 0 && nonZero++ == 0) first = s;
  if (nonZero > 0) {
    std::string text =
        "state " + to_string(first) + "'s leading word is " + to_string(layout.stateWords[first]) + ", not 0";
    const std::int64_t more = nonZero - 1;
    if (more > 0)
      text += "; " + to_string(more) + (more == 1 ? " more state has one" : " more states have one") + " that is not 0";
    warnings.push_back(text);
  }
  return warnings;
}

std::string Hex(std::int32_t word) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(word));
  return text;
}

std::string RowName(std::size_t row, std::size_t rowCount, const RowNaming& naming) {
  const std::string number = std::to_string(row);
  if (row == 0) return "row " + number + naming.leading;
  if (row + 1 == rowCount) return "row " + number + naming.trailing;
  return naming.chunk + number;
}
