#include "window_text.h"

#include "platform/wide_text.h"

// Texts cross the process boundary as UTF-16: Wine's conversion of some replies for the ANSI
// functions writes past the caller's buffer.
std::string WindowText(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
    return std::string();
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &copied))
    return std::string();
  text.resize(copied);
  return Utf8FromWide(text);
}

std::string ClassName(HWND hwnd) {
  char name[256] = {};
  ::GetClassNameA(hwnd, name, sizeof(name));
  return name;
}
