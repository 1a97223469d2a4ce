#include "template_copy.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

namespace {

INT_PTR CALLBACK PlainProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// The program's dialog template, made hidden in this process; null when it cannot be read.
HWND TemplateCopy() {
  const std::wstring exe = std::filesystem::absolute(ORVBUILDER_EXE).wstring();
  const HMODULE module =
      ::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) return nullptr;
  const HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(102), MAKEINTRESOURCEW(5));  // RT_DIALOG
  const HGLOBAL data = info != nullptr ? ::LoadResource(module, info) : nullptr;
  HWND copy = nullptr;
  if (data != nullptr) {
    const BYTE* bytes = static_cast<const BYTE*>(::LockResource(data));
    std::vector<BYTE> dialog(bytes, bytes + ::SizeofResource(module, info));
    // DLGTEMPLATEEX: version, signature, help id, extended style, then the style.
    DWORD style;
    std::memcpy(&style, &dialog[12], sizeof(style));
    style &= ~static_cast<DWORD>(WS_VISIBLE);
    std::memcpy(&dialog[12], &style, sizeof(style));
    copy = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr),
                                        reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), nullptr, PlainProc, 0);
  }
  ::FreeLibrary(module);
  return copy;
}

// The screen's DPI. When the run was started for one, false with why in *why if the screen has another,
// as when the setting did not take.
bool ScreenDpi(int* dpi, std::string* why) {
  HDC screen = ::GetDC(nullptr);
  *dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  const char* expected = std::getenv("ORV_EXPECT_DPI");
  if (expected == nullptr || *expected == '\0' || std::atoi(expected) == *dpi) return true;
  *why = "the run is at " + std::to_string(*dpi) + " dpi, not at the " + expected + " it was meant for";
  return false;
}

}  // namespace

void TemplateCopyTest::SetUp() {
  BuilderTest::SetUp();
  ASSERT_NO_FATAL_FAILURE(Launch());
  std::string why;
  ASSERT_TRUE(ScreenDpi(&dpi_, &why)) << why;
  copy_ = TemplateCopy();
  ASSERT_NE(copy_, nullptr) << "the program's dialog template cannot be read";
  RECT copyClient;
  RECT appClient;
  ::GetClientRect(copy_, &copyClient);
  ::GetClientRect(app().dialog(), &appClient);
  ASSERT_TRUE(::EqualRect(&copyClient, &appClient)) << "the program lays its dialog out at another DPI";
}

void TemplateCopyTest::TearDown() {
  if (copy_ != nullptr) ::DestroyWindow(copy_);
}

}  // namespace e2e
