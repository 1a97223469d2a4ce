// Every label of the dialog shows its whole text once the program has started, at the display's DPI
// (ORV_EXPECT_DPI, when set, names the one the run must have); labels that fitted keep their place.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "builder_test.h"
#include "template_copy.h"

namespace e2e {
namespace {

std::vector<HWND> ChildrenOf(HWND dialog) {
  std::vector<HWND> children;
  for (HWND c = ::GetWindow(dialog, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

RECT PlaceIn(HWND dialog, HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool IsGroupBox(HWND hwnd) {
  return ClassName(hwnd) == "Button" && (::GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

using Labels = BuilderTest;

TEST_F(Labels, EveryLabelShowsItsWholeTextAndOnlyCutOnesMove) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  const char* expectDpi = std::getenv("ORV_EXPECT_DPI");
  if (expectDpi != nullptr && *expectDpi != '\0') {
    ASSERT_EQ(dpi, std::atoi(expectDpi)) << "the run is not at the DPI it was meant for";
  }
  const HWND copy = TemplateCopy();
  ASSERT_NE(copy, nullptr);
  RECT copyClient;
  RECT appClient;
  ::GetClientRect(copy, &copyClient);
  ::GetClientRect(app().dialog(), &appClient);
  ASSERT_TRUE(::EqualRect(&copyClient, &appClient)) << "the program lays its dialog out at another DPI";
  const std::vector<HWND> before = ChildrenOf(copy);
  const std::vector<HWND> after = ChildrenOf(app().dialog());
  ASSERT_EQ(before.size(), after.size());

  HDC dc = ::GetDC(copy);
  HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(copy, WM_GETFONT, 0, 0)));
  int labels = 0;
  for (size_t i = 0; i < after.size(); ++i) {
    if (ClassName(after[i]) != "Static") continue;
    ++labels;
    const std::string text = WindowText(after[i]);
    SCOPED_TRACE("label \"" + text + "\"");
    const std::wstring wide = std::filesystem::u8path(text).wstring();
    SIZE need = {};
    ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &need);
    RECT was;
    RECT now;
    ::GetClientRect(before[i], &was);
    ::GetClientRect(after[i], &now);
    std::cout << "  at " << dpi << " dpi, \"" << text << "\": text " << need.cx << " x " << need.cy << " px, template "
              << was.right << " x " << was.bottom << ", shown " << now.right << " x " << now.bottom << "\n";
    EXPECT_LE(need.cx, now.right);
    EXPECT_LE(need.cy, now.bottom);

    const RECT placeWas = PlaceIn(copy, before[i]);
    const RECT placeNow = PlaceIn(app().dialog(), after[i]);
    if (need.cx <= was.right) {
      EXPECT_TRUE(::EqualRect(&placeWas, &placeNow)) << "a label that fitted has moved";
    }
    for (size_t j = 0; j < after.size(); ++j) {
      if (j == i || IsGroupBox(after[j]) || !::IsWindowVisible(after[j])) continue;
      RECT other = PlaceIn(app().dialog(), after[j]);
      RECT overlap;
      EXPECT_FALSE(::IntersectRect(&overlap, &placeNow, &other)) << "it covers control " << ::GetDlgCtrlID(after[j]);
    }
  }
  ::SelectObject(dc, previous);
  ::ReleaseDC(copy, dc);
  ::DestroyWindow(copy);
  EXPECT_EQ(labels, 4);
  Exit();
}

}  // namespace
}  // namespace e2e
