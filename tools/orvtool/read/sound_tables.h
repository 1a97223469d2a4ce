// The tables of a file that passed the layout check, read again where they are needed. A file that is
// changed while it is read could break the rules the check found: each value read is held to them, so
// it can always be followed, and the change is kept for the command to say.
#ifndef ORVTOOL_READ_SOUND_TABLES_H_
#define ORVTOOL_READ_SOUND_TABLES_H_

#include <cstdint>

#include "read/layout.h"
#include "read/layout_tables.h"

class SoundTables {
 public:
  // `tables` must outlive these, and be of a layout that passed InspectOrv or InspectOrvHoldingNothing.
  explicit SoundTables(OrvTables* tables) : tables_(tables) {}

  const OrvLayout& layout() const { return tables_->layout(); }
  int trailingRow() const { return layout().chunkCount - 1; }

  // Row `row`; a row of zeros where it cannot be read again or breaks a rule.
  ChunkRow Row(int row);
  // State `state`'s pair count, 0 where it cannot be read again; its pair k, event 0 to the leading row
  // where that cannot.
  std::int32_t PairCount(std::int32_t state);
  OrvPair Pair(std::int32_t state, std::int32_t k);

  // False once a value could not be read again or broke a rule: the file changed while it was read.
  bool intact() const { return intact_; }

 private:
  OrvTables* tables_;
  bool intact_ = true;
};

#endif  // ORVTOOL_READ_SOUND_TABLES_H_
