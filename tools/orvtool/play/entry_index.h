// Which script entry each chunk row was cut from, told by the rows' states as a build writes them
// (orv_format.h), in a table of any size: rows are read again from the nearest of a bounded number of
// marks, so nothing is held for each row.
#ifndef ORVTOOL_PLAY_ENTRY_INDEX_H_
#define ORVTOOL_PLAY_ENTRY_INDEX_H_

#include <cstdint>
#include <vector>

#include "read/sound_tables.h"

// Rows `first` to `last` read as one: a run of an entry's state 2e + 1 ended by its state 2e + 2, or
// that last row alone, naming entry e; or rows that name none.
struct RowRun {
  int first = 0;
  int last = 0;
  std::int32_t entry = -1;  // e, or -1
  // Of the runs before it: the highest entry named, and how many were entries.
  std::int32_t highestBefore = -1;
  int entriesBefore = 0;

  // A build's entries come in payload order, so a run is an entry only past every one named before it.
  bool IsEntry() const { return entry > highestBefore; }
};

class EntryIndex {
 public:
  // Reads the rows once, front to back; `tables` must outlive the index.
  explicit EntryIndex(SoundTables* tables);

  // The run that holds `row`, from 1 to the trailing row's - 1: read from the run asked for last when
  // that lies on the way, so rows asked for in order are each read about once.
  RowRun RunOf(int row);
  int entryCount() const { return entryCount_; }

 private:
  // The run that begins at `first`, after `before`.
  RowRun RunFrom(int first, const RowRun& before);

  SoundTables* tables_;
  int step_ = 1;               // rows from one mark to the next
  std::vector<RowRun> marks_;  // the run that holds row 1 + k * step_, for each k
  RowRun recent_[2];           // the runs asked for last, the latest first
  int entryCount_ = 0;
};

#endif  // ORVTOOL_PLAY_ENTRY_INDEX_H_
