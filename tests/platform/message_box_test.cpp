// Boxes shown through the windowing layer: fitted to the work area whatever their text, the size the
// system gives them kept where it fits.
#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/wnd.h"

namespace {

constexpr int kMessageTextId = 0xFFFF;

// What the timer saw of the box before it closed it.
struct Seen {
  const char* caption = nullptr;
  UINT_PTR timer = 0;
  HWND box = nullptr;
  RECT frame = {};
  int textWidth = 0;
  int textHeight = 0;
  int needWidth = 0;  // what the text needs at its width, drawn as its control draws it
  int needHeight = 0;
} g_seen;

void MeasureText(HWND label) {
  RECT client;
  ::GetClientRect(label, &client);
  g_seen.textWidth = client.right;
  g_seen.textHeight = client.bottom;
  wchar_t text[512] = {};
  ::GetWindowTextW(label, text, 512);
  HDC dc = ::GetDC(label);
  HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0)));
  const LONG style = ::GetWindowLongW(label, GWL_STYLE);
  UINT format = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | (style & SS_NOPREFIX ? DT_NOPREFIX : 0);
  if (style & SS_EDITCONTROL) format |= DT_EDITCONTROL;
  RECT need = {0, 0, client.right, 0};
  ::DrawTextW(dc, text, -1, &need, format);
  ::SelectObject(dc, previous);
  ::ReleaseDC(label, dc);
  g_seen.needWidth = need.right;
  g_seen.needHeight = need.bottom;
}

void CALLBACK InspectAndClose(HWND, UINT, UINT_PTR, DWORD) {
  const HWND box = ::FindWindowA("#32770", g_seen.caption);
  if (box == nullptr || !::IsWindowVisible(box)) return;  // not up yet
  ::KillTimer(nullptr, g_seen.timer);
  g_seen.box = box;
  ::GetWindowRect(box, &g_seen.frame);
  MeasureText(::GetDlgItem(box, kMessageTextId));
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// Runs show, which opens a box with this caption, and closes the box once it is seen.
void SeeBox(const char* caption, const std::function<void()>& show) {
  g_seen = Seen();
  g_seen.caption = caption;
  g_seen.timer = ::SetTimer(nullptr, 0, 50, &InspectAndClose);
  show();
  ::KillTimer(nullptr, g_seen.timer);
  ASSERT_NE(g_seen.box, nullptr) << "no box captioned " << caption;
}

RECT WorkArea() {
  RECT work = {};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

TEST(MessageBoxTest, ALongWordIsBrokenAndTheBoxKeepsToTheWorkArea) {
  const std::string text = "Error opening \"" + std::string(195, 'W') + ".orv\", aborting.";
  ASSERT_NO_FATAL_FAILURE(SeeBox("fit test", [&] { CWnd::OwnerlessMessageBox(text.c_str(), "fit test", MB_OK); }));
  const RECT work = WorkArea();
  const RECT& f = g_seen.frame;
  EXPECT_GE(f.left, work.left);
  EXPECT_GE(f.top, work.top);
  EXPECT_LE(f.right, work.right);
  EXPECT_LE(f.bottom, work.bottom);
  EXPECT_LE(f.right - f.left, (work.right - work.left) * 3 / 4);
  EXPECT_LE(g_seen.needWidth, g_seen.textWidth) << "a line is wider than the text's place";
  EXPECT_LE(g_seen.needHeight, g_seen.textHeight) << "the text has more lines than its place shows";
}

TEST(MessageBoxTest, ABoxThatFitsKeepsTheSizeTheSystemGivesIt) {
  const char text[] = "Only one handler per event. Remove the current handler if you want to add a new one.";
  ASSERT_NO_FATAL_FAILURE(SeeBox("system size", [&] { ::MessageBoxA(nullptr, text, "system size", MB_OK); }));
  const RECT system = g_seen.frame;
  ASSERT_NO_FATAL_FAILURE(SeeBox("fitted size", [&] { ShowMessageBox(nullptr, text, "fitted size", MB_OK); }));
  EXPECT_EQ(g_seen.frame.right - g_seen.frame.left, system.right - system.left);
  EXPECT_EQ(g_seen.frame.bottom - g_seen.frame.top, system.bottom - system.top);
}

}  // namespace
