// The build: reads the script ("script.txt" in the current directory unless the caller names another),
// checks every source it names, cuts the payloads into chunks, builds the state table and writes the
// output ("out.orv" beside the dialog's script, or where the caller says). Its progress lines and the
// failure that stops it go to the BuildReporter the caller gives it. No failure touches the output.
// Builds of one output take turns through its OutputLock, which the caller holds: for the build, and
// for whatever else of the folder it uses with it.
#ifndef ORV_ENGINE_BUILD_ENGINE_H_
#define ORV_ENGINE_BUILD_ENGINE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "build_reporter.h"
#include "build_tables.h"
#include "orv_writer.h"
#include "script_file.h"

// The files a build reads and writes. Paths are as the current directory reaches them; the sources'
// paths in the script are relative to the script's own folder (SourceOpenPath). A build never reads
// what it or its caller writes: an output or caller's file that is the script or a source fails it
// before anything is written.
struct BuildFiles {
  std::string script = kScriptFileName;
  std::string output = kOutputFileName;  // named so in the build's messages
  std::string callerFile{};              // a file the caller writes from the outcome, or ""
};

// What a build has made by the time it starts writing: the script's entries and the tables cut and
// built from them. Both live in the engine's storage, valid until the next build.
struct BuildPlan {
  const ScriptEntry* entries = nullptr;
  int entryCount = 0;
  BuildTables* tables = nullptr;
};

// What one build made, taken from the tables it built, never from reading the output back. All zero
// and empty when it failed: why is the reporter's to tell.
struct BuildOutcome {
  bool written = false;       // the output was replaced
  std::int64_t fileSize = 0;  // the bytes written
  int handlerCount = 0;       // half the script's entries (a Begin and a Loop a handler)
  int chunkCount = 0;         // chunk rows, the leading and trailing ones included
  // The sources the build read, each once, in the script's order, by the paths it opened them by.
  std::vector<std::string> sources;
};

// The build of `files`, reporting through `reporter`, and what it made.
BuildOutcome BuildFromScript(BuildReporter* reporter, const BuildFiles& files = BuildFiles());

// The same build up to the writing of the output, then the test of the output and its folder that the
// writing begins with (a folder in its place, one that may not be written): the same progress lines up
// to "Building table1", the same failures, but nothing is written. When it has not failed, *plan holds
// the entries and the tables placed in the file, and the outcome the figures the file would have, with
// `written` false.
BuildOutcome DryRunBuild(BuildPlan* plan, BuildReporter* reporter, const BuildFiles& files = BuildFiles());

#endif  // ORV_ENGINE_BUILD_ENGINE_H_
