// orvtool build and check on the inputs a pipeline gets wrong: an output or depfile that is the script,
// a source or each other, refused with every file as it was; a script's slips, warned of at their lines
// and built as ever, or failing the build under --warnings-as-errors; a set saved on Windows, with its
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

// Every file under the folder, by its path in it, with its bytes: what a refused command must leave.
std::map<std::string, Bytes> Snapshot(const TempDir& dir) {
  std::map<std::string, Bytes> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir.path()))
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), dir.path()).generic_string()] = ReadBytes(entry.path().string());
  return files;
}

class BuildInputs : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_.path() / "ok");
    fs::create_directories(dir_.path() / "shared");
    fs::create_directories(dir_.path() / "out");
    dir_.Write("ok/l.orv", SourceFile(PayloadPattern(300, 1)));
    dir_.Write("shared/s.orv", SourceFile(PayloadPattern(500, 2)));
    Text("ok/script.txt", "0 null begin\n0 l.orv loop\n1 ../shared/s.orv begin\n-1\n");
  }

  void Text(const std::string& name, const std::string& text) { dir_.Write(name, Bytes(text.begin(), text.end())); }

  TempDir dir_;
};

TEST_F(BuildInputs, AnOutputOrDepfileThatIsAnInputIsRefusedAndNothingIsWritten) {
  struct Case {
    Strings args;
    std::string err;
  };
  std::vector<Case> cases = {
      {{"build", "-o", "ok/l.orv", "ok/script.txt"},
       "orvtool build: the output ok/l.orv is the source l.orv at ok/script.txt:2\n"},
      {{"build", "-o", "shared/s.orv", "ok/script.txt"},
       "orvtool build: the output shared/s.orv is the source ../shared/s.orv at ok/script.txt:3\n"},
      {{"build", "-o", "ok/script.txt", "ok/script.txt"},
       "orvtool build: the output ok/script.txt is the script ok/script.txt\n"},
      {{"build", "-o", "out/same.orv", "--depfile", "out/./same.orv", "ok/script.txt"},
       "orvtool build: the depfile out/./same.orv is the output out/same.orv\n"},
      {{"build", "-o", "out/x.orv", "--depfile", "ok/l.orv", "ok/script.txt"},
       "orvtool build: the depfile ok/l.orv is the source l.orv at ok/script.txt:2\n"},
      {{"build", "-o", "out/x.orv", "--depfile", "shared/../ok/script.txt", "ok/script.txt"},
       "orvtool build: the depfile shared/../ok/script.txt is the script ok/script.txt\n"},
      {{"check", "-o", "ok/../ok/l.orv", "ok/script.txt"},
       "orvtool check: the output ok/../ok/l.orv is the source l.orv at ok/script.txt:2\n"},
      {{"build", "-C", "ok", "-o", "l.orv"}, "orvtool build: the output l.orv is the source l.orv at script.txt:2\n"},
  };
#ifdef _WIN32
  // Names are blind to case there.
  cases.push_back({{"build", "-o", "OK\\L.ORV", "ok\\script.txt"},
                   "orvtool build: the output OK\\L.ORV is the source l.orv at ok\\script.txt:2\n"});
#else
  // The same file by a link, by a second hard link, and a depfile that is a link to an output not made yet.
  fs::create_symlink("l.orv", dir_.path() / "ok" / "link.orv");
  fs::create_hard_link(dir_.path() / "ok" / "l.orv", dir_.path() / "ok" / "hard.orv");
  fs::create_symlink("../out/ahead.orv", dir_.path() / "ok" / "ahead.d");
  cases.push_back({{"build", "-o", "ok/link.orv", "ok/script.txt"},
                   "orvtool build: the output ok/link.orv is the source l.orv at ok/script.txt:2\n"});
  cases.push_back({{"build", "-o", "ok/hard.orv", "ok/script.txt"},
                   "orvtool build: the output ok/hard.orv is the source l.orv at ok/script.txt:2\n"});
  cases.push_back({{"build", "-o", "out/ahead.orv", "--depfile", "ok/ahead.d", "ok/script.txt"},
                   "orvtool build: the depfile ok/ahead.d is the output out/ahead.orv\n"});
#endif
  const std::map<std::string, Bytes> before = Snapshot(dir_);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[2] + " " + c.args[3]);
    const ToolRun run = RunOrvtool(c.args, dir_.Path());
    EXPECT_EQ(2, run.status);
    EXPECT_EQ(c.err, run.err);
    EXPECT_TRUE(Snapshot(dir_) == before) << "a refused command changed or made a file";
  }
  // The same files, kept apart, build.
  const ToolRun run = RunOrvtool({"build", "-o", "out/x.orv", "--depfile", "out/x.d", "ok/script.txt"}, dir_.Path());
  EXPECT_EQ(0, run.status) << run.err;
}

