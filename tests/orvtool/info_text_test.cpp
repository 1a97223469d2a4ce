// The report and the file-backed byte source, on the worked examples.
#include "report/info_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "read/byte_source.h"
#include "read/source_verdict.h"
#include "report/info_json.h"
#include "orv_examples.h"
#include "temp_dir.h"

namespace {

OrvLayout Layout(Bytes bytes) {
  MemorySource source(std::move(bytes));
  OrvLayout layout;
  std::string err;
  InspectOrv(&source, &layout, &err);
  return layout;
}

TEST(OrvReport, ShowsPairsWithEventNamesAndRowsWithLengths) {
  Bytes bytes = TwoEventBuild();
  SetWord(&bytes, 180, 9);  // state 8's second pair: an event without a name
  const std::string text = FormatOrvLayout(Layout(bytes));
  EXPECT_NE(std::string::npos, text.find("  state 6: 2 pairs\n    event 1 \"Combat\" -> chunk 4\n"
                                         "    event 0 \"Cruising\" -> chunk 1\n"));
  EXPECT_NE(std::string::npos, text.find("    event 9 -> chunk 1\n"));
  EXPECT_NE(std::string::npos, text.find("chunk table: 6 rows, header length 264\n"));
  EXPECT_NE(std::string::npos, text.find("    4         354           8           112          30\n"));
  EXPECT_NE(std::string::npos, text.find("    5         384           0             0              trailing\n"));
  EXPECT_NE(std::string::npos, text.find("payload: 120 bytes, from byte 264 to 384\n"));
}

TEST(OrvReport, ShowsWhatWasReadBeforeAFault) {
  Bytes bytes = EmptyBuild();
  SetWord(&bytes, 28, 1);  // chunkCount
  const std::string text = FormatOrvLayout(Layout(bytes));
  EXPECT_NE(std::string::npos, text.find("event 0 \"Cruising\" -> chunk 1\nchunk table: 1 row\n"));
  EXPECT_EQ(std::string::npos, text.find("payload"));
}

TEST(OrvReport, NotesWhenABuildWouldTakeOtherBytesThanThePayloadArea) {
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

// Pipelines read the JSON with any library; people read it too, laid out as a library would write it.
TEST(OrvJson, IsLaidOutAsAJsonLibraryIndentsIt) {
  Bytes bytes = EmptyBuild();
  SetWord(&bytes, 4, 7);
  EXPECT_EQ(
      "{\n  \"file\": \"e.orv\",\n  \"size\": 56,\n  \"valid\": true,\n  \"error\": null,\n  \"stateCount\": 1,\n"
      "  \"states\": [\n    {\n      \"pairs\": [\n        {\n          \"event\": 0,\n"
      "          \"eventName\": \"Cruising\",\n          \"chunk\": 1\n        }\n      ]\n    }\n  ],\n"
      "  \"chunkCount\": 2,\n  \"chunks\": [\n    {\n      \"dataOffset\": 56,\n      \"stateIndex\": 0,\n"
      "      \"scaledLength\": 0,\n      \"length\": 0\n    },\n    {\n      \"dataOffset\": 56,\n"
      "      \"stateIndex\": 0,\n      \"scaledLength\": 0,\n      \"length\": null\n    }\n  ],\n"
      "  \"payloadBytes\": 0,\n  \"acceptableAsSource\": true,\n  \"warnings\": [\n"
      "    \"the word at byte 4 is 7, not 0\"\n  ]\n}\n",
      FormatOrvJson("e.orv", Layout(bytes), "", true));
  EXPECT_EQ(
      "{\n  \"file\": \"t.orv\",\n  \"size\": 3,\n  \"valid\": false,\n  \"error\": \"too short\",\n"
      "  \"stateCount\": null,\n  \"states\": [],\n  \"chunkCount\": null,\n  \"chunks\": [],\n"
      "  \"payloadBytes\": null,\n  \"acceptableAsSource\": false,\n  \"warnings\": []\n}\n",
      FormatOrvJson("t.orv", Layout(Bytes(3, 0)), "too short", false));
}

TEST(FileSource, ReadsAcrossBlocksAsMemoryDoes) {
  TempDir dir;
  const Bytes bytes = BeginLoopBuild();  // longer than one 64 KiB block
  FileSource file;
  std::string err;
  ASSERT_TRUE(file.Open(dir.Write("big.orv", bytes), &err)) << err;
  EXPECT_EQ(bytes.size(), file.Size());
  unsigned char got[12];
  ASSERT_TRUE(file.Read(65530, sizeof got, got));
  EXPECT_EQ(Bytes(bytes.begin() + 65530, bytes.begin() + 65542), Bytes(got, got + sizeof got));
  ASSERT_TRUE(file.Read(0, 4, got));  // back to the first block
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), Bytes(got, got + 4));
  EXPECT_FALSE(file.Read(bytes.size() - 3, 4, got));

  OrvLayout layout;
  EXPECT_TRUE(InspectOrv(&file, &layout, &err)) << err;
  EXPECT_FALSE(file.Open(dir.Path("missing.orv"), &err));
}

}  // namespace
