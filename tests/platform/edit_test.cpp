#include "platform/edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "control_host.h"

namespace {

// A line longer than the limit comes back cut at it, nothing written past it and no NUL; a shorter one
// with its own count.
TEST(EditTest, GetLineCopiesAtMostTheLimitAndWritesNothingPastIt) {
  ControlHost host;
  CEdit edit(CWnd(host.AddControl("EDIT", ES_AUTOHSCROLL, 1002)));
  ASSERT_NE(edit.GetSafeHwnd(), nullptr);
  std::string text;
  for (size_t i = 0; i < 600; ++i) text += static_cast<char>('a' + i % 26);  // a shifted copy shows
  for (size_t length : {600u, 499u, 17u, 0u}) {
    SCOPED_TRACE(length);
    edit.SetWindowTextA(text.substr(0, length).c_str());
    std::vector<char> buffer(600, '#');
    const int copied = edit.GetLine(0, buffer.data(), 499);
    ASSERT_EQ(copied, static_cast<int>(std::min<size_t>(length, 499)));
    EXPECT_EQ(std::string(buffer.data(), static_cast<size_t>(copied)), text.substr(0, static_cast<size_t>(copied)));
    EXPECT_EQ(buffer[499], '#');
  }
}

}  // namespace
