// The names a file is kept under for a while: beside it, none guessable or offered twice, and tried
// again only while the one offered is taken.
#include "temporary_name.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(TemporaryNameTest, FreshNamesAreOfferedOnlyWhileTheLastWasTaken) {
  std::vector<std::string> offered;
  EXPECT_TRUE(UseTemporaryName("sets/out.orv", [&](const std::string& candidate) {
    offered.push_back(candidate);
    return offered.size() < 3 ? NameTry::kNameTaken : NameTry::kDone;
  }));
  ASSERT_EQ(offered.size(), 3u);
  const std::regex form(R"(sets/out\.orv\.[0-9a-f]{8}\.tmp)");
  for (const std::string& name : offered) EXPECT_TRUE(std::regex_match(name, form)) << name;
  EXPECT_EQ(std::set<std::string>(offered.begin(), offered.end()).size(), offered.size());

  // Any other failure ends the tries at once; names that are all taken end them after a hundred.
  for (const NameTry answer : {NameTry::kFailed, NameTry::kNameTaken}) {
    int tries = 0;
    EXPECT_FALSE(UseTemporaryName("out.orv", [&](const std::string&) {
      ++tries;
      return answer;
    }));
    EXPECT_EQ(tries, answer == NameTry::kFailed ? 1 : 100);
  }
}

}  // namespace
