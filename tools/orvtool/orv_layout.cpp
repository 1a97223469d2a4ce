#include "orv_layout.h"

#include <cstdio>

#include "orv_format.h"
#include "source_check.h"

namespace {

using std::to_string;

// What info holds in memory at most: far beyond any file a build writes (at most 100000 chunk rows
// and state words), and small enough that no file can make the tool run out of memory.
constexpr std::int64_t kMaxStatesRead = 1000000;
constexpr std::int64_t kMaxPairsRead = 1000000;
constexpr std::int64_t kMaxRowsRead = 1000000;

std::string Hex(std::int32_t word) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(word));
  return text;
}

bool Fail(std::string* err, const std::string& text) {
  *err = text;
  return false;
}

std::string RowName(const OrvLayout& layout, std::size_t row) {
  std::string name = "row " + to_string(row);
  if (row == 0) name += " (leading)";
  if (row + 1 == layout.rows.size()) name += " (trailing)";
  return name;
}

bool ReadStates(ByteSource* in, OrvLayout* layout, std::uint64_t* pos, std::string* err) {
  const std::uint64_t size = layout->fileSize;
  if (layout->stateCount < 0) return Fail(err, "stateCount " + to_string(layout->stateCount) + " is negative");
  // Every record takes at least its two leading words; a count that cannot fit is refused before the
  // records are walked or any room is reserved for them.
  const std::uint64_t minimum = 8u * static_cast<std::uint64_t>(layout->stateCount);
  if (minimum > size - *pos)
    return Fail(err, "stateCount " + to_string(layout->stateCount) + " does not fit in a file of " + to_string(size) +
                         " bytes");
  if (layout->stateCount > kMaxStatesRead)
    return Fail(err, "stateCount " + to_string(layout->stateCount) + " is more than orvtool reads (" +
                         to_string(kMaxStatesRead) + ")");
  layout->states.reserve(static_cast<std::size_t>(layout->stateCount));
  std::int64_t pairsRead = 0;
  for (std::int32_t s = 0; s < layout->stateCount; ++s) {
    OrvState state;
    if (!in->ReadWord(*pos, &state.zeroWord) || !in->ReadWord(*pos + 4, &state.pairCount))
      return Fail(err, "state " + to_string(s) + " runs past the end of the file at byte " + to_string(*pos));
    if (state.pairCount < 0)
      return Fail(err, "state " + to_string(s) + " has a negative pairCount " + to_string(state.pairCount));
    *pos += 8;
    const std::uint64_t pairBytes = 8u * static_cast<std::uint64_t>(state.pairCount);
    if (pairBytes > size - *pos)
      return Fail(err, "state " + to_string(s) + " with pairCount " + to_string(state.pairCount) +
                           " runs past the end of the file");
    pairsRead += state.pairCount;
    if (pairsRead > kMaxPairsRead)
      return Fail(err, "the states hold more pairs than orvtool reads (" + to_string(kMaxPairsRead) + ")");
    state.pairs.resize(static_cast<std::size_t>(state.pairCount));
    for (OrvPair& pair : state.pairs) {
      if (!in->ReadWord(*pos, &pair.eventId) || !in->ReadWord(*pos + 4, &pair.chunkIndex))
        return Fail(err, "cannot read state " + to_string(s) + " at byte " + to_string(*pos));
      *pos += 8;
    }
    layout->states.push_back(std::move(state));
  }
  return true;
}

