// A windowed program with only an application object, as the product is: the platform's entry point
// must find it, run its start-up hook and end the process when the hook returns false.
#include <cstdio>

#include "platform/win_app.h"

namespace {

class ProbeApp : public CWinApp {
 public:
  bool InitInstance() override {
    if (Current() == this && Enable3dControls()) {
      std::printf("InitInstance ran in %s\n", ModuleAppName().c_str());
      std::fflush(stdout);
    }
    return false;
  }
};

ProbeApp g_probeApp;

}  // namespace
