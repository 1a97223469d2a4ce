// The run of each command that orvtool's table of commands names: it reads what the command was given,
// asks the reading, playing and printing code, and ends with the command's exit status. And the ORV
// file a command names, opened for reading, its faults said in the command's voice.
#ifndef ORVTOOL_COMMANDS_COMMANDS_H_
#define ORVTOOL_COMMANDS_COMMANDS_H_

#include <string>

#include "orvtool_command_line.h"
#include "read/byte_source.h"
#include "read/layout.h"

int RunBuild(const Invocation& in);
int RunCheck(const Invocation& in);
int RunInfo(const Invocation& in);
int RunTrace(const Invocation& in);
int RunGraph(const Invocation& in);
int RunDiff(const Invocation& in);

// Opens path into *file; false, with the reason said, when it cannot be read.
bool OpenOrvFile(const Invocation& in, const std::string& path, FileSource* file);

// For the commands that play a file, which must keep every layout rule: kExitOk once *layout holds its
// tables, or the status with the reason said, kExitUsage when the file cannot be read, kExitFailed when
// it breaks a rule. *file stays open for the payloads.
int ReadValidOrv(const Invocation& in, const std::string& path, FileSource* file, OrvLayout* layout);

#endif  // ORVTOOL_COMMANDS_COMMANDS_H_
