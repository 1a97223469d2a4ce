// The test program's application object: one static instance, as in the product, recording what the
// platform asks of it.
#ifndef ORV_TESTS_PLATFORM_TEST_APP_H_
#define ORV_TESTS_PLATFORM_TEST_APP_H_

#include <vector>

#include "platform/win_app.h"

class TestApp : public CWinApp {
 public:
  bool InitInstance() override;
  bool OnCommand(int id) override;

  bool initResult = false;
  int initCalls = 0;
  std::vector<int> commands;  // every id offered to OnCommand
  int helpCalls = 0;
};

extern TestApp g_testApp;

#endif  // ORV_TESTS_PLATFORM_TEST_APP_H_
