// The depfile's paths, escaped as gcc escapes them, colons too.
#include "report/depfile.h"

#include <gtest/gtest.h>

namespace {

// As gcc writes them, and make and ninja read them back: a backslash is a path's own but before a blank,
// a colon or '#', where it would be read as an escape, and is doubled there (Windows paths).
TEST(Depfile, PathsAreEscapedAsGccEscapesThem) {
  EXPECT_EQ(R"(music\ \#2\ $$final/a.orv)", DepfilePath("music #2 $final/a.orv"));
  EXPECT_EQ(R"(C:\music\a.orv)", DepfilePath(R"(C:\music\a.orv)"));
  EXPECT_EQ(R"(C:\my\\\ music\\#2\a.orv)", DepfilePath(R"(C:\my\ music\#2\a.orv)"));
  // A colon too, which Make would read as a second rule's, but a drive's.
  EXPECT_EQ(R"(C:/raid\:night/a\\\:b.orv)", DepfilePath(R"(C:/raid:night/a\:b.orv)"));
  EXPECT_EQ(R"(a\:b.orv)", DepfilePath("a:b.orv"));
  EXPECT_EQ("out.orv: script.txt \\\n  a.orv\n", DepfileRule("out.orv", {"script.txt", "a.orv"}));
  // gcc's -MP: each source an empty rule of its own, escaped as in the rule above.
  EXPECT_EQ("\nbay/skirmish\\:loop.orv:\n\na\\ b.orv:\n", DepfilePhonyRules({"bay/skirmish:loop.orv", "a b.orv"}));
}

// What Make or Ninja would read as more than a path is named, so the build can be refused; what gcc's
// escapes carry, and names merely like the refused ones, pass.
TEST(Depfile, PathsMakeOrNinjaWouldMisreadAreNamed) {
  EXPECT_EQ("holds a line end", DepfileMisreading("two\nlines.orv"));
  EXPECT_EQ("holds ';'", DepfileMisreading("b.orv;touch${IFS}PWNED;.orv"));
  EXPECT_EQ("holds '='", DepfileMisreading("SHELL=evil"));
  EXPECT_EQ("holds the control character 0x1B", DepfileMisreading("a\x1b[2Jb.orv"));
  EXPECT_EQ("begins with '~'", DepfileMisreading("~/theme.orv"));
  EXPECT_EQ("ends in '(...)'", DepfileMisreading("music/lib(theme)"));
  EXPECT_EQ("ends in '\\'", DepfileMisreading("music\\a\\"));
  for (const char* path :
       {"music #2 $final/a:b.orv", "C:\\PROGRA~1\\theme(1).orv", "d\xc3\xa9j\xc3\xa0.orv", "a,b@c!{d}.orv"})
    EXPECT_EQ("", DepfileMisreading(path)) << path;
}

}  // namespace
