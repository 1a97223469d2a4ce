// orvtool build and check on the inputs a pipeline gets wrong: an output or depfile that is the script,
// a source or each other, refused with every file as it was; a script's slips, warned of at their lines
// and built as ever, or failing under --warnings-as-errors; a set saved on Windows, with its
// backslashes, built where the slash alone separates folders. Under Wine, with Windows paths.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ends_with.h"
#include "example_project.h"
#include "orv_bytes.h"
#include "run_orvtool.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;

class BuildInputs : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"ok", "shared", "out"}) fs::create_directories(dir_.path() / folder);
    dir_.Write("ok/l.orv", SourceFile(PayloadPattern(300, 1)));
    dir_.Write("shared/s.orv", SourceFile(PayloadPattern(500, 2)));
    Text("ok/script.txt", "0 null begin\n0 l.orv loop\n1 ../shared/s.orv begin\n-1\n");
  }

  void Text(const std::string& name, const std::string& text) { dir_.Write(name, Bytes(text.begin(), text.end())); }

  // Every file in the folder, with its bytes: what a refused command must leave.
  std::map<std::string, Bytes> Files() const {
    std::map<std::string, Bytes> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir_.path()))
      if (entry.is_regular_file()) files[entry.path().string()] = ReadBytes(entry.path().string());
    return files;
  }

  TempDir dir_;
};

TEST_F(BuildInputs, AnOutputOrDepfileThatIsAnInputIsRefusedAndNothingIsWritten) {
  const std::string at2 = " is the source l.orv at ok/script.txt:2\n";
  std::vector<std::pair<Strings, std::string>> cases = {
      {{"build", "-o", "ok/l.orv", "ok/script.txt"}, "orvtool build: the output ok/l.orv" + at2},
      {{"build", "-o", "shared/s.orv", "ok/script.txt"},
       "orvtool build: the output shared/s.orv is the source ../shared/s.orv at ok/script.txt:3\n"},
      {{"build", "-o", "ok/script.txt", "ok/script.txt"},
       "orvtool build: the output ok/script.txt is the script ok/script.txt\n"},
      {{"build", "-o", "out/a.orv", "--depfile", "out/./a.orv", "ok/script.txt"},
       "orvtool build: the depfile out/./a.orv is the output out/a.orv\n"},
      {{"build", "-o", "out/x.orv", "--depfile", "ok/l.orv", "ok/script.txt"},
       "orvtool build: the depfile ok/l.orv" + at2},
      {{"build", "-o", "out/x.orv", "--depfile", "shared/../ok/script.txt", "ok/script.txt"},
       "orvtool build: the depfile shared/../ok/script.txt is the script ok/script.txt\n"},
      {{"check", "-o", "ok/../ok/l.orv", "ok/script.txt"}, "orvtool check: the output ok/../ok/l.orv" + at2},
      {{"build", "-C", "ok", "-o", "l.orv"}, "orvtool build: the output l.orv is the source l.orv at script.txt:2\n"},
  };
#ifdef _WIN32
  // Names are blind to case there.
  cases.push_back({{"build", "-o", "OK\\L.ORV", "ok/script.txt"}, "orvtool build: the output OK\\L.ORV" + at2});
#else
  // The same file by a link and by a second hard link; a depfile that is a link to an output not made yet.
  fs::create_symlink("l.orv", dir_.path() / "ok" / "link.orv");
  fs::create_hard_link(dir_.path() / "ok" / "l.orv", dir_.path() / "ok" / "hard.orv");
  fs::create_symlink("../out/ahead.orv", dir_.path() / "ok" / "ahead.d");
  cases.push_back({{"build", "-o", "ok/link.orv", "ok/script.txt"}, "orvtool build: the output ok/link.orv" + at2});
  cases.push_back({{"build", "-o", "ok/hard.orv", "ok/script.txt"}, "orvtool build: the output ok/hard.orv" + at2});
  cases.push_back({{"build", "-o", "out/ahead.orv", "--depfile", "ok/ahead.d", "ok/script.txt"},
                   "orvtool build: the depfile ok/ahead.d is the output out/ahead.orv\n"});
#endif
  const std::map<std::string, Bytes> before = Files();
  for (const auto& [args, err] : cases) {
    SCOPED_TRACE(args[2] + " " + args[3]);
    const ToolRun run = RunOrvtool(args, dir_.Path());
    EXPECT_EQ(2, run.status);
    EXPECT_EQ(err, run.err);
    EXPECT_TRUE(Files() == before) << "a refused command changed or made a file";
  }
  // The same files kept apart build, and a script without slips passes --warnings-as-errors.
  const ToolRun run = RunOrvtool(
      {"build", "-o", "out/x.orv", "--depfile", "out/x.d", "--warnings-as-errors", "ok/script.txt"}, dir_.Path());
  EXPECT_EQ(0, run.status);
  EXPECT_EQ("", run.err);
}

