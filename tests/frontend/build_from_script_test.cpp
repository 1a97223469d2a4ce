// The build as the program's one operation runs it: a failure in the "Error" box of no owner window,
// with the stop icon and one OK button, which the build waits on; a build that works shows nothing.
#include "build_from_script.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "message_box_view.h"
#include "orv_bytes.h"
#include "temp_dir.h"
#include "wait_until.h"

namespace {

TEST(BuildFromScriptTest, AFailureIsShownInAnOwnerlessErrorBox) {
  TempDir dir("build-from-script", TempDir::kEnter);
  WriteText("script.txt", "0 missing.orv begin\n0 null loop\n-1");
  WriteBytes("out.orv", {'o', 'l', 'd'});
  std::atomic<DWORD> buildThread{0};
  std::atomic<bool> ended{false};
  std::thread build([&] {
    buildThread = ::GetCurrentThreadId();
    BuildFromScript();
    ended = true;
  });
  HWND box = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    box = ::FindWindowA("#32770", "Error");
    return box != nullptr && ::IsWindowVisible(box) && ::GetWindowThreadProcessId(box, nullptr) == buildThread;
  }));
  EXPECT_FALSE(ended) << "the build went on before the box was dismissed";
  if (box != nullptr) {
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text, "Error opening \"missing.orv\", aborting.");
    EXPECT_EQ(view.owner, nullptr);
    EXPECT_EQ(view.buttons, std::vector<std::string>{"OK"});
    EXPECT_NE(view.icon, nullptr);
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
  build.join();
  EXPECT_EQ(ReadBytes("out.orv"), (Bytes{'o', 'l', 'd'}));

  WriteText("script.txt", "-1");
  BuildFromScript();
  EXPECT_EQ(ReadBytes("out.orv").size(), 56u);
}

}  // namespace
