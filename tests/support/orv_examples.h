// The worked examples of a build, word for word: what the engine must write for their scripts, and
// valid built files for the tools that read them. Each takes the payload its sources give, in script
// order; without one, filler bytes of the right length stand in.
#ifndef ORV_TESTS_ORV_EXAMPLES_H_
#define ORV_TESTS_ORV_EXAMPLES_H_

#include "orv_bytes.h"

// A build of no entries: the smallest file, 56 bytes.
inline Bytes EmptyBuild() { return MakeOrv(1, {0, 1, 0, 1}, {56, 0, 0, 56, 0, 0}, 0); }

// Event 0, Begin 100 bytes, Loop 70000 bytes: state 1 at byte 28, chunkCount at 76, rows from 80, H 140.
inline Bytes BeginLoopBuild(const Bytes& payload = Bytes(70100, 0x5A)) {
  return MakeOrv(5, {0, 1, 0, 1, 0, 0, 0, 1, 0, 2, 0, 0, 0, 1, 0, 2},
                 {140, 0, 0, 140, 2, 336, 240, 3, 224000, 60240, 4, 37296, 70240, 0, 0}, payload);
}

// Events 0 and 1, each with a Begin and a Loop of 30 bytes; in state 6 the entry's own pair (1, 4) comes
// before the other event's (0, 1).
inline Bytes TwoEventBuild(const Bytes& payload = Bytes(120, 0x5A)) {
  return MakeOrv(9, {0, 1, 0, 1, 0, 1, 1, 3, 0, 2, 0, 2, 1, 3, 0, 1, 1, 3, 0, 2, 0, 2,
                     1, 3, 0, 1, 0, 1, 0, 2, 1, 4, 0, 1, 0, 1, 0, 1, 0, 2, 1, 4, 0, 1},
                 {264, 0, 0, 264, 2, 112, 294, 4, 112, 324, 6, 112, 354, 8, 112, 384, 0, 0}, payload);
}

// Event 0 with a "null" Begin and a Loop of 45 bytes: state 2 sends the event to the Loop's chunk.
inline Bytes NullBeginBuild(const Bytes& payload = Bytes(45, 0x5A)) {
  return MakeOrv(5, {0, 1, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 0, 1}, {116, 0, 0, 116, 4, 112, 161, 0, 0}, payload);
}

// Event 0 with a Begin of 30 bytes and a "null" Loop: the Begin's event leads to the trailing row.
inline Bytes NullLoopBuild(const Bytes& payload = Bytes(30, 0x5A)) {
  return MakeOrv(5, {0, 1, 0, 1, 0, 0, 0, 1, 0, 2, 0, 0, 0, 1, 0, 2}, {116, 0, 0, 116, 2, 112, 146, 0, 0}, payload);
}

#endif  // ORV_TESTS_ORV_EXAMPLES_H_
