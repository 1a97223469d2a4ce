// The fixture of the end-to-end tests: one run of ORVBuilder.exe in a folder of the test's own,
// and the few steps that most tests take through its dialog.
#ifndef ORV_TESTS_E2E_BUILDER_TEST_H_
#define ORV_TESTS_E2E_BUILDER_TEST_H_

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver.h"
#include "work_dir.h"

namespace e2e {

// Event ids, which are also the indices in the event list.
enum Event { kCruising = 0, kCombat = 1, kCombatDmg = 2, kCapsAlive = 3, kAccomplished = 4, kFailed = 5 };

// Message box captions: the program's own boxes carry its file name, the build's boxes "Error".
constexpr char kProgramCaption[] = "ORVBuilder";
constexpr char kErrorCaption[] = "Error";

// What the status line a build came to, "14:03:12  out.orv built: ...", says after its time; the time
// of day it tells, in seconds from midnight, in *secondOfDay where given. A status with no time there
// fails the test and is returned whole.
std::string WithoutTime(const std::string& status, int* secondOfDay = nullptr);

class BuilderTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Starts the program in dir(), its standard output redirected to a file or, with no standard
  // handles, nowhere; call it in ASSERT_NO_FATAL_FAILURE, so a test stops if the dialog does not appear.
  void Launch(bool redirectStdout = true);
  // The same with standard output going to an inheritable handle that the test keeps.
  void LaunchWithOutput(HANDLE out);
  // Starts another copy of the program in the same folder, its standard output going to the file
  // `stdoutName` beside the first's.
  void LaunchAnother(BuilderProcess* other, const std::string& stdoutName);

  WorkDir& dir() { return *dir_; }
  BuilderProcess& app() { return app_; }

  // Picks the event, types both paths and clicks Add; returns when the program has handled it.
  void Add(int event, const std::string& begin, const std::string& loop) { Add(app_, event, begin, loop); }
  static void Add(BuilderProcess& app, int event, const std::string& begin, const std::string& loop);
  // Clicks Build ORV; returns when the build is over or has opened a box.
  void Build();
  // Closes the dialog with Exit and waits for the program to end, answering No where it asks to save.
  void Exit() { Exit(app_); }
  static void Exit(BuilderProcess& app);
  // Waits for the program to end, answering No where it asks to save the handlers first; false when
  // it is still running, or asked something else.
  static bool EndsAnsweringNo(BuilderProcess& app, DWORD timeoutMs = kWaitMs);
  // Fails the test if the program shows a message box of either kind.
  void ExpectNoMessageBox() { ExpectNoMessageBox(app_); }
  static void ExpectNoMessageBox(const BuilderProcess& app);
  // The box that the last click opened, owned by the dialog: its exact text, an OK button only
  // and no icon. It is dismissed, and the dialog must take input again afterwards.
  void ExpectProgramBox(const std::string& text);
  // The question the last way out asked before unsaved handlers go, owned by the dialog: its exact
  // text, Yes, No and Cancel, no icon, the only box shown. It is returned unanswered; null, with a
  // failure of the test, when none came.
  HWND ExpectSaveQuestion(const std::string& text);
  // Fails the test, saying `when`, unless script.txt holds exactly `users`: the user's own script, put
  // back where the build's own stood for its turn.
  void ExpectUsersScript(const std::string& users, const std::string& when);

 private:
  std::unique_ptr<WorkDir> dir_;
  BuilderProcess app_;  // declared after dir_, so the program ends before its folder is removed
};

// For tests that give the program real clicks and keys through Wine's X display and its window
// manager: skipped on Windows itself, failed when the X tools are missing.
class RealInputTest : public BuilderTest {
 protected:
  void SetUp() override;
};

}  // namespace e2e

#endif  // ORV_TESTS_E2E_BUILDER_TEST_H_
