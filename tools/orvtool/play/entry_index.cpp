#include "play/entry_index.h"

#include <algorithm>

#include "orv_format.h"

namespace {

// At most this many marks, whatever the rows: a run is then found by reading at most
// chunkCount / kRowMarks rows.
constexpr int kRowMarks = 32768;

}  // namespace

EntryIndex::EntryIndex(SoundTables* tables) : tables_(tables) {
  const int trailing = tables->trailingRow();
  const int rows = trailing - 1;  // the rows between the leading and the trailing one
  step_ = std::max(1, (rows + kRowMarks - 1) / kRowMarks);
  marks_.reserve(static_cast<std::size_t>((rows + step_ - 1) / step_));
  RowRun run;
  for (int first = 1; first < trailing; first = run.last + 1) {
    run = RunFrom(first, run);
    while (1 + static_cast<int>(marks_.size()) * step_ <= run.last) marks_.push_back(run);
  }
  entryCount_ = run.entriesBefore + (run.IsEntry() ? 1 : 0);
  if (!marks_.empty()) recent_[0] = recent_[1] = marks_[0];
}

RowRun EntryIndex::RunFrom(int first, const RowRun& before) {
  RowRun run;
  run.first = run.last = first;
  run.highestBefore = std::max(before.highestBefore, before.entry);
  run.entriesBefore = before.entriesBefore + (before.IsEntry() ? 1 : 0);
  const std::int32_t state = tables_->Row(first).stateIndex;
  if (state < 1) return run;
  run.entry = orv::EntryOfState(state);
  if (state == orv::EntryLastState(run.entry)) return run;
  // Rows go on in the state of the entry's chunks before its last; a run not ended by the last one's
  // state names no entry.
  const int trailing = tables_->trailingRow();
  int q = first;
  while (q < trailing && tables_->Row(q).stateIndex == state) ++q;
  if (q < trailing && tables_->Row(q).stateIndex == orv::EntryLastState(run.entry)) {
    run.last = q;
  } else {
    run.last = q - 1;
    run.entry = -1;
  }
  return run;
}

RowRun EntryIndex::RunOf(int row) {
  for (const RowRun& run : recent_)
    if (run.first <= row && row <= run.last) return run;
  const std::size_t mark = static_cast<std::size_t>((row - 1) / step_);
  RowRun run = marks_[mark];
  for (const RowRun& seen : recent_)
    if (seen.first > run.first && seen.last < row) run = seen;
  // A run that reaches the next mark is held there: no run is read past it.
  const RowRun* next = mark + 1 < marks_.size() ? &marks_[mark + 1] : nullptr;
  while (run.last < row) run = next != nullptr && next->first == run.last + 1 ? *next : RunFrom(run.last + 1, run);
  recent_[1] = recent_[0];
  recent_[0] = run;
  return run;
}
