// The folder that `build` and `check` work in: `[-C DIR]` parsed, DIR entered, script.txt found there.
#ifndef ORVTOOL_BUILD_FOLDER_H_
#define ORVTOOL_BUILD_FOLDER_H_

#include <string>
#include <vector>

// kExitOk when the command may go on in the current directory; else the exit status, with the reason
// printed for `command`.
int EnterBuildFolder(const char* command, const std::vector<std::string>& args);

#endif  // ORVTOOL_BUILD_FOLDER_H_
