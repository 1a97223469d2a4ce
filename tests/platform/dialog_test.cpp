#include "platform/dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/edit.h"
#include "platform/icon.h"
#include "platform/list_box.h"
#include "platform/paint_dc.h"
#include "test_app.h"
#include "test_resources.h"

namespace {

constexpr int kTimedOut = -2;
constexpr UINT_PTR kWatchdog = 1;
constexpr int kUnhandledId = 4321;

void CALLBACK EndOnTimeout(HWND hwnd, UINT, UINT_PTR, DWORD) {
  ::KillTimer(hwnd, kWatchdog);
  ::EndDialog(hwnd, kTimedOut);
}

// The test dialog: runs the test's action from its init hook (and from a click on its button), records
// what reaches the other hooks, and ends itself after a few seconds if the test's way of closing it
// fails, so that a fault shows as a wrong result instead of a hang.
class TestDialog : public CDialog {
 public:
  explicit TestDialog(int templateId = IDD_TEST_DIALOG) : CDialog(templateId) {}

  HWND Item(int id) const { return GetDlgItem(id).GetSafeHwnd(); }
  void Post(HWND target, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
    ::PostMessageA(target, message, wparam, lparam);
  }
  void PostClick(int id) { Post(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id))); }

  std::function<void(TestDialog&)> on_init;
  std::function<void(TestDialog&)> on_button;
  bool paint_self = false;
  HICON drag_icon = nullptr;

  bool init_ran = false;
  bool visible_at_init = true;
  int ok_calls = 0;
  int cancel_calls = 0;
  int paint_calls = 0;
  std::vector<std::pair<int, int>> commands;

 protected:
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    init_ran = true;
    visible_at_init = ::IsWindowVisible(hwnd_) != FALSE;
    ::SetTimer(hwnd_, kWatchdog, 5000, &EndOnTimeout);
    if (on_init) on_init(*this);
    return true;
  }
  bool OnCommand(int id, int code) override {
    commands.emplace_back(id, code);
    switch (id) {
      case IDC_TEST_BUTTON:
        if (code == BN_CLICKED && on_button) on_button(*this);
        return true;
      case IDC_TEST_LIST:
        return true;
      default:
        return false;
    }
  }
  void OnOK() override {
    ++ok_calls;
    CDialog::OnOK();
  }
  void OnCancel() override {
    ++cancel_calls;
    CDialog::OnCancel();
  }
  bool OnPaint() override {
    ++paint_calls;
    if (!paint_self) return CDialog::OnPaint();
    CPaintDC dc(*this);
    dc.DrawIcon(0, 0, drag_icon);
    return true;
  }
  HICON OnQueryDragIcon() override { return drag_icon; }
};

bool Contains(const std::vector<std::pair<int, int>>& commands, int id, int code) {
  for (const auto& c : commands) {
    if (c.first == id && c.second == code) return true;
  }
  return false;
}

TEST(DialogTest, InitHookRunsBeforeTheDialogShowsWithItsControlsThere) {
  TestDialog dialog;
  bool list_found = false;
  bool missing_found = true;
  dialog.on_init = [&](TestDialog& d) {
    list_found = d.Item(IDC_TEST_LIST) != nullptr;
    missing_found = d.Item(4242) != nullptr;
    d.Post(d.GetSafeHwnd(), WM_COMMAND, IDCANCEL);
  };
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(dialog.init_ran);
  EXPECT_FALSE(dialog.visible_at_init);
  EXPECT_TRUE(list_found);
  EXPECT_FALSE(missing_found);
  EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);  // the window is gone once DoModal returns
}

