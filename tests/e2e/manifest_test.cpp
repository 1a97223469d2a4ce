// The programs' one version, 1.0.0.1, as Explorer's properties page shows it and as their application
// manifests name it, and the manifests as Windows applies them.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <string>
#include <vector>

#include "builder_test.h"
#include "platform/wide_text.h"
#include "temp_dir.h"

namespace e2e {
namespace {

constexpr char kVersion[] = "1.0.0.1";

// The manifest resource of a program, read without running it; empty when it has none.
std::string ManifestOf(const char* exe) {
  const std::wstring path = std::filesystem::absolute(exe).wstring();
  const HMODULE module =
      ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) return std::string();
  std::string text;
  const HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  const HGLOBAL data = info != nullptr ? ::LoadResource(module, info) : nullptr;
  if (data != nullptr) text.assign(static_cast<const char*>(::LockResource(data)), ::SizeofResource(module, info));
  ::FreeLibrary(module);
  return text;
}

// The files of the modules loaded in a process, in lower case.
std::vector<std::wstring> ModulesOf(DWORD processId) {
  std::vector<std::wstring> files;
  const HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  if (process == nullptr) return files;
  HMODULE modules[512];
  DWORD bytes = 0;
  if (::K32EnumProcessModules(process, modules, sizeof(modules), &bytes)) {
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
      wchar_t name[MAX_PATH] = {};
      ::K32GetModuleFileNameExW(process, modules[i], name, MAX_PATH);
      std::wstring file = name;
      std::transform(file.begin(), file.end(), file.begin(), [](wchar_t c) { return std::towlower(c); });
      files.push_back(file);
    }
  }
  ::CloseHandle(process);
  return files;
}

TEST(Manifests, BothProgramsAskForTheUtf8CodePageAndTheDialogProgramForMore) {
  const std::string utf8 =
      "<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">UTF-8</activeCodePage>";
  const std::string tool = ManifestOf(ORVTOOL_PATH);
  EXPECT_TRUE(Has(tool, utf8)) << "orvtool.exe's manifest:\n" << tool;
  const std::string builder = ManifestOf(ORVBUILDER_EXE);
  EXPECT_TRUE(Has(builder, utf8)) << builder;
  EXPECT_TRUE(Has(tool, std::string("name=\"orvtool\" version=\"") + kVersion + "\"")) << tool;
  EXPECT_TRUE(Has(builder, std::string("name=\"ORVBuilder\" version=\"") + kVersion + "\"")) << builder;
  EXPECT_TRUE(Has(builder, "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"")) << builder;
  EXPECT_TRUE(Has(builder, ">true</dpiAware>")) << builder;
  EXPECT_TRUE(Has(builder, ">PerMonitorV2</dpiAwareness>")) << builder;
  EXPECT_TRUE(Has(builder, "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>")) << "Windows 10 and 11";
}

// The version block of the built ORVBuilder.exe: its fixed part and its strings, for file and product.
TEST(Manifests, TheProgramsVersionBlockSays1001ForFileAndProduct) {
  const std::wstring exe = std::filesystem::absolute(ORVBUILDER_EXE).wstring();
  std::vector<char> block(::GetFileVersionInfoSizeW(exe.c_str(), nullptr));
  ASSERT_FALSE(block.empty()) << "no version block";
  ASSERT_TRUE(::GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  for (DWORD high : {fixed->dwFileVersionMS, fixed->dwProductVersionMS}) EXPECT_EQ(high, 0x00010000u);  // 1.0
  for (DWORD low : {fixed->dwFileVersionLS, fixed->dwProductVersionLS}) EXPECT_EQ(low, 0x00000001u);    // 0.1
  for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
    wchar_t* text = nullptr;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    ASSERT_TRUE(::VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(Utf8FromWide(text), kVersion);
  }
}

using ProgramManifest = BuilderTest;

// Wine reports every window as per-monitor aware, manifest or not, so only the controls can tell here
// that the manifest took effect.
TEST_F(ProgramManifest, TheDialogRunsWithCommonControls6) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  bool common_controls_6 = false;
  for (const std::wstring& file : ModulesOf(app().processId()))
    if (Has(std::filesystem::path(file).u8string(), "microsoft.windows.common-controls_6595b64144ccf1df_6.") &&
        std::filesystem::path(file).filename() == L"comctl32.dll")
      common_controls_6 = true;
  EXPECT_TRUE(common_controls_6) << "no comctl32.dll of version 6 is loaded";
  Exit();
}

}  // namespace
}  // namespace e2e
