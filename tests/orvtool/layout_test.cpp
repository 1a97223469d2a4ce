#include "read/layout.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "orv_examples.h"

namespace {

constexpr std::int32_t kHuge = std::numeric_limits<std::int32_t>::max();

// "ok", or the first fault.
std::string Inspect(Bytes bytes, OrvLayout* layout = nullptr) {
  MemorySource source(std::move(bytes));
  OrvLayout local;
  std::string err;
  if (InspectOrv(&source, layout != nullptr ? layout : &local, &err)) return "ok";
  EXPECT_FALSE(err.empty());
  return err;
}

TEST(Layout, AcceptsWorkedExampleBuilds) {
  struct Case {
    const char* name;
    Bytes bytes;
    std::uint64_t headerLength;
    std::size_t states, rows;
  };
  const Case cases[] = {{"empty", EmptyBuild(), 56, 1, 2},
                        {"begin+loop", BeginLoopBuild(), 140, 5, 5},
                        {"two events", TwoEventBuild(), 264, 9, 6},
                        {"null begin", NullBeginBuild(), 116, 5, 3}};
  for (const Case& c : cases) {
    OrvLayout layout;
    EXPECT_EQ("ok", Inspect(c.bytes, &layout)) << c.name;
    EXPECT_EQ(c.bytes.size(), layout.fileSize) << c.name;
    EXPECT_EQ(c.headerLength, layout.headerLength) << c.name;
    EXPECT_EQ(c.states, layout.statesRead()) << c.name;
    EXPECT_EQ(c.rows, layout.rows.size()) << c.name;
  }
  OrvLayout layout;
  Inspect(TwoEventBuild(), &layout);
  ASSERT_EQ(2, layout.PairCount(6));
  EXPECT_EQ(1, layout.Pair(6, 0).eventId);
  EXPECT_EQ(4, layout.Pair(6, 0).chunkIndex);
  EXPECT_EQ(0, layout.Pair(6, 1).eventId);
  EXPECT_EQ(1, layout.Pair(6, 1).chunkIndex);
}

TEST(Layout, NamesEachBrokenRule) {
  // Offsets into BeginLoopBuild: state 1's pairCount at 32, state 2's first chunkIndex at 48,
  // chunkCount at 76, rows at 80 + 12 * r.
  struct Case {
    std::function<void(Bytes*)> breakIt;
    const char* expected;
  };
  const Case cases[] = {
      {[](Bytes* b) { SetWord(b, 0, 0x12345678); }, "magic 0x12345678, expected 0x3f35c28f"},
      {[](Bytes* b) { SetWord(b, 8, -1); }, "stateCount -1 is negative"},
      {[](Bytes* b) { SetWord(b, 8, kHuge); }, "stateCount 2147483647 does not fit in a file of 70240 bytes"},
      {[](Bytes* b) { SetWord(b, 32, -3); }, "state 1 has a negative pairCount -3"},
      {[](Bytes* b) { SetWord(b, 32, kHuge); }, "state 1 with pairCount 2147483647 runs past the end of the file"},
      {[](Bytes* b) { SetWord(b, 76, 1); }, "chunkCount 1 is below 2; a leading and a trailing row are always needed"},
      {[](Bytes* b) { SetWord(b, 76, kHuge); }, "the chunk table of 2147483647 rows runs past the end of the file"},
      {[](Bytes* b) { SetWord(b, 80, 139); }, "row 0 (leading): dataOffset 139, expected the header length 140"},
      {[](Bytes* b) { SetWord(b, 92, 141); }, "row 1: dataOffset 141, expected the header length 140"},
      {[](Bytes* b) { SetWord(b, 116, 240); }, "row 3: dataOffset 240 does not rise above row 2's 240"},
      {[](Bytes* b) { b->pop_back(); }, "row 4 (trailing): dataOffset 70240, but the file is 70239 bytes"},
      {[](Bytes* b) { SetWord(b, 88, 1); }, "row 0 (leading): stateIndex 0 and scaledLength 1, both must be 0"},
      {[](Bytes* b) { SetWord(b, 132, 2); }, "row 4 (trailing): stateIndex 2 and scaledLength 0, both must be 0"},
      {[](Bytes* b) { SetWord(b, 116, 60241); }, "row 2: chunk of 60001 bytes, more than 60000"},
      {[](Bytes* b) { SetWord(b, 100, 335); }, "row 1: scaledLength 335, expected 336 for a chunk of 100 bytes"},
      {[](Bytes* b) { SetWord(b, 96, 5); }, "row 1: stateIndex 5 outside the 5 states"},
      {[](Bytes* b) { SetWord(b, 96, -1); }, "row 1: stateIndex -1 outside the 5 states"},
      {[](Bytes* b) { SetWord(b, 48, 5); }, "state 2, pair 0: chunkIndex 5 outside the 5 chunk rows"},
      // Two faults: the earlier rule is the one named.
      {[](Bytes* b) {
         SetWord(b, 48, 9);
         SetWord(b, 124, 1);
       },
       "row 3: scaledLength 1, expected 37296 for a chunk of 10000 bytes"},
  };
  for (const Case& c : cases) {
    Bytes bytes = BeginLoopBuild();
    c.breakIt(&bytes);
    EXPECT_EQ(c.expected, Inspect(bytes));
  }
}

TEST(Layout, RefusesEveryTruncationWithoutReadingPastTheEnd) {
  for (const Bytes& whole : {EmptyBuild(), TwoEventBuild()}) {
    for (std::size_t length = 0; length < whole.size(); ++length) {
      const std::string err = Inspect(Prefix(whole, length));
      EXPECT_NE("ok", err) << "length " << length;
    }
  }
  EXPECT_EQ("the file is 3 bytes, too short to hold the magic", Inspect(Bytes(3, 0)));
  EXPECT_EQ("the file is 8 bytes, too short to hold stateCount", Inspect(Prefix(EmptyBuild(), 8)));
  EXPECT_EQ("the file ends at byte 28, before chunkCount at byte 28", Inspect(Prefix(EmptyBuild(), 28)));
}

TEST(Layout, RefusesHugeCountsInTinyFilesByTheirSize) {
  Bytes states = MakeOrv(kHuge, {0, kHuge}, {}, 0);
  states.resize(20);
  EXPECT_EQ("stateCount 2147483647 does not fit in a file of 20 bytes", Inspect(states));
  Bytes pairs = MakeOrv(1, {0, kHuge}, {}, 0);
  pairs.resize(20);
  EXPECT_EQ("state 0 with pairCount 2147483647 runs past the end of the file", Inspect(pairs));
  Bytes rows = MakeOrv(1, {0, 0}, {}, 0);
  SetWord(&rows, 20, kHuge);
  EXPECT_EQ("the chunk table of 2147483647 rows runs past the end of the file", Inspect(rows));
}

// Counts that do fit the file but would take more memory than the tool allows itself.
TEST(Layout, RefusesCountsBeyondWhatItHoldsInMemory) {
  Bytes big(13 * 1000 * 1000, 0);
  SetWord(&big, 0, static_cast<std::int32_t>(0x3F35C28F));
  SetWord(&big, 8, 1000001);
  EXPECT_EQ("stateCount 1000001 is more than orvtool reads (1000000)", Inspect(big));
  SetWord(&big, 8, 1);
  SetWord(&big, 16, 1000001);
  EXPECT_EQ("the states hold more pairs than orvtool reads (1000000)", Inspect(big));
  SetWord(&big, 16, 0);
  SetWord(&big, 20, 1000001);
  EXPECT_EQ("chunkCount 1000001 is more than orvtool reads (1000000)", Inspect(big));
}

}  // namespace