TEST(DialogTest, EveryWayOfClosingEndsTheDialogThroughOkOrCancel) {
  struct Way {
    const char* name;
    std::function<void(TestDialog&)> close;
    int result;
  };
  const Way ways[] = {
      {"Exit button", [](TestDialog& d) { d.Post(d.Item(IDOK), BM_CLICK); }, IDOK},
      {"Enter in the edit box", [](TestDialog& d) { d.Post(d.Item(IDC_TEST_EDIT), WM_KEYDOWN, VK_RETURN, 1); }, IDOK},
      {"Esc", [](TestDialog& d) { d.Post(d.Item(IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 1); }, IDCANCEL},
      {"close box", [](TestDialog& d) { d.Post(d.GetSafeHwnd(), WM_SYSCOMMAND, SC_CLOSE); }, IDCANCEL},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    TestDialog dialog;
    dialog.on_init = way.close;
    EXPECT_EQ(dialog.DoModal(), way.result);
    EXPECT_EQ(dialog.ok_calls, way.result == IDOK ? 1 : 0);
    EXPECT_EQ(dialog.cancel_calls, way.result == IDCANCEL ? 1 : 0);
  }
}

TEST(DialogTest, ControlNotificationsReachOnCommandByControlId) {
  TestDialog dialog;
  int selection = -1;
  dialog.on_init = [&](TestDialog& d) {
    CListBox list(d.GetDlgItem(IDC_TEST_LIST));
    list.AddString("Cruising");
    list.AddString("Combat");
    d.Post(d.Item(IDC_TEST_BUTTON), BM_CLICK);
    d.Post(d.Item(IDC_TEST_LIST), WM_KEYDOWN, VK_DOWN, 1);
    d.PostClick(IDC_TEST_BUTTON);  // read the list once the key has been handled, then close
  };
  int clicks = 0;
  dialog.on_button = [&](TestDialog& d) {
    if (++clicks < 2) return;
    selection = CListBox(d.GetDlgItem(IDC_TEST_LIST)).GetCurSel();
    d.EndDialog(IDOK);
  };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(Contains(dialog.commands, IDC_TEST_BUTTON, BN_CLICKED));
  EXPECT_TRUE(Contains(dialog.commands, IDC_TEST_LIST, LBN_SELCHANGE));
  EXPECT_GE(selection, 0);
}

TEST(DialogTest, UnhandledClicksAndHelpGoOnToTheApplication) {
  g_test_app.commands.clear();
  g_test_app.help_calls = 0;
  TestDialog dialog;
  dialog.on_init = [](TestDialog& d) {
    CEdit(d.GetDlgItem(IDC_TEST_EDIT)).SetWindowTextA("changed");  // a notification, not a click
    // What F1 sends to the focused control, which hands it on to its dialog. It carries a pointer,
    // so it cannot be posted.
    HELPINFO help = {sizeof(HELPINFO), HELPINFO_WINDOW, IDC_TEST_EDIT, d.Item(IDC_TEST_EDIT), 0, {0, 0}};
    ::SendMessageA(d.Item(IDC_TEST_EDIT), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    d.PostClick(kUnhandledId);
    d.PostClick(IDC_TEST_BUTTON);  // handled by the dialog
    d.Post(d.GetSafeHwnd(), WM_COMMAND, IDCANCEL);
  };
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(g_test_app.commands, (std::vector<int>{ID_HELP, kUnhandledId}));
  EXPECT_EQ(g_test_app.help_calls, 1);
}

TEST(DialogTest, AMissingTemplateFailsWithoutRunningTheInitHook) {
  TestDialog dialog(4242);
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_FALSE(dialog.init_ran);
}

// What the message box test's timer saw of the box.
struct BoxSeen {
  UINT_PTR timer = 0;
  HWND box = nullptr;
  HWND owner = nullptr;
  bool text_shown = false;
  int visible_buttons = 0;
  bool icon_shown = false;
} g_box;

BOOL CALLBACK InspectBoxChild(HWND child, LPARAM) {
  if (!::IsWindowVisible(child)) return TRUE;
  char cls[32] = {};
  char text[128] = {};
  ::GetClassNameA(child, cls, sizeof(cls));
  ::GetWindowTextA(child, text, sizeof(text));
  if (lstrcmpiA(cls, "Button") == 0) ++g_box.visible_buttons;
  if (lstrcmpiA(cls, "Static") == 0) {
    const bool icon_style = (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    if (icon_style && ::SendMessageA(child, STM_GETICON, 0, 0) != 0) g_box.icon_shown = true;
    if (std::string(text) == "Only one handler per event.") g_box.text_shown = true;
  }
  return TRUE;
}

void CALLBACK InspectAndCloseBox(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = ::FindWindowA("#32770", "platform_app_test");
  if (box == nullptr) return;  // not up yet
  ::KillTimer(nullptr, g_box.timer);
  g_box.box = box;
  g_box.owner = ::GetWindow(box, GW_OWNER);
  ::EnumChildWindows(box, &InspectBoxChild, 0);
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(DialogTest, MessageBoxIsOwnedByTheDialogAndCaptionedWithTheAppName) {
  g_box = BoxSeen();
  TestDialog dialog;
  HWND dialog_hwnd = nullptr;
  dialog.on_init = [](TestDialog& d) { d.PostClick(IDC_TEST_BUTTON); };
  dialog.on_button = [&](TestDialog& d) {
    dialog_hwnd = d.GetSafeHwnd();
    g_box.timer = ::SetTimer(nullptr, 0, 50, &InspectAndCloseBox);
    d.MessageBoxA("Only one handler per event.");
    d.EndDialog(IDOK);
  };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ASSERT_NE(g_box.box, nullptr) << "no box captioned with the application's name";
  EXPECT_EQ(g_box.owner, dialog_hwnd);
  EXPECT_TRUE(g_box.text_shown);
  EXPECT_EQ(g_box.visible_buttons, 1);
  EXPECT_FALSE(g_box.icon_shown);
}

TEST(DialogTest, TheModuleIconReachesTheFrameAndTheDragQuery) {
  TestDialog dialog;
  dialog.drag_icon = LoadAppIcon(IDI_TEST_ICON);
  ASSERT_NE(dialog.drag_icon, nullptr);
  EXPECT_EQ(LoadAppIcon(4242), nullptr);
  LRESULT big_icon = 0, small_icon = 0, dragged = 0;
  dialog.on_init = [&](TestDialog& d) {
    d.SetIcon(d.drag_icon, true);
    d.SetIcon(d.drag_icon, false);
    big_icon = d.SendMessageA(WM_GETICON, ICON_BIG);
    small_icon = d.SendMessageA(WM_GETICON, ICON_SMALL);
    dragged = d.SendMessageA(WM_QUERYDRAGICON);
    d.EndDialog(IDOK);
  };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(big_icon, reinterpret_cast<LRESULT>(dialog.drag_icon));
  EXPECT_EQ(small_icon, reinterpret_cast<LRESULT>(dialog.drag_icon));
  EXPECT_EQ(dragged, reinterpret_cast<LRESULT>(dialog.drag_icon));
}

TEST(DialogTest, PaintingEitherWayLeavesNothingToRepaint) {
  for (bool paint_self : {false, true}) {
    SCOPED_TRACE(paint_self ? "painted by the hook" : "left to the system");
    TestDialog dialog;
    dialog.paint_self = paint_self;
    dialog.drag_icon = LoadAppIcon(IDI_TEST_ICON);
    int paints = -1;
    bool pending = true;
    dialog.on_init = [](TestDialog& d) { d.PostClick(IDC_TEST_BUTTON); };
    dialog.on_button = [&](TestDialog& d) {
      ::UpdateWindow(d.GetSafeHwnd());
      d.paint_calls = 0;
      ::InvalidateRect(d.GetSafeHwnd(), nullptr, TRUE);
      ::UpdateWindow(d.GetSafeHwnd());
      paints = d.paint_calls;
      pending = ::GetUpdateRect(d.GetSafeHwnd(), nullptr, FALSE) != FALSE;
      d.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(paints, 1);
    EXPECT_FALSE(pending);
  }
}

}  // namespace
