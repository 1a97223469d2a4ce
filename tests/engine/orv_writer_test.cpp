// How a build writes out.orv: the previous file replaced only by a whole new one, left byte for byte
// as it was by a failure, with no temporary file behind, and a source copied only while it is the file
// the scan checked.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "build_fixture.h"
#include "build_tables.h"
#include "file_reading.h"
#include "file_size_limit.h"
#include "orv_writer.h"
#include "reference_orv.h"
#include "source_check.h"

namespace {

using OrvWriterTest = BuildFixture;

TEST_F(OrvWriterTest, OutputThatCannotBeCreated) {
  Script("-1");
  // An out.orv that cannot be written is not replaced behind the user's back.
  std::filesystem::create_directory("out.orv");
  Build();
  ASSERT_EQ(ShownErrors().size(), 1u);
  EXPECT_EQ(ShownErrors()[0], "Error opening out.orv, aborting.");
  EXPECT_TRUE(std::filesystem::is_directory("out.orv"));
  EXPECT_TRUE(NoTemporaryFiles());

#ifndef _WIN32
  // A link into a folder that is not there: no temporary file can be made beside its target.
  ClearShownErrors();
  std::filesystem::remove("out.orv");
  std::filesystem::create_symlink("gone/out.orv", "out.orv");
  Build();
  ASSERT_EQ(ShownErrors().size(), 1u);
  EXPECT_EQ(ShownErrors()[0], "Error opening out.orv, aborting.");
  EXPECT_TRUE(std::filesystem::is_symlink("out.orv"));
#endif
}

#ifdef __linux__
// A file size limit stands in for a full disk. The build itself keeps SIGXFSZ from ending the process,
// so the limit is reported as a write error.
TEST_F(OrvWriterTest, WriteFailureIsReportedAndLeavesThePreviousOutput) {
  Source("a.orv", PayloadPattern(300000, 1));
  Script("0 a.orv begin\n0 null loop\n-1");
  WriteBytes("out.orv", {'o', 'l', 'd'});
  {
    FileSizeLimit fullDisk(100000, FileSizeLimit::kLeaveSignal);
    Build();
  }
  ASSERT_EQ(ShownErrors().size(), 1u);
  EXPECT_EQ(ShownErrors()[0], "Error writing out.orv, aborting.");
  EXPECT_FALSE(built_);
  EXPECT_EQ(Output(), (Bytes{'o', 'l', 'd'}));
  EXPECT_TRUE(NoTemporaryFiles());
}
#endif

// The source as a scan finds it now.
CheckedSource Checked(const char* path) {
  CheckedSource checked{path, {}};
  OpenFailure failure;
  const FilePtr file = OpenRegularFile(path, &failure);
  EXPECT_TRUE(file && StampOf(file.get(), &checked.stamp)) << path;
  return checked;
}

// Runs the build's phases with a change to the disk between the scan and the write, as a source that
// another program rewrites, replaces or deletes meanwhile would make.
bool BuildChangingTheDisk(const std::vector<ScriptEntry>& entries, const std::function<void()>& change,
                          BuildReporter* reporter) {
  auto tables = std::make_unique<BuildTables>();
  std::string err;
  const int n = static_cast<int>(entries.size());
  EXPECT_TRUE(tables->CutChunks(entries.data(), n, kOutputFileName, &err) && tables->BuildStates(&err) &&
              tables->PlaceInFile(kOutputFileName, &err))
      << err;
  std::vector<CheckedSource> sources;
  for (const ScriptEntry& entry : entries) sources.push_back(Checked(entry.path));
  change();
  return WriteOrvFile(*tables, entries.data(), sources.data(), n, reporter);
}

ScriptEntry Entry(int eventId, const char* path, bool loop, std::int32_t payloadLength) {
  ScriptEntry e{};
  e.eventId = eventId;
  std::snprintf(e.path, sizeof e.path, "%s", path);
  e.loop = loop;
  e.payloadLength = payloadLength;
  return e;
}

// A source changed between the scan and the copy fails the build, whatever changed: another file under
// its name, its size, its time, or the payload end in its header. Pipelines write sources while builds
// run; a build that went on would cut one file's bytes to the other's length.
TEST_F(OrvWriterTest, SourceChangedBetweenScanAndCopyFailsTheBuild) {
  Source("a.orv", PayloadPattern(500, 1));
  const Bytes b = SourceFile(PayloadPattern(70000, 2));
  const std::vector<ScriptEntry> entries = {Entry(0, "a.orv", false, 500), Entry(0, "b.orv", true, 70000)};
  const std::string changed = "Error, \"b.orv\" changed while the build was reading it, aborting.";
  namespace fs = std::filesystem;
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"shorter", [] { fs::resize_file("b.orv", 1000); }},
      {"another file of another length renamed over it",
       [] {
         WriteBytes("new.orv", SourceFile(PayloadPattern(70001, 3)));
         fs::rename("new.orv", "b.orv");
       }},
#ifndef _WIN32
      // The C runtime numbers no file on Windows, and tells times in whole seconds.
      {"another file of the same bytes renamed over it",
       [&b] {
         WriteBytes("new.orv", b);
         fs::rename("new.orv", "b.orv");
       }},
#endif
      {"written in place, the same length",
       [] {
         const auto time = fs::last_write_time("b.orv");
         WriteBytes("b.orv", SourceFile(PayloadPattern(70000, 4)));
         fs::last_write_time("b.orv", time + std::chrono::seconds(10));
       }},
      {"another payload end in its header, its time put back",
       [&b] {
         const auto time = fs::last_write_time("b.orv");
         Bytes shorter = b;
         SetWord(&shorter, 44, 56 + 60000);
         WriteBytes("b.orv", shorter);
         fs::last_write_time("b.orv", time);
       }},
  };
  for (const auto& change : changes) {
    WriteBytes("b.orv", b);
    WriteBytes("out.orv", {'o', 'l', 'd'});
    ClearShownErrors();
    EXPECT_FALSE(BuildChangingTheDisk(entries, change.second, &reporter_)) << change.first;
    ASSERT_EQ(ShownErrors().size(), 1u) << change.first;
    EXPECT_EQ(ShownErrors()[0], changed) << change.first;
    EXPECT_EQ(Output(), (Bytes{'o', 'l', 'd'})) << change.first;
    EXPECT_TRUE(NoTemporaryFiles()) << change.first;
  }
}

