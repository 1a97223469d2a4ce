#include "error_box_recorder.h"

#include "error_box.h"

namespace {
std::function<void()> g_whileShown;
}

std::vector<std::string>& ShownErrors() {
  static std::vector<std::string> shown;
  return shown;
}

void SetWhileErrorShown(std::function<void()> check) { g_whileShown = std::move(check); }

void ClearShownErrors() {
  ShownErrors().clear();
  g_whileShown = nullptr;
}

void ShowErrorBox(const std::string& text) {
  ShownErrors().push_back(text);
  if (g_whileShown) g_whileShown();
}
