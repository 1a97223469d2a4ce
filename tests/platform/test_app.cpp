#include "test_app.h"

TestApp g_testApp;

bool TestApp::InitInstance() {
  ++initCalls;
  return initResult;
}

bool TestApp::OnCommand(int id) {
  commands.push_back(id);
  switch (id) {
    case ID_HELP:
      ++helpCalls;
      OnHelp();
      return true;
    default:
      return false;
  }
}
