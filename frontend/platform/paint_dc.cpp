#include "platform/paint_dc.h"

CPaintDC::CPaintDC(const CWnd& wnd) : hwnd_(wnd.GetSafeHwnd()), paint_() {
  assert(::IsWindow(hwnd_));
  hdc_ = ::BeginPaint(hwnd_, &paint_);
}

CPaintDC::~CPaintDC() { ::EndPaint(hwnd_, &paint_); }

void CPaintDC::EraseIconBackground() {
  if (hdc_ == nullptr) return;
  ::SendMessageA(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hdc_), 0);
}

bool CPaintDC::DrawIcon(int x, int y, HICON icon) {
  if (hdc_ == nullptr || icon == nullptr) return false;
  return ::DrawIcon(hdc_, x, y, icon) != FALSE;
}
