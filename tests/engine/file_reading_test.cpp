// What a build reads: only regular files, the script and every source alike; a folder, a pipe or a
// device is refused at once, never waited on.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "build_fixture.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

using FileReadingTest = BuildFixture;

TEST_F(FileReadingTest, InputsThatAreNotFilesAreRefusedWithoutWaiting) {
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

}  // namespace
