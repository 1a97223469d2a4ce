// Reads the build script, "script.txt": entries of three white-space separated tokens (event id, source
// path or "null", type word) up to the terminator -1. Every token is bounded, so no script can overrun
// an entry, and a malformed script is refused with a message instead of being half read.
#ifndef ORV_ENGINE_SCRIPT_READER_H_
#define ORV_ENGINE_SCRIPT_READER_H_

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

constexpr int kMaxScriptEntries = 200;
constexpr int kMaxPathLength = 199;
constexpr int kMaxTypeWordLength = 79;
constexpr const char kScriptFileName[] = "script.txt";

struct ScriptEntry {
  std::int32_t eventId;
  char path[kMaxPathLength + 1];  // NUL-terminated; "null" for an entry without a source
  bool loop;                      // the type word was "loop", in any case
  std::int32_t payloadLength;     // filled in by the source check; 0 for "null"
  int line = 0;                   // where the entry begins in the script, counted from 1
};

// The characters that separate tokens, and so can stand in no path.
bool IsScriptSpace(int c);

// True for the path that names no source. Only the lower-case word counts.
bool IsNullPath(const char* path);

// The texts for a script that cannot be read, and for one that is a folder, pipe or device, named by
// `script` as the build was given it.
std::string ReadErrorText(const std::string& script = kScriptFileName);
std::string NotAFileText(const std::string& script = kScriptFileName);

class ScriptReader {
 public:
  enum Result { kEntry, kEnd, kError };

  // `name` is the script's in messages.
  explicit ScriptReader(std::FILE* script, std::string name = kScriptFileName)
      : script_(script), name_(std::move(name)) {}

  // Scans the next entry into *entry. kEnd at the terminator; kError with *err set when the script
  // is malformed (a line short of its type word among it, whose entry would take the next line's event
  // for one), cannot be read, or would hold more than kMaxScriptEntries entries. Reads at most one
  // byte past the longest token it accepts, however long the script.
  Result Next(ScriptEntry* entry, std::string* err);

  // Where the last entry began, or after kError where the fault lies (the end of the script for a
  // missing terminator): a line, counted from 1, for messages that point the user at it.
  int line() const { return line_; }
  // Why the last kError came, in words without the script's name: "the path is longer than 199 bytes".
  const std::string& problem() const { return problem_; }
  // The last entry's type word, as the script spells it.
  const char* typeWord() const { return typeWord_; }

 private:
  enum Token { kToken, kEndOfFile, kTooLong, kNulByte, kReadError };
  Token ReadToken(char* out, int maxLength);
  // Reads the entry's token named `what` ("the path") into out: kEntry, or kError with the refusal
  // when there is none (told at `lineIfMissing`), it is too long, holds a NUL or cannot be read.
  Result ReadField(const std::string& what, char* out, int maxLength, int lineIfMissing, std::string* err);

  // Sets what line() and problem() tell, and *err to the text a build shows.
  Result Refuse(int line, const std::string& what, const std::string& text, std::string* err);
  Result Fail(int line, const std::string& what, std::string* err);

  std::FILE* script_;
  std::string name_;
  int entriesRead_ = 0;
  int lineAtCursor_ = 1;  // line ends read so far, plus one
  int tokenLine_ = 1;     // where the last token began, or where the script ended
  int line_ = 1;
  std::string problem_;
  char typeWord_[kMaxTypeWordLength + 1] = "";
};

#endif  // ORV_ENGINE_SCRIPT_READER_H_
