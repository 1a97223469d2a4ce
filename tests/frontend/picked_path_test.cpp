// A picked or dropped file goes into a source edit relative to the current folder where it can, and
// only ever in a form the build script can hold; where none fits, the edit is left with Add's words.
#include <gtest/gtest.h>

#include <string>

#include "handler_table.h"
#include "picked_path.h"

namespace {

std::string AddsWords(const std::string& path) {
  return PathProblem("Loop ORV", path.data(), static_cast<int>(path.size()));
}

TEST(PickedPathTest, APathTheScriptHoldsIsTakenAsItIs) {
  const WindowsName folder{"C:\\work", ""};
  EXPECT_EQ(PathForEdit("Begin ORV", {"C:\\work\\music\\a.orv", "C:\\work\\music\\a.orv"}, folder).path,
            "music\\a.orv");
  const EditPath outside = PathForEdit("Begin ORV", {"D:\\audio\\b.orv", ""}, folder);
  EXPECT_EQ(outside.path, "D:\\audio\\b.orv");
  EXPECT_EQ(outside.problem, "");
}

TEST(PickedPathTest, AWhiteSpaceOrOverlongNameFallsBackToItsShortForm) {
  const WindowsName folder{"C:\\my work", "C:\\MYWORK~1"};
  // The short file name is relative to the short folder.
  EXPECT_EQ(PathForEdit("Loop ORV", {"C:\\my work\\loop one.orv", "C:\\MYWORK~1\\LOOPON~1.ORV"}, folder).path,
            "LOOPON~1.ORV");
  // A folder without spaces whose short form Windows gives unchanged.
  EXPECT_EQ(PathForEdit("Loop ORV", {"C:\\work\\loop one.orv", "C:\\work\\LOOPON~1.ORV"}, {"C:\\work", ""}).path,
            "LOOPON~1.ORV");
  // Outside the folder the short form is absolute.
  EXPECT_EQ(PathForEdit("Loop ORV", {"D:\\a b\\c.orv", "D:\\AB~1\\c.orv"}, folder).path, "D:\\AB~1\\c.orv");

  const std::string deep = "C:\\work\\" + std::string(200, 'x') + ".orv";
  const EditPath shortened = PathForEdit("Loop ORV", {deep, "C:\\work\\XXXXXX~1.ORV"}, {"C:\\work", "C:\\work"});
  EXPECT_EQ(shortened.path, "XXXXXX~1.ORV");
  EXPECT_EQ(shortened.problem, "");
}

TEST(PickedPathTest, WithNoShortFormThatFitsTheEditIsLeftWithAddsWords) {
  const WindowsName folder{"C:\\work", "C:\\work"};
  const EditPath spaced = PathForEdit("Loop ORV", {"C:\\work\\loop one.orv", ""}, folder);
  EXPECT_EQ(spaced.path, "");
  EXPECT_EQ(spaced.problem, AddsWords("loop one.orv"));
  EXPECT_NE(spaced.problem, "");

  // A short form that still holds a space (a volume that keeps long names as their own short ones).
  const EditPath stillSpaced = PathForEdit("Loop ORV", {"C:\\work\\loop one.orv", "C:\\work\\loop one.orv"}, folder);
  EXPECT_EQ(stillSpaced.path, "");
  EXPECT_EQ(stillSpaced.problem, AddsWords("loop one.orv"));

  // Too long even in short form: 199 bytes of path is the most a script holds.
  const std::string longFolder = "C:\\" + std::string(190, 'f');
  const EditPath tooLong = PathForEdit("Loop ORV", {"D:\\" + std::string(200, 'y'), "D:\\" + std::string(200, 'Y')},
                                       {longFolder, longFolder});
  EXPECT_EQ(tooLong.path, "");
  EXPECT_EQ(tooLong.problem, AddsWords("D:\\" + std::string(200, 'y')));
}

TEST(PickedPathTest, WhatItPutsInAnEditIsNeverRefusedByAdd) {
  const WindowsName folder{"C:\\my work", "C:\\MYWORK~1"};
  const WindowsName files[] = {
      {"C:\\my work\\a.orv", "C:\\MYWORK~1\\a.orv"},
      {"C:\\my work\\sub dir\\a b.orv", ""},
      {"C:\\my work\\sub dir\\a b.orv", "C:\\MYWORK~1\\SUBDIR~1\\AB~1.ORV"},
      {"C:\\" + std::string(198, 'z'), ""},
      {"C:\\" + std::string(196, 'z'), ""},
      {"C:\\tab\there.orv", "C:\\tab\there.orv"},
  };
  for (const WindowsName& file : files) {
    SCOPED_TRACE(file.full);
    const EditPath edit = PathForEdit("Begin ORV", file, folder);
    EXPECT_NE(edit.path.empty(), edit.problem.empty());
    if (!edit.path.empty()) {
      EXPECT_EQ(PathProblem("Begin ORV", edit.path.data(), static_cast<int>(edit.path.size())), "");
    }
  }
}

}  // namespace
