// Every way a build can fail: the text shown, the box shown before files are closed, and the previous
// "out.orv" left byte for byte as it was, with no temporary file behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "build_fixture.h"
#include "orv_writer.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

TEST_F(BuildTest, SourceThatCannotBeOpened) {
  Script("0 missing.orv begin\n0 null loop\n-1");
  ExpectRefused("Error opening \"missing.orv\", aborting.");
}

TEST_F(BuildTest, SourceWithoutTheMagic) {
  Bytes notOrv = SourceFile(PayloadPattern(10, 1));
  notOrv[0] ^= 1;
  WriteBytes("x.orv", notOrv);
  Script("0 x.orv begin\n0 null loop\n-1");
  ExpectRefused("Error, \"x.orv\" is not an ORV.");
}

TEST_F(BuildTest, SourceWithMoreThanOneState) {
  Bytes twoStates = SourceFile(PayloadPattern(10, 1));
  twoStates[8] = 2;
  WriteBytes("x.orv", twoStates);
  Script("0 null begin\n0 x.orv loop\n-1");
  ExpectRefused("\"x.orv\" is not an ORV created with the Corvane Audio Tool, aborting to avoid problems.");
}

TEST_F(BuildTest, SourceTooShortForItsHeaderWords) {
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

TEST_F(BuildTest, SourceWithPayloadEndBeforeItsStart) {
  Bytes bad = SourceFile(PayloadPattern(10, 1));
  bad[44] = 55;
  bad[45] = 0;
  WriteBytes("x.orv", bad);
  Script("0 x.orv begin\n0 null loop\n-1");
  ExpectRefused("Error, \"x.orv\" gives its payload end as 55, before the payload start 56, aborting.");
}

TEST_F(BuildTest, SourceShorterThanItsPayload) {
  Bytes cut = SourceFile(PayloadPattern(100, 1));
  cut.resize(cut.size() - 1);
  WriteBytes("x.orv", cut);
  Script("0 x.orv begin\n0 null loop\n-1");
  ExpectRefused("Error, \"x.orv\" is 155 bytes long, shorter than the 156 bytes its header gives, aborting.");
}

TEST_F(BuildTest, SourceWithEmptyPayloadIsAccepted) {
  Source("e.orv", {});
  Script("0 e.orv begin\n0 e.orv loop\n-1");
  Build();
  EXPECT_TRUE(built_);
  EXPECT_EQ(WordAt(Output(), 8), 5);
}

TEST_F(BuildTest, OutputThatCannotBeCreated) {
  Script("-1");
  // An out.orv that cannot be written is not replaced behind the user's back.
  std::filesystem::create_directory("out.orv");
  Build();
  ASSERT_EQ(ShownErrors().size(), 1u);
  EXPECT_EQ(ShownErrors()[0], "Error opening out.orv, aborting.");
  EXPECT_TRUE(std::filesystem::is_directory("out.orv"));
  EXPECT_TRUE(NoTemporaryFiles());

#ifndef _WIN32
  // A link into a folder that is not there: no temporary file can be made beside its target.
  ClearShownErrors();
  std::filesystem::remove("out.orv");
  std::filesystem::create_symlink("gone/out.orv", "out.orv");
  Build();
  ASSERT_EQ(ShownErrors().size(), 1u);
  EXPECT_EQ(ShownErrors()[0], "Error opening out.orv, aborting.");
  EXPECT_TRUE(std::filesystem::is_symlink("out.orv"));
#endif
}

TEST_F(BuildTest, ErrorTextsAreShownWhole) {
  const std::string path = std::string(190, 'd') + "/miss.orv";
  Script("0 " + path + " begin\n-1");
  ExpectRefused("Error opening \"" + path + "\", aborting.");
  ClearShownErrors();
  std::filesystem::create_directory(std::string(190, 'd'));
  Bytes twoStates = SourceFile({});
  twoStates[8] = 7;
  WriteBytes(path, twoStates);
  ExpectRefused("\"" + path + "\" is not an ORV created with the Corvane Audio Tool, aborting to avoid problems.");
}

// The first failing entry stops the scan; later entries are never looked at.
TEST_F(BuildTest, ScanStopsAtTheFirstBadSource) {
  Script("0 first-missing begin\n0 " + std::string(300, 'x') + " loop\n-1");
  ExpectRefused("Error opening \"first-missing\", aborting.");
}

// The box comes before the files are closed: while it is shown the partial output still exists, and
// once it is dismissed the partial output is gone.
TEST_F(BuildTest, BoxIsShownBeforeTheBuildCleansUp) {
  Bytes notOrv = SourceFile({});
  notOrv[0] = 0;
  WriteBytes("bad.orv", notOrv);
  Script("0 bad.orv begin\n0 null loop\n-1");
  int openWhileShown = 0;
  SetWhileErrorShown([&] {
    for (const char* name : {"script.txt", "bad.orv"}) {
#ifdef _WIN32
      // Windows refuses to rename a file that is open.
      std::error_code ec;
      std::filesystem::rename(name, "moved", ec);
      if (ec)
        ++openWhileShown;
      else
        std::filesystem::rename("moved", name);
#else
      for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (std::filesystem::read_symlink(fd.path(), ec).filename() == name && !ec) ++openWhileShown;
      }
#endif
    }
  });
  Build();
  EXPECT_EQ(openWhileShown, 2) << "script and source are still open while the box is shown";
}

TEST_F(BuildTest, BuildsAfterAFailureStartAfresh) {
  Script("0 missing begin\n-1");
  Build();
  ClearShownErrors();
  Script("-1");
  Build();
  EXPECT_TRUE(built_);
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(Output().size(), 56u);
}

}  // namespace

// Only regular files are read: a folder, a pipe or a device is refused at once, never waited on.
TEST_F(BuildTest, InputsThatAreNotFilesAreRefusedWithoutWaiting) {
  const std::string notAFile = "Error reading \"script.txt\": it is not a regular file, aborting.";
  std::filesystem::create_directory("script.txt");
  ExpectRefused(notAFile);
  std::filesystem::remove("script.txt");

  std::filesystem::create_directory("folder.orv");
  Script("0 folder.orv begin\n0 null loop\n-1");
  ClearShownErrors();
  ExpectRefused("Error opening \"folder.orv\", aborting.");
#ifndef _WIN32
  ASSERT_EQ(mkfifo("pipe.orv", 0600), 0);
  Script("0 null begin\n0 pipe.orv loop\n-1");
  ClearShownErrors();
  ExpectRefused("Error opening \"pipe.orv\", aborting.");

  std::filesystem::remove("script.txt");
  ASSERT_EQ(mkfifo("script.txt", 0600), 0);
  ClearShownErrors();
  ExpectRefused(notAFile);
  std::filesystem::remove("script.txt");
  std::filesystem::create_symlink("/dev/zero", "script.txt");
  ClearShownErrors();
  ExpectRefused(notAFile);
#endif
}
