// The ORV file a command names, opened for reading, its faults said in the command's voice.
#ifndef ORVTOOL_COMMANDS_OPEN_ORV_H_
#define ORVTOOL_COMMANDS_OPEN_ORV_H_

#include <string>

#include "orvtool_command_line.h"
#include "read/byte_source.h"
#include "read/layout.h"

// Opens path into *file; false, with the reason said, when it cannot be read.
bool OpenOrvFile(const Invocation& in, const std::string& path, FileSource* file);

// For the commands that need a sound file: kExitOk, or the status with the reason said, kExitUsage when
// the file cannot be read, kExitFailed when it breaks a layout rule.
int ReadSoundOrv(const Invocation& in, const std::string& path, FileSource* file, OrvLayout* layout);

#endif  // ORVTOOL_COMMANDS_OPEN_ORV_H_
