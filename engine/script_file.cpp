#include "script_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "ascii_case.h"
#include "event_table.h"
#include "file_reading.h"
#include "file_replacement.h"

namespace {

#ifdef _WIN32
// The line end a file written in text mode has. Windows takes either slash, and a drive's letter
// ("C:") ends a folder part too.
constexpr char kLineEnd[] = "\r\n";
constexpr char kFolderEnds[] = "/\\:";
#else
constexpr char kLineEnd[] = "\n";
constexpr char kFolderEnds[] = "/";
#endif

const char kUnreadable[] = "it cannot be read";

// A whole token of optional sign and decimal digits that fits 32 bits.
bool ParseEventId(const char* token, std::int32_t* value) {
  const char* digits = (*token == '-' || *token == '+') ? token + 1 : token;
  if (*digits == '\0') return false;
  for (const char* p = digits; *p; ++p)
    if (*p < '0' || *p > '9') return false;
  errno = 0;
  const long long v = std::strtoll(token, nullptr, 10);
  if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return false;
  *value = static_cast<std::int32_t>(v);
  return true;
}

// The script's path up to and with its last separator: "" for a script in the current folder.
std::string FolderPart(const std::string& script) {
  const std::size_t end = script.find_last_of(kFolderEnds);
  return end == std::string::npos ? std::string() : script.substr(0, end + 1);
}

std::string InScriptFolder(const std::string& script, const std::string& path) {
  return IsRootedPath(path) ? path : FolderPart(script) + path;
}

}  // namespace

// --- reading

bool IsScriptSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string ReadErrorText(const std::string& script) { return "Error reading \"" + script + "\", aborting."; }

ScriptReader::Token ScriptReader::ReadToken(char* out, int maxLength) {
  int c;
  do {
    c = std::fgetc(script_);
    if (c == '\n') ++lineAtCursor_;
  } while (c != EOF && IsScriptSpace(c));
  tokenLine_ = lineAtCursor_;
  if (c == EOF) return std::ferror(script_) ? kReadError : kEndOfFile;

  // The token is refused as soon as it is too long or holds a NUL, without reading the rest of it: a
  // script may be endless (a device) or gigabytes of one token, and no count may grow with it.
  int length = 0;
  for (; c != EOF && !IsScriptSpace(c); c = std::fgetc(script_)) {
    if (c == '\0') return kNulByte;
    if (length == maxLength) return kTooLong;
    out[length++] = static_cast<char>(c);
  }
  if (c == '\n') ++lineAtCursor_;
  out[length] = '\0';
  if (c == EOF && std::ferror(script_)) return kReadError;
  return kToken;
}

ScriptReader::Result ScriptReader::Refuse(int line, const std::string& what, const std::string& text,
                                          std::string* err) {
  line_ = line;
  problem_ = what;
  *err = text;
  return kError;
}

ScriptReader::Result ScriptReader::Fail(int line, const std::string& what, std::string* err) {
  return Refuse(line, what, "Error in \"" + name_ + "\", line " + std::to_string(line) + ": " + what + ", aborting.",
                err);
}

ScriptReader::Result ScriptReader::ReadField(const std::string& what, char* out, int maxLength, int lineIfMissing,
                                             std::string* err) {
  switch (ReadToken(out, maxLength)) {
    case kToken:
      return kEntry;
    case kEndOfFile:
      return Fail(lineIfMissing, what + " is missing", err);
    case kTooLong:
      return Fail(tokenLine_, what + " is longer than " + std::to_string(maxLength) + " bytes", err);
    case kNulByte:
      return Fail(tokenLine_, what + " holds a NUL character", err);
    case kReadError:
      break;
  }
  return Refuse(tokenLine_, kUnreadable, ReadErrorText(name_), err);
}

