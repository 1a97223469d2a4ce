// A hidden top-level window that holds real system controls made at run time, for tests of the
// control wrappers. Destroying the host destroys its controls.
#ifndef ORV_TESTS_PLATFORM_CONTROL_HOST_H_
#define ORV_TESTS_PLATFORM_CONTROL_HOST_H_

#include <windows.h>

class ControlHost {
 public:
  ControlHost();
  ~ControlHost();
  ControlHost(const ControlHost&) = delete;
  ControlHost& operator=(const ControlHost&) = delete;

  HWND hwnd() const { return hwnd_; }
  // A child of the system class (e.g. "LISTBOX") with these styles besides WS_CHILD | WS_VISIBLE.
  HWND AddControl(const char* className, DWORD style, int id);

 private:
  HWND hwnd_;
};

#endif  // ORV_TESTS_PLATFORM_CONTROL_HOST_H_
