#include "platform/dialog.h"

#include "platform/dropped_files.h"
#include "platform/wide_text.h"
#include "platform/win_app.h"

namespace {

// Names the CDialog of a dialog window, for the shortcut filter, which sees the window only.
const wchar_t kDialogProperty[] = L"orv.dialog";

bool KeyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

// Posted to the dialog itself when the system has held it to its smallest size.
const UINT kHoldMinimumSize = WM_APP + 0x4D;
// Posted to the dialog itself once it has held an ending session back.
const UINT kSessionHeld = WM_APP + 0x4E;

}  // namespace

CDialog::CDialog(int templateId) : templateId_(templateId) {}

int CDialog::DoModal() {
  const INT_PTR result = ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), nullptr,
                                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  hwnd_ = nullptr;
  return static_cast<int>(result);
}

void CDialog::EndDialog(int result) { ::EndDialog(Attached(), result); }

void CDialog::AddCtrlShortcut(UINT key, int buttonId) {
  assert(::IsWindow(hwnd_));
  shortcuts_.emplace_back(key, buttonId);
  // A dialog's loop, the system's own, hands every message to the thread's message filters before it
  // lets the dialog's keyboard handling or the focused control have it.
  if (shortcutHook_ == nullptr)
    shortcutHook_ = ::SetWindowsHookExW(WH_MSGFILTER, &CDialog::ShortcutFilter, nullptr, ::GetCurrentThreadId());
}

LRESULT CALLBACK CDialog::ShortcutFilter(int code, WPARAM wparam, LPARAM lparam) {
  if (code == MSGF_DIALOGBOX) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lparam);
    const HWND root = msg.hwnd != nullptr ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    auto* dialog = root != nullptr ? static_cast<CDialog*>(::GetPropW(root, kDialogProperty)) : nullptr;
    if (dialog != nullptr && dialog->TakeShortcut(msg)) return TRUE;
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

bool CDialog::TakeShortcut(const MSG& msg) {
  // Ctrl alone: Ctrl+Shift+S and AltGr (Ctrl+Alt) letters are other keys. A key held down repeats;
  // only its first press counts.
  if (msg.message != WM_KEYDOWN || !KeyDown(VK_CONTROL) || KeyDown(VK_SHIFT) || KeyDown(VK_MENU)) return false;
  if ((msg.lParam & (1 << 30)) != 0) return false;
  for (const auto& shortcut : shortcuts_) {
    if (shortcut.first != msg.wParam) continue;
    const HWND button = ::GetDlgItem(hwnd_, shortcut.second);
    if (button == nullptr || !::IsWindowEnabled(button)) return true;
    ::SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(shortcut.second, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
  }
  return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  CDialog* dialog = nullptr;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lparam);
    ::SetWindowLongPtrA(hwnd, DWLP_USER, lparam);
    dialog->hwnd_ = hwnd;
  } else {
    dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  // A few messages (WM_SETFONT among them) come before WM_INITDIALOG: they get the defaults.
  if (dialog == nullptr) return FALSE;
  return dialog->HandleMessage(message, wparam, lparam);
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      ::SetPropW(hwnd_, kDialogProperty, this);
      return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
      return RouteCommand(LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
    case WM_HELP:
      // F1 is the application's Help command, as on its other windows.
      SendMessageA(WM_COMMAND, MAKEWPARAM(ID_HELP, BN_CLICKED), 0);
      return TRUE;
    case WM_PAINT:
      return OnPaint() ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
      // One of the few messages whose answer is the dialog procedure's own return value.
      return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    case WM_DROPFILES: {
      // Only a child's own handle names where the files landed; anything else is the dialog itself.
      const HWND child = reinterpret_cast<HWND>(lparam);
      const CDroppedFiles files(reinterpret_cast<HDROP>(wparam));
      OnDropFiles(child != nullptr && ::IsChild(hwnd_, child) ? CWnd(child) : CWnd(hwnd_), files);
      return TRUE;
    }
    case WM_SIZE:
      OnSize(static_cast<int>(wparam), LOWORD(lparam), HIWORD(lparam));
      return FALSE;
    case WM_GETMINMAXINFO:
      if (minimum_.cx > 0) reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = {minimum_.cx, minimum_.cy};
      return TRUE;
    case WM_WINDOWPOSCHANGING: {
      // The default handling holds the window to its smallest size. A window manager that was not
      // told of it may show the window smaller all the same, so the size is given it again.
      const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
      if (!(pos->flags & SWP_NOSIZE) && !::IsIconic(hwnd_) && (pos->cx < minimum_.cx || pos->cy < minimum_.cy))
        ::PostMessageA(hwnd_, kHoldMinimumSize, 0, 0);
      return FALSE;
    }
    case kHoldMinimumSize:
      HoldMinimumSize();
      return TRUE;
    case WM_QUERYENDSESSION: {
      const bool mayEnd = OnQueryEndSession();
      // Windows takes a program that keeps it waiting for a hung one: the user is asked afterwards.
      if (!mayEnd) ::PostMessageA(hwnd_, kSessionHeld, 0, 0);
      // A dialog procedure's answers go back through the message result.
      ::SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, mayEnd ? TRUE : FALSE);
      return TRUE;
    }
    case kSessionHeld:
      OnSessionHeld();
      return TRUE;
    case WM_ENDSESSION:
      OnEndSession(wparam != FALSE);
      return TRUE;
    case WM_NCDESTROY:
      if (shortcutHook_ != nullptr) ::UnhookWindowsHookEx(shortcutHook_);
      shortcutHook_ = nullptr;
      shortcuts_.clear();
      ::RemovePropW(hwnd_, kDialogProperty);
      ::SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
      hwnd_ = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

void CDialog::HoldMinimumSize() {
  // Sized again to what it is, a window is not moved at all: first a pixel wider, then back. Each
  // size goes to the window manager as a program's own request, which it follows.
  // Minimized meanwhile, it has the size of its icon, which is none of the dialog's business.
  if (::IsIconic(hwnd_)) return;
  RECT frame;
  ::GetWindowRect(hwnd_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  // Where the screen is too small for it, the window manager's limit is the one that holds; asked
  // again, it would only say so again, for ever.
  const RECT work = WorkAreaOf(hwnd_);
  if (width > work.right - work.left || height > work.bottom - work.top) return;
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  ::SetWindowPos(hwnd_, nullptr, 0, 0, width + 1, height, flags);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, width, height, flags);
}

// Both calls came with Windows Vista, which the program needs already; Wine has them too.
void CDialog::HoldSessionEnd(const std::string& reason) {
  ::ShutdownBlockReasonCreate(Attached(), WideFromUtf8(reason).c_str());
}

void CDialog::LetSessionEnd() { ::ShutdownBlockReasonDestroy(Attached()); }

bool CDialog::RouteCommand(int id, int code) {
  if (OnCommand(id, code)) return true;
  if (code != BN_CLICKED) return false;
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  CWinApp* app = CWinApp::Current();
  return app != nullptr && app->OnCommand(id);
}