bool ReadRows(ByteSource* in, OrvLayout* layout, std::uint64_t* pos, std::string* err) {
  const std::uint64_t size = layout->fileSize;
  if (!in->ReadWord(*pos, &layout->chunkCount))
    return Fail(err, "the file ends at byte " + to_string(size) + ", before chunkCount at byte " + to_string(*pos));
  layout->haveChunkCount = true;
  *pos += 4;
  if (layout->chunkCount < 2)
    return Fail(err, "chunkCount " + to_string(layout->chunkCount) +
                         " is below 2; a leading and a trailing row are always needed");
  const std::uint64_t tableBytes = 12u * static_cast<std::uint64_t>(layout->chunkCount);
  if (tableBytes > size - *pos)
    return Fail(err, "the chunk table of " + to_string(layout->chunkCount) + " rows runs past the end of the file");
  if (layout->chunkCount > kMaxRowsRead)
    return Fail(err, "chunkCount " + to_string(layout->chunkCount) + " is more than orvtool reads (" +
                         to_string(kMaxRowsRead) + ")");
  layout->rows.resize(static_cast<std::size_t>(layout->chunkCount));
  for (ChunkRow& row : layout->rows) {
    if (!in->ReadWord(*pos, &row.dataOffset) || !in->ReadWord(*pos + 4, &row.stateIndex) ||
        !in->ReadWord(*pos + 8, &row.scaledLength)) {
      layout->rows.clear();
      return Fail(err, "cannot read the chunk table at byte " + to_string(*pos));
    }
    *pos += 12;
  }
  layout->haveRows = true;
  layout->headerLength = *pos;
  return true;
}

bool CheckOffsets(const OrvLayout& layout, std::string* err) {
  const std::vector<ChunkRow>& rows = layout.rows;
  const std::int64_t h = static_cast<std::int64_t>(layout.headerLength);
  for (std::size_t r = 0; r < 2; ++r) {
    if (rows[r].dataOffset != h)
      return Fail(err, RowName(layout, r) + ": dataOffset " + to_string(rows[r].dataOffset) +
                           ", expected the header length " + to_string(h));
  }
  for (std::size_t r = 2; r < rows.size(); ++r) {
    if (rows[r].dataOffset <= rows[r - 1].dataOffset)
      return Fail(err, RowName(layout, r) + ": dataOffset " + to_string(rows[r].dataOffset) +
                           " does not rise above row " + to_string(r - 1) + "'s " + to_string(rows[r - 1].dataOffset));
  }
  const ChunkRow& last = rows.back();
  if (static_cast<std::uint64_t>(last.dataOffset) != layout.fileSize)
    return Fail(err, RowName(layout, rows.size() - 1) + ": dataOffset " + to_string(last.dataOffset) +
                         ", but the file is " + to_string(layout.fileSize) + " bytes");
  return true;
}

bool CheckLengths(const OrvLayout& layout, std::string* err) {
  const std::vector<ChunkRow>& rows = layout.rows;
  for (std::size_t r : {std::size_t{0}, rows.size() - 1}) {
    if (rows[r].stateIndex != 0 || rows[r].scaledLength != 0)
      return Fail(err, RowName(layout, r) + ": stateIndex " + to_string(rows[r].stateIndex) + " and scaledLength " +
                           to_string(rows[r].scaledLength) + ", both must be 0");
  }
  for (std::size_t r = 1; r + 1 < rows.size(); ++r) {
    // Offsets rise strictly by now, so the length is positive and fits.
    const std::int32_t length = static_cast<std::int32_t>(layout.RowsLength(r, r + 1));
    if (length > orv::kMaxChunkLength)
      return Fail(err, RowName(layout, r) + ": chunk of " + to_string(length) + " bytes, more than " +
                           to_string(orv::kMaxChunkLength));
    if (rows[r].scaledLength != orv::ScaledLength(length))
      return Fail(err, RowName(layout, r) + ": scaledLength " + to_string(rows[r].scaledLength) + ", expected " +
                           to_string(orv::ScaledLength(length)) + " for a chunk of " + to_string(length) + " bytes");
  }
  return true;
}

