// The build: reads the script ("script.txt" in the current directory unless the caller names another),
// checks every source it names, cuts the payloads into chunks, builds the state table and writes the
// output ("out.orv" beside the dialog's script, or where the caller says). Progress goes to standard
// output. A script that cannot be opened, missing or unreadable, stops the build without a word: the
// dialog has just written it, and a caller that has not says so from the outcome. Every other failure is
// shown through ShowErrorBox. No failure touches the output. Builds of one output take turns through its
// OutputLock, which the caller holds: for the build, and for whatever else of the folder it uses with it.
#ifndef ORV_ENGINE_BUILD_ENGINE_H_
#define ORV_ENGINE_BUILD_ENGINE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "build_tables.h"
#include "file_reading.h"
#include "orv_writer.h"
#include "script_reader.h"
#include "source_check.h"

// The files a build reads and writes. Paths are as the current directory reaches them; the sources'
// paths in the script are relative to the script's own folder (SourceOpenPath).
struct BuildFiles {
  std::string script = kScriptFileName;
  std::string output = kOutputFileName;  // named so in the build's messages
};

// What a build has made by the time it starts writing: the script's entries, each one's source as the
// scan checked it, and the tables cut and built from them. All live in the engine's storage, valid until
// the next build.
struct BuildPlan {
  const ScriptEntry* entries = nullptr;
  const CheckedSource* sources = nullptr;
  int entryCount = 0;
  BuildTables* tables = nullptr;
};

// What one build came to: what it wrote, or why it wrote nothing. Taken from the tables the build made,
// never from reading the output back.
struct BuildOutcome {
  bool written = false;       // the output was replaced
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
  // The sources the build read, each once, in the script's order, by the paths it opened them by; when
  // the build did not fail.
  std::vector<std::string> sources;

  bool failed() const { return !failure.empty(); }
};

// The build, as BuildFromScript runs it on the dialog's files, and what it came to.
BuildOutcome BuildWithOutcome(const BuildFiles& files = BuildFiles());

// The same build up to the writing of the output, then the test of the output and its folder that the
// writing begins with (a folder in its place, one that may not be written): the same progress lines up
// to "Building table1", the same error boxes and the same outcome, but nothing is written. When it has
// not failed, *plan holds the entries and the tables placed in the file, and the outcome the figures
// the file would have, with `written` false.
BuildOutcome DryRunBuild(BuildPlan* plan, const BuildFiles& files = BuildFiles());

// True when "out.orv" was written. Callers that only need the side effects may ignore it.
bool BuildFromScript();

#endif  // ORV_ENGINE_BUILD_ENGINE_H_
