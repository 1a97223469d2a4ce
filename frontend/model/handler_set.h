// A set of handlers kept in a script file the author saves and opens again: read for the dialog by the
// build's own script reader, and the paths of the dialog's handlers made ready for the file's folder,
// so that a set and its sources move together and the set builds wherever it lies.
#ifndef ORV_FRONTEND_MODEL_HANDLER_SET_H_
#define ORV_FRONTEND_MODEL_HANDLER_SET_H_

#include <cstdint>
#include <string>
#include <vector>

#include "script_file.h"

// The two folders a set's paths are seen from, both full Windows paths: the current folder, which the
// source edits' paths are relative to, and the folder of the script file.
struct SetFolders {
  std::string current;
  std::string script;
};

// The longest script file that is read at all: a script of six handlers takes a few kilobytes.
constexpr std::int64_t kMaxSetFileBytes = 1 << 20;

// Reads the script file at path `file` for the dialog, closed again before this returns: its handlers
// into *handlers in ascending order of their events, with paths as the source edits show them (taken
// from the script's folder, then relative to the current folder where they lie in it or under it, else
// full; "null" as no path). False, *handlers untouched, with *why naming the first line the dialog
// cannot take and why ("Line 3: event 9 is not one of the dialog's events, 0 to 5."): a file that
// cannot be opened or is no regular file ("It cannot be read."), one too long or not text, what the
// build's reader refuses, an event outside the event table or twice, a Begin not followed by the Loop
// of its event or a Loop without that Begin, and a path a source edit cannot hold.
bool ReadHandlerSetFile(const std::string& file, const SetFolders& folders, std::vector<ScriptHandler>* handlers,
                        std::string* why);

// Rewrites the handlers' paths, given as the source edits hold them, as the script in folders.script
// names them: relative to its folder, climbing with ".." where needed, and full only where no relative
// way exists (another drive). False, *handlers as it was, with *why naming the handler and its path,
// when one would then not fit a script.
bool PathsForScript(std::vector<ScriptHandler>* handlers, const SetFolders& folders, std::string* why);

// The question asked before the handlers in the list give way to those of the file fileName.
std::string ReplaceQuestion(int inList, int inFile, const std::string& fileName);

#endif  // ORV_FRONTEND_MODEL_HANDLER_SET_H_
