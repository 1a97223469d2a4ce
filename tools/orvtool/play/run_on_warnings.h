// What `orvtool check` tells of a build that has been planned but not written: the layout its output
// would have, and the events whose music would run on into another event's entry, or end.
#ifndef ORVTOOL_PLAY_RUN_ON_WARNINGS_H_
#define ORVTOOL_PLAY_RUN_ON_WARNINGS_H_

#include <string>
#include <vector>

#include "build_engine.h"
#include "play/flow.h"
#include "read/layout.h"

// The header the output would get: the bytes the build would write ahead of the payloads, read and
// checked as info reads a file. False, with the rule broken in *err, should a build ever write a
// header that breaks one. The plan's tables must be placed in the file.
bool LayoutOfPlan(const BuildPlan& plan, OrvLayout* layout, std::string* err);

// One text for each handled event that the player, with that event held, carries out of the event's
// own entries: into another event's entry or to the end of the music. `entries` are the script's.
std::vector<std::string> RunOnWarnings(const OrvFlow& flow, const ScriptEntry* entries, int n);

#endif  // ORVTOOL_PLAY_RUN_ON_WARNINGS_H_
