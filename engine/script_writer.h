// The one writer of the build's script format, which script_reader reads: the hand-over script.txt of
// every build and the handler sets the author saves are written by it alike.
#ifndef ORV_ENGINE_SCRIPT_WRITER_H_
#define ORV_ENGINE_SCRIPT_WRITER_H_

#include <string>
#include <vector>

// A handler as a script lists it: its event and its two source paths, empty for no source.
struct ScriptHandler {
  int eventId;
  std::string beginPath;
  std::string loopPath;
};

// Writes name as a script of the handlers, in the order given (ascending event ids, as a build expects
// them): a Begin line, then a Loop line for each, "null" for an empty path, then "-1" with no line end.
// Line ends are the system's own, CR LF on Windows, as a file written in text mode has them. The file
// is replaced whole: a new file beside it, flushed, then renamed over it. False when it could not be
// written whole; any file of that name is then left as it was.
bool WriteScriptFile(const std::string& name, const std::vector<ScriptHandler>& handlers);

#endif  // ORV_ENGINE_SCRIPT_WRITER_H_
