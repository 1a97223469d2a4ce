#include "platform/edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_host.h"

namespace {

constexpr char kUntouched = '#';

class EditTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(host_.hwnd(), nullptr);
    edit_.Attach(host_.AddControl("EDIT", ES_AUTOHSCROLL, 1002));
    ASSERT_NE(edit_.GetSafeHwnd(), nullptr);
    buffer_.assign(600, kUntouched);
  }
  // A text of distinct characters, so a shifted or repeated copy shows.
  static std::string Pattern(size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
    return text;
  }
  ControlHost host_;
  CEdit edit_;
  std::vector<char> buffer_;
};

TEST_F(EditTest, CopiesAtMostTheLimitAndWritesNothingPastIt) {
  for (size_t length : {600u, 499u}) {
    SCOPED_TRACE(length);
    const std::string text = Pattern(length);
    edit_.SetWindowTextA(text.c_str());
    buffer_.assign(600, kUntouched);
    ASSERT_EQ(edit_.GetLine(0, buffer_.data(), 499), 499);
    EXPECT_EQ(std::string(buffer_.data(), 499), text.substr(0, 499));
    EXPECT_EQ(buffer_[499], kUntouched);  // no terminating NUL, nothing beyond the limit
  }
}

TEST_F(EditTest, ReturnsTheCountOfAShorterLine) {
  edit_.SetWindowTextA("sources\\begin.orv");
  ASSERT_EQ(edit_.GetLine(0, buffer_.data(), 499), 17);
  EXPECT_EQ(std::string(buffer_.data(), 17), "sources\\begin.orv");

  edit_.SetWindowTextA("b.orv");  // replaces, not appends
  ASSERT_EQ(edit_.GetLine(0, buffer_.data(), 499), 5);
  EXPECT_EQ(std::string(buffer_.data(), 5), "b.orv");

  edit_.SetWindowTextA("");
  EXPECT_EQ(edit_.GetLine(0, buffer_.data(), 499), 0);
}

}  // namespace
