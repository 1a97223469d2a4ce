#include "dialog_in_thread.h"

// After windows.h, which it needs.
#include <shellapi.h>
#include <shlobj.h>

#include <filesystem>

#include "builder_dlg.h"
#include "message_box_view.h"
#include "resource.h"
#include "window_text.h"

namespace {

// A drop as Explorer hands it over: DROPFILES followed by the wide paths, each NUL-terminated, and
// one more NUL. The receiver frees it.
HDROP MakeDrop(const std::vector<std::wstring>& paths) {
  size_t chars = 1;
  for (const std::wstring& path : paths) chars += path.size() + 1;
  const HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  wchar_t* out = reinterpret_cast<wchar_t*>(reinterpret_cast<BYTE*>(drop) + sizeof(DROPFILES));
  for (const std::wstring& path : paths) {
    path.copy(out, path.size());
    out += path.size() + 1;
  }
  ::GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// The first visible dialog-class window of the thread, in the order of their stacking, other than
// `dialog`.
struct FoundBox {
  HWND dialog;
  HWND box;
};

BOOL CALLBACK FindVisibleDialog(HWND hwnd, LPARAM param) {
  auto* found = reinterpret_cast<FoundBox*>(param);
  if (hwnd != found->dialog && ClassName(hwnd) == kDialogClass && ::IsWindowVisible(hwnd)) found->box = hwnd;
  return found->box == nullptr;
}

}  // namespace

void DialogInThread::SetUp() {
  folder_ = std::make_unique<TempDir>("dialog", TempDir::kEnter);
  thread_ = std::thread([this] {
    threadId_ = ::GetCurrentThreadId();
    CBuilderDlg dialog;
    dialog.DoModal();
  });
  ASSERT_TRUE(WaitUntil([&] {
    dialog_ = threadId_ != 0 ? FindBox() : nullptr;
    return dialog_ != nullptr;
  })) << "the dialog did not appear";
  begin_ = ::GetDlgItem(dialog_, IDC_BEGIN_EDIT);
  loop_ = ::GetDlgItem(dialog_, IDC_LOOP_EDIT);
  handled_ = ::GetDlgItem(dialog_, IDC_HANDLED_LIST);
}

void DialogInThread::TearDown() {
  if (dialog_ != nullptr) ::PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  // Handlers a test left unsaved are asked about: No, so the dialog ends.
  HWND box = nullptr;
  if (WaitUntil([&] { return !::IsWindow(dialog_) || (box = FindBox()) != nullptr; }) && box != nullptr)
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
  if (thread_.joinable()) thread_.join();
  folder_.reset();
}

std::wstring DialogInThread::Full(const char* name) const {
  return std::filesystem::path(folder_->Path(name)).wstring();
}

std::wstring DialogInThread::Text(HWND hwnd) {
  wchar_t text[600] = {};
  ::GetWindowTextW(hwnd, text, 600);
  return text;
}

void DialogInThread::Drop(HWND target, const std::vector<std::wstring>& paths) {
  ASSERT_TRUE(::PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0));
  Settle();
}

void DialogInThread::Click(int id) {
  ASSERT_TRUE(::PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                             reinterpret_cast<LPARAM>(::GetDlgItem(dialog_, id))));
  Settle();
}

void DialogInThread::Settle() {
  // Posted to a window of the same thread after the rest, so handled after it: a box's own loop
  // handles it too.
  ASSERT_TRUE(handledUpTo_.Post(::GetDlgItem(dialog_, IDC_EVENT_LIST)));
  ASSERT_TRUE(WaitUntil([&] { return handledUpTo_.Handled(); }));
}

HWND DialogInThread::FindBox() const {
  FoundBox found{dialog_, nullptr};
  ::EnumThreadWindows(threadId_, FindVisibleDialog, reinterpret_cast<LPARAM>(&found));
  return found.box;
}

HWND DialogInThread::WaitForBox() const {
  HWND box = nullptr;
  WaitUntil([&] { return (box = FindBox()) != nullptr; });
  return box;
}

std::wstring DialogInThread::TakeBox(int button) {
  const HWND box = FindBox();
  if (box == nullptr) return std::wstring();
  const std::wstring text = Text(::GetDlgItem(box, kMessageTextId));
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  Settle();
  return text;
}

void DialogInThread::Focus(HWND control) {
  ::SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void DialogInThread::Keep() {
  ::SetWindowTextW(begin_, L"kept_begin.orv");
  ::SetWindowTextW(loop_, L"kept_loop.orv");
}

void DialogInThread::ExpectKept() {
  EXPECT_EQ(Text(begin_), L"kept_begin.orv");
  EXPECT_EQ(Text(loop_), L"kept_loop.orv");
}
