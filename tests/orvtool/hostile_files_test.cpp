// Files the layout allows but no build writes, at the sizes that once made the insight commands slow or
// greedy: each command runs in a child whose address space is limited well below what they took then.
// Time is for the benchmark (bench/insight_commands.sh) to show, not for a test to judge.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ends_with.h"
#include "hostile_orv.h"
#include "limited_run.h"
#include "temp_dir.h"

namespace {

TEST(OrvtoolHostileFiles, OneStateOfAHundredThousandPairs) {
  TempDir dir;
  const std::string path = dir.Path("pairs.orv");
  WriteBytes(path, OneStateOfManyPairs(100000));

  LimitedRun run = RunLimited({"info", path}, 64 * kMiB);
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(EndsWith(run.tail, "layout: ok\n")) << run.tail;

  run = RunLimited({"info", "--json", path}, 64 * kMiB);
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(EndsWith(run.tail, "  \"warnings\": []\n}\n")) << run.tail;

  // The events a trace names come last in the state: a million chunk ends find them without a walk
  // through the pairs before them.
  run = RunLimited({"trace", path, "14*1000000", "1"}, 64 * kMiB);
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_EQ(1 + 2 * 1000001 + 1, run.lines);
  EXPECT_TRUE(EndsWith(run.tail, "  event 1 \"Combat\": state 1 sends it to row 2, the trailing row\nend\n"))
      << run.tail;

  // Every event its own label on the one edge back to the chunk or on to the end.
  run = RunLimited({"graph", path}, 64 * kMiB);
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(EndsWith(run.tail, "event 6\\nMission Accomplished\\nCombat / Dmg\\nCruising\"];\n}\n")) << run.tail;
}

TEST(OrvtoolHostileFiles, AMillionStatesAndRows) {
  TempDir dir("test", TempDir::kEnter);  // graph names the file as it is given, so its bytes do not vary
  const std::string path = dir.Path("rows.orv");
  WriteBytes(path, ManyStatesAndRows(1000000));

  // Once 300 MB for the text and 1.5 GB for the JSON; now the tables held, and the report printed as it
  // is made.
  LimitedRun run = RunLimited({"info", path}, 64 * kMiB);
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(EndsWith(run.tail, "build source: no, stateCount is 1000000, not 1\nlayout: ok\n")) << run.tail;
  EXPECT_GT(run.outBytes, 100 * 1000 * 1000);

  run = RunLimited({"info", "--json", path}, 64 * kMiB);
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(EndsWith(run.tail,
                       "\"length\": null\n    }\n  ],\n  \"payloadBytes\": 999998,\n"
                       "  \"acceptableAsSource\": false,\n  \"warnings\": []\n}\n"))
      << run.tail;

  // trace and graph hold the tables and the entries told from them, within the 160 MiB the insight
  // commands may take: the bytes recorded when they first held them (some 100 MB then). Where the pairs
  // send each event far across the table, each step is a look-up too.
  run = RunLimited({"trace", path, "1*3"}, 160 * kMiB);
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(EndsWith(run.tail, "next: chunk 4: \"Mission Accomplished\" Begin, piece 2 of 2, 1 bytes\n")) << run.tail;
  WriteBytes(dir.Path("jumps.orv"), ManyStatesAndRows(1000000, 499979));
  struct Recorded {
    std::vector<std::string> args;
    std::int64_t outBytes;
    std::uint64_t digest;
  };
  for (const Recorded& c : std::vector<Recorded>{
           {{"trace", "rows.orv", "14*1000000", "1"}, 119333242, 0x727756407187d5e7u},
           {{"graph", "rows.orv"}, 106677964, 0x75c2471138de846au},
           {{"trace", "jumps.orv", "14*1000000", "1"}, 116849864, 0xc6e02081c9c43badu},
           {{"graph", "jumps.orv"}, 128955614, 0xeac7d88bdc363eccu},
       }) {
    run = RunLimited(c.args, 160 * kMiB);
    EXPECT_EQ(0, run.status) << c.args[0] << " " << c.args[1] << ": " << run.err;
    EXPECT_EQ(c.outBytes, run.outBytes) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(c.digest, run.digest) << c.args[0] << " " << c.args[1];
  }

  // Held in less than it needs, diff's pieces cannot be kept: said in orvtool's voice, trouble, no
  // signal.
  if (!MemoryIsLimited()) GTEST_SKIP() << "the address sanitizer's children run without a limit";
  run = RunLimited({"diff", "--json", path, path}, 32 * kMiB);
  EXPECT_EQ(2, run.status);
  EXPECT_EQ("orvtool diff: out of memory\n", run.err);
}

// Rows of no entry that all look events up in one state of many pairs: what graph and diff say grows
// with the pairs times the rows only where each row must show them. Graph's edges once took 96 MiB
// here (and, under 512 MiB, a file under three times the size ended in an uncaught bad_alloc); diff
// printed 618 MB.
TEST(OrvtoolHostileFiles, OneStateSharedByThousandsOfRows) {
  const std::int32_t pairs = 3200, rows = 3200;
  TempDir dir;
  const std::string toFirst = dir.Path("to-first.orv"), toEnd = dir.Path("to-end.orv");
  WriteBytes(toFirst, OneStateSharedByRows(pairs, rows, 1));
  WriteBytes(toEnd, OneStateSharedByRows(pairs, rows, rows + 1));

  // A node a row, each with one edge back to row 1 labelled with every event and one running on.
  LimitedRun run = RunLimited({"graph", toFirst}, 32 * kMiB);
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_EQ(8 + rows + 1 + 2 * rows + 1, run.lines);
  EXPECT_GT(run.outBytes, std::int64_t{pairs} * rows * 10);
  EXPECT_TRUE(EndsWith(run.tail,
                       "\\nevent 3198\\nevent 3199\"];\n  r3200 -> end [label=\"any other event\", "
                       "style=dashed];\n}\n"))
      << run.tail;

  // The state's pairs are told once, under the places it serves; each is counted at every place.
  run = RunLimited({"diff", toFirst, toEnd}, 32 * kMiB);
  EXPECT_EQ(1, run.status) << run.err;
  EXPECT_LT(run.outBytes, 500 * 1000);
  EXPECT_EQ(3 + rows + 1 + 1 + pairs + 1, run.lines);
  EXPECT_TRUE(EndsWith(run.tail,
                       "    changed: event 3199: row 1 -> the end\n"
                       "different for the game: 10240000 transitions changed\n"))
      << run.tail;

  run = RunLimited({"diff", "--json", toFirst, toEnd}, 32 * kMiB);
  EXPECT_EQ(1, run.status) << run.err;
  EXPECT_LT(run.outBytes, 1500 * 1000);
  EXPECT_TRUE(EndsWith(run.tail,
                       "{\"at\":\"row 3200 at its end\",\"piece\":\"row 3200\"}]}\n  ],\n"
                       "  \"counts\": {\"piecesSame\":3200,\"piecesChanged\":0,\"piecesAdded\":0,\"piecesRemoved\":0,"
                       "\"transitionsChanged\":10240000,\"transitionsAdded\":0,\"transitionsRemoved\":0},\n"
                       "  \"same\": false\n}\n"))
      << run.tail;
}

}  // namespace