ScriptReader::Result ScriptReader::Next(ScriptEntry* entry, std::string* err) {
  // Long enough for any token we accept plus one byte, so an over-long one is noticed.
  char token[kMaxPathLength + 2];

  switch (ReadToken(token, kMaxPathLength + 1)) {
    case kEndOfFile: {
      const std::string what = "it ends without the terminator " + std::to_string(kTerminator);
      return Refuse(tokenLine_, what, "Error in \"" + name_ + "\": " + what + ", aborting.", err);
    }
    case kReadError:
      return Refuse(tokenLine_, kUnreadable, ReadErrorText(name_), err);
    case kToken:
      if (ParseEventId(token, &entry->eventId)) break;
      [[fallthrough]];
    default:
      return Fail(tokenLine_, "the first token is not an event number", err);
  }
  const int entryLine = tokenLine_;
  if (entry->eventId == kTerminator) {
    line_ = entryLine;
    return kEnd;
  }
  if (entriesRead_ == kMaxScriptEntries)
    return Fail(entryLine, "more than " + std::to_string(kMaxScriptEntries) + " entries", err);

  if (ReadField("the path", entry->path, kMaxPathLength, entryLine, err) != kEntry) return kError;
  const int pathLine = tokenLine_;
  if (ReadField("the type word", typeWord_, kMaxTypeWordLength, pathLine, err) != kEntry) return kError;

  // A number on a later line is the next entry's event (or the terminator), not this one's type word:
  // the line ends short of a token, and the script would fall out of step from here on.
  std::int32_t number;
  if (tokenLine_ > pathLine && ParseEventId(typeWord_, &number)) {
    const bool pathIsTypeWord =
        EqualsIgnoringAsciiCase(entry->path, kBeginWord) || EqualsIgnoringAsciiCase(entry->path, kLoopWord);
    return Fail(pathLine, pathIsTypeWord ? "the path is missing" : "the type word is missing", err);
  }

  entry->loop = EqualsIgnoringAsciiCase(typeWord_, kLoopWord);
  entry->payloadLength = 0;
  entry->line = entryLine;
  line_ = entryLine;
  ++entriesRead_;
  return kEntry;
}

std::vector<ScriptWarning> ScriptWarnings::Of(const ScriptEntry& entry, const char* typeWord) {
  std::vector<ScriptWarning> warnings;
  auto warn = [&](const std::string& text) { warnings.push_back({entry.line, text}); };
  if (!entry.loop && !EqualsIgnoringAsciiCase(typeWord, kBeginWord))
    warn("the type word \"" + std::string(typeWord) + "\" is neither " + kBeginWord + " nor " + kLoopWord +
         ": the entry is read as a Begin");

  auto seen = std::find_if(events_.begin(), events_.end(), [&](const Event& e) { return e.id == entry.eventId; });
  if (seen == events_.end()) {
    if (entry.eventId < 0 || entry.eventId > kMaxPairedEventId)
      warn("event " + std::to_string(entry.eventId) + " lies outside 0 to " + std::to_string(kMaxPairedEventId) +
           ", which the state table never lists");
    events_.push_back({entry.eventId, 0, 0});
    seen = events_.end() - 1;
  }
  int& first = entry.loop ? seen->loopLine : seen->beginLine;
  if (first != 0)
    warn(EventLabel(entry.eventId) + " has a " + (entry.loop ? "Loop" : "Begin") + " already, on line " +
         std::to_string(first));
  else
    first = entry.line;
  return warnings;
}

// --- paths

PathFit FitOfScriptPath(const char* text, int length) {
  if (length > kMaxPathLength) return PathFit::kTooLong;
  if (length < 0) return PathFit::kHoldsSpace;
  for (int i = 0; i < length; ++i) {
    const char c = text[i];
    if (c == '\0' || IsScriptSpace(static_cast<unsigned char>(c))) return PathFit::kHoldsSpace;
  }
  return PathFit::kFits;
}

bool IsScriptablePath(const std::string& path) {
  return path.size() <= static_cast<std::size_t>(kMaxPathLength) &&
         FitOfScriptPath(path.data(), static_cast<int>(path.size())) == PathFit::kFits;
}

#ifdef _WIN32
bool IsRootedPath(const std::string& path) {
  return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || (path.size() >= 2 && path[1] == ':');
}
#else
bool IsRootedPath(const std::string& path) { return !path.empty() && path[0] == '/'; }
#endif

std::string SourceOpenPath(const std::string& script, const std::string& path) {
  const std::string written = InScriptFolder(script, path);
#ifndef _WIN32
  if (path.find('\\') != std::string::npos && !InspectPath(written.c_str()).exists) {
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    return InScriptFolder(script, slashed);
  }
#endif
  return written;
}

std::string BesideScript(const std::string& script, const std::string& name) { return FolderPart(script) + name; }

// --- writing

bool WriteScriptFile(const std::string& name, const std::vector<ScriptHandler>& handlers) {
  // An empty path is written as null, so every line keeps its three tokens.
  auto line = [](int eventId, const std::string& path, const char* typeWord) {
    return std::to_string(eventId) + " " + (path.empty() ? kNullPath : path) + " " + typeWord + kLineEnd;
  };
  std::string text;
  for (const ScriptHandler& h : handlers)
    text += line(h.eventId, h.beginPath, kBeginWord) + line(h.eventId, h.loopPath, kLoopWord);
  return ReplaceFileWith(name, text + std::to_string(kTerminator));
}
