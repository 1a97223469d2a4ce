// orvtool build and check with a script and an output named on the command line, as a build system
// runs them: the script's sources taken from its own folder, the same bytes from any folder, a depfile
// that names what the build read as make and ninja read it, and the old output and depfile kept by a
// failure. Under Wine, with Windows paths.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "orv_bytes.h"
#include "report/depfile.h"
#include "run_orvtool.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr char kSetFolder[] = "music #2 $final";
// One source beside the script, one in a sibling folder, one by an absolute path, and one twice.
constexpr char kScript[] =
    "0 begin.orv begin\n0 ../shared/loop.orv loop\n1 null begin\n1 ../shared/loop.orv loop\n5 null begin\n5 ";

class BuildPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_.path() / kSetFolder);
    fs::create_directories(dir_.path() / "shared");
    fs::create_directories(dir_.path() / "out");
    dir_.Write(Set("begin.orv"), SourceFile(PayloadPattern(70000, 1)));
    dir_.Write("shared/loop.orv", SourceFile(PayloadPattern(1000, 2)));
    dir_.Write("shared/failed.orv", SourceFile(PayloadPattern(300, 3)));
    const std::string script = kScript + dir_.Path("shared") + Separator() + "failed.orv loop\n-1";
    dir_.Write(Set("script.txt"), Bytes(script.begin(), script.end()));
  }

  static std::string Separator() { return std::string(1, static_cast<char>(fs::path::preferred_separator)); }
  static std::string Set(const std::string& name) { return std::string(kSetFolder) + Separator() + name; }

  TempDir dir_;
};

TEST_F(BuildPaths, ScriptAndOutputNamedBuildTheSameBytesFromAnyFolder) {
  // The reference: the script's own folder, its out.orv beside it.
  ToolRun run = RunOrvtool({"build", "-C", dir_.Path(kSetFolder)}, dir_.Path("shared"));
  ASSERT_EQ(0, run.status) << run.err;
  const Bytes reference = dir_.Read(Set("out.orv"));

  run = RunOrvtool({"build", "-o", Set("named.orv"), Set("script.txt")}, dir_.Path());
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(Has(run.out, "\n0 begin.orv 0 11170\n0 ../shared/loop.orv 1 3e8\n"))
      << "not named as the script gives them\n"
      << run.out;
  EXPECT_EQ(reference, dir_.Read(Set("named.orv")));

  // Absolute paths, from another folder and from the root.
  TempDir elsewhere;
  const std::string root = dir_.path().root_path().string();
  for (const std::string& from : {elsewhere.Path(), root}) {
    run = RunOrvtool({"build", "-o", dir_.Path("out") + Separator() + "abs.orv", dir_.Path(Set("script.txt"))}, from);
    EXPECT_EQ(0, run.status) << from << ": " << run.err;
    EXPECT_EQ(reference, dir_.Read("out/abs.orv")) << "built from " << from;
    fs::remove(dir_.path() / "out" / "abs.orv");
  }
  // SCRIPT alone: OUT is out.orv beside it.
  fs::remove(dir_.path() / kSetFolder / "out.orv");
  EXPECT_EQ(0, RunOrvtool({"build", Set("script.txt")}, dir_.Path()).status);
  EXPECT_EQ(reference, dir_.Read(Set("out.orv")));
  EXPECT_FALSE(dir_.Exists("out.orv"));
  EXPECT_EQ(0, TemporaryFileCount(dir_.path() / kSetFolder));
}

// OUT and SCRIPT as given, then each source once, in the script's order, as opened from the current
// folder; the folder's blank, '#' and '$' escaped.
TEST_F(BuildPaths, TheDepfileNamesWhatTheBuildRead) {
  const std::string shared = dir_.Path("shared") + Separator() + "failed.orv";
  ASSERT_TRUE(DepfilePath(shared) == shared) << "the test's folder holds a character a depfile escapes: " << shared;
  const ToolRun run =
      RunOrvtool({"build", "-o", "out/set.orv", "--depfile", "out/set.d", Set("script.txt")}, dir_.Path());
  ASSERT_EQ(0, run.status) << run.err;
  const std::string set = std::string(R"(music\ \#2\ $$final)") + Separator();
  EXPECT_EQ("out/set.orv: " + set + "script.txt \\\n  " + set + "begin.orv \\\n  " + set + "../shared/loop.orv \\\n  " +
                shared + "\n",
            ReadText(dir_.path() / "out" / "set.d"));
  EXPECT_EQ(0, TemporaryFileCount(dir_.path() / "out"));
}

// A failed build writes no depfile: the old one, and the old output, stay as they were, and none is
// made where there was none.
TEST_F(BuildPaths, AFailedBuildKeepsTheOldOutputAndDepfile) {
  ASSERT_EQ(
      0, RunOrvtool({"build", "-o", "out/set.orv", "--depfile", "out/set.d", Set("script.txt")}, dir_.Path()).status);
  const Bytes output = dir_.Read("out/set.orv");
  const Bytes depfile = dir_.Read("out/set.d");
  fs::remove(dir_.path() / "shared" / "loop.orv");
  ToolRun run = RunOrvtool({"build", "-o", "out/set.orv", "--depfile", "out/set.d", Set("script.txt")}, dir_.Path());
  EXPECT_EQ(1, run.status);
  EXPECT_EQ(Set("script.txt") + ":2: Error opening \"../shared/loop.orv\", aborting.\n", run.err);
  EXPECT_EQ(output, dir_.Read("out/set.orv"));
  EXPECT_EQ(depfile, dir_.Read("out/set.d"));
  run = RunOrvtool({"build", "-o", "out/new.orv", "--depfile", "out/new.d", Set("script.txt")}, dir_.Path());
  EXPECT_EQ(1, run.status);
  EXPECT_FALSE(dir_.Exists("out/new.orv"));
  EXPECT_FALSE(dir_.Exists("out/new.d"));
  EXPECT_EQ(0, TemporaryFileCount(dir_.path() / "out"));
}

// The output's own messages name it as given; check takes the same names and writes nothing.
TEST_F(BuildPaths, MessagesNameTheFilesAsGiven) {
  // After the engine's text, the system's reason.
  ToolRun run = RunOrvtool({"build", "-o", "missing/set.orv", Set("script.txt")}, dir_.Path());
  EXPECT_EQ(1, run.status);
  EXPECT_EQ("Error opening missing/set.orv, aborting.\norvtool build: missing/set.orv: No such file or directory\n",
            run.err);
  run = RunOrvtool({"check", "-o", "missing/set.orv", Set("script.txt")}, dir_.Path());
  EXPECT_EQ(1, run.status);
  EXPECT_EQ("Error opening missing/set.orv, aborting.\norvtool check: missing/set.orv: No such file or directory\n",
            run.err);

  run = RunOrvtool({"check", "-o", "out/set.orv", Set("script.txt")}, dir_.Path());
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(Has(run.out, "\nout/set.orv would be 72752 bytes: stateCount 13, chunkCount 7\n")) << run.out;
  EXPECT_TRUE(fs::is_empty(dir_.path() / "out"));

  run = RunOrvtool({"build", "no-such.txt"}, dir_.Path());
  EXPECT_EQ(2, run.status);
  EXPECT_EQ("orvtool build: no no-such.txt in the current directory\n", run.err);
  run = RunOrvtool({"check", "-C", dir_.Path("shared"), "no-such.txt"}, dir_.Path());
  EXPECT_EQ(2, run.status);
  EXPECT_EQ("orvtool check: no no-such.txt in '" + dir_.Path("shared") + "'\n", run.err);
}

}  // namespace
