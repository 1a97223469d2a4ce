#include "platform/session_end.h"

#include "platform/wide_text.h"

// Both calls came with Windows Vista, which the program needs already; Wine has them too.
void HoldSessionEnd(const CWnd& window, const std::string& reason) {
  ::ShutdownBlockReasonCreate(window.GetSafeHwnd(), WideFromUtf8(reason).c_str());
}

void LetSessionEnd(const CWnd& window) { ::ShutdownBlockReasonDestroy(window.GetSafeHwnd()); }
