#include "test_app.h"

TestApp g_test_app;

bool TestApp::InitInstance() {
  ++init_calls;
  return init_result;
}

bool TestApp::OnCommand(int id) {
  commands.push_back(id);
  switch (id) {
    case ID_HELP:
      ++help_calls;
      OnHelp();
      return true;
    default:
      return false;
  }
}