bool CheckIndices(const OrvLayout& layout, std::string* err) {
  // The leading and trailing rows carry 0 as a mark, not as a state to go to.
  for (std::size_t r = 1; r + 1 < layout.rows.size(); ++r) {
    const std::int32_t index = layout.rows[r].stateIndex;
    if (index < 0 || index >= layout.stateCount)
      return Fail(err, RowName(layout, r) + ": stateIndex " + to_string(index) + " outside the " +
                           to_string(layout.stateCount) + " states");
  }
  for (std::size_t s = 0; s < layout.states.size(); ++s) {
    const std::vector<OrvPair>& pairs = layout.states[s].pairs;
    for (std::size_t p = 0; p < pairs.size(); ++p) {
      if (pairs[p].chunkIndex < 0 || pairs[p].chunkIndex >= layout.chunkCount)
        return Fail(err, "state " + to_string(s) + ", pair " + to_string(p) + ": chunkIndex " +
                             to_string(pairs[p].chunkIndex) + " outside the " + to_string(layout.chunkCount) +
                             " chunk rows");
    }
  }
  return true;
}

}  // namespace

bool ReadOrvLayout(ByteSource* in, OrvLayout* layout, std::string* err) {
  *layout = OrvLayout();
  layout->fileSize = in->Size();
  if (!in->ReadWord(0, &layout->magic))
    return Fail(err, "the file is " + to_string(layout->fileSize) + " bytes, too short to hold the magic");
  layout->haveMagic = true;
  if (static_cast<std::uint32_t>(layout->magic) != orv::kMagic)
    return Fail(err, "magic " + Hex(layout->magic) + ", expected " + Hex(static_cast<std::int32_t>(orv::kMagic)));
  if (!in->ReadWord(4, &layout->zeroWord) || !in->ReadWord(8, &layout->stateCount))
    return Fail(err, "the file is " + to_string(layout->fileSize) + " bytes, too short to hold stateCount");
  layout->haveStateCount = true;
  std::uint64_t pos = 12;
  return ReadStates(in, layout, &pos, err) && ReadRows(in, layout, &pos, err);
}

bool CheckOrvLayout(const OrvLayout& layout, std::string* err) {
  if (!layout.haveRows || layout.rows.size() < 2) return Fail(err, "the layout was not read completely");
  return CheckOffsets(layout, err) && CheckLengths(layout, err) && CheckIndices(layout, err);
}

bool InspectOrv(ByteSource* in, OrvLayout* layout, std::string* err) {
  return ReadOrvLayout(in, layout, err) && CheckOrvLayout(*layout, err);
}

bool CheckBuildSource(ByteSource* in, std::int32_t* payloadEnd, std::string* why) {
  // The build's own rule; only the wording, for a person reading a report, is orvtool's.
  const SourceVerdict v =
      JudgeSource(static_cast<std::int64_t>(in->Size()), [in](std::int64_t offset, std::int32_t* value) {
        return in->ReadWord(static_cast<std::uint64_t>(offset), value);
      });
  *payloadEnd = v.payloadEnd;
  switch (v.fault) {
    case SourceFault::kNone:
      return true;
    case SourceFault::kSizeUnknown:
      return Fail(why, "its size cannot be told");
    case SourceFault::kNotOrv:
      if (v.size < orv::kSourcePayloadEndOffset + 4)
        return Fail(why, "the file is " + to_string(v.size) + " bytes, too short to hold the words at bytes 0, 8 and " +
                             to_string(orv::kSourcePayloadEndOffset));
      return Fail(why, "the magic is wrong");
    case SourceFault::kNotSingleState:
      return Fail(why, "stateCount is " + to_string(v.stateCount) + ", not 1");
    case SourceFault::kPayloadBeforeStart:
      return Fail(why, "the payload end " + to_string(v.payloadEnd) + " lies before the payload start " +
                           to_string(orv::kSourcePayloadStart));
    case SourceFault::kShorterThanPayload:
      return Fail(why, "the payload runs to byte " + to_string(v.payloadEnd) + ", past the end of the file at " +
                           to_string(v.size));
  }
  return Fail(why, "unknown");
}
