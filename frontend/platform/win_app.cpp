#include "platform/win_app.h"

#include <windows.h>

#include "platform/app_name.h"

namespace {
// Zero before any constructor runs, so the order of static construction does not matter.
CWinApp* g_app = nullptr;
}  // namespace

CWinApp::CWinApp() : name_(ModuleAppName()) {
  if (g_app == nullptr) g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* CWinApp::Current() { return g_app; }

int CWinApp::Run() {
  // The application's own windows are modal and run their own loops; none is left when it returns.
  InitInstance();
  return 0;
}

// The entry point lives beside the application object: a program that makes its CWinApp links this
// file, and with it WinMain. Programs with a main of their own (the tests) never call it.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  CWinApp* app = CWinApp::Current();
  if (app == nullptr) return 1;
  return app->Run();
}
