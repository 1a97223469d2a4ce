// The build: reads "script.txt" in the current directory, checks every source it names, cuts the
// payloads into chunks, builds the state table and writes "out.orv". Progress goes to standard output.
// A script that cannot be opened, missing or unreadable, stops the build without a word: the dialog has
// just written it, and a caller that has not says so from the outcome. Every other failure is shown
// through ShowErrorBox. No failure touches "out.orv". Builds of one "out.orv" take turns through its
// OutputLock, which the caller holds: for the build, and for whatever else of the folder it uses with it.
#ifndef ORV_ENGINE_BUILD_ENGINE_H_
#define ORV_ENGINE_BUILD_ENGINE_H_

#include <cstdint>
#include <string>

#include "build_tables.h"
#include "file_reading.h"
#include "script_reader.h"

// What a build has made by the time it starts writing: the script's entries and the tables cut and
// built from them. Both live in the engine's storage, valid until the next build.
struct BuildPlan {
  const ScriptEntry* entries = nullptr;
  int entryCount = 0;
  BuildTables* tables = nullptr;
};

// What one build came to: what it wrote, or why it wrote nothing. Taken from the tables the build made,
// never from reading "out.orv" back.
struct BuildOutcome {
  bool written = false;       // "out.orv" was replaced
  std::int64_t fileSize = 0;  // the bytes written, when written
  int handlerCount = 0;       // half the script's entries (a Begin and a Loop a handler), when written
  int chunkCount = 0;         // chunk rows, the leading and trailing ones included, when written
  // Why nothing was written: the text of the error box that stopped the build, or, for a script that
  // could not be opened, which the build passes over without a box, ReadErrorText().
  std::string failure;
  bool failureShown = false;  // the failure's text was shown in an error box
  // kMissing or kCannotOpen when the script could not be opened; kNotRegular, shown as any failure,
  // when it is a folder, pipe or device.
  OpenFailure scriptFailure = OpenFailure::kNone;

  bool failed() const { return !failure.empty(); }
};

// The build, as BuildFromScript runs it, and what it came to.
BuildOutcome BuildWithOutcome();

// The same build up to the writing of "out.orv", then the test of "out.orv" and its folder that the
// writing begins with (a folder in its place, one that may not be written): the same progress lines up
// to "Building table1", the same error boxes and the same outcome, but nothing is written. When it has
// not failed, *plan holds the entries and the tables placed in the file, and the outcome the figures
// the file would have, with `written` false.
BuildOutcome DryRunBuild(BuildPlan* plan);

// True when "out.orv" was written. Callers that only need the side effects may ignore it.
bool BuildFromScript();

#endif  // ORV_ENGINE_BUILD_ENGINE_H_
