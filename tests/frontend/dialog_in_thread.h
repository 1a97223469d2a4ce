// The real builder dialog run on a thread of the test's own process, in a folder of the test's own, so
// a test can hand it what only its own process can (a drop with a real HDROP) and still drive it through
// messages as another program would: posted, then waited for.
#ifndef ORV_TESTS_FRONTEND_DIALOG_IN_THREAD_H_
#define ORV_TESTS_FRONTEND_DIALOG_IN_THREAD_H_

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "posted_mark.h"
#include "temp_dir.h"
#include "wait_until.h"

class DialogInThread : public ::testing::Test {
 protected:
  // Enters a fresh folder and starts the dialog there; fails the test when it does not appear.
  void SetUp() override;
  // Closes the dialog and leaves the folder.
  void TearDown() override;

  std::wstring Full(const char* name) const;
  static std::wstring Text(HWND hwnd);

  // Drops the files on target, and returns once the dialog has handled the drop (or shows a box).
  void Drop(HWND target, const std::vector<std::wstring>& paths);
  // Clicks the button of the dialog, and returns once the dialog has handled it (or shows a box).
  void Click(int id);
  // Returns once the dialog's thread has handled all that was posted to it before, or runs a box's loop.
  void Settle();

  // A box or system dialog of the dialog's thread, other than the dialog: the topmost visible one, or
  // null.
  HWND FindBox() const;
  // Waits for one, up to a few seconds.
  HWND WaitForBox() const;
  // The text of the dialog's own box, which is then answered with the button; empty when none is shown.
  std::wstring TakeBox(int button = IDOK);

  void Focus(HWND control);
  // Puts texts in both source edits that only these calls put there, and checks they are still there.
  void Keep();
  void ExpectKept();
  DWORD threadId() const { return threadId_; }

  std::unique_ptr<TempDir> folder_;
  HWND dialog_ = nullptr;
  HWND begin_ = nullptr;
  HWND loop_ = nullptr;
  HWND handled_ = nullptr;

 private:
  std::thread thread_;
  std::atomic<DWORD> threadId_{0};
  PostedMark handledUpTo_;
};

#endif  // ORV_TESTS_FRONTEND_DIALOG_IN_THREAD_H_
