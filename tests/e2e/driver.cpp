#include "driver.h"

#include <gtest/gtest.h>

#include "child_process.h"
#include "platform/wide_text.h"

namespace e2e {

namespace {

constexpr char kDialogCaption[] = "ORV Builder v1.0";

struct WindowQuery {
  DWORD processId;
  std::string caption;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lparam) {
  WindowQuery* query = reinterpret_cast<WindowQuery*>(lparam);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hwnd, &owner);
  if (owner == query->processId && ClassName(hwnd) == kDialogClass && WindowText(hwnd) == query->caption)
    query->found.push_back(hwnd);
  return TRUE;
}

// Top-level dialog-class windows of one process with this caption. Other programs' windows, even
// other copies of this one, never match.
std::vector<HWND> FindWindows(DWORD processId, const std::string& caption) {
  WindowQuery query{processId, caption, {}};
  ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

}  // namespace

BuilderProcess::~BuilderProcess() {
  if (process_.hProcess != nullptr) {
    if (Running()) {
      ::TerminateProcess(process_.hProcess, 1);
      ::WaitForSingleObject(process_.hProcess, kWaitMs);
    }
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
  }
}

bool BuilderProcess::Launch(const std::string& exe, const std::string& workDir, const std::string& stdoutPath,
                            std::string* err) {
  HANDLE out = nullptr;
  if (!stdoutPath.empty()) {
    out = CreateOutputFile(stdoutPath);
    if (out == INVALID_HANDLE_VALUE) {
      *err = "cannot create " + stdoutPath;
      return false;
    }
  }
  const bool shown = LaunchWithOutput(exe, workDir, out, err);
  if (out != nullptr) ::CloseHandle(out);  // the program holds its own copy now
  return shown;
}

bool BuilderProcess::LaunchWithOutput(const std::string& exe, const std::string& workDir, HANDLE out,
                                      std::string* err) {
  // A test may start the program again once the last run has ended.
  if (process_.hProcess != nullptr) {
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
    process_ = {};
  }
  if (!StartProcess(Quote(exe), workDir, out, out, &process_, err)) return false;
  ::WaitForInputIdle(process_.hProcess, kWaitMs);
  bool shown = false;
  WaitUntil([&] {
    const std::vector<HWND> found = FindWindows(process_.dwProcessId, kDialogCaption);
    dialog_ = found.empty() ? nullptr : found.front();
    shown = dialog_ != nullptr && ::IsWindowVisible(dialog_);
    return shown || !Running();
  });
  if (!shown && Running()) *err = "no visible \"" + std::string(kDialogCaption) + "\" dialog appeared";
  if (!shown && !Running()) *err = "the program ended before its dialog appeared";
  return shown;
}

bool BuilderProcess::WaitForExit(DWORD timeoutMs) {
  return ::WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool BuilderProcess::Running() const {
  return process_.hProcess != nullptr && ::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND BuilderProcess::Control(int id) const { return ::GetDlgItem(dialog_, id); }

std::vector<std::string> BuilderProcess::ListItems(int id) const {
  const HWND list = Control(id);
  std::vector<std::string> items;
  const LRESULT count = Send(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = Send(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length < 0) break;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    items.push_back(Utf8FromWide(text));
  }
  return items;
}

int BuilderProcess::ListSelection(int id) const { return static_cast<int>(Send(Control(id), LB_GETCURSEL, 0, 0)); }

std::string BuilderProcess::Text(int id) const { return WindowText(Control(id)); }

HWND BuilderProcess::Focus() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (!::GetGUIThreadInfo(process_.dwThreadId, &info)) return nullptr;
  return info.hwndFocus;
}

bool BuilderProcess::DialogEnabled() const { return ::IsWindowEnabled(dialog_) != FALSE; }

void BuilderProcess::SelectListItem(int id, int index) {
  const HWND list = Control(id);
  Send(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  Send(dialog_, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void BuilderProcess::SetText(int id, const std::string& text) {
  const std::wstring wide = WideFromUtf8(text);
  Send(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void BuilderProcess::Type(int id, const std::wstring& text) {
  const HWND edit = Control(id);
  for (wchar_t unit : text) EXPECT_TRUE(::PostMessageW(edit, WM_CHAR, unit, 1)) << "typing into control " << id;
  Settle();
}

void BuilderProcess::Click(int id) {
  PostClick(id);
  Settle();
}

void BuilderProcess::PostClick(int id) {
  EXPECT_TRUE(::PostMessageA(Control(id), BM_CLICK, 0, 0)) << "posting a click on control " << id;
}

void BuilderProcess::PostKey(HWND target, WPARAM virtualKey) {
  // A null window would post the key to the test's own thread.
  if (target == nullptr) {
    ADD_FAILURE() << "no window to send key " << virtualKey << " to";
    return;
  }
  const UINT scanCode = ::MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
  const LPARAM keyData = 1 | static_cast<LPARAM>(scanCode) << 16;  // one press, not a repeat
  EXPECT_TRUE(::PostMessageA(target, WM_KEYDOWN, virtualKey, keyData)) << "posting key " << virtualKey;
}

void BuilderProcess::PostSysCommand(WPARAM command) {
  EXPECT_TRUE(::PostMessageA(dialog_, WM_SYSCOMMAND, command, 0)) << "posting system command " << command;
}

bool BuilderProcess::Settle() {
  if (!Running() || !settleMark_.Post(Control(kEventList))) {
    ADD_FAILURE() << "the program is not running";
    return false;
  }
  bool settled = false;
  WaitUntil([&] {
    settled = settleMark_.Handled();
    return settled || !Running();
  });
  EXPECT_TRUE(settled) << (Running() ? "the program did not handle its messages in time" : "the program ended");
  return settled;
}

std::vector<HWND> BuilderProcess::MessageBoxes(const std::string& caption) const {
  std::vector<HWND> boxes;
  for (HWND hwnd : FindWindows(process_.dwProcessId, caption))
    if (hwnd != dialog_) boxes.push_back(hwnd);
  return boxes;
}

HWND BuilderProcess::WaitForMessageBox(const std::string& caption, DWORD timeoutMs) const {
  HWND box = nullptr;
  const bool shown = WaitUntil(
      [&] {
        const std::vector<HWND> boxes = MessageBoxes(caption);
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr && ::IsWindowVisible(box);
      },
      timeoutMs);
  return shown ? box : nullptr;
}

bool BuilderProcess::DismissMessageBox(HWND box, int button) {
  if (!::PostMessageA(::GetDlgItem(box, button), BM_CLICK, 0, 0)) return false;
  return WaitUntil([box] { return !::IsWindow(box); });
}

LRESULT BuilderProcess::Send(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) const {
  DWORD_PTR result = 0;
  const bool answered =
      ::SendMessageTimeoutW(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
  EXPECT_TRUE(answered) << "message " << message << " to the program was not answered in time";
  return answered ? static_cast<LRESULT>(result) : -1;
}

}  // namespace e2e
