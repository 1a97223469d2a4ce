#include "build_engine.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "build_failure.h"
#include "build_tables.h"
#include "file_reading.h"
#include "orv_writer.h"
#include "script_folder.h"
#include "script_reader.h"
#include "source_check.h"

namespace {

// Fixed storage for the life of the process; every build resets the counters.
ScriptEntry g_entries[kMaxScriptEntries];
CheckedSource g_sources[kMaxScriptEntries];
BuildTables g_tables;

// Phase 1: scans the script and checks each source as its entry is read. Sets *n to the entries read.
bool ScanScript(std::FILE* script, const std::string& scriptPath, int* n) {
  ScriptReader reader(script, scriptPath);
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
    CheckedSource checked;
    if (!IsNullPath(entry.path)) {
      checked.path = SourceOpenPath(scriptPath, entry.path);
      // A folder, pipe or device is no source either; it is refused as one that cannot be opened.
      OpenFailure failure;
      FilePtr source = OpenRegularFile(checked.path.c_str(), &failure);
      if (!source) {
        ShowBuildFailure(SourceOpenErrorText(entry.path));
        return false;
      }
      if (!CheckSource(source.get(), entry.path, &entry.payloadLength, &err)) {
        ShowBuildFailure(err);
        return false;
      }
      if (!StampOf(source.get(), &checked.stamp)) {
        ShowBuildFailure(SourceFaultText({SourceFault::kSizeUnknown}, entry.path));
        return false;
      }
    }
    g_sources[*n] = checked;
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

// The build up to the writing of its output: scans the script, checks every source, cuts the chunks and
// builds the states. Reads the sources' headers only and writes nothing.
bool PlanBuild(const BuildFiles& files, BuildPlan* plan, OpenFailure* scriptFailure) {
  const std::string& scriptPath = files.script;
  g_tables.Reset();
  int n = 0;

  FilePtr script = OpenRegularFile(scriptPath.c_str(), scriptFailure);
  if (*scriptFailure == OpenFailure::kMissing || *scriptFailure == OpenFailure::kCannotOpen) return false;
  Progress("Processing script\n");
  if (*scriptFailure == OpenFailure::kNotRegular) {
    ShowBuildFailure(NotAFileText(scriptPath));
    return false;
  }
  if (!ScanScript(script.get(), scriptPath, &n)) return false;
  script.reset();
  PrintEntries(n);

  std::string err;
  Progress("Building table2\n");
  if (!g_tables.CutChunks(g_entries, n, files.output, &err)) {
    ShowBuildFailure(err);
    return false;
  }
  Progress("Building table1\n");
  if (!g_tables.BuildStates(&err)) {
    ShowBuildFailure(err);
    return false;
  }
  *plan = {g_entries, g_sources, n, &g_tables};
  return true;
}

// Each source once, in the script's order.
std::vector<std::string> SourcesRead(const BuildPlan& plan) {
  std::vector<std::string> read;
  for (int i = 0; i < plan.entryCount; ++i) {
    const std::string& path = plan.sources[i].path;
    if (!path.empty() && std::find(read.begin(), read.end(), path) == read.end()) read.push_back(path);
  }
  return read;
}

// Adds the header length to the chunk offsets, as the writing needs them; only offsets in memory move,
// but a file too large for them stops the build here.
bool PlaceInFile(const BuildPlan& plan, const std::string& output) {
  std::string err;
  if (plan.tables->PlaceInFile(output, &err)) return true;
  ShowBuildFailure(err);
  return false;
}

bool Write(const BuildPlan& plan, const std::string& output) {
  Progress("Building interactive ORV\n");
  return PlaceInFile(plan, output) && WriteOrvFile(*plan.tables, plan.entries, plan.sources, plan.entryCount, output);
}

bool CheckWriting(const BuildPlan& plan, const std::string& output) {
  return PlaceInFile(plan, output) && CheckOutputReplaceable(output);
}

// Plans the build, then finishes it with `finish`, and tells what they came to.
BuildOutcome Run(const BuildFiles& files, BuildPlan* plan, bool (*finish)(const BuildPlan&, const std::string&)) {
  ForgetBuildFailure();
  BuildOutcome outcome;
  if (PlanBuild(files, plan, &outcome.scriptFailure) && finish(*plan, files.output)) {
    outcome.fileSize = plan->tables->fileLength();
    outcome.handlerCount = plan->entryCount / 2;
    outcome.chunkCount = plan->tables->chunkCount();
    outcome.sources = SourcesRead(*plan);
    return outcome;
  }
  outcome.failure = LastBuildFailure();
  outcome.failureShown = !outcome.failure.empty();
  if (!outcome.failureShown) outcome.failure = ReadErrorText(files.script);
  return outcome;
}

}  // namespace

BuildOutcome BuildWithOutcome(const BuildFiles& files) {
  BuildPlan plan;
  BuildOutcome outcome = Run(files, &plan, Write);
  outcome.written = !outcome.failed();
  return outcome;
}

BuildOutcome DryRunBuild(BuildPlan* plan, const BuildFiles& files) { return Run(files, plan, CheckWriting); }

bool BuildFromScript() { return BuildWithOutcome().written; }
