// Scripts and sources the front end never makes, and disks that misbehave: the build still writes a
// walkable file or refuses cleanly, never a corrupt one.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
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

// Walks the state records by their pair counts; returns the counts, or fails the test.
std::vector<int> PairCounts(const Bytes& file) {
  std::vector<int> counts;
  std::size_t at = 0;
  const bool walked = WalkStates(file, &counts, &at);
  EXPECT_TRUE(walked) << "the states run past the end of the file's " << file.size() << " bytes";
  if (!walked) return counts;
  EXPECT_LE(at + 8, file.size()) << "no leading row after the states";
  if (at + 8 > file.size()) return counts;
  // The chunk table follows the last record: its leading row points at the header's end.
  const int chunkCount = WordAt(file, at);
  EXPECT_EQ(static_cast<std::size_t>(WordAt(file, at + 4)), at + 4 + 12 * static_cast<std::size_t>(chunkCount));
  return counts;
}

TEST_F(BuildTest, ScriptsTheFrontEndWritesMatchTheIndependentLayout) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    std::vector<RefEntry> entries;
    std::string script;
    int file = 0;
    for (int event = 0; event <= 9; ++event) {
      if (random() % 2) continue;
      for (bool loop : {false, true}) {
        const bool none = !loop && random() % 4 == 0;
        const std::size_t length = random() % 3 == 0 ? random() % 130000 : random() % 100;
        Bytes payload = none ? Bytes{} : PayloadPattern(length, static_cast<std::uint8_t>(file));
        std::string path = "null";
        if (!none) {
          path = "s" + std::to_string(file++) + ".orv";
          Source(path, payload);
        }
        script += std::to_string(event) + " " + path + (loop ? " loop\n" : " begin\n");
        entries.push_back({event, loop, payload});
      }
    }
    Script(script + "-1");
    Build();
    ASSERT_TRUE(built_) << script;
    const Bytes out = Output();
    ASSERT_EQ(out, ReferenceOrv(entries)) << script;

    // With one Begin and one Loop per event the counts are the classic n / 2 - 1 and n / 2.
    const int n = static_cast<int>(entries.size());
    const std::vector<int> counts = PairCounts(out);
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(2 * n + 1));
    for (std::size_t e = 0; e < entries.size(); ++e) {
      EXPECT_EQ(counts[2 * e + 1], n / 2 - 1);
      EXPECT_EQ(counts[2 * e + 2], n / 2);
    }
  }
}

TEST_F(BuildTest, UnbalancedScriptsStayWalkable) {
  const Bytes p = PayloadPattern(50, 1);
  Source("p.orv", p);
  const std::vector<std::pair<std::string, std::vector<RefEntry>>> cases = {
      {"0 p.orv begin\n-1", {{0, false, p}}},
      {"0 p.orv begin\n1 p.orv begin\n1 p.orv begin\n-1", {{0, false, p}, {1, false, p}, {1, false, p}}},
      {"20 p.orv begin\n20 p.orv loop\n3 p.orv begin\n-1", {{20, false, p}, {20, true, p}, {3, false, p}}},
      {"-5 null begin\n14 p.orv begin\n15 p.orv begin\n-1", {{-5, false, {}}, {14, false, p}, {15, false, p}}},
  };
  for (const auto& [script, entries] : cases) {
    SCOPED_TRACE(script);
    Script(script + "");
    Build();
    ASSERT_TRUE(built_);
    EXPECT_EQ(Output(), ReferenceOrv(entries));
    PairCounts(Output());
  }
}

// A script ending on a Begin entry sends that event to the trailing row, even after a larger build
// has left other values in the tables.
TEST_F(BuildTest, LastBeginEntryTargetsTheTrailingRow) {
  const Bytes big = PayloadPattern(200000, 3), small = PayloadPattern(10, 4);
  Source("big.orv", big);
  Source("small.orv", small);
  Script("0 big.orv begin\n0 big.orv loop\n1 big.orv begin\n1 big.orv loop\n-1");
  Build();
  Script("2 small.orv begin\n-1");
  Build();
  const Bytes out = Output();
  EXPECT_EQ(out, ReferenceOrv({{2, false, small}}));
  // state 2 = {0, 1, 2, target}: words 8 to 11 of the state table; the trailing row is row 2.
  EXPECT_EQ(WordAt(out, 12 + 4 * 6 + 12), 2);
}

TEST_F(BuildTest, TooManyStateWordsAreRefusedBeforeWriting) {
  // 200 Begin entries over 15 events: each of 400 states lists about 187 pairs.
  std::string script;
  for (int i = 0; i < 200; ++i) script += std::to_string(i % 15) + " null begin\n";
  Script(script + "-1");
  ExpectRefused("Error, the build needs more than 100000 state words, aborting.");
}