// Each slip at its line, after the script's name as given; the bytes those of the script that says what
// the build read; --warnings-as-errors fails build and check with the old output kept and no depfile.
TEST_F(BuildInputs, ASlipsWarningsNameTheirLinesAndTheOptionMakesThemFail) {
  Text("ok/slips.txt", "0 l.orv begin\n\n0 l.orv lop\n99 null begin\n1 ../shared/s.orv LOOP\n-1\n");
  Text("ok/plain.txt", "0 l.orv begin\n\n0 l.orv begin\n99 null begin\n1 ../shared/s.orv LOOP\n-1\n");
  const std::string slips = fs::path("ok/slips.txt").make_preferred().string();
  const std::string warnings =
      slips + ":3: warning: the type word \"lop\" is neither begin nor loop: the entry is read as a Begin\n" + slips +
      ":3: warning: event 0 \"Cruising\" has a Begin already, on line 1\n" + slips +
      ":4: warning: event 99 lies outside 0 to 14, which the state table never lists\n";
  ToolRun run = RunOrvtool({"build", "-o", "out/slips.orv", slips}, dir_.Path());
  EXPECT_EQ(0, run.status);
  EXPECT_EQ(warnings, run.err);
  run = RunOrvtool({"build", "-o", "out/plain.orv", "ok/plain.txt"}, dir_.Path());
  EXPECT_EQ(0, run.status);
  EXPECT_EQ(
      "ok/plain.txt:3: warning: event 0 \"Cruising\" has a Begin already, on line 1\n"
      "ok/plain.txt:4: warning: event 99 lies outside 0 to 14, which the state table never lists\n",
      run.err);
  const Bytes built = dir_.Read("out/slips.orv");
  EXPECT_EQ(built, dir_.Read("out/plain.orv"));

  run = RunOrvtool({"check", "-o", "out/slips.orv", slips}, dir_.Path());
  EXPECT_EQ(0, run.status);
  EXPECT_EQ(0u, run.err.find(warnings)) << run.err;

  const Bytes old = {'o', 'l', 'd'};
  dir_.Write("out/slips.orv", old);
  for (const char* command : {"build", "check"}) {
    SCOPED_TRACE(command);
    Strings args = {command, "-o", "out/slips.orv", "--warnings-as-errors", slips};
    if (std::string(command) == "build") args.insert(args.begin() + 1, {"--depfile", "out/slips.d"});
    run = RunOrvtool(args, dir_.Path());
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(0u, run.err.find(warnings)) << run.err;
    EXPECT_TRUE(
        EndsWith(run.err, "orvtool " + std::string(command) + ": warnings treated as errors (--warnings-as-errors)\n"))
        << run.err;
    EXPECT_EQ(old, dir_.Read("out/slips.orv"));
    EXPECT_FALSE(dir_.Exists("out/slips.d"));
  }
  // A script without slips passes the option.
  run = RunOrvtool({"build", "-o", "out/ok.orv", "--warnings-as-errors", "ok/script.txt"}, dir_.Path());
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_EQ("", run.err);

  // A mistake is named at its line too, and a line short of its type word as that.
  Text("ok/short.txt", "0 l.orv begin\n0 l.orv\n1 null begin\n-1\n");
  run = RunOrvtool({"build", "-o", "out/short.orv", "ok/short.txt"}, dir_.Path());
  EXPECT_EQ(1, run.status);
  EXPECT_EQ("ok/short.txt:2: Error in \"ok/short.txt\", line 2: the type word is missing, aborting.\n", run.err);
}

// The set the dialog saves on Windows (CR LF, "..\music\..."), built from its folder, is the same set
// written with slashes, and its depfile names the files opened. A name that holds a backslash, where it
// may, still names its own file.
TEST_F(BuildInputs, ASetSavedOnWindowsBuildsAsTheSameSetWithSlashes) {
  fs::create_directories(dir_.path() / "music");
  fs::create_directories(dir_.path() / "sets");
  CopyExamples(dir_.path() / "music");
  const std::string saved =
      "0 ..\\music\\cruising_begin.orv begin\r\n0 ..\\music\\cruising_loop.orv loop\r\n"
      "1 ..\\music\\combat_begin.orv begin\r\n1 ..\\music\\combat_loop.orv loop\r\n"
      "5 null begin\r\n5 ..\\music\\failed_loop.orv loop\r\n-1";
  std::string slashed = saved;
  for (char& c : slashed)
    if (c == '\\') c = '/';
  Text("sets/script.txt", saved);
  Text("sets/slashed.txt", slashed);
  ToolRun run = RunOrvtool({"build", "-C", "sets", "--depfile", "set.d"}, dir_.Path());
  ASSERT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(Has(run.out, "\n0 ..\\music\\cruising_begin.orv 0 ")) << "not named as the script gives it\n" << run.out;
  run = RunOrvtool({"build", "-C", "sets", "-o", "slashed.orv", "slashed.txt"}, dir_.Path());
  ASSERT_EQ(0, run.status) << run.err;
  EXPECT_EQ(dir_.Read("sets/slashed.orv"), dir_.Read("sets/out.orv"));
  const std::string sep(1, static_cast<char>(fs::path::preferred_separator));
  const std::string music = ".." + sep + "music" + sep;
  EXPECT_TRUE(Has(ReadText(dir_.path() / "sets" / "set.d"),
                  "script.txt \\\n  " + music + "cruising_begin.orv \\\n  " + music + "cruising_loop.orv \\\n"))
      << ReadText(dir_.path() / "sets" / "set.d");

#ifndef _WIN32
  // Both a file named "a\b.orv" and a file b.orv in a folder a: the name as written wins.
  fs::create_directories(dir_.path() / "sets" / "a");
  dir_.Write("sets/a\\b.orv", SourceFile(PayloadPattern(300, 3)));
  dir_.Write("sets/a/b.orv", SourceFile(PayloadPattern(500, 4)));
  Text("sets/odd.txt", "0 a\\b.orv begin\n-1");
  run = RunOrvtool({"build", "-C", "sets", "-o", "odd.orv", "odd.txt"}, dir_.Path());
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(Has(run.out, "\n0 a\\b.orv 0 12c\n")) << "the folder's file was read\n" << run.out;
#endif
}

}  // namespace
