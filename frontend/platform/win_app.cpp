#include "platform/win_app.h"

#include <windows.h>

#include <vector>

#include "ascii_case.h"

namespace {
// Zero before any constructor runs, so the order of static construction does not matter.
CWinApp* g_app = nullptr;
}  // namespace

std::string AppNameFromPath(const std::string& path) {
  std::string name = path.substr(path.find_last_of("\\/") + 1);
  const size_t ext = 4;  // ".exe"
  if (name.size() > ext && EqualsIgnoringAsciiCase(name.c_str() + name.size() - ext, ".exe"))
    name.resize(name.size() - ext);
  return name;
}

std::string ModuleAppName() {
  // The path may be longer than MAX_PATH; a full buffer means it was cut, so try a larger one.
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) return std::string();
    if (length < size) return AppNameFromPath(std::string(buffer.data(), length));
    if (buffer.size() >= 32768) return std::string();
    buffer.resize(buffer.size() * 2);
  }
}

CWinApp::CWinApp() {
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
