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

// Fixed storage for the life of the process; every build resets the counters. Made by the first build,
// so a program that never builds (orvtool's other commands) starts without writing its megabyte.
struct Storage {
  ScriptEntry entries[kMaxScriptEntries];
  CheckedSource sources[kMaxScriptEntries];
  BuildTables tables;
};

Storage& Store() {
  static Storage storage;
  return storage;
}

bool Fail(BuildReporter* reporter, const BuildFailure& failure) {
  reporter->Failure(failure);
  return false;
}

// Whether a file of `files` the build would write is the open input `input`, the script (`entry` null)
// or the source of `entry`; the failure is reported when it is.
bool WritesOver(const BuildFiles& files, const std::string& input, const ScriptEntry* entry, BuildReporter* reporter) {
  const bool output = NameOneFile(files.output, input);
  if (!output && (files.callerFile.empty() || !NameOneFile(files.callerFile, input))) return false;
  const WrittenFile written = output ? WrittenFile::kOutput : WrittenFile::kCallerFile;
  const std::string role = output ? "\" is the build's output" : "\" is written after the build";
  if (entry == nullptr)
    reporter->Failure({"Error, \"" + input + role + " and cannot be its script, aborting.", 0, "", written});
  else
    reporter->Failure({"Error, \"" + std::string(entry->path) + role + " and cannot be one of its sources, aborting.",
                       entry->line, "", written, entry->path});
  return true;
}

// Scans the script and checks each source as its entry is read. Sets *n to the entries read;
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
        return Fail(reporter, {err, reader.line()});
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
      if (!source) return Fail(reporter, {SourceOpenErrorText(entry.path), entry.line});
      // Before the source is judged: a build of a single state is a source the check would take.
      if (WritesOver(files, checked.path, &entry, reporter)) return false;
      if (!CheckSource(source.get(), entry.path, &entry.payloadLength, &err)) return Fail(reporter, {err, entry.line});
      if (!StampOf(source.get(), &checked.stamp))
        return Fail(reporter, {SourceFaultText({SourceFault::kSizeUnknown}, entry.path), entry.line});
    }
    Store().sources[*n] = checked;
    Store().entries[(*n)++] = entry;
  }
}

// Scans the script, checks every source, cuts the chunks, builds the states and places them in the file,
// then writes the output or, when `write` is false, only tries whether it could. False once a failure
// is reported.
bool Build(const BuildFiles& files, BuildPlan* plan, BuildReporter* reporter, bool write) {
  int n = 0;
  OpenFailure scriptFailure;
  FilePtr script = OpenRegularFile(files.script.c_str(), &scriptFailure);
  if (scriptFailure == OpenFailure::kMissing || scriptFailure == OpenFailure::kCannotOpen) {
    reporter->ScriptNotOpened(files.script, scriptFailure);
    return false;
  }
  reporter->Progress("Processing script\n");
  if (scriptFailure == OpenFailure::kNotRegular)
    return Fail(reporter, {"Error reading \"" + files.script + "\": it is not a regular file, aborting."});
  if (WritesOver(files, files.script, nullptr, reporter) || !ScanScript(script.get(), files, &n, reporter))
    return false;
  script.reset();
  for (int i = 0; i < n; ++i) {
    const ScriptEntry& e = Store().entries[i];
    char line[kMaxPathLength + 64];
    std::snprintf(line, sizeof line, "%d %s %d %x\n", e.eventId, e.path, e.loop ? 1 : 0,
                  static_cast<unsigned>(e.payloadLength));
    reporter->Progress(line);
  }
  reporter->Progress("\n");

  std::string err;
  reporter->Progress("Building table2\n");
  if (!Store().tables.CutChunks(Store().entries, n, files.output, &err)) return Fail(reporter, {err});
  reporter->Progress("Building table1\n");
  if (!Store().tables.BuildStates(&err)) return Fail(reporter, {err});
  *plan = {Store().entries, n, &Store().tables};
  if (write) reporter->Progress("Building interactive ORV\n");
  // Only offsets in memory move, but a file too large for them stops the build here.
  if (!Store().tables.PlaceInFile(files.output, &err)) return Fail(reporter, {err});
  return write ? WriteOrvFile(Store().tables, Store().entries, Store().sources, n, reporter, files.output)
               : CheckOutputReplaceable(files.output, reporter);
}

// The build, and what it made when it did not fail.
BuildOutcome Run(const BuildFiles& files, BuildPlan* plan, BuildReporter* reporter, bool write) {
  BuildOutcome outcome;
  if (!Build(files, plan, reporter, write)) return outcome;
  outcome.written = write;
  outcome.fileSize = Store().tables.fileLength();
  outcome.handlerCount = plan->entryCount / 2;
  outcome.chunkCount = Store().tables.chunkCount();
  for (int i = 0; i < plan->entryCount; ++i) {
    const std::string& path = Store().sources[i].path;
    if (!path.empty() && std::find(outcome.sources.begin(), outcome.sources.end(), path) == outcome.sources.end())
      outcome.sources.push_back(path);
  }
  return outcome;
}

}  // namespace

BuildOutcome BuildFromScript(BuildReporter* reporter, const BuildFiles& files) {
  BuildPlan plan;
  return Run(files, &plan, reporter, true);
}

BuildOutcome DryRunBuild(BuildPlan* plan, BuildReporter* reporter, const BuildFiles& files) {
  return Run(files, plan, reporter, false);
}
