#include "platform/dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "message_box_view.h"
#include "platform/edit.h"
#include "platform/list_box.h"
#include "platform/paint_dc.h"
#include "seen_box.h"
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

  std::function<void(TestDialog&)> onInit;
  std::function<void(TestDialog&)> onButton;
  bool paintSelf = false;
  HICON dragIcon = nullptr;

  bool initRan = false;
  bool visibleAtInit = true;
  int okCalls = 0;
  int cancelCalls = 0;
  int paintCalls = 0;
  std::vector<std::pair<int, int>> commands;

 protected:
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    initRan = true;
    visibleAtInit = ::IsWindowVisible(hwnd_) != FALSE;
    ::SetTimer(hwnd_, kWatchdog, 5000, &EndOnTimeout);
    if (onInit) onInit(*this);
    return true;
  }
  bool OnCommand(int id, int code) override {
    commands.emplace_back(id, code);
    switch (id) {
      case IDC_TEST_BUTTON:
        if (code == BN_CLICKED && onButton) onButton(*this);
        return true;
      case IDC_TEST_LIST:
        return true;
      default:
        return false;
    }
  }
  void OnOK() override {
    ++okCalls;
    CDialog::OnOK();
  }
  void OnCancel() override {
    ++cancelCalls;
    CDialog::OnCancel();
  }
  bool OnPaint() override {
    ++paintCalls;
    if (!paintSelf) return CDialog::OnPaint();
    CPaintDC dc(*this);
    dc.DrawIcon(0, 0, dragIcon);
    return true;
  }
  HICON OnQueryDragIcon() override { return dragIcon; }
};

bool Contains(const std::vector<std::pair<int, int>>& commands, int id, int code) {
  for (const auto& c : commands) {
    if (c.first == id && c.second == code) return true;
  }
  return false;
}

TEST(DialogTest, InitHookRunsBeforeTheDialogShowsWithItsControlsThere) {
  TestDialog dialog;
  bool listFound = false;
  bool missingFound = true;
  dialog.onInit = [&](TestDialog& d) {
    listFound = d.Item(IDC_TEST_LIST) != nullptr;
    missingFound = d.Item(4242) != nullptr;
    d.Post(d.GetSafeHwnd(), WM_COMMAND, IDCANCEL);
  };
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(dialog.initRan);
  EXPECT_FALSE(dialog.visibleAtInit);
  EXPECT_TRUE(listFound);
  EXPECT_FALSE(missingFound);
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
      {"Enter in the edit control", [](TestDialog& d) { d.Post(d.Item(IDC_TEST_EDIT), WM_KEYDOWN, VK_RETURN, 1); },
       IDOK},
      {"Esc", [](TestDialog& d) { d.Post(d.Item(IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 1); }, IDCANCEL},
      {"close button", [](TestDialog& d) { d.Post(d.GetSafeHwnd(), WM_SYSCOMMAND, SC_CLOSE); }, IDCANCEL},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    TestDialog dialog;
    dialog.onInit = way.close;
    EXPECT_EQ(dialog.DoModal(), way.result);
    EXPECT_EQ(dialog.okCalls, way.result == IDOK ? 1 : 0);
    EXPECT_EQ(dialog.cancelCalls, way.result == IDCANCEL ? 1 : 0);
  }
}

TEST(DialogTest, ControlNotificationsReachOnCommandByControlId) {
  TestDialog dialog;
  int selection = -1;
  dialog.onInit = [&](TestDialog& d) {
    CListBox list(d.GetDlgItem(IDC_TEST_LIST));
    list.AddString("Cruising");
    list.AddString("Combat");
    d.Post(d.Item(IDC_TEST_BUTTON), BM_CLICK);
    d.Post(d.Item(IDC_TEST_LIST), WM_KEYDOWN, VK_DOWN, 1);
    d.PostClick(IDC_TEST_BUTTON);  // read the list once the key has been handled, then close
  };
  int clicks = 0;
  dialog.onButton = [&](TestDialog& d) {
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
  g_testApp.commands.clear();
  g_testApp.helpCalls = 0;
  TestDialog dialog;
  dialog.onInit = [](TestDialog& d) {
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
  EXPECT_EQ(g_testApp.commands, (std::vector<int>{ID_HELP, kUnhandledId}));
  EXPECT_EQ(g_testApp.helpCalls, 1);
}

TEST(DialogTest, AMissingTemplateFailsWithoutRunningTheInitHook) {
  TestDialog dialog(4242);
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_FALSE(dialog.initRan);
}

TEST(DialogTest, MessageBoxIsOwnedByTheDialogAndCaptionedWithTheAppName) {
  TestDialog dialog;
  HWND dialogHwnd = nullptr;
  bool seen = false;
  MessageBoxView box;
  dialog.onInit = [](TestDialog& d) { d.PostClick(IDC_TEST_BUTTON); };
  dialog.onButton = [&](TestDialog& d) {
    dialogHwnd = d.GetSafeHwnd();
    seen = SeeBox(
        "platform_app_test", [&] { d.MessageBoxA("Only one handler per event."); },
        [&](HWND shown) { box = ReadMessageBox(shown); });
    d.EndDialog(IDOK);
  };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ASSERT_TRUE(seen) << "no box captioned with the application's name";
  EXPECT_EQ(box.owner, dialogHwnd);
  EXPECT_EQ(box.text, "Only one handler per event.");
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(box.icon, nullptr);
}

// The answer to the drag query is the dialog procedure's own return value, not the message result.
TEST(DialogTest, TheDragQueryGetsTheHooksIcon) {
  TestDialog dialog;
  dialog.dragIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TEST_ICON));
  ASSERT_NE(dialog.dragIcon, nullptr);
  LRESULT dragged = 0;
  dialog.onInit = [&](TestDialog& d) {
    dragged = d.SendMessageA(WM_QUERYDRAGICON);
    d.EndDialog(IDOK);
  };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dragged, reinterpret_cast<LRESULT>(dialog.dragIcon));
}

TEST(DialogTest, PaintingEitherWayLeavesNothingToRepaint) {
  for (bool paintSelf : {false, true}) {
    SCOPED_TRACE(paintSelf ? "painted by the hook" : "left to the system");
    TestDialog dialog;
    dialog.paintSelf = paintSelf;
    dialog.dragIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TEST_ICON));
    int paints = -1;
    bool pending = true;
    dialog.onInit = [](TestDialog& d) { d.PostClick(IDC_TEST_BUTTON); };
    dialog.onButton = [&](TestDialog& d) {
      ::UpdateWindow(d.GetSafeHwnd());
      d.paintCalls = 0;
      ::InvalidateRect(d.GetSafeHwnd(), nullptr, TRUE);
      ::UpdateWindow(d.GetSafeHwnd());
      paints = d.paintCalls;
      pending = ::GetUpdateRect(d.GetSafeHwnd(), nullptr, FALSE) != FALSE;
      d.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(paints, 1);
    EXPECT_FALSE(pending);
  }
}

}  // namespace
