#include "control_host.h"

ControlHost::ControlHost()
    : hwnd_(::CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr)) {}

ControlHost::~ControlHost() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

HWND ControlHost::AddControl(const char* className, DWORD style, int id) {
  return ::CreateWindowExA(WS_EX_CLIENTEDGE, className, "", WS_CHILD | WS_VISIBLE | style, 10, 10, 200, 100, hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
}
