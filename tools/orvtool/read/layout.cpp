#include "read/layout.h"

#include <cstdio>

#include "orv_format.h"
#include "read/layout_tables.h"
#include "report/words.h"

namespace {

using std::to_string;

// What a reading that holds the tables (check, for the file it foresees) holds in memory at most: far
// beyond any file a build writes (at most 100000 chunk rows and state words), and small enough that no
// file can make the tool run out of memory. The commands that read the tables again hold none of it,
// but keep to the same limits so that every command reads a file alike.
constexpr std::int64_t kMaxStatesRead = 1000000;
constexpr std::int64_t kMaxPairsRead = 1000000;
constexpr std::int64_t kMaxRowsRead = 1000000;

bool Fail(std::string* err, const std::string& text) {
  *err = text;
  return false;
}

bool ReadStates(ByteSource* in, OrvLayout* layout, OrvVisitor* visitor, std::uint64_t* pos, std::string* err) {
  const std::uint64_t size = layout->fileSize;
  if (layout->stateCount < 0) return Fail(err, "stateCount " + to_string(layout->stateCount) + " is negative");
  // Every record takes at least its two leading words; a count that cannot fit is refused before the
  // records are walked or any room is reserved for them.
  const std::uint64_t minimum = orv::kPairBytes * static_cast<std::uint64_t>(layout->stateCount);
  if (minimum > size - *pos)
    return Fail(err, "stateCount " + to_string(layout->stateCount) + " does not fit in a file of " + to_string(size) +
                         " bytes");
  if (layout->stateCount > kMaxStatesRead)
    return Fail(err, "stateCount " + to_string(layout->stateCount) + " is more than orvtool reads (" +
                         to_string(kMaxStatesRead) + ")");
  std::int64_t pairsRead = 0;
  for (std::int32_t s = 0; s < layout->stateCount; ++s) {
    OrvState state;
    if (!in->ReadTwoWords(*pos, &state.zeroWord, &state.pairCount))
      return Fail(err, "state " + to_string(s) + " runs past the end of the file at byte " + to_string(*pos));
    if (state.pairCount < 0)
      return Fail(err, "state " + to_string(s) + " has a negative pairCount " + to_string(state.pairCount));
    *pos += orv::kPairBytes;
    const std::uint64_t pairBytes = orv::kPairBytes * static_cast<std::uint64_t>(state.pairCount);
    if (pairBytes > size - *pos)
      return Fail(err, "state " + to_string(s) + " with pairCount " + to_string(state.pairCount) +
                           " runs past the end of the file");
    pairsRead += state.pairCount;
    if (pairsRead > kMaxPairsRead)
      return Fail(err, "the states hold more pairs than orvtool reads (" + to_string(kMaxPairsRead) + ")");
    const std::size_t index = static_cast<std::size_t>(s);
    if (visitor != nullptr) visitor->OnState(index, state);
    for (std::int32_t k = 0; k < state.pairCount; ++k) {
      OrvPair pair;
      if (!in->ReadTwoWords(*pos, &pair.eventId, &pair.chunkIndex))
        return Fail(err, "cannot read state " + to_string(s) + " at byte " + to_string(*pos));
      *pos += orv::kPairBytes;
      if (visitor != nullptr) visitor->OnPair(index, pair);
    }
    if (state.zeroWord != 0 && layout->nonZeroStateWords++ == 0) {
      layout->firstNonZeroState = index;
      layout->firstNonZeroWord = state.zeroWord;
    }
    layout->statesRead = index + 1;
  }
  return true;
}

bool ReadRows(ByteSource* in, OrvLayout* layout, OrvVisitor* visitor, std::uint64_t* pos, std::string* err) {
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
  for (std::int32_t r = 0; r < layout->chunkCount; ++r) {
    ChunkRow row;
    if (!in->ReadRow(*pos, &row)) return Fail(err, "cannot read the chunk table at byte " + to_string(*pos));
    *pos += orv::kRowBytes;
    if (visitor != nullptr) visitor->OnRow(static_cast<std::size_t>(r), row);
  }
  layout->haveRows = true;
  layout->headerLength = *pos;
  return true;
}

// Keeps what a walk hands on, for a layout to hold; `counts` is the layout the walk fills.
class Holder : public OrvVisitor {
 public:
  explicit Holder(const OrvLayout* counts) : counts_(counts) {}
  void OnState(std::size_t index, const OrvState& state) override {
    if (index == 0) states.reserve(static_cast<std::size_t>(counts_->stateCount));
    states.push_back(state);
    states.back().pairs.reserve(static_cast<std::size_t>(state.pairCount));
  }
  void OnPair(std::size_t, const OrvPair& pair) override { states.back().pairs.push_back(pair); }
  void OnRow(std::size_t index, const ChunkRow& row) override {
    if (index == 0) rows.reserve(static_cast<std::size_t>(counts_->chunkCount));
    rows.push_back(row);
  }

