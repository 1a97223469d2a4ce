// How a build puts the new out.orv in place: through a temporary file made exclusively beside the
// file it replaces, keeping what the user set on that file, following a link only where a planted one
// could not lead it astray, and cleaned up whatever goes wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "build_fixture.h"
#include "file_replacement.h"
#include "reference_orv.h"
#include "replacement_calls.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "other_user.h"
#endif

namespace fs = std::filesystem;

namespace {

using FileReplacementTest = BuildFixture;

TEST_F(FileReplacementTest, TemporaryFileIsNeverAnExistingOne) {
  WriteBytes("victim", {'v'});
  EXPECT_EQ(CreateNewFile("victim", nullptr), nullptr);
#ifndef _WIN32
  fs::create_symlink("victim", "planted");
  EXPECT_EQ(CreateNewFile("planted", nullptr), nullptr);
  fs::create_symlink("nowhere", "dangling");
  EXPECT_EQ(CreateNewFile("dangling", nullptr), nullptr);
  EXPECT_FALSE(fs::exists("nowhere"));
#endif
  EXPECT_EQ(ReadBytes("victim"), (Bytes{'v'}));
  EXPECT_NE(CreateNewFile("fresh", nullptr), nullptr);
}

// Two replacements of one file never share a temporary name, as two builds in one folder would not.
TEST_F(FileReplacementTest, ReplacementsUnderWayAtOnceHaveTheirOwnTemporaryFiles) {
  WriteBytes("out.orv", {'o', 'l', 'd'});
  FileReplacement first, second;
  ASSERT_TRUE(first.Begin("out.orv"));
  ASSERT_TRUE(second.Begin("out.orv"));
  EXPECT_EQ(TemporaryFileCount("."), 2);
  second.Discard();
  first.Discard();
  EXPECT_TRUE(NoTemporaryFiles());
}

// A rename that fails leaves the temporary file for Discard, and whatever holds the name untouched.
TEST_F(FileReplacementTest, FailedRenameLeavesTheOldFileAndNoTemporaryFile) {
  WriteBytes("out.orv", {'o', 'l', 'd'});
  FileReplacement first;
  ASSERT_TRUE(first.Begin("out.orv"));
  std::fputs("new", first.file());
  // out.orv turns into a folder that is not empty, which no rename can replace.
  fs::remove("out.orv");
  fs::create_directories("out.orv/kept");
  EXPECT_EQ(first.Commit(), FileReplacement::kRenameFailed);
  first.Discard();
  EXPECT_TRUE(fs::is_directory("out.orv/kept"));
  EXPECT_TRUE(NoTemporaryFiles());
}

#ifndef _WIN32
mode_t Permissions(const std::string& path) {
  struct stat st;
  EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

// The access list as getfacl prints it, numerically.
std::string AccessList(const std::string& path) {
  const std::string listing = "acl.txt";
  EXPECT_EQ(std::system(("getfacl -cpn '" + path + "' >" + listing).c_str()), 0);
  const Bytes text = ReadBytes(listing);
  fs::remove(listing);
  return std::string(text.begin(), text.end());
}

TEST_F(FileReplacementTest, ReplacedOutputKeepsItsPermissionBits) {
  Script("-1");
  WriteBytes("out.orv", {'o', 'l', 'd'});
  for (mode_t mode : {0600u, 0640u, 0604u}) {
    ASSERT_EQ(chmod("out.orv", mode), 0);
    Build();
    ASSERT_TRUE(built_);
    EXPECT_EQ(Permissions("out.orv"), mode);
  }
  EXPECT_EQ(Output(), ReferenceOrv({}));
}

// A link at out.orv stays a link: the file it points to is replaced, in its own folder.
TEST_F(FileReplacementTest, LinkAtTheOutputIsFollowed) {
  Source("a.orv", PayloadPattern(70000, 1));
  Script("0 a.orv begin\n0 null loop\n-1");
  const Bytes built = ReferenceOrv({{0, false, PayloadPattern(70000, 1)}, {0, true, {}}});
  fs::create_directories("assets/music");
  WriteBytes("assets/music/level1.orv", {'o', 'l', 'd'});
  ASSERT_EQ(chmod("assets/music/level1.orv", 0640), 0);
  fs::create_symlink("music/level1.orv", "assets/current");
  fs::create_symlink("assets/current", "out.orv");  // a link to a link

  Build();
  ASSERT_TRUE(built_);
  EXPECT_TRUE(fs::is_symlink("out.orv"));
  EXPECT_TRUE(fs::is_symlink("assets/current"));
  EXPECT_EQ(ReadBytes("assets/music/level1.orv"), built);
  EXPECT_EQ(Permissions("assets/music/level1.orv"), 0640u);
  EXPECT_TRUE(NoTemporaryFiles() && NoTemporaryFiles("assets/music"));

  // A link whose target is not there yet gets it made.
  fs::remove("out.orv");
  fs::create_symlink("assets/music/level2.orv", "out.orv");
  Build();
  ASSERT_TRUE(built_);
  EXPECT_TRUE(fs::is_symlink("out.orv"));
  EXPECT_EQ(ReadBytes("assets/music/level2.orv"), built);
}

// Root rebuilding a user's file: it stays the user's, in the user's group, with its access list.
TEST_F(FileReplacementTest, ReplacedOutputKeepsItsOwnerGroupAndAccessList) {
  if (geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  Script("-1");
  WriteBytes("out.orv", {'o', 'l', 'd'});
  ASSERT_EQ(chown("out.orv", kOtherUser, kOtherUser), 0);
  ASSERT_EQ(chmod("out.orv", 0600), 0);
  if (std::system("setfacl -m u:12345:r,g:12346:rw out.orv 2>/dev/null") != 0)
    GTEST_SKIP() << "no setfacl here, or no access lists on this file system";
  const std::string before = AccessList("out.orv");
  ASSERT_NE(before.find("user:12345:r--"), std::string::npos) << before;

  Build();
  ASSERT_TRUE(built_);
  EXPECT_EQ(Output(), ReferenceOrv({}));
  struct stat st;
  ASSERT_EQ(stat("out.orv", &st), 0);
  EXPECT_EQ(st.st_uid, kOtherUser);
  EXPECT_EQ(st.st_gid, kOtherUser);
  EXPECT_EQ(AccessList("out.orv"), before);

  // A file with no list gets none, not one its folder would give to new files.
  ASSERT_EQ(std::system("setfacl -b out.orv && setfacl -d -m u:12345:rw ."), 0);
  Build();
  ASSERT_TRUE(built_);
  EXPECT_EQ(AccessList("out.orv").find("12345"), std::string::npos) << AccessList("out.orv");
}

// In a folder anyone may write to and only owners may delete from, as the system's temporary folder,
// a link another user planted is not followed: it could send a build to a file only root may write.
TEST_F(FileReplacementTest, LinkPlantedInASharedFolderIsRefused) {
  const std::string asOther = AsOtherUser();
  if (asOther.empty()) GTEST_SKIP() << "cannot run a command as another user here (needs root and setpriv)";
  Script("-1");
  WriteBytes("root-only.orv", {'o', 'l', 'd'});
  ASSERT_EQ(chmod("root-only.orv", 0600), 0);
  fs::create_directories("shared");
  ASSERT_EQ(chmod("shared", 01777), 0);
  const std::string target = fs::absolute("root-only.orv").string();
  ASSERT_EQ(std::system((asOther + "ln -s '" + target + "' shared/out.orv").c_str()), 0);
  fs::rename("script.txt", "shared/script.txt");
  fs::current_path("shared");

  Build();
  EXPECT_FALSE(built_);
  EXPECT_EQ(ShownErrors(), std::vector<std::string>{"Error opening out.orv, aborting."});
  EXPECT_EQ(ReadBytes(target), (Bytes{'o', 'l', 'd'}));
  EXPECT_TRUE(fs::is_symlink("out.orv"));
  EXPECT_TRUE(NoTemporaryFiles() && NoTemporaryFiles(".."));

  // The same link is followed where its maker owns the folder, or where the folder is not shared.
  for (const char* how : {"chown 65534 .", "chmod 0777 ."}) {
    ASSERT_EQ(std::system((std::string("chown 0 . && chmod 01777 . && ") + how).c_str()), 0);
    ClearShownErrors();
    Build();
    EXPECT_TRUE(built_) << how;
    EXPECT_EQ(ReadBytes(target), ReferenceOrv({})) << how;
    WriteBytes(target, {'o', 'l', 'd'});
  }
  // And a link of the process's own user, in a shared folder of another's.
  ASSERT_EQ(std::system("chown 65534 . && chmod 01777 . && rm out.orv"), 0);
  fs::create_symlink(target, "out.orv");
  Build();
  EXPECT_TRUE(built_);
  EXPECT_EQ(ReadBytes(target), ReferenceOrv({}));
}
#endif

}  // namespace
