// Drives the real ORVBuilder.exe from another process, the way a user's clicks and keys would: it
// starts the program in a folder of its own, finds its dialog and message boxes, and works the
// controls by their ids. Every wait is bounded, so a hung program fails a test instead of CI.
#ifndef ORV_TESTS_E2E_DRIVER_H_
#define ORV_TESTS_E2E_DRIVER_H_

#include <windows.h>

#include <string>
#include <vector>

#include "posted_mark.h"
#include "resource.h"
#include "wait_until.h"
#include "window_text.h"

namespace e2e {

// Control ids of the builder dialog, as its template gives them.
enum ControlId {
  kExit = IDOK,
  kHandledList = IDC_HANDLED_LIST,
  kEventList = IDC_EVENT_LIST,
  kBeginEdit = IDC_BEGIN_EDIT,
  kLoopEdit = IDC_LOOP_EDIT,
  kAdd = IDC_ADD,
  kRemove = IDC_REMOVE,
  kBuild = IDC_BUILD,
  kBrowseBegin = IDC_BROWSE_BEGIN,
  kBrowseLoop = IDC_BROWSE_LOOP,
  kStatus = IDC_STATUS,
  kOpen = IDC_OPEN,
  kSave = IDC_SAVE,
};

class BuilderProcess {
 public:
  BuilderProcess() = default;
  // Ends the program if a test left it running.
  ~BuilderProcess();
  BuilderProcess(const BuilderProcess&) = delete;
  BuilderProcess& operator=(const BuilderProcess&) = delete;

  // --- start and end
  // Starts exe in workDir with standard output and error going to stdoutPath, or with no standard
  // handles at all (as when started from the desktop) for an empty path, and waits until its
  // dialog is on the screen. False, with the reason in *err, when it does not get that far.
  bool Launch(const std::string& exe, const std::string& workDir, const std::string& stdoutPath, std::string* err);
  // The same with standard output and error going to an inheritable handle of the caller's, which
  // the caller keeps.
  bool LaunchWithOutput(const std::string& exe, const std::string& workDir, HANDLE out, std::string* err);
  bool WaitForExit(DWORD timeoutMs = kWaitMs);
  bool Running() const;
  DWORD processId() const { return process_.dwProcessId; }

  // --- the dialog and its controls
  HWND dialog() const { return dialog_; }
  HWND Control(int id) const;
  std::vector<std::string> ListItems(int id) const;
  int ListSelection(int id) const;  // -1 for none
  std::string Text(int id) const;
  HWND Focus() const;  // the window with the keyboard focus in the program's thread
  bool DialogEnabled() const;

  // --- acting as the user
  // Selects an item (-1 for none) and tells the dialog, as a click in the list would.
  void SelectListItem(int id, int index);
  void SetText(int id, const std::string& text);
  // Types text at the caret of an edit control, one character message (WM_CHAR) per UTF-16 unit, as the
  // keyboard or an input method delivers it; returns when the program has taken it all.
  void Type(int id, const std::wstring& text);
  // Posted, so a click that opens a modal box does not block the driver; Click then settles,
  // PostClick (for a click that ends the program) does not.
  void Click(int id);
  void PostClick(int id);
  void PostKey(HWND target, WPARAM virtualKey);
  void PostSysCommand(WPARAM command);
  // Returns once the program has handled every message posted to it before this call, or has
  // opened a modal box on the way (a box's own loop handles them too). False on time-out.
  bool Settle();

  // --- message boxes
  // The program's top-level dialog-class windows with this caption, the builder dialog excluded.
  std::vector<HWND> MessageBoxes(const std::string& caption) const;
  HWND WaitForMessageBox(const std::string& caption, DWORD timeoutMs = kWaitMs) const;
  // Clicks the box's OK button, or the one given (IDNO...), and waits until the box is gone.
  bool DismissMessageBox(HWND box, int button = IDOK);

 private:
  LRESULT Send(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) const;

  PROCESS_INFORMATION process_ = {};
  HWND dialog_ = nullptr;
  PostedMark settleMark_;  // in the event list, whose items carry data the program never reads
};

}  // namespace e2e

#endif  // ORV_TESTS_E2E_DRIVER_H_