  std::vector<OrvState> states;
  std::vector<ChunkRow> rows;

 private:
  const OrvLayout* counts_;
};

// The rules below read rows by index and stop at the first one broken; a row that can no longer be read
// (a file cut short while it is read) is a fault of its own.
bool GetRow(OrvTables* tables, std::size_t r, ChunkRow* row, std::string* err) {
  return tables->Row(r, row) || Fail(err, "cannot read row " + to_string(r) + " of the chunk table again");
}

std::string RowName(const OrvLayout& layout, std::size_t row) {
  return ::RowName(row, static_cast<std::size_t>(layout.chunkCount), {"row ", " (leading)", " (trailing)"});
}

bool CheckOffsets(OrvTables* tables, std::string* err) {
  const OrvLayout& layout = tables->layout();
  const std::size_t count = static_cast<std::size_t>(layout.chunkCount);
  const std::int64_t h = static_cast<std::int64_t>(layout.headerLength);
  ChunkRow row, before;
  for (std::size_t r = 0; r < count; ++r) {
    if (!GetRow(tables, r, &row, err)) return false;
    if (r < 2 && row.dataOffset != h)
      return Fail(err, RowName(layout, r) + ": dataOffset " + to_string(row.dataOffset) +
                           ", expected the header length " + to_string(h));
    if (r >= 2 && row.dataOffset <= before.dataOffset)
      return Fail(err, RowName(layout, r) + ": dataOffset " + to_string(row.dataOffset) + " does not rise above row " +
                           to_string(r - 1) + "'s " + to_string(before.dataOffset));
    before = row;
  }
  if (static_cast<std::uint64_t>(row.dataOffset) != layout.fileSize)
    return Fail(err, RowName(layout, count - 1) + ": dataOffset " + to_string(row.dataOffset) + ", but the file is " +
                         to_string(layout.fileSize) + " bytes");
  return true;
}

bool CheckLengths(OrvTables* tables, std::string* err) {
  const OrvLayout& layout = tables->layout();
  const std::size_t count = static_cast<std::size_t>(layout.chunkCount);
  ChunkRow row, next;
  for (std::size_t r : {std::size_t{0}, count - 1}) {
    if (!GetRow(tables, r, &row, err)) return false;
    if (row.stateIndex != 0 || row.scaledLength != 0)
      return Fail(err, RowName(layout, r) + ": stateIndex " + to_string(row.stateIndex) + " and scaledLength " +
                           to_string(row.scaledLength) + ", both must be 0");
  }
  if (!GetRow(tables, 1, &row, err)) return false;
  for (std::size_t r = 1; r + 1 < count; ++r, row = next) {
    if (!GetRow(tables, r + 1, &next, err)) return false;
    // Offsets rise strictly by now, so the length is positive and fits.
    const std::int32_t length = static_cast<std::int32_t>(static_cast<std::int64_t>(next.dataOffset) - row.dataOffset);
    if (length > orv::kMaxChunkLength)
      return Fail(err, RowName(layout, r) + ": chunk of " + to_string(length) + " bytes, more than " +
                           to_string(orv::kMaxChunkLength));
    if (row.scaledLength != orv::ScaledLength(length))
      return Fail(err, RowName(layout, r) + ": scaledLength " + to_string(row.scaledLength) + ", expected " +
                           to_string(orv::ScaledLength(length)) + " for a chunk of " + to_string(length) + " bytes");
  }
  return true;
}

// The first pair whose chunkIndex lies outside the chunk table.
class PairIndexRule : public OrvVisitor {
 public:
  explicit PairIndexRule(std::int32_t chunkCount) : chunkCount_(chunkCount) {}
  void OnState(std::size_t index, const OrvState&) override {
    state_ = index;
    pair_ = 0;
  }
  void OnPair(std::size_t, const OrvPair& pair) override {
    if (fault_.empty() && (pair.chunkIndex < 0 || pair.chunkIndex >= chunkCount_))
      fault_ = "state " + to_string(state_) + ", pair " + to_string(pair_) + ": chunkIndex " +
               to_string(pair.chunkIndex) + " outside the " + to_string(chunkCount_) + " chunk rows";
    ++pair_;
  }
  const std::string& fault() const { return fault_; }

