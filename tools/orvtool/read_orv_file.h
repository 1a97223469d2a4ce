// Opening and reading an ORV file for a command, with the messages and exit statuses `info` uses.
#ifndef ORVTOOL_READ_ORV_FILE_H_
#define ORVTOOL_READ_ORV_FILE_H_

#include <string>

#include "byte_source.h"
#include "layout.h"

// Opens path into *file; false, with "orvtool COMMAND: why" printed, when it cannot be read.
bool OpenOrvFile(const char* command, const std::string& path, FileSource* file);

// Opens path into *file, and reads and checks its layout, for commands that need a sound one. kExitOk,
// or the exit status with the reason printed: 2 when the file cannot be read, 1 when it breaks a layout
// rule.
int ReadSoundOrv(const char* command, const std::string& path, FileSource* file, OrvLayout* layout);

// "orvtool COMMAND: PATH: fault" on standard error.
void ReportBrokenLayout(const char* command, const std::string& path, const std::string& fault);

#endif  // ORVTOOL_READ_ORV_FILE_H_
