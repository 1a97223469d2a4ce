// info's JSON report, laid out as a JSON library writes it.
#include "report/info_json.h"

#include <gtest/gtest.h>

#include "orv_examples.h"
#include "read_orv.h"

namespace {

std::string Json(const std::string& path, const OrvLayout& layout, const std::string& fault, bool source) {
  std::string text;
  WriteOrvJson(layout, path, fault, source, AppendTo(&text));
  return text;
}

// Pipelines read the JSON with any library; people read it too, laid out as a library would write it.
TEST(InfoJson, IsLaidOutAsAJsonLibraryIndentsIt) {
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
      Json("e.orv", Layout(bytes), "", true));
  EXPECT_EQ(
      "{\n  \"file\": \"t.orv\",\n  \"size\": 3,\n  \"valid\": false,\n  \"error\": \"too short\",\n"
      "  \"stateCount\": null,\n  \"states\": [],\n  \"chunkCount\": null,\n  \"chunks\": [],\n"
      "  \"payloadBytes\": null,\n  \"acceptableAsSource\": false,\n  \"warnings\": []\n}\n",
      Json("t.orv", Layout(Bytes(3, 0)), "too short", false));
}

}  // namespace
