// Files the layout allows but no build writes, at the sizes that once made the insight commands slow or
// greedy: each command runs in a child whose address space is limited well below what they took then.
// Time is for the benchmark (bench/insight_commands.sh) to show, not for a test to judge.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "limited_run.h"
#include "orv_bytes.h"
#include "orv_format.h"
#include "temp_dir.h"

namespace {

// One state of n pairs, events n - 1 down to 0 (so those a trace can name come last), sending even ones
// back to the one 30-byte chunk and odd ones to the trailing row; state 0 has no pairs, so the leading
// row leads to chunk 1.
Bytes OneStateOfManyPairs(std::int32_t n) {
  const std::int64_t h = 16 + 4 * (2 + 2 + 2 * static_cast<std::int64_t>(n)) + 12 * 3;
  Bytes out = Words({orv::kMagic, 0, 2, 0, 0, 0, n});
  out.reserve(static_cast<std::size_t>(h) + 30);
  for (std::int32_t i = n - 1; i >= 0; --i) {
    AppendWord(&out, i);
    AppendWord(&out, 1 + i % 2);
  }
  for (std::int64_t w : {std::int64_t{3}, h, std::int64_t{0}, std::int64_t{0}, h, std::int64_t{1}, std::int64_t{112},
                         h + 30, std::int64_t{0}, std::int64_t{0}})
    AppendWord(&out, w);
  out.resize(out.size() + 30, 0x5A);
  return out;
}

// n states and n rows: row r (1 to n - 2) is a chunk of one byte under state r, whose one pair sends
// event r % 15 to chunk r % (n - 2) + 1.
Bytes ManyStatesAndRows(std::int32_t n) {
  const std::int64_t chunks = n - 2;
  const std::int64_t h = 16 + 16 * static_cast<std::int64_t>(n) + 12 * static_cast<std::int64_t>(n);
  Bytes out = Words({orv::kMagic, 0, n, 0, 1, 0, 1});
  out.reserve(static_cast<std::size_t>(h + chunks));
  for (std::int64_t s = 1; s < n; ++s)
    for (std::int64_t w : {std::int64_t{0}, std::int64_t{1}, s % 15, s % chunks + 1}) AppendWord(&out, w);
  for (std::int64_t w : {std::int64_t{n}, h, std::int64_t{0}, std::int64_t{0}}) AppendWord(&out, w);
  for (std::int64_t r = 1; r <= chunks; ++r)
    for (std::int64_t w : {h + r - 1, r, std::int64_t{0}}) AppendWord(&out, w);
  for (std::int64_t w : {h + chunks, std::int64_t{0}, std::int64_t{0}}) AppendWord(&out, w);
  out.resize(out.size() + static_cast<std::size_t>(chunks), 0x5A);
  return out;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

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
  TempDir dir;
  const std::string path = dir.Path("rows.orv");
  WriteBytes(path, ManyStatesAndRows(1000000));

  // Once 300 MB for the text and 1.5 GB for the JSON; now what the program takes for a small file.
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

  // trace and graph hold the tables, some 100 MB of them here: trace takes no more than before, graph,
  // which once took 630 MB, under half of that.
  run = RunLimited({"trace", path, "1*3"}, 160 * kMiB);
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(EndsWith(run.tail, "next: chunk 4: \"Mission Accomplished\" Begin, piece 2 of 2, 1 bytes\n")) << run.tail;

  run = RunLimited({"graph", path}, 300 * kMiB);
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_TRUE(EndsWith(run.tail, "  e499998 -> end [label=\"any other event\", style=dashed];\n}\n")) << run.tail;
}

}  // namespace