// Each slip at its line, after the script's name as given, and the bytes those of the script that says
// what the build read; --warnings-as-errors fails build and check, the old output kept and no depfile.
TEST_F(BuildInputs, SlipsAreWarnedOfAtTheirLinesAndTheOptionMakesThemFail) {
  const std::string slips = fs::path("ok/slips.txt").make_preferred().string();
  Text(slips, "0 l.orv begin\n\n0 l.orv lop\n99 null begin\n1 ../shared/s.orv LOOP\n-1\n");
  Text("ok/plain.txt", "0 l.orv begin\n\n0 l.orv begin\n99 null begin\n1 ../shared/s.orv LOOP\n-1\n");
  const std::string warnings =
      slips + ":3: warning: the type word \"lop\" is neither begin nor loop: the entry is read as a Begin\n" + slips +
      ":3: warning: event 0 \"Cruising\" has a Begin already, on line 1\n" + slips +
      ":4: warning: event 99 lies outside 0 to 14, which the state table never lists\n";
  ToolRun run = RunOrvtool({"build", "-o", "out/slips.orv", slips}, dir_.Path());
  EXPECT_EQ(0, run.status);
  EXPECT_EQ(warnings, run.err);
  ASSERT_EQ(0, RunOrvtool({"build", "-o", "out/plain.orv", "ok/plain.txt"}, dir_.Path()).status);
  EXPECT_EQ(dir_.Read("out/plain.orv"), dir_.Read("out/slips.orv"));

  const Bytes old = {'o', 'l', 'd'};
  dir_.Write("out/slips.orv", old);
  for (const std::string command : {"build", "check"}) {
    Strings args = {command, "-o", "out/slips.orv", "--warnings-as-errors", slips};
    if (command == "build") args.insert(args.begin() + 1, {"--depfile", "out/slips.d"});
    run = RunOrvtool(args, dir_.Path());
    EXPECT_EQ(1, run.status) << command;
    EXPECT_EQ(0u, run.err.find(warnings)) << run.err;
    EXPECT_TRUE(EndsWith(run.err, "orvtool " + command + ": warnings treated as errors (--warnings-as-errors)\n"))
        << run.err;
    EXPECT_EQ(old, dir_.Read("out/slips.orv")) << command;
    EXPECT_FALSE(dir_.Exists("out/slips.d"));
  }
}

// The set the dialog saves on Windows (CR LF, "..\music\...") builds from its folder as the same set
// written with slashes, and its depfile names the files opened. Where a name may hold a backslash, a
// file of that name is still the one read.
TEST_F(BuildInputs, ASetSavedOnWindowsBuildsAsTheSameSetWithSlashes) {
  for (const char* folder : {"sets", "music"}) fs::create_directories(dir_.path() / folder);
  CopyExamples(dir_.path() / "music");
  std::string saved =
      "0 ..\\music\\cruising_begin.orv begin\r\n0 ..\\music\\cruising_loop.orv loop\r\n"
      "1 ..\\music\\combat_begin.orv begin\r\n1 ..\\music\\combat_loop.orv loop\r\n"
      "5 null begin\r\n5 ..\\music\\failed_loop.orv loop\r\n-1";
  Text("sets/script.txt", saved);
  for (char& c : saved)
    if (c == '\\') c = '/';
  Text("sets/slashed.txt", saved);
  ASSERT_EQ(0, RunOrvtool({"build", "-C", "sets", "--depfile", "set.d"}, dir_.Path()).status);
  ASSERT_EQ(0, RunOrvtool({"build", "-C", "sets", "-o", "slashed.orv", "slashed.txt"}, dir_.Path()).status);
  EXPECT_EQ(dir_.Read("sets/slashed.orv"), dir_.Read("sets/out.orv"));
  const std::string music = fs::path("../music/").make_preferred().string();
  const std::string depfile = ReadText(dir_.path() / "sets" / "set.d");
  EXPECT_TRUE(Has(depfile, "script.txt \\\n  " + music + "cruising_begin.orv \\\n  " + music + "cruising_loop"))
      << depfile;

#ifndef _WIN32
  fs::create_directories(dir_.path() / "sets" / "a");
  dir_.Write("sets/a\\b.orv", SourceFile(PayloadPattern(300, 3)));
  dir_.Write("sets/a/b.orv", SourceFile(PayloadPattern(500, 4)));
  Text("sets/odd.txt", "0 a\\b.orv begin\n-1");
  const ToolRun run = RunOrvtool({"build", "-C", "sets", "-o", "odd.orv", "odd.txt"}, dir_.Path());
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(Has(run.out, "\n0 a\\b.orv 0 12c\n")) << "not the file of that name, 300 bytes long\n" << run.out;
#endif
}

}  // namespace
