// Whether a text can stand as one source path of the build script, and if not, why, in the words the
// dialog shows the author.
#ifndef ORV_FRONTEND_SCRIPT_PATH_H_
#define ORV_FRONTEND_SCRIPT_PATH_H_

#include <string>

// True when the text can stand as one path token of the script: at most kMaxPathLength bytes, no white
// space, no NUL. The text need not be NUL-terminated.
bool IsScriptablePath(const char* text, int length);

// Why the text cannot go into the script as the path of the piece named by `label` ("Begin ORV"), or
// an empty text when it can.
std::string PathProblem(const char* label, const char* text, int length);

#endif  // ORV_FRONTEND_SCRIPT_PATH_H_
