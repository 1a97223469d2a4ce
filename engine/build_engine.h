// The build: reads "script.txt" in the current directory, checks every source it names, cuts the
// payloads into chunks, builds the state table and writes "out.orv". Progress goes to standard output;
// every failure but a missing script is shown through ShowErrorBox, and leaves "out.orv" untouched.
#ifndef ORV_ENGINE_BUILD_ENGINE_H_
#define ORV_ENGINE_BUILD_ENGINE_H_

#include "build_tables.h"
#include "script_reader.h"

// What a build has made by the time it starts writing: the script's entries and the tables cut and
// built from them, chunk offsets still relative to the payload area. Both live in the engine's storage,
// valid until the next build or plan.
struct BuildPlan {
  const ScriptEntry* entries = nullptr;
  int entryCount = 0;
  BuildTables* tables = nullptr;
};

// The build up to the writing of "out.orv": scans the script, checks every source, cuts the chunks and
// builds the states, with the same progress lines and error boxes. Reads the sources' headers only and
// writes nothing. False where the build would stop, a missing script among them (which shows nothing).
bool PlanBuild(BuildPlan* plan);

// True when "out.orv" was written. Callers that only need the side effects may ignore it.
bool BuildFromScript();

#endif  // ORV_ENGINE_BUILD_ENGINE_H_
