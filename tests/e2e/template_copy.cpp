#include "template_copy.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace e2e {

namespace {

INT_PTR CALLBACK PlainProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

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

bool ScreenDpi(int* dpi, std::string* why) {
  HDC screen = ::GetDC(nullptr);
  *dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  const char* expected = std::getenv("ORV_EXPECT_DPI");
  if (expected == nullptr || *expected == '\0' || std::atoi(expected) == *dpi) return true;
  *why = "the run is at " + std::to_string(*dpi) + " dpi, not at the " + expected + " it was meant for";
  return false;
}

}  // namespace e2e
