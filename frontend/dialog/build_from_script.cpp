#include "build_from_script.h"

#include <cstdio>

#include "build_engine.h"
#include "platform/pending_input.h"

void ErrorBoxReporter::Failure(const BuildFailure& failure) {
  const std::string& text = failure.text;
  std::fflush(stdout);
  // Keys given while the build computed were not meant for a box that was not there: an Enter among
  // them would dismiss it before the user saw it.
  DiscardPendingInput();
  constexpr UINT kErrorBox = MB_OK | MB_ICONSTOP;
  if (owner_.GetSafeHwnd() == nullptr)
    CWnd::OwnerlessMessageBox(text.c_str(), "Error", kErrorBox);
  else
    owner_.MessageBoxA(text.c_str(), "Error", kErrorBox);
}

void BuildFromScript() {
  ErrorBoxReporter reporter;
  BuildWithOutcome(&reporter);
}
