// What `orvtool check` warns of in a build that has been planned but not written: the events whose
// music would run on into another event's entry, or end.
#ifndef ORVTOOL_PLAY_RUN_ON_WARNINGS_H_
#define ORVTOOL_PLAY_RUN_ON_WARNINGS_H_

#include <string>
#include <vector>

#include "play/flow.h"
#include "script_file.h"

// One text for each handled event that the player, with that event held, carries out of the event's
// own entries: into another event's entry or to the end of the music. `entries` are the script's.
std::vector<std::string> RunOnWarnings(const OrvFlow& flow, const ScriptEntry* entries, int n);

#endif  // ORVTOOL_PLAY_RUN_ON_WARNINGS_H_
