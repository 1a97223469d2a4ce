#include "build_engine.h"

#include <cstdio>
#include <string>

#include "build_failure.h"
#include "build_tables.h"
#include "file_reading.h"
#include "orv_writer.h"
#include "script_reader.h"
#include "source_check.h"

namespace {

// Fixed storage for the life of the process; every build resets the counters.
ScriptEntry g_entries[kMaxScriptEntries];
BuildTables g_tables;

// Phase 1: scans the script and checks each source as its entry is read. Sets *n to the entries read.
bool ScanScript(std::FILE* script, int* n) {
  ScriptReader reader(script);
  std::string err;
  for (;;) {
    ScriptEntry entry;
    switch (reader.Next(&entry, &err)) {
      case ScriptReader::kEnd:
        return true;
      case ScriptReader::kError:
        ShowBuildFailure(err);
        return false;
      case ScriptReader::kEntry:
        break;
    }
    if (!IsNullPath(entry.path)) {
      // A folder, pipe or device is no source either; it is refused as one that cannot be opened.
      OpenFailure failure;
      FilePtr source = OpenRegularFile(entry.path, &failure);
      if (!source) {
        ShowBuildFailure(SourceOpenErrorText(entry.path));
        return false;
      }
      if (!CheckSource(source.get(), entry.path, &entry.payloadLength, &err)) {
        ShowBuildFailure(err);
        return false;
      }
    }
    g_entries[(*n)++] = entry;
  }
}

void PrintEntries(int n) {
  for (int i = 0; i < n; ++i) {
    const ScriptEntry& e = g_entries[i];
    std::printf("%d %s %d %x\n", e.eventId, e.path, e.loop ? 1 : 0, static_cast<unsigned>(e.payloadLength));
  }
  std::printf("\n");
}

// Progress is seen only where standard output is redirected; flushing keeps it in step with the boxes.
void Progress(const char* line) {
  std::fputs(line, stdout);
  std::fflush(stdout);
}

// The build up to the writing of "out.orv": scans the script, checks every source, cuts the chunks and
// builds the states. Reads the sources' headers only and writes nothing.
bool PlanBuild(BuildPlan* plan, OpenFailure* scriptFailure) {
  g_tables.Reset();
  int n = 0;

  FilePtr script = OpenRegularFile(kScriptFileName, scriptFailure);
  if (*scriptFailure == OpenFailure::kMissing || *scriptFailure == OpenFailure::kCannotOpen) return false;
  Progress("Processing script\n");
  if (*scriptFailure == OpenFailure::kNotRegular) {
    ShowBuildFailure(NotAFileText());
    return false;
  }
  if (!ScanScript(script.get(), &n)) return false;
  script.reset();
  PrintEntries(n);

  std::string err;
  Progress("Building table2\n");
  if (!g_tables.CutChunks(g_entries, n, &err)) {
    ShowBuildFailure(err);
    return false;
  }
  Progress("Building table1\n");
  if (!g_tables.BuildStates(&err)) {
    ShowBuildFailure(err);
    return false;
  }
  *plan = {g_entries, n, &g_tables};
  return true;
}

// Adds the header length to the chunk offsets, as the writing needs them; only offsets in memory move,
// but a file too large for them stops the build here.
bool PlaceInFile(const BuildPlan& plan) {
  std::string err;
  if (plan.tables->PlaceInFile(&err)) return true;
  ShowBuildFailure(err);
  return false;
}

bool Write(const BuildPlan& plan) {
  Progress("Building interactive ORV\n");
  return PlaceInFile(plan) && WriteOrvFile(*plan.tables, plan.entries, plan.entryCount);
}

bool CheckWriting(const BuildPlan& plan) { return PlaceInFile(plan) && CheckOutputReplaceable(); }

// Plans the build, then finishes it with `finish`, and tells what they came to.
BuildOutcome Run(BuildPlan* plan, bool (*finish)(const BuildPlan&)) {
  ForgetBuildFailure();
  BuildOutcome outcome;
  if (PlanBuild(plan, &outcome.scriptFailure) && finish(*plan)) {
    outcome.fileSize = plan->tables->fileLength();
    outcome.handlerCount = plan->entryCount / 2;
    outcome.chunkCount = plan->tables->chunkCount();
    return outcome;
  }
  outcome.failure = LastBuildFailure();
  outcome.failureShown = !outcome.failure.empty();
  if (!outcome.failureShown) outcome.failure = ReadErrorText();
  return outcome;
}

}  // namespace

BuildOutcome BuildWithOutcome() {
  BuildPlan plan;
  BuildOutcome outcome = Run(&plan, Write);
  outcome.written = !outcome.failed();
  return outcome;
}

BuildOutcome DryRunBuild(BuildPlan* plan) { return Run(plan, CheckWriting); }

bool BuildFromScript() { return BuildWithOutcome().written; }
