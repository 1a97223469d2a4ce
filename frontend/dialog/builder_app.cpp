#include "builder_app.h"

#include "builder_dlg.h"

// The one application object; the platform's entry point runs it.
CBuilderApp theApp;

bool CBuilderApp::InitInstance() {
  Enable3dControls();
  CBuilderDlg dlg;
  SetMainWindow(&dlg);
  dlg.DoModal();
  return false;
}

bool CBuilderApp::OnCommand(int id) {
  if (id != ID_HELP) return false;
  OnHelp();
  return true;
}