 private:
  std::int32_t chunkCount_;
  std::size_t state_ = 0, pair_ = 0;
  std::string fault_;
};

bool CheckIndices(OrvTables* tables, std::string* err) {
  const OrvLayout& layout = tables->layout();
  // The leading and trailing rows carry 0 as a mark, not as a state to go to.
  for (std::size_t r = 1; r + 1 < static_cast<std::size_t>(layout.chunkCount); ++r) {
    ChunkRow row;
    if (!GetRow(tables, r, &row, err)) return false;
    if (row.stateIndex < 0 || row.stateIndex >= layout.stateCount)
      return Fail(err, RowName(layout, r) + ": stateIndex " + to_string(row.stateIndex) + " outside the " +
                           to_string(layout.stateCount) + " states");
  }
  PairIndexRule rule(layout.chunkCount);
  tables->Walk(&rule);
  return rule.fault().empty() || Fail(err, rule.fault());
}

bool CheckTables(OrvTables* tables, std::string* err) {
  const OrvLayout& layout = tables->layout();
  if (!layout.haveRows || layout.chunkCount < 2) return Fail(err, "the layout was not read completely");
  return CheckOffsets(tables, err) && CheckLengths(tables, err) && CheckIndices(tables, err);
}

}  // namespace

bool WalkOrvLayout(ByteSource* in, OrvLayout* layout, OrvVisitor* visitor, std::string* err) {
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
  return ReadStates(in, layout, visitor, &pos, err) && ReadRows(in, layout, visitor, &pos, err);
}

bool InspectOrv(ByteSource* in, OrvLayout* layout, std::string* err) {
  Holder holder(layout);
  const bool read = WalkOrvLayout(in, layout, &holder, err);
  // A state whose pairs were not all read, or a table not read to its end, is not shown in part.
  holder.states.resize(layout->statesRead);
  layout->states = std::move(holder.states);
  if (layout->haveRows) layout->rows = std::move(holder.rows);
  HeldTables tables(*layout);
  return read && CheckTables(&tables, err);
}

bool InspectOrvHoldingNothing(ByteSource* in, OrvLayout* layout, std::string* err) {
  if (!WalkOrvLayout(in, layout, nullptr, err)) return false;
  FileTables tables(in, *layout);
  return CheckTables(&tables, err);
}

std::vector<std::string> LayoutWarnings(const OrvLayout& layout) {
  std::vector<std::string> warnings;
  if (layout.haveStateCount && layout.zeroWord != 0)
    warnings.push_back("the word at byte " + to_string(orv::kZeroWordOffset) + " is " + to_string(layout.zeroWord) +
                       ", not 0");
  if (layout.nonZeroStateWords > 0) {
    std::string text = "state " + to_string(layout.firstNonZeroState) + "'s leading word is " +
                       to_string(layout.firstNonZeroWord) + ", not 0";
    const std::int64_t more = layout.nonZeroStateWords - 1;
    if (more > 0)
      text += "; " + to_string(more) + (more == 1 ? " more state has one" : " more states have one") + " that is not 0";
    warnings.push_back(text);
  }
  return warnings;
}
