#include "play/flow.h"

#include <algorithm>

namespace {

// Up to this many pairs a state is searched from its start; beyond, its first pair of each event a trace
// can name is found once.
constexpr std::int32_t kPairsSearched = 16;

// Rows `first` to `last` read as one: a run of an entry's state 2e + 1 ended by its state 2e + 2, or
// that last row alone, naming entry e; or rows that name none (entry -1).
struct RowRun {
  int first = 0;
  int last = 0;
  std::int32_t entry = -1;
};

RowRun RunFrom(const OrvLayout& layout, int first) {
  const auto state = [&layout](int row) { return layout.rows[static_cast<std::size_t>(row)].stateIndex; };
  RowRun run{first, first, -1};
  if (state(first) < 1) return run;
  run.entry = orv::EntryOfState(state(first));
  if (state(first) == orv::EntryLastState(run.entry)) return run;
  // Rows go on in the state of the entry's chunks before its last; a run not ended by the last one's
  // state names no entry.
  const int trailing = layout.chunkCount - 1;
  int q = first;
  while (q < trailing && state(q) == state(first)) ++q;
  if (q < trailing && state(q) == orv::EntryLastState(run.entry)) {
    run.last = q;
  } else {
    run.last = q - 1;
    run.entry = -1;
  }
  return run;
}

}  // namespace

OrvFlow::OrvFlow(const OrvLayout& layout) : layout_(layout) {
  // A build's entries come in payload order, so a run is an entry only past every one named before it.
  std::int32_t highest = -1;
  for (int first = 1; first < trailingRow();) {
    const RowRun run = RunFrom(layout, first);
    if (run.entry > highest) {
      FlowEntry entry;
      entry.scriptIndex = run.entry;
      entry.index = entryCount();
      entry.firstRow = run.first;
      entry.rowCount = run.last - run.first + 1;
      entry.bytes = layout.RowsLength(static_cast<std::size_t>(run.first), static_cast<std::size_t>(run.last) + 1);
      const std::size_t lastState = static_cast<std::size_t>(orv::EntryLastState(run.entry));
      if (layout.PairCount(lastState) > 0) {
        const OrvPair& pair = layout.Pair(lastState, 0);
        entry.haveEvent = true;
        entry.eventId = pair.eventId;
        entry.loop = pair.chunkIndex == run.first;
      }
      entries_.push_back(entry);
    }
    highest = std::max(highest, run.entry);
    first = run.last + 1;
  }
  for (std::size_t s = 0; s < layout.statesRead(); ++s) {
    const std::int32_t count = layout.PairCount(s);
    if (count <= kPairsSearched) continue;
    auto& first = tracedEvents_[static_cast<std::int32_t>(s)];
    first.fill(-1);
    for (std::int32_t k = count - 1; k >= 0; --k) {
      const std::int32_t eventId = layout.Pair(s, static_cast<std::size_t>(k)).eventId;
      if (eventId >= 0 && eventId <= kMaxPairedEventId) first[static_cast<std::size_t>(eventId)] = k;
    }
  }
  // Asked at every pass of the leading row, so found once.
  const std::int32_t leading = layout.stateCount > 0 ? layout.PairCount(0) : 0;
  for (std::int32_t k = 0; k < leading; ++k)
    if (layout.Pair(0, static_cast<std::size_t>(k)).chunkIndex != 1) everyEventToRowOne_ = false;
}

const FlowEntry* OrvFlow::EntryOf(int row) const {
  const auto after = std::upper_bound(entries_.begin(), entries_.end(), row,
                                      [](int r, const FlowEntry& entry) { return r < entry.firstRow; });
  if (after == entries_.begin()) return nullptr;
  const FlowEntry& entry = *(after - 1);
  return row < entry.firstRow + entry.rowCount ? &entry : nullptr;
}

std::int64_t OrvFlow::RowLength(int row) const {
  if (row < 0 || row >= trailingRow()) return 0;
  return layout_.RowsLength(static_cast<std::size_t>(row), static_cast<std::size_t>(row) + 1);
}

std::int32_t OrvFlow::StateOf(int row) const {
  const std::int32_t state = Row(row).stateIndex;
  return state < layout_.stateCount ? state : -1;
}

std::vector<OrvFlow::FirstOfEvent> OrvFlow::FirstOfEachEvent(std::int32_t state) const {
  std::vector<FirstOfEvent> index;
  if (state < 0) return index;
  const std::int32_t count = layout_.PairCount(static_cast<std::size_t>(state));
  index.reserve(static_cast<std::size_t>(count));
  for (std::int32_t k = 0; k < count; ++k)
    index.push_back({layout_.Pair(static_cast<std::size_t>(state), static_cast<std::size_t>(k)).eventId, k});
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
  for (const FirstOfEvent& f : FirstOfEachEvent(state))
    first.push_back(layout_.Pair(static_cast<std::size_t>(state), static_cast<std::size_t>(f.pair)));
  return first;
}

std::vector<OrvPair> OrvFlow::FirstPairsInOrder(std::int32_t state) const {
  std::vector<FirstOfEvent> index = FirstOfEachEvent(state);
  std::sort(index.begin(), index.end(), [](const FirstOfEvent& a, const FirstOfEvent& b) { return a.pair < b.pair; });
  std::vector<OrvPair> first;
  first.reserve(index.size());
  for (const FirstOfEvent& f : index)
    first.push_back(layout_.Pair(static_cast<std::size_t>(state), static_cast<std::size_t>(f.pair)));
  return first;
}

int OrvFlow::FirstPair(std::int32_t state, std::int32_t eventId) const {
  const auto traced = tracedEvents_.find(state);
  if (traced != tracedEvents_.end() && eventId >= 0 && eventId <= kMaxPairedEventId)
    return traced->second[static_cast<std::size_t>(eventId)];
  const std::int32_t count = layout_.PairCount(static_cast<std::size_t>(state));
  for (std::int32_t k = 0; k < count; ++k)
    if (layout_.Pair(static_cast<std::size_t>(state), static_cast<std::size_t>(k)).eventId == eventId) return k;
  return -1;
}

FlowStep OrvFlow::Next(int row, std::int32_t eventId) const {
  FlowStep step;
  step.stateIndex = Row(row).stateIndex;
  step.row = row + 1;
  // Only the leading row of a file without states can lack one.
  const std::int32_t state = StateOf(row);
  if (state < 0) return step;
  const int pair = FirstPair(state, eventId);
  if (pair < 0) return step;
  step.row = layout_.Pair(static_cast<std::size_t>(state), static_cast<std::size_t>(pair)).chunkIndex;
  step.byPair = true;
  return step;
}

std::string EntryLabel(const FlowEntry& entry, bool quoteName) {
  if (!entry.haveEvent) return "entry " + std::to_string(entry.scriptIndex);
  return EventLabel(entry.eventId, quoteName ? EventNameIn::kQuotesOnly : EventNameIn::kNameOnly) +
         (entry.loop ? " Loop" : " Begin");
}
