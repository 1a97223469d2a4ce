// Which files a build takes as sources, and the text that refuses each of the others: the file is
// opened, its magic and state count read, and its payload end held against its length.
#include <gtest/gtest.h>

#include <string>

#include "build_fixture.h"

namespace {

using SourceCheckTest = BuildFixture;

TEST_F(SourceCheckTest, SourceThatCannotBeOpened) {
  Script("0 missing.orv begin\n0 null loop\n-1");
  ExpectRefused("Error opening \"missing.orv\", aborting.");
}

TEST_F(SourceCheckTest, SourceWithoutTheMagic) {
  Bytes notOrv = SourceFile(PayloadPattern(10, 1));
  notOrv[0] ^= 1;
  WriteBytes("x.orv", notOrv);
  Script("0 x.orv begin\n0 null loop\n-1");
  ExpectRefused("Error, \"x.orv\" is not an ORV.");
}

TEST_F(SourceCheckTest, SourceWithMoreThanOneState) {
  Bytes twoStates = SourceFile(PayloadPattern(10, 1));
  twoStates[8] = 2;
  WriteBytes("x.orv", twoStates);
  Script("0 null begin\n0 x.orv loop\n-1");
  ExpectRefused("\"x.orv\" is not an ORV created with the Corvane Audio Tool, aborting to avoid problems.");
}

TEST_F(SourceCheckTest, SourceTooShortForItsHeaderWords) {
  Bytes full = SourceFile({});
  full[8] = 2;  // even a wrong state count is not looked at in a file this short
  for (std::size_t length : {0u, 3u, 4u, 11u, 12u, 47u}) {
    SCOPED_TRACE(length);
    ClearShownErrors();
    WriteBytes("x.orv", Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length)));
    Script("0 x.orv begin\n0 null loop\n-1");
    ExpectRefused("Error, \"x.orv\" is not an ORV.");
  }
}

TEST_F(SourceCheckTest, SourceWithPayloadEndBeforeItsStart) {
  Bytes bad = SourceFile(PayloadPattern(10, 1));
  bad[44] = 55;
  bad[45] = 0;
  WriteBytes("x.orv", bad);
  Script("0 x.orv begin\n0 null loop\n-1");
  ExpectRefused("Error, \"x.orv\" gives its payload end as 55, before the payload start 56, aborting.");
}

TEST_F(SourceCheckTest, SourceShorterThanItsPayload) {
  Bytes cut = SourceFile(PayloadPattern(100, 1));
  cut.resize(cut.size() - 1);
  WriteBytes("x.orv", cut);
  Script("0 x.orv begin\n0 null loop\n-1");
  ExpectRefused("Error, \"x.orv\" is 155 bytes long, shorter than the 156 bytes its header gives, aborting.");
}

TEST_F(SourceCheckTest, SourceWithEmptyPayloadIsAccepted) {
  Source("e.orv", {});
  Script("0 e.orv begin\n0 e.orv loop\n-1");
  Build();
  EXPECT_TRUE(built_);
  EXPECT_EQ(WordAt(Output(), 8), 5);
}

}  // namespace
