// Where a build looks for a script's sources and puts its output by default: in the script's own
// folder, as the script's path names it, unless a source's path has a root.
#include "script_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptFolderTest, PathsAreTakenFromTheScriptsFolderUnlessRooted) {
  EXPECT_EQ(SourceOpenPath("script.txt", "a.orv"), "a.orv");
  EXPECT_EQ(SourceOpenPath("sets/boss.txt", "a.orv"), "sets/a.orv");
  EXPECT_EQ(SourceOpenPath("sets/boss.txt", "../shared/a.orv"), "sets/../shared/a.orv");
  EXPECT_EQ(SourceOpenPath("sets/boss.txt", "/music/a.orv"), "/music/a.orv");
  EXPECT_EQ(BesideScript("script.txt", "out.orv"), "out.orv");
  EXPECT_EQ(BesideScript("/sets/boss.txt", "out.orv"), "/sets/out.orv");
#ifdef _WIN32
  EXPECT_EQ(SourceOpenPath("sets\\boss.txt", "a.orv"), "sets\\a.orv");
  EXPECT_EQ(BesideScript("C:boss.txt", "out.orv"), "C:out.orv");
  for (const char* rooted : {"\\music\\a.orv", "C:a.orv", "C:\\music\\a.orv"})
    EXPECT_EQ(SourceOpenPath("sets/boss.txt", rooted), rooted);
#else
  // A backslash or a colon is a character of a name here.
  EXPECT_EQ(SourceOpenPath("sets\\boss.txt", "a.orv"), "a.orv");
  EXPECT_EQ(SourceOpenPath("sets/boss.txt", "C:a.orv"), "sets/C:a.orv");
#endif
}

}  // namespace
