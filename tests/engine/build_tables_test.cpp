// The tables a build cuts and builds for scripts the front end never writes, and the limits they
// keep: the file stays walkable, or the build is refused before anything is written.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "build_fixture.h"
#include "reference_orv.h"

namespace {

using BuildTablesTest = BuildFixture;

TEST_F(BuildTablesTest, UnbalancedScriptsStayWalkable) {
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
TEST_F(BuildTablesTest, LastBeginEntryTargetsTheTrailingRow) {
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

TEST_F(BuildTablesTest, TooManyStateWordsAreRefusedBeforeWriting) {
  // 200 Begin entries over 15 events: each of 400 states lists about 187 pairs.
  std::string script;
  for (int i = 0; i < 200; ++i) script += std::to_string(i % 15) + " null begin\n";
  Script(script + "-1");
  ExpectRefused("Error, the build needs more than 100000 state words, aborting.");
}

#ifdef __linux__
// Sparse sources make payloads past 2 GiB without the disk space.
TEST_F(BuildTablesTest, OffsetsBeyond32BitsAreRefusedBeforeWriting) {
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
  ClearShownErrors();
  BuildPlan plan;
  const BuildFiles files = {"script.txt", "sets/big.orv"};
  DryRunBuild(&plan, &reporter_, files);
  Script("0 huge.orv begin\n0 null loop\n-1");
  BuildFromScript(&reporter_, files);
  EXPECT_EQ(ShownErrors(),
            (std::vector<std::string>{
                "Error, the sources hold 4294967152 payload bytes, more than sets/big.orv's 32-bit offsets can "
                "address (2147483647), aborting.",
                "Error, sets/big.orv would be 2147913184 bytes long, more than its 32-bit offsets can address "
                "(2147483647), aborting."}));
}
#endif

}  // namespace
