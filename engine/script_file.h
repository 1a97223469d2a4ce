// The build script, "script.txt", and the handler sets the author saves, which are scripts too: entries
// of three white-space separated tokens (event id, source path or "null", type word "begin" or "loop")
// up to the terminator -1. Read and written here alone. Every token is bounded, so no script can overrun
// an entry, and a malformed script is refused with a message instead of being half read.
#ifndef ORV_ENGINE_SCRIPT_FILE_H_
#define ORV_ENGINE_SCRIPT_FILE_H_

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

constexpr int kMaxScriptEntries = 200;
constexpr int kMaxPathLength = 199;
constexpr int kMaxTypeWordLength = 79;
constexpr const char kScriptFileName[] = "script.txt";

// The tokens of the format. Only the lower-case null names no source; the type words are read in any
// case, and a type word other than loop is read as begin.
constexpr const char kNullPath[] = "null";
constexpr const char kBeginWord[] = "begin";
constexpr const char kLoopWord[] = "loop";
constexpr std::int32_t kTerminator = -1;

// --- reading

struct ScriptEntry {
  std::int32_t eventId;
  char path[kMaxPathLength + 1];  // NUL-terminated; kNullPath for an entry without a source
  bool loop;                      // the type word was kLoopWord, in any case
  std::int32_t payloadLength;     // filled in by the source check; 0 for kNullPath
  int line = 0;                   // where the entry begins in the script, counted from 1
};

// The characters that separate tokens, and so can stand in no path.
bool IsScriptSpace(int c);

inline bool IsNullPath(const char* path) { return std::strcmp(path, kNullPath) == 0; }

// The text for a script that cannot be read, named by `script` as the build was given it.
std::string ReadErrorText(const std::string& script);

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

// What a build reads all the same but no script the dialog writes holds, and so is most likely a slip
// in a script written by hand: a type word other than begin or loop; an event the state table never
// lists; an event given a second Begin or a second Loop. Each is told at the line of its entry.
struct ScriptWarning {
  int line;  // counted from 1
  std::string text;
};

class ScriptWarnings {
 public:
  // The warnings of the entry just read, given its type word as the script spells it, in the order the
  // script's entries come.
  std::vector<ScriptWarning> Of(const ScriptEntry& entry, const char* typeWord);

 private:
  // Where each event met so far has its first Begin and first Loop, 0 while it has none.
  struct Event {
    std::int32_t id;
    int beginLine;
    int loopLine;
  };
  std::vector<Event> events_;
};

// --- paths

// Whether a text can stand as one source path of a script: the one rule that Add, Save, Browse and a
// drop hold paths to, so that the reader takes every path they put in a script.
enum class PathFit {
  kFits,
  kTooLong,     // more than kMaxPathLength bytes
  kHoldsSpace,  // white space, which ends a token, or a NUL (and a negative length, which no text has)
};
// The text need not be NUL-terminated.
PathFit FitOfScriptPath(const char* text, int length);
bool IsScriptablePath(const std::string& path);

// Whether `path` has a root and so lies in no folder it is named from: a leading slash, and on Windows
// a leading backslash or a drive ("C:" alone included) too.
bool IsRootedPath(const std::string& path);

// A build's paths, as the current folder reaches them: the script's folder, as the script's path gives
// it, put before the name, nothing made absolute or tidied. SourceOpenPath is the path by which a build
// opens the source `path` the script names, kept as it is when rooted; where the slash is the only
// separator, a backslash in it separates folders too, as in the sets the dialog saves on Windows, unless
// the path as written names a file. BesideScript is the file `name` in the script's folder.
std::string SourceOpenPath(const std::string& script, const std::string& path);
std::string BesideScript(const std::string& script, const std::string& name);

// --- writing

// A handler as a script lists it: its event and its two source paths, empty for no source.
struct ScriptHandler {
  int eventId;
  std::string beginPath;
  std::string loopPath;
};

// Writes name as a script of the handlers, in the order given (ascending event ids, as a build expects
// them): a Begin line, then a Loop line for each, then the terminator with no line end. Line ends are
// the system's own, CR LF on Windows, as a file written in text mode has them. The file is replaced
// whole (ReplaceFileWith); false, any file of that name left as it was, when it could not be written.
bool WriteScriptFile(const std::string& name, const std::vector<ScriptHandler>& handlers);

#endif  // ORV_ENGINE_SCRIPT_FILE_H_
