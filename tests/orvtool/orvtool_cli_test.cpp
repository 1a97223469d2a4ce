// The orvtool program itself: exit statuses, which stream gets what, and -C.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

#include "orv_examples.h"
#include "run_orvtool.h"
#include "temp_dir.h"

namespace {

TEST(OrvtoolCommandLine, ExitsTwoWithUsageOnStderrForAWrongCommandLine) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{}, "orvtool: no command given\n"},
      {{"biuld"}, "orvtool: unknown command 'biuld', did you mean 'build'?\n"},
      {{"frobnicate"}, "orvtool: unknown command 'frobnicate'\n"},
      {{"--verison"}, "orvtool: unknown option '--verison', did you mean '--version'?\n"},
      {{"info"}, "orvtool: info: missing FILE\n"},
      {{"info", "a.orv", "b.orv"}, "orvtool: info: unexpected argument 'b.orv'\n"},
      {{"build", "-C"}, "orvtool: build: -C needs a directory\n"},
      {{"build", "a.txt", "b.txt"}, "orvtool: build: unexpected argument 'b.txt'\n"},
      {{"build", "-o"}, "orvtool: build: -o needs a file\n"},
      {{"build", "-o", ""}, "orvtool: build: -o needs a file\n"},
      {{"build", "--depfile"}, "orvtool: build: --depfile needs a file\n"},
      {{"build", "--depflie", "d"}, "orvtool: build: unknown option '--depflie', did you mean '--depfile'?\n"},
      {{"check", "--depfile", "d"}, "orvtool: check: unknown option '--depfile'\n"},
      {{"build", "--depfile-phony"}, "orvtool: build: --depfile-phony needs --depfile\n"},
      {{"build", "--quite"}, "orvtool: build: unknown option '--quite', did you mean '--quiet'?\n"},
      {{"check", "--quiet"}, "orvtool: check: unknown option '--quiet'\n"},
      {{"build", "-o", "a.orv", "-o", "b.orv"}, "orvtool: build: -o given more than once\n"},
      {{"build", "-o", "a\nb.orv", "--depfile", "d"},
       "orvtool: build: a depfile cannot name 'a\nb.orv', which holds a line end\n"},
      {{"check", "-C", "a", "-C", "b"}, "orvtool: check: -C given more than once\n"},
      {{"info", "--json"}, "orvtool: info: missing FILE\n"},
      {{"trace", "a.orv"}, "orvtool: trace: missing EVENT\n"},
      {{"trace", "a.orv", "0", "15"}, "orvtool: trace: '15' is no event id; give one from 0 to 14, or ID*COUNT"},
      {{"trace", "a.orv", "Combat"}, "orvtool: trace: 'Combat' is no event id;"},
      {{"graph"}, "orvtool: graph: missing FILE\n"},
      {{"trace"}, "orvtool: trace: missing FILE\n"},
      {{"diff", "a.orv"}, "orvtool: diff: missing NEW\n"},
      {{"diff", "--json", "a.orv", "b.orv", "c.orv"}, "orvtool: diff: unexpected argument 'c.orv'\n"},
      // A flag given twice: the second is an operand, as any other word.
      {{"info", "--json", "a.orv", "--json"}, "orvtool: info: unexpected argument '--json'\n"},
      {{"check", "-C", "a", "s.txt", "now"}, "orvtool: check: unexpected argument 'now'\n"},
      {{"--help", "build"}, "orvtool: unexpected argument 'build'\n"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const ToolRun run = RunOrvtool(c.args, dir.Path());
    EXPECT_EQ(2, run.status) << c.message;
    EXPECT_EQ(0u, run.err.find(c.message)) << run.err;
    EXPECT_TRUE(Has(run.err, "\nusage: orvtool COMMAND [ARGS]\n")) << c.message;
    EXPECT_EQ("", run.out) << c.message;
  }
  EXPECT_FALSE(dir.Exists("out.orv"));
}