TEST_F(OrvWriterTest, SourceThatVanishesDuringTheBuild) {
  Source("a.orv", PayloadPattern(500, 1));
  Source("b.orv", PayloadPattern(70000, 2));
  const std::vector<ScriptEntry> entries = {Entry(0, "a.orv", false, 500), Entry(0, "b.orv", true, 70000)};
  WriteBytes("out.orv", {'o', 'l', 'd'});

  // The box comes while the temporary file is still there and open; it is removed once the box is
  // dismissed.
  ClearShownErrors();
  int temporaryWhileShown = -1;
  bool openWhileShown = false;
  SetWhileErrorShown([&] {
    temporaryWhileShown = TemporaryFileCount(".");
    for (const auto& file : std::filesystem::directory_iterator(".")) {
      if (file.path().extension() != ".tmp") continue;
#ifdef _WIN32
      // Windows refuses to remove a file that is open.
      std::error_code ec;
      openWhileShown = !std::filesystem::remove(file.path(), ec);
#else
      for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (std::filesystem::equivalent(fd.path(), file.path(), ec)) openWhileShown = true;
      }
#endif
    }
  });
  EXPECT_FALSE(BuildChangingTheDisk(
      entries, [] { std::filesystem::remove("b.orv"); }, &reporter_));
  EXPECT_EQ(temporaryWhileShown, 1);
  EXPECT_TRUE(openWhileShown);
  ASSERT_EQ(ShownErrors().size(), 1u);
  EXPECT_EQ(ShownErrors()[0], "Error opening \"b.orv\", aborting.");
  EXPECT_EQ(Output(), (Bytes{'o', 'l', 'd'}));
  EXPECT_TRUE(NoTemporaryFiles());

  // Unchanged, the same phases write the file.
  ClearShownErrors();
  Source("b.orv", PayloadPattern(70000, 2));
  EXPECT_TRUE(BuildChangingTheDisk(
      entries, [] {}, &reporter_));
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(Output(), ReferenceOrv({{0, false, PayloadPattern(500, 1)}, {0, true, PayloadPattern(70000, 2)}}));
}

TEST_F(OrvWriterTest, SuccessfulBuildReplacesThePreviousOutput) {
  const Bytes loop = PayloadPattern(1000, 6);
  Source("l.orv", loop);
  WriteBytes("out.orv", PayloadPattern(100000, 1));  // longer than the new file
  Script("0 null begin\n0 l.orv loop\n-1");
  Build();
  EXPECT_TRUE(built_);
  EXPECT_EQ(Output(), ReferenceOrv({{0, false, {}}, {0, true, loop}}));
  EXPECT_TRUE(NoTemporaryFiles());
}

}  // namespace