#ifdef __linux__
// Sparse sources make payloads past 2 GiB without the disk space.
TEST_F(BuildTest, OffsetsBeyond32BitsAreRefusedBeforeWriting) {
  Bytes header = SourceFile({});
  const std::int64_t end = 0x7FFFFFF0;
  header[44] = static_cast<std::uint8_t>(end);
  header[45] = static_cast<std::uint8_t>(end >> 8);
  header[46] = static_cast<std::uint8_t>(end >> 16);
  header[47] = static_cast<std::uint8_t>(end >> 24);
  WriteBytes("huge.orv", header);
  std::filesystem::resize_file("huge.orv", static_cast<std::uintmax_t>(end));
  Script("0 huge.orv begin\n0 null loop\n-1");
  ExpectRefused(
      "Error, out.orv would be 2147913184 bytes long, more than its 32-bit offsets can address "
      "(2147483647), aborting.");
  ClearShownErrors();
  Script("0 huge.orv begin\n0 huge.orv loop\n-1");
  ExpectRefused(
      "Error, the sources hold 4294967152 payload bytes, more than out.orv's 32-bit offsets can "
      "address (2147483647), aborting.");

  // Both refusals name the output the caller gave, in a build and in its dry run alike.
  BuildPlan plan;
  const BuildFiles files = {"script.txt", "sets/big.orv"};
  EXPECT_EQ(DryRunBuild(&plan, files).failure,
            "Error, the sources hold 4294967152 payload bytes, more than sets/big.orv's 32-bit offsets can "
            "address (2147483647), aborting.");
  Script("0 huge.orv begin\n0 null loop\n-1");
  EXPECT_EQ(BuildWithOutcome(files).failure,
            "Error, sets/big.orv would be 2147913184 bytes long, more than its 32-bit offsets can address "
            "(2147483647), aborting.");
}

// A file size limit stands in for a full disk. The build itself keeps SIGXFSZ from ending the process,
// so the limit is reported as a write error.
TEST_F(BuildTest, WriteFailureIsReportedAndLeavesThePreviousOutput) {
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
bool BuildChangingTheDisk(const std::vector<ScriptEntry>& entries, const std::function<void()>& change) {
  auto tables = std::make_unique<BuildTables>();
  tables->Reset();
  std::string err;
  const int n = static_cast<int>(entries.size());
  EXPECT_TRUE(tables->CutChunks(entries.data(), n, kOutputFileName, &err) && tables->BuildStates(&err) &&
              tables->PlaceInFile(kOutputFileName, &err))
      << err;
  std::vector<CheckedSource> sources;
  for (const ScriptEntry& entry : entries) sources.push_back(Checked(entry.path));
  change();
  return WriteOrvFile(*tables, entries.data(), sources.data(), n);
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
TEST_F(BuildTest, SourceChangedBetweenScanAndCopyFailsTheBuild) {
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
    EXPECT_FALSE(BuildChangingTheDisk(entries, change.second)) << change.first;
    ASSERT_EQ(ShownErrors().size(), 1u) << change.first;
    EXPECT_EQ(ShownErrors()[0], changed) << change.first;
    EXPECT_EQ(Output(), (Bytes{'o', 'l', 'd'})) << change.first;
    EXPECT_TRUE(NoTemporaryFiles()) << change.first;
  }
}

TEST_F(BuildTest, SourceThatVanishesDuringTheBuild) {
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
  EXPECT_FALSE(BuildChangingTheDisk(entries, [] { std::filesystem::remove("b.orv"); }));
  EXPECT_EQ(temporaryWhileShown, 1);
  EXPECT_TRUE(openWhileShown);
  ASSERT_EQ(ShownErrors().size(), 1u);
  EXPECT_EQ(ShownErrors()[0], "Error opening \"b.orv\", aborting.");
  EXPECT_EQ(Output(), (Bytes{'o', 'l', 'd'}));
  EXPECT_TRUE(NoTemporaryFiles());

  // Unchanged, the same phases write the file.
  ClearShownErrors();
  Source("b.orv", PayloadPattern(70000, 2));
  EXPECT_TRUE(BuildChangingTheDisk(entries, [] {}));
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(Output(), ReferenceOrv({{0, false, PayloadPattern(500, 1)}, {0, true, PayloadPattern(70000, 2)}}));
}

TEST_F(BuildTest, SuccessfulBuildReplacesThePreviousOutput) {
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
