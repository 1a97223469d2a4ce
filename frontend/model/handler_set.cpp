#include "handler_set.h"

#include <cstdio>
#include <utility>

#include "count_text.h"
#include "event_table.h"
#include "file_reading.h"
#include "handler_table.h"
#include "script_file.h"
#include "source_edit.h"
#include "windows_path.h"

namespace {

const char kUnreadable[] = "It cannot be read.";

// Says why the file is refused, and refuses it.
bool Refuse(std::string* why, const std::string& text) {
  *why = text;
  return false;
}

// Why a path cannot stand in a script, as the end of a sentence; empty when it can.
std::string Unfit(const std::string& path) {
  if (IsScriptablePath(path)) return std::string();
  if (FitOfScriptPath(path.data(), static_cast<int>(path.size())) == PathFit::kTooLong)
    return "is longer than " + std::to_string(kMaxPathLength) + " bytes";
  return "contains a space or other white space";
}

// A byte no text holds: the control characters other than the white space that separates tokens.
bool IsControlByte(int c) { return (c < 0x20 && !IsScriptSpace(c)) || c == 0x7F; }

// Reads the whole file, which is no longer than kMaxSetFileBytes, and rewinds it; false with *why at
// its first byte that no text holds.
bool CheckText(std::FILE* script, std::string* why) {
  int line = 1;
  for (int c = std::fgetc(script); c != EOF; c = std::fgetc(script)) {
    if (c == '\n') ++line;
    if (!IsControlByte(c)) continue;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(c));
    return Refuse(why, "Line " + std::to_string(line) + ": it holds the byte " + hex +
                           ", which no text has: it is not a script.");
  }
  return (!std::ferror(script) && SeekTo(script, 0)) || Refuse(why, kUnreadable);
}

// The path of an entry as the source edit shows it; false with *why when the edit cannot hold it.
bool EditPathOf(const ScriptEntry& entry, const SetFolders& folders, const std::string& at, std::string* path,
                std::string* why) {
  if (IsNullPath(entry.path)) {
    path->clear();
    return true;
  }
  *path = RelativeToFolder(FullPathFrom(folders.script, entry.path), folders.current);
  const std::string unfit = Unfit(*path);
  if (unfit.empty()) return true;
  return Refuse(why, at + "the " + SourceLabel(entry.loop ? SourceEdit::kLoop : SourceEdit::kBegin) +
                         " path, seen from the current folder, is " + *path + ", which " + unfit +
                         ": Add would refuse it.");
}

}  // namespace

bool ReadHandlerSetFile(const std::string& file, const SetFolders& folders, std::vector<ScriptHandler>* handlers,
                        std::string* why) {
  OpenFailure failure;
  const FilePtr opened = OpenRegularFile(file.c_str(), &failure);
  std::FILE* script = opened.get();
  const std::int64_t size = script != nullptr ? FileSize(script) : -1;
  if (size < 0 || !SeekTo(script, 0)) return Refuse(why, kUnreadable);
  // A file of gigabytes is never read through: no script the dialog can hold comes near the limit.
  if (size > kMaxSetFileBytes)
    return Refuse(why, "It is " + WithThousands(size) + " bytes long, far longer than a script of " +
                           std::to_string(kEventCount) + " handlers.");
  if (!CheckText(script, why)) return false;

  ScriptReader reader(script);
  std::vector<ScriptHandler> read;
  int handlerLine[kEventCount] = {};                        // the line of each event's Begin, 0 while it has none
  ScriptHandler pending{-1, std::string(), std::string()};  // a Begin waiting for its Loop
  for (;;) {
    ScriptEntry entry;
    std::string err;
    const ScriptReader::Result result = reader.Next(&entry, &err);
    const std::string at = "Line " + std::to_string(reader.line()) + ": ";
    if (result == ScriptReader::kError) return Refuse(why, at + reader.problem() + ".");
    if (result == ScriptReader::kEntry && EventName(entry.eventId) == nullptr)
      return Refuse(why, at + "event " + std::to_string(entry.eventId) + " is not one of the dialog's events, 0 to " +
                             std::to_string(kEventCount - 1) + ".");
    const bool loopOfPending = result == ScriptReader::kEntry && entry.loop && entry.eventId == pending.eventId;
    if (pending.eventId >= 0 && !loopOfPending)
      return Refuse(why, at + "the Begin of " + EventLabel(pending.eventId, EventNameIn::kParentheses) + " on line " +
                             std::to_string(handlerLine[pending.eventId]) + " is not followed by its Loop.");
    if (result == ScriptReader::kEnd) break;

    const int id = entry.eventId;
    if (!loopOfPending && handlerLine[id] != 0)
      return Refuse(why, at + EventLabel(id, EventNameIn::kParentheses) + " has a handler already, on line " +
                             std::to_string(handlerLine[id]) + ".");
    if (entry.loop && !loopOfPending)
      return Refuse(why,
                    at + "the Loop of " + EventLabel(id, EventNameIn::kParentheses) + " does not follow its Begin.");
    std::string path;
    if (!EditPathOf(entry, folders, at, &path, why)) return false;
    if (entry.loop) {
      pending.loopPath = path;
      read.push_back(pending);
      pending = {-1, std::string(), std::string()};
    } else {
      pending = {id, path, std::string()};
      handlerLine[id] = reader.line();
    }
  }
  *handlers = InEventOrder(std::move(read));
  return true;
}

bool PathsForScript(std::vector<ScriptHandler>* handlers, const SetFolders& folders, std::string* why) {
  std::vector<ScriptHandler> rewritten = *handlers;
  for (ScriptHandler& h : rewritten) {
    for (SourceEdit edit : {SourceEdit::kBegin, SourceEdit::kLoop}) {
      std::string& path = edit == SourceEdit::kLoop ? h.loopPath : h.beginPath;
      if (path.empty()) continue;
      path = RelativePathFrom(folders.script, FullPathFrom(folders.current, path));
      const std::string unfit = Unfit(path);
      if (!unfit.empty())
        return Refuse(why, std::string("The ") + SourceLabel(edit) + " path of " +
                               EventLabel(h.eventId, EventNameIn::kParentheses) +
                               ", seen from the script's folder, is " + path + ", which " + unfit +
                               ": a script cannot hold it.");
    }
  }
  *handlers = rewritten;
  return true;
}

std::string ReplaceQuestion(int inList, int inFile, const std::string& fileName) {
  const std::string list = "the " + Counted(inList, "handler", "handlers") + " in the list";
  if (inFile == 0) return "Remove " + list + "? " + fileName + " holds no handlers.";
  return "Replace " + list + " with the " + std::to_string(inFile) + " of " + fileName + "?";
}
