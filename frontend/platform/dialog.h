// Base of a modal dialog run from a template in the program's resources. A derived dialog overrides
// the hooks; commands arrive by control id in OnCommand, meant for one plain switch.
#ifndef ORV_FRONTEND_PLATFORM_DIALOG_H_
#define ORV_FRONTEND_PLATFORM_DIALOG_H_

#include <string>
#include <utility>
#include <vector>

#include "platform/wnd.h"

class CDroppedFiles;

class CDialog : public CWnd {
 public:
  // Binds the dialog template id; the window exists only while DoModal runs. The dialog has no owner.
  explicit CDialog(int templateId);
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // --- operations
  // Shows the dialog and runs its modal loop until EndDialog(result), then returns result; -1 when the
  // dialog could not be made, e.g. its template is missing.
  int DoModal();
  void EndDialog(int result);
  // Makes Ctrl+key (a virtual-key code: 'S') anywhere in the dialog, whichever control has the focus,
  // click the button buttonId as a click with the mouse would, while the button is enabled; the key
  // itself goes no further. For the dialog's run, from OnInitDialog on.
  void AddCtrlShortcut(UINT key, int buttonId);
  // The smallest size the window takes, frame included, however the user or a window manager sizes
  // it; none (zero) until set.
  void SetMinimumSize(SIZE size) { minimum_ = size; }
  // Gives Windows the reason it lists beside the program while the dialog holds an ending session back
  // (UTF-8, short: "5 handlers are not saved"), until LetSessionEnd takes it back; that does nothing
  // when none was given.
  void HoldSessionEnd(const std::string& reason);
  void LetSessionEnd();

 protected:
  // --- hooks, called from the modal loop; the window is attached in each of them
  // Before the dialog shows; true puts the focus on the first tab stop, false after setting it yourself.
  virtual bool OnInitDialog() { return true; }
  // A WM_COMMAND from control id with its notification code; true when handled. Unhandled clicks of
  // IDOK and IDCANCEL go on to OnOK and OnCancel, other unhandled clicks to the application's OnCommand.
  virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
  virtual void OnOK() { EndDialog(IDOK); }          // the Exit button or Enter
  virtual void OnCancel() { EndDialog(IDCANCEL); }  // Esc or the close button
  // WM_PAINT: paint through a CPaintDC and return true, or leave the painting to the system.
  virtual bool OnPaint() { return false; }
  // The picture shown while the minimized dialog is dragged; null leaves it to the system.
  virtual HICON OnQueryDragIcon() { return nullptr; }
  // Files dropped on the dialog, or on a control that takes drops for it (AcceptDroppedFilesForParent),
  // which is then droppedOn.
  virtual void OnDropFiles(const CWnd& /*droppedOn*/, const CDroppedFiles& /*files*/) {}
  virtual void OnSize(int /*type*/, int /*width*/, int /*height*/) {}  // SIZE_RESTORED, ..., client size
  // Whether the session may end. Windows waits for the answer, so nothing here may wait on the user:
  // false holds the session back, and OnSessionHeld follows, once Windows has the answer, to ask.
  virtual bool OnQueryEndSession() { return true; }
  virtual void OnSessionHeld() {}
  // With ending, the session ends, the process with it, once this returns; otherwise it goes on.
  virtual void OnEndSession(bool /*ending*/) {}

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  // Sees the keys of the thread's dialog loops before the dialog does; ours take their shortcuts.
  static LRESULT CALLBACK ShortcutFilter(int code, WPARAM wparam, LPARAM lparam);
  bool TakeShortcut(const MSG& msg);
  INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  bool RouteCommand(int id, int code);
  void HoldMinimumSize();

  int templateId_;
  std::vector<std::pair<UINT, int>> shortcuts_;  // (key, button id)
  HHOOK shortcutHook_ = nullptr;
  SIZE minimum_ = {0, 0};
};

#endif  // ORV_FRONTEND_PLATFORM_DIALOG_H_
