// The application: its start-up hook runs the builder dialog, then the program ends.
#ifndef ORV_FRONTEND_DIALOG_BUILDER_APP_H_
#define ORV_FRONTEND_DIALOG_BUILDER_APP_H_

#include "platform/win_app.h"

class CBuilderApp : public CWinApp {
 public:
  // Runs the dialog modally. Returns false, "no message loop", as the class library's programs do;
  // the program ends either way.
  bool InitInstance() override;
  // The one command of the application's own: Help.
  bool OnCommand(int id) override;
};

#endif  // ORV_FRONTEND_DIALOG_BUILDER_APP_H_
