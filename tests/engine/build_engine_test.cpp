// The build as a whole: worked examples of the ORV layout byte for byte with the progress lines a
// build prints, what a build and its dry run hand back, and how a build stops on a failure: its text
// reported before the files are closed, the first failure the only one.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "build_fixture.h"
#include "orv_examples.h"
#include "reference_orv.h"
#include "script_file.h"

namespace {

using BuildEngineTest = BuildFixture;

TEST_F(BuildEngineTest, EmptyScriptWritesTheSmallestFile) {
  Script("-1");
  EXPECT_EQ(Build(), "Processing script\n\nBuilding table2\nBuilding table1\nBuilding interactive ORV\n");
  EXPECT_TRUE(built_);
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(Output(), EmptyBuild());
  EXPECT_TRUE(NoTemporaryFiles());
}

TEST_F(BuildEngineTest, ShortBeginAndLongLoop) {
  const Bytes begin = PayloadPattern(100, 1), loop = PayloadPattern(70000, 2);
  Source("b.orv", begin);
  Source("l.orv", loop);
  Script("0 b.orv begin\n0 l.orv loop\n-1");
  EXPECT_EQ(Build(),
            "Processing script\n0 b.orv 0 64\n0 l.orv 1 11170\n\n"
            "Building table2\nBuilding table1\nBuilding interactive ORV\n");
  const Bytes expected = BeginLoopBuild(Concat(begin, loop));
  EXPECT_EQ(expected.size(), 70240u);
  EXPECT_EQ(Output(), expected);
}

TEST_F(BuildEngineTest, TwoEventsEachPairBeforeTheOthers) {
  const Bytes p[4] = {PayloadPattern(30, 1), PayloadPattern(30, 2), PayloadPattern(30, 3), PayloadPattern(30, 4)};
  Source("a", p[0]);
  Source("b", p[1]);
  Source("c", p[2]);
  Source("d", p[3]);
  Script("0 a begin\n0 b loop\n1 c begin\n1 d loop\n-1");
  Build();
  Bytes payload;
  for (const Bytes& b : p) payload = Concat(payload, b);
  const Bytes expected = TwoEventBuild(payload);
  EXPECT_EQ(expected.size(), 384u);
  EXPECT_EQ(Output(), expected);
}

TEST_F(BuildEngineTest, NullBeginSendsTheEventToTheLoop) {
  const Bytes loop = PayloadPattern(45, 9);
  Source("l.orv", loop);
  Script("0 null begin\n0 l.orv loop\n-1");
  EXPECT_EQ(Build(),
            "Processing script\n0 null 0 0\n0 l.orv 1 2d\n\n"
            "Building table2\nBuilding table1\nBuilding interactive ORV\n");
  const Bytes expected = NullBeginBuild(loop);
  EXPECT_EQ(Output(), expected);
}

// Chunk edges and short payloads, checked against the independent layout.
TEST_F(BuildEngineTest, ChunkEdges) {
  for (int length : {1, 29, 30, 59999, 60000, 60001, 120000, 120001}) {
    SCOPED_TRACE(length);
    const Bytes loop = PayloadPattern(static_cast<std::size_t>(length), 5);
    Source("l.orv", loop);
    Script("2 null begin\n2 l.orv loop\n-1");
    Build();
    ASSERT_TRUE(built_);
    EXPECT_EQ(Output(), ReferenceOrv({{2, false, {}}, {2, true, loop}}));
  }
}

TEST_F(BuildEngineTest, SixtyThousandAndOneBytesMakeTwoChunks) {
  Source("l.orv", PayloadPattern(60001, 3));
  Script("0 l.orv begin\n0 null loop\n-1");
  Build();
  const Bytes out = Output();
  // States: {0,1,0,1}, {0,0}, {0,1,0,t}, {0,0}, {0,1,0,t}: 16 words, then chunkCount at byte 76.
  ASSERT_EQ(WordAt(out, 76), 4);
  EXPECT_EQ(WordAt(out, 80 + 12 * 1 + 4), 1);  // first chunk: the entry's inner state
  EXPECT_EQ(WordAt(out, 80 + 12 * 1 + 8), 224000);
  EXPECT_EQ(WordAt(out, 80 + 12 * 2 + 4), 2);  // the one-byte chunk: its last state
  EXPECT_EQ(WordAt(out, 80 + 12 * 2 + 8), 0);
}

TEST_F(BuildEngineTest, NullLoopLeadsToTheNextEventsFirstChunk) {
  const Bytes a = PayloadPattern(10, 1), c = PayloadPattern(20, 2), d = PayloadPattern(30, 3);
  Source("a", a);
  Source("c", c);
  Source("d", d);
  Script("0 a begin\n0 null loop\n1 c begin\n1 d loop\n-1");
  Build();
  ASSERT_TRUE(built_);
  EXPECT_EQ(Output(), ReferenceOrv({{0, false, a}, {0, true, {}}, {1, false, c}, {1, true, d}}));
}

TEST_F(BuildEngineTest, ScriptsTheFrontEndWritesMatchTheIndependentLayout) {
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

// chunkCount follows the state words; walk the states to find it.
std::int32_t ChunkCountOf(const Bytes& out) {
  std::vector<int> pairCounts;
  std::size_t at = 0;
  if (!WalkStates(out, &pairCounts, &at)) {
    ADD_FAILURE() << "the states run past the end of the file's " << out.size() << " bytes";
    return -1;
  }
  return WordAt(out, at);
}

// The figures as the written file itself gives them.
void ExpectFiguresOfOutput(const BuildOutcome& outcome, const Bytes& out) {
  ASSERT_TRUE(outcome.written);
  EXPECT_EQ(outcome.fileSize, static_cast<std::int64_t>(out.size()));
  EXPECT_EQ(outcome.handlerCount, (WordAt(out, 8) - 1) / 4) << "two states an entry, two entries a handler";
  EXPECT_EQ(outcome.chunkCount, ChunkCountOf(out));
}

TEST_F(BuildEngineTest, AWrittenBuildTellsTheSizeHandlersAndChunksOfItsFile) {
  struct Case {
    const char* script;
    int handlers;
    int chunks;
  };
  Source("b.orv", PayloadPattern(100, 1));
  Source("l.orv", PayloadPattern(70000, 2));
  Source("c.orv", PayloadPattern(60001, 3));
  const Case cases[] = {
      {"-1", 0, 2},
      {"0 b.orv begin\n0 l.orv loop\n-1", 1, 5},
      {"0 null begin\n0 l.orv loop\n-1", 1, 4},
      {"0 b.orv begin\n0 l.orv loop\n1 c.orv begin\n1 null loop\n4 null begin\n4 b.orv loop\n-1", 3, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    Script(c.script);
    Build();
    const Bytes out = Output();
    ExpectFiguresOfOutput(outcome_, out);
    EXPECT_EQ(outcome_.handlerCount, c.handlers);
    EXPECT_EQ(outcome_.chunkCount, c.chunks);
  }
}

TEST_F(BuildEngineTest, AFailedBuildHandsBackNoFiguresAndReportsWhy) {
  Source("l.orv", PayloadPattern(100, 1));
  Script("0 l.orv begin\n0 l.orv loop\n-1");
  Build();
  ASSERT_TRUE(built_);

  // A failure in the writing, after a build that wrote: nothing of the earlier figures is left.
  std::filesystem::remove("out.orv");
  std::filesystem::create_directory("out.orv");
  Build();
  EXPECT_FALSE(outcome_.written);
  EXPECT_EQ(ShownErrors(), std::vector<std::string>{"Error opening out.orv, aborting."});
  EXPECT_EQ(outcome_.fileSize, 0);
  EXPECT_EQ(outcome_.handlerCount, 0);
  EXPECT_EQ(outcome_.chunkCount, 0);
  std::filesystem::remove("out.orv");

  // A script that cannot be opened is no failure to show: the reporter is told, by the script's name.
  ClearShownErrors();
  std::filesystem::remove("script.txt");
  Build();
  EXPECT_FALSE(outcome_.written);
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(reporter_.unopened, OpenFailure::kMissing);
  EXPECT_EQ(reporter_.unopenedScript, kScriptFileName);

  // Nor is one that succeeds.
  ClearShownErrors();
  Script("-1");
  Build();
  ExpectFiguresOfOutput(outcome_, Output());
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(reporter_.unopened, OpenFailure::kNone);
}

// The dry run is the build up to its writing: the same lines, figures and failures, and nothing written.
TEST_F(BuildEngineTest, ADryRunTellsWhatTheBuildWouldComeToAndWritesNothing) {
  Source("b.orv", PayloadPattern(100, 1));
  Source("l.orv", PayloadPattern(70000, 2));
  Script("0 b.orv begin\n0 l.orv loop\n-1");
  BuildPlan plan;
  ::testing::internal::CaptureStdout();
  const BuildOutcome dry = DryRunBuild(&plan, &reporter_);
  const std::string printed = ::testing::internal::GetCapturedStdout();
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_FALSE(dry.written);
  EXPECT_FALSE(std::filesystem::exists("out.orv"));
  EXPECT_TRUE(NoTemporaryFiles());
  ASSERT_EQ(plan.entryCount, 2);
  EXPECT_EQ(plan.tables->chunk(0).dataOffset, plan.tables->headerLength()) << "placed in the file";

  EXPECT_EQ(Build(), printed + "Building interactive ORV\n");
  ExpectFiguresOfOutput(outcome_, Output());
  EXPECT_EQ(dry.fileSize, outcome_.fileSize);
  EXPECT_EQ(dry.handlerCount, outcome_.handlerCount);
  EXPECT_EQ(dry.chunkCount, outcome_.chunkCount);

  std::filesystem::remove("l.orv");
  DryRunBuild(&plan, &reporter_);
  EXPECT_EQ(ShownErrors(), std::vector<std::string>{"Error opening \"l.orv\", aborting."});
  Script("-1");
  ClearShownErrors();
  std::filesystem::remove("out.orv");
  std::filesystem::create_directory("out.orv");
  DryRunBuild(&plan, &reporter_);
  EXPECT_EQ(ShownErrors(), std::vector<std::string>{"Error opening out.orv, aborting."});
  ClearShownErrors();
  std::filesystem::remove("script.txt");
  DryRunBuild(&plan, &reporter_);
  EXPECT_EQ(reporter_.unopened, OpenFailure::kMissing);
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_TRUE(std::filesystem::is_directory("out.orv"));
  EXPECT_TRUE(NoTemporaryFiles());
}

TEST_F(BuildEngineTest, MissingScriptShowsNothingAndTouchesNothing) {
  WriteBytes("out.orv", {'o', 'l', 'd'});
  EXPECT_EQ(Build(), "");
  EXPECT_FALSE(built_);
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(Output(), (Bytes{'o', 'l', 'd'}));
}

TEST_F(BuildEngineTest, ErrorTextsAreShownWhole) {
  const std::string path = std::string(190, 'd') + "/miss.orv";
  Script("0 " + path + " begin\n-1");
  ExpectRefused("Error opening \"" + path + "\", aborting.");
  ClearShownErrors();
  std::filesystem::create_directory(std::string(190, 'd'));
  Bytes twoStates = SourceFile({});
  twoStates[8] = 7;
  WriteBytes(path, twoStates);
  ExpectRefused("\"" + path + "\" is not an ORV created with the Corvane Audio Tool, aborting to avoid problems.");
}

// The first failing entry stops the scan; later entries are never looked at.
TEST_F(BuildEngineTest, ScanStopsAtTheFirstBadSource) {
  Script("0 first-missing begin\n0 " + std::string(300, 'x') + " loop\n-1");
  ExpectRefused("Error opening \"first-missing\", aborting.");
}

// The box comes before the files are closed: while it is shown the partial output still exists, and
// once it is dismissed the partial output is gone.
TEST_F(BuildEngineTest, BoxIsShownBeforeTheBuildCleansUp) {
  Bytes notOrv = SourceFile({});
  notOrv[0] = 0;
  WriteBytes("bad.orv", notOrv);
  Script("0 bad.orv begin\n0 null loop\n-1");
  int openWhileShown = 0;
  SetWhileErrorShown([&] {
    for (const char* name : {"script.txt", "bad.orv"}) {
#ifdef _WIN32
      // Windows refuses to rename a file that is open.
      std::error_code ec;
      std::filesystem::rename(name, "moved", ec);
      if (ec)
        ++openWhileShown;
      else
        std::filesystem::rename("moved", name);
#else
      for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (std::filesystem::read_symlink(fd.path(), ec).filename() == name && !ec) ++openWhileShown;
      }
#endif
    }
  });
  Build();
  EXPECT_EQ(openWhileShown, 2) << "script and source are still open while the box is shown";
}

// A build never writes over what it reads: out.orv named as a source, as the dialog's build may meet it,
// fails before anything is written, the failure telling the entry's line and which file is which.
TEST_F(BuildEngineTest, OutOrvAsASourceIsRefusedBeforeAnythingIsWritten) {
  Source("a.orv", PayloadPattern(100, 1));
  Script("0 a.orv begin\n0 out.orv loop\n-1");
  ExpectRefused("Error, \"out.orv\" is the build's output and cannot be one of its sources, aborting.");
  ASSERT_EQ(reporter_.details.size(), 1u);
  EXPECT_EQ(reporter_.details[0].line, 2);
  EXPECT_EQ(reporter_.details[0].writesInput, WrittenFile::kOutput);
  EXPECT_EQ(reporter_.details[0].input, "out.orv");
}

// A build that failed once its tables were built leaves nothing of them to the next one.
TEST_F(BuildEngineTest, BuildsAfterAFailureStartAfresh) {
  Source("a.orv", PayloadPattern(70000, 1));
  Script("0 a.orv begin\n0 a.orv loop\n1 null begin\n1 a.orv loop\n-1");
  std::filesystem::create_directory("out.orv");
  Build();
  ASSERT_EQ(ShownErrors(), std::vector<std::string>{"Error opening out.orv, aborting."});
  std::filesystem::remove("out.orv");
  ClearShownErrors();
  Script("-1");
  Build();
  EXPECT_TRUE(built_);
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(Output(), EmptyBuild());
}

}  // namespace
