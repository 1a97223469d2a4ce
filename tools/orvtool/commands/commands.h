// The run of each command that orvtool's table of commands names: it reads what the command was given,
// asks the reading, playing and printing code, and ends with the command's exit status.
#ifndef ORVTOOL_COMMANDS_COMMANDS_H_
#define ORVTOOL_COMMANDS_COMMANDS_H_

#include "orvtool_command_line.h"

int RunInfo(const Invocation& in);
int RunTrace(const Invocation& in);
int RunGraph(const Invocation& in);
int RunDiff(const Invocation& in);

#endif  // ORVTOOL_COMMANDS_COMMANDS_H_
