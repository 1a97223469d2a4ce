// The application object: one static instance, named after the executable, whose start-up hook runs
// without a message loop of its own.
#include "platform/win_app.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "test_app.h"

namespace {

TEST(WinAppTest, TheFirstStaticInstanceIsTheApplicationNamedAfterTheExecutable) {
  EXPECT_EQ(CWinApp::Current(), &g_testApp);
  {
    TestApp second;
    EXPECT_EQ(CWinApp::Current(), &g_testApp);
  }
  EXPECT_EQ(CWinApp::Current(), &g_testApp);

  EXPECT_EQ(ModuleAppName(), "platform_app_test");
  EXPECT_EQ(AppNameFromPath("C:\\Program Files\\ORV\\ORVBuilder.exe"), "ORVBuilder");
  EXPECT_EQ(AppNameFromPath("C:/tools/ORVBuilder.EXE"), "ORVBuilder");
  EXPECT_EQ(AppNameFromPath("ORVBuilder.exe"), "ORVBuilder");
  EXPECT_EQ(AppNameFromPath("D:\\a.b\\orv.builder.exe"), "orv.builder");
  EXPECT_EQ(AppNameFromPath("C:\\bin\\ORVBuilder.exe.bak"), "ORVBuilder.exe.bak");
  EXPECT_EQ(AppNameFromPath("C:\\bin\\"), "");
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

}  // namespace
