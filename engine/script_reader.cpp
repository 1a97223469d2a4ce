#include "script_reader.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "ascii_case.h"

namespace {

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

}  // namespace

bool IsScriptSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool IsNullPath(const char* path) { return std::strcmp(path, "null") == 0; }

std::string ReadErrorText(const std::string& script) { return "Error reading \"" + script + "\", aborting."; }

std::string NotAFileText(const std::string& script) {
  return "Error reading \"" + script + "\": it is not a regular file, aborting.";
}

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
      const std::string what = "it ends without the terminator -1";
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
  if (entry->eventId == -1) {
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
        EqualsIgnoringAsciiCase(entry->path, "begin") || EqualsIgnoringAsciiCase(entry->path, "loop");
    return Fail(pathLine, pathIsTypeWord ? "the path is missing" : "the type word is missing", err);
  }

  entry->loop = EqualsIgnoringAsciiCase(typeWord_, "loop");
  entry->payloadLength = 0;
  entry->line = entryLine;
  line_ = entryLine;
  ++entriesRead_;
  return kEntry;
}
