// The build's tables: entry rows, chunk rows and state words, in storage of fixed capacity kept for the
// life of the process. Cutting the payloads into chunks fills the first two, building the states the
// third; placing them in the file turns chunk offsets into absolute ones.
#ifndef ORV_ENGINE_BUILD_TABLES_H_
#define ORV_ENGINE_BUILD_TABLES_H_

#include <cstdint>
#include <string>

#include "orv_format.h"
#include "script_file.h"

constexpr int kMaxChunkRows = 100000;
constexpr int kMaxStateWords = 100000;

struct EntryRow {
  std::int32_t eventId;
  std::int32_t firstChunk;  // for an entry without payload, the index the next chunk row gets
  bool loop;
};

class BuildTables {
 public:
  // Cuts the entries' payloads into chunks of at most 60000 bytes. Each build's rows and words overwrite
  // the last one's, and nothing is read beyond what it counts. Offsets are relative to the payload area
  // until PlaceInFile. Refusals name the output by `output`.
  bool CutChunks(const ScriptEntry* entries, int n, const std::string& output, std::string* err);
  // Builds the state records afresh from the chunks cut: one leading state and two per entry.
  bool BuildStates(std::string* err);
  // Adds the header length to every chunk offset, refusing a file its 32-bit offsets cannot address
  // (named by `output`).
  bool PlaceInFile(const std::string& output, std::string* err);

  int entryCount() const { return entryCount_; }
  int chunkCount() const { return chunkCount_; }
  int stateWordCount() const { return stateWordCount_; }
  const ChunkRow& chunk(int i) const { return chunks_[i]; }
  std::int32_t stateWord(int i) const { return stateWords_[i]; }
  std::int64_t headerLength() const { return orv::HeaderLength(stateWordCount_, chunkCount_); }
  // The whole output: its header, then every source's payload.
  std::int64_t fileLength() const { return headerLength() + payloadTotal_; }

 private:
  // Appends entry e's state: a pair that sends its own event to `ownTarget` unless that is -1, then, for
  // every other event from 0 to kMaxPairedEventId, a pair per Begin row of that event.
  void AppendState(int e, std::int32_t ownTarget);
  // Appends a word and returns its index, or -1 once the capacity is passed.
  int Append(std::int32_t word);

  EntryRow entries_[kMaxScriptEntries];  // one a script entry
  ChunkRow chunks_[kMaxChunkRows];
  std::int32_t stateWords_[kMaxStateWords];
  int entryCount_ = 0;
  int chunkCount_ = 0;
  int stateWordCount_ = 0;
  bool stateWordsOverflowed_ = false;
  std::int64_t payloadTotal_ = 0;
};

#endif  // ORV_ENGINE_BUILD_TABLES_H_
