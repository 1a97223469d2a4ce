// Template 102 brought to life: the dialog and its controls as the window manager creates them,
// their classes, texts, styles, places, tab order and keyboard defaults.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "expected_dialog.h"
#include "window_geometry.h"
#include "window_text.h"

namespace {

int g_lastCommand = 0;

INT_PTR CALLBACK RecordingProc(HWND, UINT msg, WPARAM wparam, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;  // let the dialog manager focus the first tab stop
  if (msg == WM_COMMAND) {
    g_lastCommand = LOWORD(wparam);
    return TRUE;
  }
  return FALSE;
}

// One dialog for all the tests: under Wine without a window manager, destroying a shown
// top-level window waits two seconds for the window to be withdrawn.
class BuilderDialog : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dlg_ =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_BUILDER_DIALOG), nullptr, RecordingProc, 0);
    firstFocus_ = GetFocus();
  }
  static void TearDownTestSuite() {
    if (dlg_) DestroyWindow(dlg_);
    dlg_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(dlg_, nullptr) << "CreateDialogParam failed";
    g_lastCommand = 0;
  }

  // Pixels of a place given in dialog units. The dialog manager converts width and height on their
  // own, not the right and bottom edges, so this must too or the rounding differs by a pixel.
  static RECT ToPixels(short x, short y, short cx, short cy) {
    RECT r = {x, y, cx, cy};
    MapDialogRect(dlg_, &r);
    return {r.left, r.top, r.left + r.right, r.top + r.bottom};
  }

  static HWND dlg_;
  static HWND firstFocus_;
};

HWND BuilderDialog::dlg_ = nullptr;
HWND BuilderDialog::firstFocus_ = nullptr;

TEST_F(BuilderDialog, FrameCaptionAndClientSize) {
  EXPECT_EQ(WindowText(dlg_), expected::kCaption);

  const DWORD style = static_cast<DWORD>(GetWindowLongA(dlg_, GWL_STYLE));
  const DWORD wanted = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_THICKFRAME;
  EXPECT_EQ(style & wanted, wanted) << std::hex << style;
  EXPECT_EQ(style & (WS_CHILD | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u) << std::hex << style;
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(dlg_, GWL_EXSTYLE));
  EXPECT_TRUE(exStyle & WS_EX_APPWINDOW) << std::hex << exStyle;
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME) << std::hex << exStyle;  // what DS_MODALFRAME turns into

  RECT client;
  GetClientRect(dlg_, &client);
  const RECT want = ToPixels(0, 0, expected::kWidth, expected::kHeight);
  EXPECT_EQ(client.right, want.right);
  EXPECT_EQ(client.bottom, want.bottom);
}

TEST_F(BuilderDialog, FontIsMsSansSerif8) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(dlg_, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTA lf = {};
  ASSERT_NE(GetObjectA(font, sizeof(lf), &lf), 0);
  EXPECT_STREQ(lf.lfFaceName, expected::kTypeface);
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(lf.lfHeight, -MulDiv(expected::kPointSize, dpi, 72));
}

TEST_F(BuilderDialog, ChildrenInTableOrderWithClassTextStyleAndPlace) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(dlg_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  ASSERT_EQ(children.size(), static_cast<size_t>(expected::kControlCount));

  for (int i = 0; i < expected::kControlCount; ++i) {
    const ExpectedControl& want = expected::kControls[i];
    HWND child = children[static_cast<size_t>(i)];
    SCOPED_TRACE("control " + std::to_string(i) + " \"" + want.text + "\" id " + std::to_string(want.id));
    EXPECT_EQ(GetDlgCtrlID(child), want.id);
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, ClassName(child).c_str(), -1, want.windowClass, -1),
              CSTR_EQUAL)
        << ClassName(child);
    EXPECT_EQ(WindowText(child), want.text);
    // The system keeps WS_VSCROLL in step with the scroll bar it shows, and draws WS_BORDER on
    // lists and edits as a sunken client edge; every other bit must be as the template says.
    const DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE));
    const DWORD own = WS_VSCROLL | WS_BORDER;
    EXPECT_EQ(style & ~own, want.style & ~own) << std::hex << "got 0x" << style << ", want 0x" << want.style;
    EXPECT_EQ((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE), (want.style & WS_BORDER) != 0);
    EXPECT_EQ(exStyle & ~static_cast<DWORD>(WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY), 0u) << std::hex << exStyle;
    EXPECT_EQ(IsWindowVisible(child) != FALSE, (want.style & WS_VISIBLE) != 0);
    // The lists are not a whole number of items high (the dialog trims them itself); without
    // LBS_NOINTEGRALHEIGHT a list box would shrink itself and this comparison would fail.
    const RECT got = PlaceIn(dlg_, child);
    const RECT place = ToPixels(want.x, want.y, want.cx, want.cy);
    EXPECT_TRUE(EqualRect(&got, &place)) << "got " << Describe(got) << ", want " << Describe(place);
  }
}

TEST_F(BuilderDialog, TabCyclesThroughVisibleControlsInTableOrder) {
  // Each Browse... right after its box, Open... and Save... after all that was there before them; the
  // labels between them are no tab stops.
  const std::vector<int> want = {IDOK,          IDC_HANDLED_LIST, IDC_EVENT_LIST, IDC_BEGIN_EDIT, IDC_BROWSE_BEGIN,
                                 IDC_LOOP_EDIT, IDC_BROWSE_LOOP,  IDC_ADD,        IDC_REMOVE,     IDC_BUILD,
                                 IDC_OPEN,      IDC_SAVE};
  std::vector<int> got;
  HWND first = GetNextDlgTabItem(dlg_, nullptr, FALSE);
  HWND item = first;
  do {
    got.push_back(GetDlgCtrlID(item));
    item = GetNextDlgTabItem(dlg_, item, FALSE);
  } while (item && item != first && got.size() <= want.size());
  EXPECT_EQ(got, want);
}

TEST_F(BuilderDialog, ListsShowAScrollBarOnceTheyOverflow) {
  for (int id : {IDC_HANDLED_LIST, IDC_EVENT_LIST}) {
    SCOPED_TRACE("list " + std::to_string(id));
    HWND list = GetDlgItem(dlg_, id);
    for (int i = 0; i < 20; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
  }
}

TEST_F(BuilderDialog, ExitIsDefaultAndHasFirstFocus) {
  EXPECT_TRUE(SendMessageA(GetDlgItem(dlg_, IDOK), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
  EXPECT_EQ(firstFocus_, GetDlgItem(dlg_, IDOK));
}

TEST_F(BuilderDialog, EnterInEitherEditPressesExit) {
  for (int id : {IDC_BEGIN_EDIT, IDC_LOOP_EDIT}) {
    SCOPED_TRACE("edit " + std::to_string(id));
    g_lastCommand = 0;
    HWND edit = GetDlgItem(dlg_, id);
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    MSG msg = {edit, WM_KEYDOWN, VK_RETURN, 1, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessageA(dlg_, &msg));
    EXPECT_EQ(g_lastCommand, IDOK);
  }
}

}  // namespace
