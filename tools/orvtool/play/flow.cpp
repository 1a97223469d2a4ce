#include "play/flow.h"

#include <algorithm>

#include "report/words.h"

namespace {

// Up to this many pairs a state is searched from its start; beyond, its first pair of each event a trace
// can name is found in one walk and kept.
constexpr std::int32_t kPairsSearched = 16;
// The states of many pairs kept so, at most: a trace that keeps visiting more of them walks each again,
// but they share the layout's limit of pairs, so the more there are the fewer pairs each holds.
constexpr std::size_t kStatesKept = 4096;

// Asked at every pass of the leading row, so found once.
bool EveryPairToRowOne(SoundTables* tables) {
  const std::int32_t count = tables->layout().stateCount > 0 ? tables->PairCount(0) : 0;
  for (std::int32_t k = 0; k < count; ++k)
    if (tables->Pair(0, k).chunkIndex != 1) return false;
  return true;
}

}  // namespace

OrvFlow::OrvFlow(const OrvLayout& layout)
    : held_(std::make_unique<HeldTables>(layout)),
      tables_(held_.get()),
      index_(&tables_),
      everyEventToRowOne_(EveryPairToRowOne(&tables_)) {}

OrvFlow::OrvFlow(OrvTables* tables)
    : tables_(tables), index_(&tables_), everyEventToRowOne_(EveryPairToRowOne(&tables_)) {}

std::optional<FlowEntry> OrvFlow::EntryOf(int row) const {
  if (row < 1 || row >= trailingRow()) return std::nullopt;
  const RowRun run = index_.RunOf(row);
  if (!run.IsEntry()) return std::nullopt;
  if (lastEntry_ && lastEntry_->firstRow == run.first) return lastEntry_;
  FlowEntry entry;
  entry.scriptIndex = run.entry;
  entry.index = run.entriesBefore;
  entry.firstRow = run.first;
  entry.rowCount = run.last - run.first + 1;
  entry.bytes = static_cast<std::int64_t>(tables_.Row(run.last + 1).dataOffset) - tables_.Row(run.first).dataOffset;
  const std::int32_t lastState = orv::EntryLastState(run.entry);
  if (tables_.PairCount(lastState) > 0) {
    const OrvPair first = tables_.Pair(lastState, 0);
    entry.haveEvent = true;
    entry.eventId = first.eventId;
    entry.loop = first.chunkIndex == run.first;
  }
  lastEntry_ = entry;
  return entry;
}

std::int64_t OrvFlow::RowLength(int row) const {
  if (row < 0 || row >= trailingRow()) return 0;
  return static_cast<std::int64_t>(tables_.Row(row + 1).dataOffset) - tables_.Row(row).dataOffset;
}

std::int32_t OrvFlow::StateOf(int row) const {
  const std::int32_t state = tables_.Row(row).stateIndex;
  return state < tables_.layout().stateCount ? state : -1;
}

std::vector<OrvFlow::FirstOfEvent> OrvFlow::FirstOfEachEvent(std::int32_t state) const {
  std::vector<FirstOfEvent> index;
  if (state < 0) return index;
  const std::int32_t count = tables_.PairCount(state);
  index.reserve(static_cast<std::size_t>(count));
  for (std::int32_t k = 0; k < count; ++k) index.push_back({tables_.Pair(state, k).eventId, k});
  // Stable, so the first pair of an event stays ahead of its later ones, which are then dropped.
  std::stable_sort(index.begin(), index.end(),
                   [](const FirstOfEvent& a, const FirstOfEvent& b) { return a.eventId < b.eventId; });
  index.erase(std::unique(index.begin(), index.end(),
                          [](const FirstOfEvent& a, const FirstOfEvent& b) { return a.eventId == b.eventId; }),
              index.end());
  return index;
}

std::vector<OrvPair> OrvFlow::FirstPairsByEvent(std::int32_t state) const {
  std::vector<OrvPair> first;
  for (const FirstOfEvent& f : FirstOfEachEvent(state)) first.push_back(tables_.Pair(state, f.pair));
  return first;
}

std::vector<OrvPair> OrvFlow::FirstPairsInOrder(std::int32_t state) const {
  std::vector<FirstOfEvent> index = FirstOfEachEvent(state);
  std::sort(index.begin(), index.end(), [](const FirstOfEvent& a, const FirstOfEvent& b) { return a.pair < b.pair; });
  std::vector<OrvPair> first;
  first.reserve(index.size());
  for (const FirstOfEvent& f : index) first.push_back(tables_.Pair(state, f.pair));
  return first;
}

const OrvFlow::TracedEvents& OrvFlow::FirstOfTracedEvents(std::int32_t state) const {
  const auto kept = tracedEvents_.find(state);
  if (kept != tracedEvents_.end()) return kept->second;
  if (tracedEvents_.size() >= kStatesKept) tracedEvents_.clear();
  TracedEvents& first = tracedEvents_[state];
  first.fill(-1);
  for (std::int32_t k = tables_.PairCount(state) - 1; k >= 0; --k) {
    const std::int32_t eventId = tables_.Pair(state, k).eventId;
    if (eventId >= 0 && eventId <= kMaxPairedEventId) first[static_cast<std::size_t>(eventId)] = k;
  }
  return first;
}

int OrvFlow::FirstPair(std::int32_t state, std::int32_t eventId) const {
  const std::int32_t count = tables_.PairCount(state);
  if (count > kPairsSearched && eventId >= 0 && eventId <= kMaxPairedEventId)
    return FirstOfTracedEvents(state)[static_cast<std::size_t>(eventId)];
  for (std::int32_t k = 0; k < count; ++k)
    if (tables_.Pair(state, k).eventId == eventId) return k;
  return -1;
}

FlowStep OrvFlow::Next(int row, std::int32_t eventId) const {
  FlowStep step;
  step.stateIndex = tables_.Row(row).stateIndex;
  step.row = row + 1;
  // Only the leading row of a file without states can lack one.
  const std::int32_t state = StateOf(row);
  if (state < 0) return step;
  const int pair = FirstPair(state, eventId);
  if (pair < 0) return step;
  step.row = tables_.Pair(state, pair).chunkIndex;
  step.byPair = true;
  return step;
}

std::string EntryLabel(const FlowEntry& entry, bool quoteName) {
  if (!entry.haveEvent) return "entry " + std::to_string(entry.scriptIndex);
  const std::string event = quoteName ? EventQuotedName(entry.eventId) : EventShortName(entry.eventId);
  return event + (entry.loop ? " Loop" : " Begin");
}
