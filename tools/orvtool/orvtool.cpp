// orvtool: builds out.orv from script.txt without the dialog, and shows what is inside an ORV file and
// what the game plays from it. Here are the table of its commands and each command's run, which reads
// what the command was given, asks the engine or the inspection library, and prints.
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "build_engine.h"
#include "change_directory.h"
#include "check_plan.h"
#include "diff.h"
#include "diff_report.h"
#include "error_box.h"
#include "event_table.h"
#include "flow.h"
#include "graph.h"
#include "info_json.h"
#include "info_text.h"
#include "layout.h"
#include "layout_tables.h"
#include "orv_writer.h"
#include "orvtool_command_line.h"
#include "output_lock.h"
#include "script_reader.h"
#include "trace.h"

namespace {

void ToStandardOutput(const std::string& text) { std::fputs(text.c_str(), stdout); }

// --- build and check: the engine's build in the folder -C names

// kExitOk once in the folder, or the status with the reason said.
int EnterBuildFolder(const Invocation& in) {
  std::string err;
  if (in.optionValue().empty() || ChangeDirectory(in.optionValue(), &err)) return kExitOk;
  return in.Fail("cannot enter directory '" + in.optionValue() + "': " + err, kExitUsage);
}

// The engine passes over a script it cannot open in silence, as the dialog always writes one; here it is
// the user's to supply, so that is said: a missing script is a usage error, one that is there but may
// not be read fails as a read error would. Every other failure the engine has shown already.
int BuildFailed(const Invocation& in, const BuildOutcome& outcome) {
  if (outcome.scriptFailure == OpenFailure::kMissing)
    return in.Fail(std::string("no ") + kScriptFileName + " in " +
                       (in.optionValue().empty() ? "the current directory" : "'" + in.optionValue() + "'"),
                   kExitUsage);
  if (!outcome.failureShown) ShowErrorBox(outcome.failure);
  return kExitFailed;
}

// Builds of one out.orv take turns, the dialog's among them, whose hand-over script.txt stands in the
// user's place only for its turn; so check takes its turn too, and reads the user's script. Where no lock
// can be made (a folder that may not be written) the command goes on without one.
void TakeTurn(const Invocation& in, OutputLock* turn) {
  turn->Take(kOutputFileName,
             [&in] { in.Say(std::string("waiting for another build of ") + kOutputFileName + " to end"); });
}

int RunBuild(const Invocation& in) {
  const int status = EnterBuildFolder(in);
  if (status != kExitOk) return status;
  OutputLock turn;
  TakeTurn(in, &turn);
  const BuildOutcome outcome = BuildWithOutcome();
  std::fflush(stdout);
  return outcome.written ? kExitOk : BuildFailed(in, outcome);
}

int RunCheck(const Invocation& in) {
  const int status = EnterBuildFolder(in);
  if (status != kExitOk) return status;
  OutputLock turn;
  TakeTurn(in, &turn);
  BuildPlan plan;
  const BuildOutcome outcome = DryRunBuild(&plan);
  std::fflush(stdout);
  if (outcome.failed()) return BuildFailed(in, outcome);

  OrvLayout layout;
  std::string err;
  if (!LayoutOfPlan(plan, &layout, &err))
    return in.Fail("the header a build would write breaks the layout: " + err, kExitFailed);
  std::printf("out.orv would be %llu bytes: stateCount %d, chunkCount %d\n",
              static_cast<unsigned long long>(layout.fileSize), static_cast<int>(layout.stateCount),
              static_cast<int>(layout.chunkCount));
  for (const std::string& warning : RunOnWarnings(OrvFlow(layout), plan.entries, plan.entryCount))
    in.Say("warning: " + warning);
  return kExitOk;
}

// --- info, trace, graph and diff: what is in a file

// Opens path into *file; false, with the reason said, when it cannot be read.
bool OpenOrvFile(const Invocation& in, const std::string& path, FileSource* file) {
  std::string err;
  if (file->Open(path, &err)) return true;
  in.Say(err);
  return false;
}

// For the commands that need a sound file: kExitOk, or the status with the reason said, kExitUsage when
// the file cannot be read, kExitFailed when it breaks a layout rule.
int ReadSoundOrv(const Invocation& in, const std::string& path, FileSource* file, OrvLayout* layout) {
  if (!OpenOrvFile(in, path, file)) return kExitUsage;
  std::string fault;
  if (InspectOrv(file, layout, &fault)) return kExitOk;
  return in.Fail(path + ": " + fault, kExitFailed);
}

// The file is walked again for each rule and for the report, which is printed as it is made: memory
// stays flat whatever its counts.
int RunInfo(const Invocation& in) {
  const std::string& path = in.operands()[0];
  FileSource file;
  if (!OpenOrvFile(in, path, &file)) return kExitUsage;
  OrvLayout layout;
  std::string fault;
  const bool valid = InspectOrvHoldingNothing(&file, &layout, &fault);
  const SourceVerdict source = JudgeSourceOf(&file);
  FileTables tables(&file, layout);
  if (in.optionGiven())
    WriteOrvJson(&tables, path, valid ? std::string() : fault, source.accepted(), ToStandardOutput);
  else
    WriteInfoText(&tables, path, source, valid, ToStandardOutput);
  const int status = in.FinishReport(kExitOk);
  return status != kExitOk || valid ? status : in.Fail(path + ": " + fault, kExitFailed);
}

int RunTrace(const Invocation& in) {
  const std::vector<std::string>& words = in.operands();
  std::vector<TraceEvent> events;
  for (std::size_t i = 1; i < words.size(); ++i) {
    TraceEvent event;
    if (!ParseTraceEvent(words[i], &event))
      return in.UsageError(
          "'" + words[i] + "' is no event id; give one from 0 to " + std::to_string(kMaxPairedEventId) +
          ", or ID*COUNT for COUNT chunk ends in a row (COUNT 1 to " + std::to_string(kMaxTraceCount) + ")");
    events.push_back(event);
  }
  FileSource file;
  OrvLayout layout;
  const int status = ReadSoundOrv(in, words[0], &file, &layout);
  if (status != kExitOk) return status;
  TraceOrv(OrvFlow(layout), events, ToStandardOutput);
  return in.FinishReport(kExitOk);
}

int RunGraph(const Invocation& in) {
  const std::string& path = in.operands()[0];
  FileSource file;
  OrvLayout layout;
  const int status = ReadSoundOrv(in, path, &file, &layout);
  if (status != kExitOk) return status;
  WriteGraph(OrvFlow(layout), path, ToStandardOutput);
  return in.FinishReport(kExitOk);
}

// The exit status of cmp and diff: 0 the same, 1 different, 2 trouble, a file that cannot be read or
// breaks a layout rule among it.
int RunDiff(const Invocation& in) {
  const std::string& oldPath = in.operands()[0];
  const std::string& newPath = in.operands()[1];
  FileSource oldFile, newFile;
  OrvLayout oldLayout, newLayout;
  if (ReadSoundOrv(in, oldPath, &oldFile, &oldLayout) != kExitOk ||
      ReadSoundOrv(in, newPath, &newFile, &newLayout) != kExitOk)
    return kExitUsage;
  const OrvFlow oldFlow(oldLayout), newFlow(newLayout);
  const std::unique_ptr<DiffSink> report = in.optionGiven() ? MakeJsonDiffReport(ToStandardOutput, oldPath, newPath)
                                                            : MakeTextDiffReport(ToStandardOutput, oldPath, newPath);
  DiffCounts counts;
  std::string err;
  const bool compared =
      DiffOrv({oldFlow, &oldFile, oldPath}, {newFlow, &newFile, newPath}, report.get(), &counts, &err);
  const int status = in.FinishReport(counts.Same() ? kExitOk : kExitFailed);
  return status == kExitUsage || compared ? status : in.Fail(err, kExitUsage);
}

// In the order --help lists them.
const std::vector<Subtool>& Commands() {
  static const std::vector<Subtool> table = {
      {"build",
       "-C",
       "DIR",
       "a directory",
       {},
       false,
       "build out.orv from script.txt in the current directory, or in DIR",
       RunBuild},
      {"check",
       "-C",
       "DIR",
       "a directory",
       {},
       false,
       "run a build up to writing out.orv: its errors, the file's figures, music that runs on",
       RunCheck},
      {"info",
       "--json",
       nullptr,
       nullptr,
       {"FILE"},
       false,
       "show an ORV file's header, states and chunks, and check its layout",
       RunInfo},
      {"trace",
       nullptr,
       nullptr,
       nullptr,
       {"FILE", "EVENT"},
       true,
       "play the file's chunks as the game would for events (ID, or ID*COUNT)",
       RunTrace},
      {"graph",
       nullptr,
       nullptr,
       nullptr,
       {"FILE"},
       false,
       "write the file's flow between Begin and Loop pieces as Graphviz DOT",
       RunGraph},
      {"diff",
       "--json",
       nullptr,
       nullptr,
       {"OLD", "NEW"},
       false,
       "show what the game plays differently from OLD to NEW: pieces, payloads, transitions",
       RunDiff},
  };
  return table;
}

// A command that runs out of memory, or meets any other fault it has no answer for, still ends in the
// one voice with the status of trouble, never by a signal a caller would take for a crash. Nothing here
// allocates, as memory may be what ran out.
int EndByFault(int argc, char** argv, const char* text, const char* detail = "") {
  std::fflush(stdout);
  const char* command = nullptr;
  for (const Subtool& tool : Commands())
    if (argc > 1 && std::strcmp(argv[1], tool.name) == 0) command = tool.name;
  if (command != nullptr)
    std::fprintf(stderr, "orvtool %s: %s%s\n", command, text, detail);
  else
    std::fprintf(stderr, "orvtool: %s%s\n", text, detail);
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return RunCommandLine(argc, argv, Commands());
  } catch (const std::bad_alloc&) {
    return EndByFault(argc, argv, "out of memory");
  } catch (const std::exception& fault) {
    return EndByFault(argc, argv, "stopped by an unforeseen fault: ", fault.what());
  } catch (...) {
    return EndByFault(argc, argv, "stopped by an unforeseen fault");
  }
}
