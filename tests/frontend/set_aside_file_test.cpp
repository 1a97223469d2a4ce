// A file of the user's under the hand-over script's name survives the program's own use of the name.
#include "set_aside_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::uint8_t> kUsers = {'0', ' ', 'a', '.', 'o', 'r', 'v', '\r', '\n', 0, 0xFF, '-', '1'};

std::vector<std::string> FolderNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(".")) names.push_back(entry.path().filename().string());
  return names;
}

class SetAsideFileTest : public ::testing::Test {
 protected:
  TempDir dir_{::testing::UnitTest::GetInstance()->current_test_info()->name(), TempDir::kEnter};
};

TEST_F(SetAsideFileTest, TheUsersFileMakesWayAndComesBackByteForByte) {
  WriteBytes("script.txt", kUsers);
  SetAsideFile kept("script.txt");
  ASSERT_TRUE(kept.MoveAside());
  EXPECT_FALSE(FileExists("script.txt")) << "the name is not free for the program's own file";
  ASSERT_NE(kept.asideName(), "");
  EXPECT_EQ(kept.asideName().rfind("script.txt.", 0), 0u) << kept.asideName();
  EXPECT_EQ(ReadBytes(kept.asideName()), kUsers);

  // The program's own file comes and goes under the name meanwhile.
  WriteText("script.txt", "-1");
  fs::remove("script.txt");
  EXPECT_TRUE(kept.PutBack());
  EXPECT_EQ(ReadBytes("script.txt"), kUsers);
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"script.txt"}) << "something is left aside";
  EXPECT_EQ(kept.asideName(), "");
}

TEST_F(SetAsideFileTest, AFolderStaysWhereItIs) {
  fs::create_directory("script.txt");
  SetAsideFile kept("script.txt");
  EXPECT_TRUE(kept.MoveAside());
  EXPECT_EQ(kept.asideName(), "");
  EXPECT_TRUE(fs::is_directory("script.txt"));
}

TEST_F(SetAsideFileTest, EveryWayOutOfTheScopePutsTheFileBack) {
  WriteBytes("script.txt", kUsers);
  {
    SetAsideFile kept("script.txt");
    ASSERT_TRUE(kept.MoveAside());
  }
  EXPECT_EQ(ReadBytes("script.txt"), kUsers);
  EXPECT_EQ(FolderNames().size(), 1u);
}

#ifndef _WIN32
// A link is the user's too: it is moved and put back as the link it was, its target never written.
TEST_F(SetAsideFileTest, ALinkComesBackAsALink) {
  WriteBytes("target.txt", kUsers);
  fs::create_symlink("target.txt", "script.txt");
  {
    SetAsideFile kept("script.txt");
    ASSERT_TRUE(kept.MoveAside());
    EXPECT_FALSE(fs::is_symlink(fs::symlink_status("script.txt")));
    WriteText("script.txt", "-1");
    fs::remove("script.txt");
  }
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status("script.txt")));
  EXPECT_EQ(fs::read_symlink("script.txt"), "target.txt");
  EXPECT_EQ(ReadBytes("target.txt"), kUsers);
}
#endif

}  // namespace