TEST(OrvtoolCommandLine, HelpAndVersionGoToStdout) {
  TempDir dir;
  ToolRun run = RunOrvtool({"--version"}, dir.Path());
  EXPECT_EQ(0, run.status);
  EXPECT_EQ("orvtool 1.0.0.1\n", run.out);
  run = RunOrvtool({"--help"}, dir.Path());
  EXPECT_EQ(0, run.status);
  for (const char* synopsis :
       {"  build [-C DIR] [-o OUT] [--depfile FILE] [--depfile-phony] [-q|--quiet] [--warnings-as-errors] [SCRIPT]  ",
        "  check [-C DIR] [-o OUT] [--warnings-as-errors] [SCRIPT]  ", "  info [--json] FILE    ",
        "  trace FILE EVENT...   ", "  graph FILE            ", "  diff [--json] OLD NEW  "})
    EXPECT_TRUE(Has(run.out, synopsis)) << synopsis << "\n" << run.out;
  EXPECT_EQ("", run.err);
}

TEST(OrvtoolInfo, ExitsByTheLayoutVerdict) {
  TempDir dir;
  dir.Write("good.orv", TwoEventBuild());
  ToolRun run = RunOrvtool({"info", "good.orv"}, dir.Path());
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(Has(run.out,
                  "build source: no, it is a built file of 4 pieces (stateCount 9); only single-state files are "
                  "sources\nlayout: ok\n"))
      << run.out;
  EXPECT_EQ("", run.err);

  Bytes broken = TwoEventBuild();
  SetWord(&broken, 212, 111);  // row 1's scaledLength
  dir.Write("broken.orv", broken);
  run = RunOrvtool({"info", "broken.orv"}, dir.Path());
  EXPECT_EQ(1, run.status);
  EXPECT_TRUE(Has(run.out, "payload: 120 bytes")) << run.out;
  EXPECT_TRUE(Has(run.out, "build source: no, stateCount is 9, not 1\nlayout: broken\n")) << run.out;
  EXPECT_EQ("orvtool info: broken.orv: row 1: scaledLength 111, expected 112 for a chunk of 30 bytes\n", run.err);

  run = RunOrvtool({"info", "missing.orv"}, dir.Path());
  EXPECT_EQ(2, run.status);
  EXPECT_TRUE(Has(run.err, "orvtool info: cannot open 'missing.orv'")) << run.err;
}

#ifndef _WIN32
// A report that cannot all be written is trouble, not success: a pipeline must not take a cut report
// for a whole one.
TEST(OrvtoolReports, ThatCannotBeWrittenExitTwo) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  TempDir dir;
  dir.Write("good.orv", TwoEventBuild());
  const std::vector<std::vector<std::string>> commands = {{"info", "good.orv"},
                                                          {"info", "--json", "good.orv"},
                                                          {"trace", "good.orv", "1"},
                                                          {"graph", "good.orv"},
                                                          {"diff", "good.orv", "good.orv"}};
  for (const std::vector<std::string>& command : commands) {
    SCOPED_TRACE(command[0] + " " + command[1]);
    // The inner redirection wins over the one RunOrvtool adds: standard output is the full device.
    const ToolRun run = RunOrvtool(command, dir.Path(), "sh -c 'exec \"$0\" \"$@\" >/dev/full' ");
    EXPECT_EQ(2, run.status);
    EXPECT_EQ("orvtool " + command[0] + ": cannot write the report\n", run.err);
  }
}
#endif

