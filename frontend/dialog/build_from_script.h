// The build as the dialog program runs it: its progress on standard output, and each failure in the
// "Error" box (the stop icon, one OK button), which the build waits on before it closes its files.
#ifndef ORV_FRONTEND_BUILD_FROM_SCRIPT_H_
#define ORV_FRONTEND_BUILD_FROM_SCRIPT_H_

#include <string>

#include "build_reporter.h"
#include "platform/wnd.h"

class ErrorBoxReporter : public BuildReporter {
 public:
  // The boxes are owned by `owner`, or by no window when it holds none.
  explicit ErrorBoxReporter(const CWnd& owner = CWnd()) : owner_(owner) {}

  void Failure(const BuildFailure& failure) override;

 protected:
  const CWnd& owner() const { return owner_; }

 private:
  CWnd owner_;
};

// Builds "script.txt" into "out.orv" in the current directory; a failure shows in a box of no owner
// window, so whatever window is up stays enabled while it is shown.
void BuildFromScript();

#endif  // ORV_FRONTEND_BUILD_FROM_SCRIPT_H_
