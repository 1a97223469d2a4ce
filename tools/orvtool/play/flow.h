// How the game's player walks an ORV file: which script entry each chunk row was cut from, read back
// from the state indices, and where the music goes at the end of a row for the event that holds then.
#ifndef ORVTOOL_PLAY_FLOW_H_
#define ORVTOOL_PLAY_FLOW_H_

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "event_table.h"
#include "read/layout.h"

// A piece of the music: the chunk rows of an event's Begin or Loop, or a row of no entry on its own.
struct FlowPiece {
  // False for a row of no entry, and for an entry whose state 2e+2 holds no pair to tell the event by.
  bool haveEvent = false;
  std::int32_t eventId = 0;
  bool loop = false;
  int firstRow = 0;
  int rowCount = 0;
  std::int64_t bytes = 0;
};

// The chunk rows cut from one script entry, told by their states (orv_format.h). The first pair of the
// state of the entry's last chunk is the entry's own event: back to the entry's first chunk for a Loop,
// on to what follows for a Begin.
struct FlowEntry : FlowPiece {
  int scriptIndex = 0;  // the entry's place among the script's, e in its states 2e + 1 and 2e + 2
  int index = 0;        // its place among the file's entries
};

struct FlowStep {
  int row = 0;          // where the player goes
  bool byPair = false;  // false: the state holds no pair for the event, so on to the next row
  std::int32_t stateIndex = 0;
};

class OrvFlow {
 public:
  // The layout must have passed InspectOrv, and outlive the flow. Rows that do not fall into entries the
  // way a build cuts them (a file this tool did not build) belong to no entry, and are shown by their
  // state alone.
  explicit OrvFlow(const OrvLayout& layout);

  int trailingRow() const { return layout_.chunkCount - 1; }
  std::size_t rowCount() const { return layout_.rows.size(); }
  const std::vector<FlowEntry>& entries() const { return entries_; }  // in row order
  int entryCount() const { return static_cast<int>(entries_.size()); }
  // The entry a row was cut from, or null for the leading and trailing rows and rows of no entry.
  const FlowEntry* EntryOf(int row) const;
  const ChunkRow& Row(int row) const { return layout_.rows[static_cast<std::size_t>(row)]; }
  std::int64_t RowLength(int row) const;

  // At the end of `row` with `eventId` current: the row of the state's first pair for that event, or
  // else the next row. The leading row is read by state 0 as every other row by its own.
  FlowStep Next(int row, std::int32_t eventId) const;

  // Where the player goes from the leading row, at the start or when a pair sends the music back there:
  // the row holds no bytes, so it is passed at once, where state 0 sends the event. Row 0 again when
  // state 0 sends it back, and the player then never leaves it.
  FlowStep Start(std::int32_t eventId) const { return Next(0, eventId); }

  // The place in state `state`'s pairs of the first one for the event, or -1; the player takes that one
  // and never a later one.
  int FirstPair(std::int32_t state, std::int32_t eventId) const;

  // The state `row` looks events up in, or -1 where its index names none (the leading row of a file
  // without states).
  std::int32_t StateOf(int row) const;

  // A state's pairs the player can take, the first of each event: in the order of their event ids, or
  // in the order the file holds them. None for state -1.
  std::vector<OrvPair> FirstPairsByEvent(std::int32_t state) const;
  std::vector<OrvPair> FirstPairsInOrder(std::int32_t state) const;

  // Whether the leading row sends every event to row 1, as state 0 of a built file does.
  bool EveryEventStartsAtRowOne() const { return everyEventToRowOne_; }

 private:
  struct FirstOfEvent {
    std::int32_t eventId;
    int pair;
  };
  // The state's pairs, the first of each event, sorted by event.
  std::vector<FirstOfEvent> FirstOfEachEvent(std::int32_t state) const;

  const OrvLayout& layout_;
  std::vector<FlowEntry> entries_;
  // For each state of many pairs, its first pair of each event a trace can name, or -1: a trace may look
  // such a state up at every chunk end.
  std::unordered_map<std::int32_t, std::array<int, kMaxPairedEventId + 1>> tracedEvents_;
  bool everyEventToRowOne_ = true;
};

// `"Combat" Loop`, `event 9 Begin`, or `entry 3` when the event cannot be told; with the name unquoted
// (`Combat Loop`) where it stands alone, as in a picture's caption.
std::string EntryLabel(const FlowEntry& entry, bool quoteName = true);

#endif  // ORVTOOL_PLAY_FLOW_H_
