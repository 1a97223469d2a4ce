// Worked examples of the ORV layout, byte for byte, and the progress lines a build prints.
#include <gtest/gtest.h>

#include "build_fixture.h"
#include "orv_examples.h"
#include "reference_orv.h"

namespace {

TEST_F(BuildTest, EmptyScriptWritesTheSmallestFile) {
  Script("-1");
  EXPECT_EQ(Build(), "Processing script\n\nBuilding table2\nBuilding table1\nBuilding interactive ORV\n");
  EXPECT_TRUE(built_);
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(Output(), EmptyBuild());
  EXPECT_TRUE(NoTemporaryFiles());
}

TEST_F(BuildTest, ShortBeginAndLongLoop) {
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

TEST_F(BuildTest, TwoEventsEachPairBeforeTheOthers) {
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

TEST_F(BuildTest, NullBeginSendsTheEventToTheLoop) {
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
TEST_F(BuildTest, ChunkEdges) {
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

TEST_F(BuildTest, SixtyThousandAndOneBytesMakeTwoChunks) {
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

TEST_F(BuildTest, NullLoopLeadsToTheNextEventsFirstChunk) {
  const Bytes a = PayloadPattern(10, 1), c = PayloadPattern(20, 2), d = PayloadPattern(30, 3);
  Source("a", a);
  Source("c", c);
  Source("d", d);
  Script("0 a begin\n0 null loop\n1 c begin\n1 d loop\n-1");
  Build();
  ASSERT_TRUE(built_);
  EXPECT_EQ(Output(), ReferenceOrv({{0, false, a}, {0, true, {}}, {1, false, c}, {1, true, d}}));
}

}  // namespace
