// The application object: one static instance, named after the executable, whose start-up hook runs
// without a message loop of its own.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/app_name.h"
#include "platform/dialog.h"
#include "test_app.h"

namespace {

TEST(WinAppTest, TheStaticInstanceIsRegisteredAndNamedAfterTheExecutable) {
  EXPECT_EQ(CWinApp::Current(), &g_testApp);
  EXPECT_EQ(g_testApp.GetAppName(), "platform_app_test");
  EXPECT_EQ(ModuleAppName(), "platform_app_test");
}

TEST(WinAppTest, ASecondApplicationDoesNotReplaceTheFirst) {
  {
    TestApp second;
    EXPECT_EQ(CWinApp::Current(), &g_testApp);
  }
  EXPECT_EQ(CWinApp::Current(), &g_testApp);
}

TEST(WinAppTest, RunEndsWhenInitInstanceReturns) {
  g_testApp.initCalls = 0;
  ::PostQuitMessage(5);
  EXPECT_EQ(g_testApp.Run(), 0);
  EXPECT_EQ(g_testApp.initCalls, 1);
  // No message loop ran: the quit request is still waiting.
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 5u);
}

TEST(WinAppTest, ForgetsTheMainWindowWhenTheDialogGoes) {
  {
    CDialog dialog(102);
    g_testApp.SetMainWindow(&dialog);
    EXPECT_EQ(g_testApp.GetMainWindow(), &dialog);
  }
  EXPECT_EQ(g_testApp.GetMainWindow(), nullptr);
}

}  // namespace
