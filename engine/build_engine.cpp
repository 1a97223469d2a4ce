#include "build_engine.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "build_tables.h"
#include "file_reading.h"
#include "orv_writer.h"
#include "same_file.h"
#include "script_file.h"
#include "source_check.h"

namespace {

// Fixed storage for the life of the process; every build resets the counters.
ScriptEntry g_entries[kMaxScriptEntries];
CheckedSource g_sources[kMaxScriptEntries];
BuildTables g_tables;

// The file of `files` the build would write that is the open input `input`: the script, or a source.
WrittenFile WrittenAs(const BuildFiles& files, const std::string& input) {
  if (NameOneFile(files.output, input)) return WrittenFile::kOutput;
  if (!files.depfile.empty() && NameOneFile(files.depfile, input)) return WrittenFile::kDepfile;
  return WrittenFile::kNone;
}

// The failure of a build that would write over its script (`entry` null) or the source of `entry`.
BuildFailure WritesInputFailure(WrittenFile written, const std::string& script, const ScriptEntry* entry) {
  const std::string role = "\" is the build's " + std::string(written == WrittenFile::kOutput ? "output" : "depfile");
  if (entry == nullptr) return {"Error, \"" + script + role + " and cannot be its script, aborting.", 0, "", written};
  return {"Error, \"" + std::string(entry->path) + role + " and cannot be one of its sources, aborting.", entry->line,
          "", written, entry->path};
}

// Phase 1: scans the script and checks each source as its entry is read. Sets *n to the entries read;
// false once the failure is reported, or once a warning the reporter would not go on after is told.
bool ScanScript(std::FILE* script, const BuildFiles& files, int* n, BuildReporter* reporter) {
  ScriptReader reader(script, files.script);
  ScriptWarnings warnings;
  bool goOn = true;
  std::string err;
  for (;;) {
    ScriptEntry entry;
    switch (reader.Next(&entry, &err)) {
      case ScriptReader::kEnd:
        return goOn;
      case ScriptReader::kError:
        reporter->Failure({err, reader.line()});
        return false;
      case ScriptReader::kEntry:
        break;
    }
    for (const ScriptWarning& warning : warnings.Of(entry, reader.typeWord()))
      goOn = reporter->Warning(warning) && goOn;
    CheckedSource checked;
    if (!IsNullPath(entry.path)) {
      checked.path = SourceOpenPath(files.script, entry.path);
      if (!reporter->Source(checked.path, entry.line)) return false;
      // A folder, pipe or device is no source either; it is refused as one that cannot be opened.
      OpenFailure failure;
      FilePtr source = OpenRegularFile(checked.path.c_str(), &failure);
      if (!source) {
        reporter->Failure({SourceOpenErrorText(entry.path), entry.line});
        return false;
      }
      // Before the source is judged: a build of a single state is a source the check would take.
      const WrittenFile written = WrittenAs(files, checked.path);
      if (written != WrittenFile::kNone) {
        reporter->Failure(WritesInputFailure(written, files.script, &entry));
        return false;
      }
      if (!CheckSource(source.get(), entry.path, &entry.payloadLength, &err)) {
        reporter->Failure({err, entry.line});
        return false;
      }
      if (!StampOf(source.get(), &checked.stamp)) {
        reporter->Failure({SourceFaultText({SourceFault::kSizeUnknown}, entry.path), entry.line});
        return false;
      }
    }
    g_sources[*n] = checked;
    g_entries[(*n)++] = entry;
  }
}

void ReportEntries(int n, BuildReporter* reporter) {
  for (int i = 0; i < n; ++i) {
    const ScriptEntry& e = g_entries[i];
    char line[kMaxPathLength + 64];
    std::snprintf(line, sizeof line, "%d %s %d %x\n", e.eventId, e.path, e.loop ? 1 : 0,
                  static_cast<unsigned>(e.payloadLength));
    reporter->Progress(line);
  }
  reporter->Progress("\n");
}

// The build up to the writing of its output: scans the script, checks every source, cuts the chunks and
// builds the states. Reads the sources' headers only and writes nothing.
bool PlanBuild(const BuildFiles& files, BuildPlan* plan, BuildReporter* reporter) {
  const std::string& scriptPath = files.script;
  g_tables.Reset();
  int n = 0;

  OpenFailure scriptFailure;
  FilePtr script = OpenRegularFile(scriptPath.c_str(), &scriptFailure);
  if (scriptFailure == OpenFailure::kMissing || scriptFailure == OpenFailure::kCannotOpen) {
    reporter->ScriptNotOpened(scriptPath, scriptFailure);
    return false;
  }
  reporter->Progress("Processing script\n");
  if (scriptFailure == OpenFailure::kNotRegular) {
    reporter->Failure({NotAFileText(scriptPath)});
    return false;
  }
  const WrittenFile written = WrittenAs(files, scriptPath);
  if (written != WrittenFile::kNone) {
    reporter->Failure(WritesInputFailure(written, scriptPath, nullptr));
    return false;
  }
  if (!ScanScript(script.get(), files, &n, reporter)) return false;
  script.reset();
  ReportEntries(n, reporter);

  std::string err;
  reporter->Progress("Building table2\n");
  if (!g_tables.CutChunks(g_entries, n, files.output, &err)) {
    reporter->Failure({err});
    return false;
  }
  reporter->Progress("Building table1\n");
  if (!g_tables.BuildStates(&err)) {
    reporter->Failure({err});
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
bool PlaceInFile(const BuildPlan& plan, const std::string& output, BuildReporter* reporter) {
  std::string err;
  if (plan.tables->PlaceInFile(output, &err)) return true;
  reporter->Failure({err});
  return false;
}

bool Write(const BuildPlan& plan, const std::string& output, BuildReporter* reporter) {
  reporter->Progress("Building interactive ORV\n");
  return PlaceInFile(plan, output, reporter) &&
         WriteOrvFile(*plan.tables, plan.entries, plan.sources, plan.entryCount, reporter, output);
}

bool CheckWriting(const BuildPlan& plan, const std::string& output, BuildReporter* reporter) {
  return PlaceInFile(plan, output, reporter) && CheckOutputReplaceable(output, reporter);
}

using Finish = bool (*)(const BuildPlan&, const std::string&, BuildReporter*);

// Plans the build, then finishes it with `finish`; true, with *outcome holding what they made, when
// neither failed.
bool Run(const BuildFiles& files, BuildPlan* plan, BuildReporter* reporter, Finish finish, BuildOutcome* outcome) {
  if (!PlanBuild(files, plan, reporter) || !finish(*plan, files.output, reporter)) return false;
  outcome->fileSize = plan->tables->fileLength();
  outcome->handlerCount = plan->entryCount / 2;
  outcome->chunkCount = plan->tables->chunkCount();
  outcome->sources = SourcesRead(*plan);
  return true;
}

}  // namespace

BuildOutcome BuildWithOutcome(BuildReporter* reporter, const BuildFiles& files) {
  BuildPlan plan;
  BuildOutcome outcome;
  outcome.written = Run(files, &plan, reporter, Write, &outcome);
  return outcome;
}

BuildOutcome DryRunBuild(BuildPlan* plan, BuildReporter* reporter, const BuildFiles& files) {
  BuildOutcome outcome;
  Run(files, plan, reporter, CheckWriting, &outcome);
  return outcome;
}
