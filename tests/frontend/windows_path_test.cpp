// Windows paths as the dialog works them out on any system: a path made relative to a folder that holds
// it, full paths from a folder, the way from a folder to a file (climbing with "..", left full across
// drives and shares), a file's folder and name.
#include "windows_path.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsPathTest, FilesInOrUnderTheFolderLoseItsPrefixOthersStayWhole) {
  EXPECT_EQ(RelativeToFolder("C:\\work\\a.orv", "C:\\work"), "a.orv");
  EXPECT_EQ(RelativeToFolder("C:\\work\\music\\a.orv", "C:\\work"), "music\\a.orv");
  // The drive's root, and a folder given with its closing separator.
  EXPECT_EQ(RelativeToFolder("C:\\a.orv", "C:\\"), "a.orv");
  EXPECT_EQ(RelativeToFolder("C:\\work\\a.orv", "C:\\work\\"), "a.orv");
  // The file system ignores case, and takes either slash.
  EXPECT_EQ(RelativeToFolder("c:\\WORK\\Music\\a.orv", "C:\\work"), "Music\\a.orv");
  EXPECT_EQ(RelativeToFolder("C:/work/a.orv", "C:\\work"), "a.orv");
  // Only whole folder names count: a sibling that starts alike, another drive, a folder above.
  EXPECT_EQ(RelativeToFolder("C:\\workshop\\a.orv", "C:\\work"), "C:\\workshop\\a.orv");
  EXPECT_EQ(RelativeToFolder("D:\\work\\a.orv", "C:\\work"), "D:\\work\\a.orv");
  EXPECT_EQ(RelativeToFolder("C:\\a.orv", "C:\\work"), "C:\\a.orv");
  EXPECT_EQ(RelativeToFolder("C:\\work", "C:\\work"), "C:\\work");
  EXPECT_EQ(RelativeToFolder("\\\\server\\share\\a.orv", "\\\\server\\share"), "a.orv");
  // Letters outside ASCII are not folded: "É" and "é" are different bytes.
  EXPECT_EQ(RelativeToFolder("C:\\\xC3\xA9t\xC3\xA9\\a.orv", "C:\\\xC3\x89t\xC3\x89"), "C:\\\xC3\xA9t\xC3\xA9\\a.orv");
}

TEST(WindowsPathTest, FullPathsTakeRelativeOnesFromTheFolderAndResolveDots) {
  EXPECT_EQ(FullPathFrom("C:\\work", "a.orv"), "C:\\work\\a.orv");
  EXPECT_EQ(FullPathFrom("C:\\work\\sets", "..\\music\\a.orv"), "C:\\work\\music\\a.orv");
  EXPECT_EQ(FullPathFrom("C:\\work\\", "./music/../b.orv"), "C:\\work\\b.orv");
  // No higher than the root, as Windows has it.
  EXPECT_EQ(FullPathFrom("C:\\work", "..\\..\\..\\a.orv"), "C:\\a.orv");
  // Full paths stand alone; one from the root takes the folder's drive; a drive's own relative path
  // takes the folder only on that drive.
  EXPECT_EQ(FullPathFrom("C:\\work", "D:\\audio\\a.orv"), "D:\\audio\\a.orv");
  EXPECT_EQ(FullPathFrom("C:\\work", "\\audio\\a.orv"), "C:\\audio\\a.orv");
  EXPECT_EQ(FullPathFrom("C:\\work", "c:a.orv"), "c:\\work\\a.orv");
  EXPECT_EQ(FullPathFrom("C:\\work", "D:a.orv"), "D:\\a.orv");
  EXPECT_EQ(FullPathFrom("\\\\server\\share\\sets", "..\\a.orv"), "\\\\server\\share\\a.orv");
  EXPECT_EQ(FullPathFrom("C:\\work", "\\\\server\\share\\a.orv"), "\\\\server\\share\\a.orv");
}

TEST(WindowsPathTest, TheWayFromAFolderClimbsWhereItMustAndIsFullOnlyAcrossDrives) {
  // Under, beside, above.
  EXPECT_EQ(RelativePathFrom("C:\\work", "C:\\work\\music\\a.orv"), "music\\a.orv");
  EXPECT_EQ(RelativePathFrom("C:\\work\\sets", "C:\\work\\music\\combat_loop.orv"), "..\\music\\combat_loop.orv");
  EXPECT_EQ(RelativePathFrom("C:\\work\\a\\b", "C:\\x.orv"), "..\\..\\..\\x.orv");
  EXPECT_EQ(RelativePathFrom("C:\\", "C:\\work\\a.orv"), "work\\a.orv");
  // Names compare without regard to case; only whole names are shared ("work" is not in "workshop").
  EXPECT_EQ(RelativePathFrom("c:\\WORK\\Sets", "C:\\work\\sets\\a.orv"), "a.orv");
  EXPECT_EQ(RelativePathFrom("C:\\work", "C:\\workshop\\a.orv"), "..\\workshop\\a.orv");
  // No way between drives or shares: the path stays full.
  EXPECT_EQ(RelativePathFrom("C:\\work", "D:\\audio\\a.orv"), "D:\\audio\\a.orv");
  EXPECT_EQ(RelativePathFrom("C:\\work", "\\\\server\\share\\a.orv"), "\\\\server\\share\\a.orv");
  EXPECT_EQ(RelativePathFrom("\\\\server\\share\\sets", "\\\\SERVER\\share\\a.orv"), "..\\a.orv");
  EXPECT_EQ(RelativePathFrom("\\\\server\\one", "\\\\server\\two\\a.orv"), "\\\\server\\two\\a.orv");
}

TEST(WindowsPathTest, AFilesFolderAndName) {
  EXPECT_EQ(FolderOfFile("C:\\work\\sets\\music.txt"), "C:\\work\\sets");
  EXPECT_EQ(FolderOfFile("C:\\music.txt"), "C:\\");
  EXPECT_EQ(FileNameOf("C:\\work\\sets\\music.txt"), "music.txt");
  EXPECT_EQ(FileNameOf("C:music.txt"), "music.txt");
}

}  // namespace
