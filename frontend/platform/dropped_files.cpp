#include "platform/dropped_files.h"

#include "platform/wide_text.h"
#include "platform/window_subclass.h"

namespace {

const wchar_t kOwnProcProperty[] = L"orv.dropped_files.proc";

LRESULT CALLBACK ForwardingProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DROPFILES) return ::SendMessageW(::GetParent(hwnd), WM_DROPFILES, wparam, LPARAM(hwnd));
  return CallOwnProc(hwnd, kOwnProcProperty, message, wparam, lparam);
}

}  // namespace

CDroppedFiles::~CDroppedFiles() { ::DragFinish(drop_); }

std::vector<std::string> CDroppedFiles::Paths() const {
  std::vector<std::string> paths;
  const UINT count = ::DragQueryFileW(drop_, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(::DragQueryFileW(drop_, i, nullptr, 0) + 1, L'\0');
    path.resize(::DragQueryFileW(drop_, i, &path[0], static_cast<UINT>(path.size())));
    paths.push_back(Utf8FromWide(path));
  }
  return paths;
}

void AcceptDroppedFilesForParent(const CWnd& control) {
  // Through the wide calls: an 8-bit window procedure would make the control an 8-bit window, whose
  // typed characters then pass through the code page one UTF-16 unit at a time, and every character
  // outside the Latin ones would come out as "?".
  const HWND hwnd = control.GetSafeHwnd();
  assert(::IsWindow(hwnd));
  PutProcInFront(hwnd, kOwnProcProperty, &ForwardingProc);
  ::DragAcceptFiles(hwnd, TRUE);
}
