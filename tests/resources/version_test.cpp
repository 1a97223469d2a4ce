// The version block that Explorer's properties page shows for the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "orv_version.h"

namespace {

class VersionBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    char path[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_NE(size, 0u) << "no version block, error " << GetLastError();
    block_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block_.data()));
  }

  // The string under \StringFileInfo\040904B0, or "(missing)".
  std::string Text(const char* name) {
    const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block_.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
      return "(missing)";
    return std::string(value);
  }

  std::vector<char> block_;
};

TEST_F(VersionBlock, FixedPartGivesTheProjectVersionForFileAndProduct) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block_.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const DWORD high = ORV_VERSION_MAJOR << 16 | ORV_VERSION_MINOR;
  const DWORD low = ORV_VERSION_PATCH << 16 | ORV_VERSION_TWEAK;
  EXPECT_EQ(fixed->dwFileVersionMS, high);
  EXPECT_EQ(fixed->dwFileVersionLS, low);
  EXPECT_EQ(fixed->dwProductVersionMS, high);
  EXPECT_EQ(fixed->dwProductVersionLS, low);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask & (VS_FF_DEBUG | VS_FF_PRERELEASE), 0u);
}

TEST_F(VersionBlock, StringsAreUsEnglishUnicode) {
  WORD* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(
      VerQueryValueA(block_.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 0x04B0);

  EXPECT_EQ(Text("FileVersion"), ORV_VERSION_TEXT);
  EXPECT_EQ(Text("ProductVersion"), ORV_VERSION_TEXT);
  EXPECT_EQ(Text("ProductName"), "ORV Builder");
  EXPECT_EQ(Text("OriginalFilename"), "ORVBuilder.exe");
  EXPECT_EQ(Text("InternalName"), "ORVBuilder");
  for (const char* name : {"FileDescription", "CompanyName", "LegalCopyright"}) {
    const std::string text = Text(name);
    EXPECT_NE(text, "(missing)") << name;
    EXPECT_FALSE(text.empty()) << name;
  }
}

}  // namespace