// Words the layout has as 0 but a build never looks at: named, yet the file stays valid.
TEST(OrvtoolInfo, WarnsOfNonZeroWordsInTextAndJson) {
  TempDir dir;
  Bytes bytes = TwoEventBuild();
  SetWord(&bytes, 4, 7);
  SetWord(&bytes, 28, -2);  // state 1's leading word
  SetWord(&bytes, 68, 5);   // state 3's
  SetWord(&bytes, 84, 6);   // state 4's
  dir.Write("odd.orv", bytes);
  const char* const warnings[] = {"the word at byte 4 is 7, not 0",
                                  "state 1's leading word is -2, not 0; 2 more states have one that is not 0"};
  ToolRun run = RunOrvtool({"info", "odd.orv"}, dir.Path());
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(
      Has(run.out, std::string("sources\nwarning: ") + warnings[0] + "\nwarning: " + warnings[1] + "\nlayout: ok\n"))
      << run.out;
  EXPECT_EQ("", run.err);

  run = RunOrvtool({"info", "--json", "odd.orv"}, dir.Path());
  EXPECT_EQ(0, run.status) << run.err;
  const nlohmann::json report = nlohmann::json::parse(run.out);
  EXPECT_EQ(true, report["valid"]);
  EXPECT_EQ(nlohmann::json(warnings), report["warnings"]);

  SetWord(&bytes, 28, 0);
  SetWord(&bytes, 68, 0);
  SetWord(&bytes, 4, 0);
  dir.Write("odd.orv", bytes);
  run = RunOrvtool({"info", "--json", "odd.orv"}, dir.Path());
  EXPECT_EQ(nlohmann::json({"state 4's leading word is 6, not 0"}), nlohmann::json::parse(run.out)["warnings"]);
  run = RunOrvtool({"info", "odd.orv"}, dir.Path());
  EXPECT_FALSE(Has(run.out, "byte 4")) << run.out;
}

TEST(OrvtoolBuild, ProgressOnStdoutAndFailuresOnStderr) {
  TempDir dir;
  dir.Write("script.txt", {'-', '1'});
  ToolRun run = RunOrvtool({"build"}, dir.Path());
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_EQ("Processing script\n\nBuilding table2\nBuilding table1\nBuilding interactive ORV\n", run.out);
  EXPECT_EQ("", run.err);
  EXPECT_EQ(EmptyBuild(), dir.Read("out.orv"));

  const std::string missing = "0 nope.orv begin\n0 null loop\n-1";
  dir.Write("script.txt", Bytes(missing.begin(), missing.end()));
  run = RunOrvtool({"build"}, dir.Path());
  EXPECT_EQ(1, run.status);
  EXPECT_EQ(0u, run.out.find("Processing script\n")) << run.out;
  EXPECT_EQ("script.txt:1: Error opening \"nope.orv\", aborting.\n", run.err);
  EXPECT_EQ(EmptyBuild(), dir.Read("out.orv"));  // the earlier product is left as it was
  EXPECT_TRUE(dir.Exists("script.txt"));         // the user's script is theirs to keep

  TempDir empty;
  run = RunOrvtool({"build"}, empty.Path());
  EXPECT_EQ(2, run.status);
  EXPECT_EQ("orvtool build: no script.txt in the current directory\n", run.err);
  EXPECT_FALSE(empty.Exists("out.orv"));
  // A script named from the root lies in no folder the message could add.
  const std::string rooted = empty.Path("script.txt");
  run = RunOrvtool({"build", "-C", dir.Path(), rooted}, dir.Path());
  EXPECT_EQ(2, run.status);
  EXPECT_EQ("orvtool build: no " + rooted + "\n", run.err);
}

TEST(OrvtoolBuild, BuildsInTheFolderGivenByDashC) {
  TempDir project;
  // Four 30-byte sources whose payload bytes match the filler of the hand-made example.
  Bytes source = EmptyBuild();
  source.resize(86, 0x5A);
  SetWord(&source, 44, 86);
  for (const char* name : {"b0.orv", "l0.orv", "b1.orv", "l1.orv"}) project.Write(name, source);
  const std::string script = "0 b0.orv begin\r\n0 l0.orv loop\r\n1 b1.orv begin\r\n1 l1.orv LOOP\r\n-1";
  project.Write("script.txt", Bytes(script.begin(), script.end()));

  TempDir elsewhere;
  ToolRun run = RunOrvtool({"build", "-C", project.Path()}, elsewhere.Path());
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_FALSE(elsewhere.Exists("out.orv"));
  EXPECT_EQ(TwoEventBuild(), project.Read("out.orv"));
  EXPECT_EQ(0, RunOrvtool({"info", "out.orv"}, project.Path()).status);

  run = RunOrvtool({"build", "-C", project.Path("no-such-folder")}, elsewhere.Path());
  EXPECT_EQ(2, run.status);
  EXPECT_TRUE(Has(run.err, "orvtool build: cannot enter directory '")) << run.err;
  EXPECT_EQ("", run.out);
}

}  // namespace
