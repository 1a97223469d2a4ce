// info's text report on the worked examples: the layout as far as it was read, and the verdict as a
// source.
#include "report/info_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "orv_examples.h"
#include "read/source_verdict.h"
#include "read_orv.h"

namespace {

// What info prints of the layout, as far as it was read, before its verdict as a source.
std::string LayoutText(const OrvLayout& layout) {
  std::string text;
  WriteInfoText(layout, "f.orv", SourceVerdict(), true, AppendTo(&text));
  return text.substr(0, text.find("build source:"));
}

TEST(InfoText, ShowsPairsWithEventNamesAndRowsWithLengths) {
  Bytes bytes = TwoEventBuild();
  SetWord(&bytes, 180, 9);  // state 8's second pair: an event without a name
  const std::string text = LayoutText(Layout(bytes));
  EXPECT_NE(std::string::npos, text.find("  state 6: 2 pairs\n    event 1 \"Combat\" -> chunk 4\n"
                                         "    event 0 \"Cruising\" -> chunk 1\n"));
  EXPECT_NE(std::string::npos, text.find("    event 9 -> chunk 1\n"));
  EXPECT_NE(std::string::npos, text.find("chunk table: 6 rows, header length 264\n"));
  EXPECT_NE(std::string::npos, text.find("    4         354           8           112          30\n"));
  EXPECT_NE(std::string::npos, text.find("    5         384           0             0              trailing\n"));
  EXPECT_NE(std::string::npos, text.find("payload: 120 bytes, from byte 264 to 384\n"));
}

TEST(InfoText, ShowsWhatWasReadBeforeAFault) {
  Bytes bytes = EmptyBuild();
  SetWord(&bytes, 28, 1);  // chunkCount
  const std::string text = LayoutText(Layout(bytes));
  EXPECT_NE(std::string::npos, text.find("event 0 \"Cruising\" -> chunk 1\nchunk table: 1 row\n"));
  EXPECT_EQ(std::string::npos, text.find("payload"));
}

TEST(InfoText, NotesWhenABuildWouldTakeOtherBytesThanThePayloadArea) {
  // One state, one chunk: a valid file, but its word at byte 44 is row 1's offset, 68, not the end.
  const Bytes bytes = MakeOrv(1, {0, 1, 0, 1}, {68, 0, 0, 68, 2, 112, 98, 0, 0}, 30);
  MemorySource source(bytes);
  const SourceVerdict verdict = JudgeSourceOf(&source);
  ASSERT_TRUE(verdict.accepted());
  EXPECT_EQ(
      "build source: yes, payload 12 bytes from byte 56 to 68\n"
      "  note: the file's own payload area is bytes 68 to 98; a build would take bytes 56 to 68 instead\n",
      FormatSourceVerdict(Layout(bytes), verdict, true));
  MemorySource empty(EmptyBuild());
  EXPECT_EQ("build source: yes, payload 0 bytes from byte 56 to 56\n",
            FormatSourceVerdict(Layout(EmptyBuild()), JudgeSourceOf(&empty), true));

  // No state count is taken for a built file's but the one a build writes, however far from it.
  for (const std::int32_t states : {std::numeric_limits<std::int32_t>::min(), -1, 0, 2, 4}) {
    Bytes odd = EmptyBuild();
    SetWord(&odd, 8, states);
    MemorySource oddSource(odd);
    EXPECT_EQ("build source: no, stateCount is " + std::to_string(states) + ", not 1\n",
              FormatSourceVerdict(Layout(odd), JudgeSourceOf(&oddSource), true));
  }
}

}  // namespace
