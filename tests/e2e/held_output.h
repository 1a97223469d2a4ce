// The program's standard output as a pipe that the test keeps full: the build's first progress line
// cannot be written, so a build once started holds still, with the dialog as the build leaves it,
// until the test lets go. What the program then prints can be read back.
#ifndef ORV_TESTS_E2E_HELD_OUTPUT_H_
#define ORV_TESTS_E2E_HELD_OUTPUT_H_

#include <windows.h>

#include <string>

namespace e2e {

class HeldOutput {
 public:
  // Makes the pipe and fills it; ok() tells whether that worked.
  HeldOutput();
  ~HeldOutput();
  HeldOutput(const HeldOutput&) = delete;
  HeldOutput& operator=(const HeldOutput&) = delete;

  bool ok() const { return ok_; }
  // The end to give the program as its standard output; inheritable.
  HANDLE WriteEnd() const { return write_; }
  // Closes the test's own copy of the write end, once the program has its own.
  void CloseWriteEnd();
  // Takes the filling out, so the program's writes go through from now on.
  bool Release();
  // What the program has written since Release, read without waiting.
  const std::string& Text();

 private:
  HANDLE read_ = nullptr;
  HANDLE write_ = nullptr;
  DWORD filled_ = 0;
  bool ok_ = false;
  std::string text_;
};

}  // namespace e2e

#endif  // ORV_TESTS_E2E_HELD_OUTPUT_H_
