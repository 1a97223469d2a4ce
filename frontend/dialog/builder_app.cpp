// The application: its start-up hook runs the builder dialog, then the program ends.
#include "builder_dlg.h"
#include "platform/win_app.h"

class CBuilderApp : public CWinApp {
 public:
  // Runs the dialog modally. Returns false, "no message loop", as the class library's programs do;
  // the program ends either way.
  bool InitInstance() override {
    Enable3dControls();
    CBuilderDlg dlg;
    dlg.DoModal();
    return false;
  }
  // The one command of the application's own: Help.
  bool OnCommand(int id) override {
    if (id != ID_HELP) return false;
    OnHelp();
    return true;
  }
};

// The one application object; the platform's entry point runs it.
CBuilderApp theApp;
