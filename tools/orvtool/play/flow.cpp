#include "play/flow.h"

#include <algorithm>

#include "report/words.h"

namespace {

// Up to this many pairs a state is searched from its start; beyond, through a sorted index.
constexpr std::size_t kPairsSearched = 16;

}  // namespace

OrvFlow::OrvFlow(const OrvLayout& layout) : layout_(layout), entryOfRow_(layout.rows.size(), -1) {
  // Rows are counted as int here, as chunk indices are; the layout check keeps them within the table.
  auto stateOf = [&layout](int row) { return layout.rows[static_cast<std::size_t>(row)].stateIndex; };
  const int trailing = trailingRow();
  int lastEntry = -1;
  int r = 1;
  while (r < trailing) {
    const std::int32_t state = stateOf(r);
    if (state < 1) {
      ++r;
      continue;
    }
    const int e = orv::EntryOfState(state);
    const std::int32_t lastState = orv::EntryLastState(e);
    int q = r;
    while (q < trailing && stateOf(q) == orv::EntryState(e)) ++q;
    // A build's entries come in payload order, each run ended by its last state.
    if (q == trailing || stateOf(q) != lastState || e <= lastEntry) {
      r = q > r ? q : r + 1;
      continue;
    }
    FlowEntry entry;
    entry.scriptIndex = e;
    entry.firstRow = r;
    entry.rowCount = q - r + 1;
    entry.bytes = RowsLength(r, q + 1);
    // The layout check keeps every state index within the table.
    const std::vector<OrvPair>& pairs = layout.states[static_cast<std::size_t>(lastState)].pairs;
    if (!pairs.empty()) {
      entry.haveEvent = true;
      entry.eventId = pairs[0].eventId;
      entry.loop = pairs[0].chunkIndex == r;
    }
    for (int row = r; row <= q; ++row) entryOfRow_[static_cast<std::size_t>(row)] = static_cast<int>(entries_.size());
    entries_.push_back(entry);
    lastEntry = e;
    r = q + 1;
  }

  for (std::size_t s = 0; s < layout.states.size(); ++s) {
    const std::vector<OrvPair>& pairs = layout.states[s].pairs;
    if (pairs.size() <= kPairsSearched) continue;
    firstPairs_[s] = FirstOfEachEvent(pairs);
  }

  // Asked at every pass of the leading row, so found once.
  if (!layout.states.empty())
    for (const OrvPair& pair : layout.states[0].pairs)
      everyEventToRowOne_ = everyEventToRowOne_ && pair.chunkIndex == 1;
}

std::vector<OrvFlow::FirstOfEvent> OrvFlow::FirstOfEachEvent(const std::vector<OrvPair>& pairs) {
  std::vector<FirstOfEvent> index;
  index.reserve(pairs.size());
  for (std::size_t k = 0; k < pairs.size(); ++k) index.push_back({pairs[k].eventId, static_cast<int>(k)});
  // Stable, so the first pair of an event stays ahead of its later ones, which are then dropped.
  std::stable_sort(index.begin(), index.end(),
                   [](const FirstOfEvent& a, const FirstOfEvent& b) { return a.eventId < b.eventId; });
  index.erase(std::unique(index.begin(), index.end(),
                          [](const FirstOfEvent& a, const FirstOfEvent& b) { return a.eventId == b.eventId; }),
              index.end());
  index.shrink_to_fit();
  return index;
}

std::int32_t OrvFlow::StateOf(int row) const {
  const std::int32_t state = layout_.rows[static_cast<std::size_t>(row)].stateIndex;
  return state >= 0 && static_cast<std::size_t>(state) < layout_.states.size() ? state : -1;
}

std::vector<OrvPair> OrvFlow::FirstPairsByEvent(std::int32_t state) const {
  if (state < 0) return {};
  const std::vector<OrvPair>& pairs = layout_.states[static_cast<std::size_t>(state)].pairs;
  const auto indexed = firstPairs_.find(static_cast<std::size_t>(state));
  const std::vector<FirstOfEvent> index = indexed != firstPairs_.end() ? indexed->second : FirstOfEachEvent(pairs);
  std::vector<OrvPair> first;
  first.reserve(index.size());
  for (const FirstOfEvent& f : index) first.push_back(pairs[static_cast<std::size_t>(f.pair)]);
  return first;
}

int OrvFlow::FirstPair(std::size_t state, std::int32_t eventId) const {
  const auto indexed = firstPairs_.find(state);
  if (indexed != firstPairs_.end()) {
    const std::vector<FirstOfEvent>& index = indexed->second;
    const auto found = std::lower_bound(index.begin(), index.end(), eventId,
                                        [](const FirstOfEvent& a, std::int32_t id) { return a.eventId < id; });
    return found != index.end() && found->eventId == eventId ? found->pair : -1;
  }
  const std::vector<OrvPair>& pairs = layout_.states[state].pairs;
  for (std::size_t k = 0; k < pairs.size(); ++k)
    if (pairs[k].eventId == eventId) return static_cast<int>(k);
  return -1;
}

const FlowEntry* OrvFlow::EntryOf(int row) const {
  if (row < 0 || row >= static_cast<int>(entryOfRow_.size())) return nullptr;
  const int index = entryOfRow_[static_cast<std::size_t>(row)];
  return index < 0 ? nullptr : &entries_[static_cast<std::size_t>(index)];
}

std::int64_t OrvFlow::RowLength(int row) const {
  if (row < 0 || row >= trailingRow()) return 0;
  return RowsLength(row, row + 1);
}

std::int64_t OrvFlow::RowsLength(int from, int to) const {
  return layout_.RowsLength(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
}

FlowStep OrvFlow::Next(int row, std::int32_t eventId) const {
  FlowStep step;
  step.stateIndex = layout_.rows[static_cast<std::size_t>(row)].stateIndex;
  step.row = row + 1;
  // Only the leading row of a file without states can lack one.
  if (StateOf(row) < 0) return step;
  const std::size_t state = static_cast<std::size_t>(step.stateIndex);
  const int pair = FirstPair(state, eventId);
  if (pair < 0) return step;
  step.row = layout_.states[state].pairs[static_cast<std::size_t>(pair)].chunkIndex;
  step.byPair = true;
  return step;
}

std::string EntryLabel(const FlowEntry& entry, bool quoteName) {
  if (!entry.haveEvent) return "entry " + std::to_string(entry.scriptIndex);
  const std::string event = quoteName ? EventQuotedName(entry.eventId) : EventShortName(entry.eventId);
  return event + (entry.loop ? " Loop" : " Begin");
}
