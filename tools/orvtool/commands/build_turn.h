// The frame that build and check share: SCRIPT and OUT resolved in the folder -C names, the output's
// turn taken, the engine's build run with a reporter that prints in orvtool's voice.
#ifndef ORVTOOL_COMMANDS_BUILD_TURN_H_
#define ORVTOOL_COMMANDS_BUILD_TURN_H_

#include <functional>

#include "build_engine.h"
#include "orvtool_command_line.h"

using BuildStep = std::function<BuildOutcome(BuildReporter*, const BuildFiles&)>;
using AfterBuild = std::function<int(const BuildFiles&, const BuildOutcome&)>;

// The frame of build and check: SCRIPT and OUT resolved in the folder -C names, then `build` run on
// them and, when it did not fail, `after`, both in the output's turn, so what `after` writes or tells
// belongs to this build and no other. A missing script is said here, every other failure as it came.
// With --warnings-as-errors a warning of the script fails the build, nothing written.
int RunInBuildTurn(const Invocation& in, const BuildStep& build, const AfterBuild& after);

// What check says when warnings of its own fail it under --warnings-as-errors; kExitFailed.
int FailForWarnings(const Invocation& in);

#endif  // ORVTOOL_COMMANDS_BUILD_TURN_H_
