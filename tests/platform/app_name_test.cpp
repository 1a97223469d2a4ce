// The application's name, as the class library takes it from the executable's file name.
#include "platform/app_name.h"

#include <gtest/gtest.h>

namespace {

TEST(AppNameTest, IsTheFileNameWithoutDirectoryAndExe) {
  EXPECT_EQ(AppNameFromPath("C:\\Program Files\\ORV\\ORVBuilder.exe"), "ORVBuilder");
  EXPECT_EQ(AppNameFromPath("C:/tools/ORVBuilder.EXE"), "ORVBuilder");
  EXPECT_EQ(AppNameFromPath("ORVBuilder.exe"), "ORVBuilder");
  EXPECT_EQ(AppNameFromPath("D:\\a.b\\orv.builder.exe"), "orv.builder");
  EXPECT_EQ(AppNameFromPath("C:\\bin\\ORVBuilder"), "ORVBuilder");
  EXPECT_EQ(AppNameFromPath("C:\\bin\\ORVBuilder.exe.bak"), "ORVBuilder.exe.bak");
  EXPECT_EQ(AppNameFromPath("C:\\bin\\"), "");
}

}  // namespace
