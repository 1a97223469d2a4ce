// The dialog as the program shows it, beside its template made in the test's own process, hidden:
// the controls as the template places them at this DPI, in the font the dialog manager makes for it,
// which this process can select and measure with (the program's own font handle means nothing here).
#ifndef ORV_TESTS_E2E_TEMPLATE_COPY_H_
#define ORV_TESTS_E2E_TEMPLATE_COPY_H_

#include <windows.h>

#include "builder_test.h"

namespace e2e {

// The program started at the screen's DPI, which must be the one the run was started for
// (ORV_EXPECT_DPI) where it names one, and placing its controls as the template's copy does.
class TemplateCopyTest : public BuilderTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  int dpi() const { return dpi_; }
  HWND copy() const { return copy_; }

 private:
  int dpi_ = 0;
  HWND copy_ = nullptr;
};

}  // namespace e2e

#endif  // ORV_TESTS_E2E_TEMPLATE_COPY_H_
