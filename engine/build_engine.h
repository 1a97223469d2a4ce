// The build: reads "script.txt" in the current directory, checks every source it names, cuts the
// payloads into chunks, builds the state table and writes "out.orv". Progress goes to standard output;
// every failure but a missing script is shown through ShowErrorBox, and leaves "out.orv" untouched.
#ifndef ORV_ENGINE_BUILD_ENGINE_H_
#define ORV_ENGINE_BUILD_ENGINE_H_

#include <cstdint>
#include <string>

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

// What one build came to: what it wrote, or why it wrote nothing. Taken from the tables the build made,
// never from reading "out.orv" back.
struct BuildOutcome {
  bool written = false;       // "out.orv" was replaced
  std::int64_t fileSize = 0;  // the bytes written, when written
  int handlerCount = 0;       // Begin and Loop pairs of the script, when written
  int chunkCount = 0;         // chunk rows, the leading and trailing ones included, when written
  // Why nothing was written: the text of the error box that stopped the build, or, for a script that
  // could not be opened, which the build passes over without a box, ReadErrorText().
  std::string failure;
  bool failureShown = false;  // the failure's text was shown in an error box
};

// The build, as BuildFromScript runs it, and what it came to.
BuildOutcome BuildWithOutcome();

// True when "out.orv" was written. Callers that only need the side effects may ignore it.
bool BuildFromScript();

#endif  // ORV_ENGINE_BUILD_ENGINE_H_
