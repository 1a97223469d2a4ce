// The folder that `build` and `check` work in (`[-C DIR]` parsed and DIR entered), and what they say of
// a build that failed.
#ifndef ORVTOOL_BUILD_FOLDER_H_
#define ORVTOOL_BUILD_FOLDER_H_

#include <string>
#include <vector>

#include "build_engine.h"

// kExitOk when the command may go on in the current directory; else the exit status, with the reason
// printed for `command`. *dir gets DIR, or "" without -C.
int EnterBuildFolder(const char* command, const std::vector<std::string>& args, std::string* dir);

// The exit status of a build that failed. The engine passes over a script it cannot open in silence, as
// the dialog always writes one; here it is the user's to supply, so that is said: a missing script is a
// usage error, one that is there but may not be read fails as a read error would.
int ReportFailedBuild(const char* command, const BuildOutcome& outcome, const std::string& dir);

#endif  // ORVTOOL_BUILD_FOLDER_H_
