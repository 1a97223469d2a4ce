// The run of each command that orvtool's table of commands names: it reads what the command was given,
// asks the reading, playing and printing code, and ends with the command's exit status. And the ORV
// file a command names, opened for reading, its faults said in the command's voice.
#ifndef ORVTOOL_COMMANDS_COMMANDS_H_
#define ORVTOOL_COMMANDS_COMMANDS_H_

#include <string>

#include "orvtool_command_line.h"
#include "play/flow.h"
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

// For the commands that need a sound file: kExitOk, or the status with the reason said, kExitUsage when
// the file cannot be read, kExitFailed when it breaks a layout rule. *layout holds the counts; the tables
// are read again from *file where they are needed.
int ReadSoundOrv(const Invocation& in, const std::string& path, FileSource* file, OrvLayout* layout);

// `status`, unless the file at `path` was changed while `flow` read it again, so that what was printed of
// it may be wrong: that is said, and gives kExitUsage.
int FinishReadAgain(const Invocation& in, const OrvFlow& flow, const std::string& path, int status);

#endif  // ORVTOOL_COMMANDS_COMMANDS_H_
