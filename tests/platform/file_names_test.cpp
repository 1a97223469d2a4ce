// The folder a path lies in, as the Open dialogs start in it: only one that exists, and none for no path.
#include "platform/file_names.h"

#include <gtest/gtest.h>

#include <string>

#include "temp_dir.h"

namespace {

TEST(FileNamesTest, TheHoldingFolderWhereItExistsElseNothing) {
  const TempDir dir("file-names");
  EXPECT_EQ(ExistingFolderOf(dir.Path("a.orv")), dir.Path());
  EXPECT_EQ(ExistingFolderOf(dir.Path("gone\\a.orv")), "");
  // A file at a drive's root is in the root itself, not in "C:".
  EXPECT_EQ(ExistingFolderOf("C:\\a.orv"), "C:\\");
  // An empty edit, or no set opened yet, names no folder.
  EXPECT_EQ(ExistingFolderOf(""), "");
}

}  // namespace
