// Template 102 as windres compiled it: frame, font and every control's bytes. Catches styles
// that the resource compiler adds or drops on its own.
#include <gtest/gtest.h>

#include <string>

#include "dialog_template.h"
#include "expected_dialog.h"
#include "module_resource.h"

namespace {

DialogTemplate LoadBuilderTemplate() {
  DialogTemplate t;
  ResourceBytes bytes = FindModuleResource(RT_DIALOG, IDD_BUILDER_DIALOG);
  std::string err;
  EXPECT_NE(bytes.data, nullptr) << "no dialog resource " << IDD_BUILDER_DIALOG;
  if (bytes.data) {
    EXPECT_TRUE(ParseDialogTemplate(bytes.data, bytes.size, &t, &err)) << err;
  }
  return t;
}

TEST(DialogTemplate, FrameCaptionAndFont) {
  DialogTemplate t = LoadBuilderTemplate();
  EXPECT_EQ(t.style, expected::kDialogStyle);
  EXPECT_EQ(t.exStyle, expected::kDialogExStyle);
  EXPECT_EQ(t.cx, expected::kWidth);
  EXPECT_EQ(t.cy, expected::kHeight);
  EXPECT_EQ(t.caption, expected::kCaption);
  EXPECT_EQ(t.menu, "");
  EXPECT_EQ(t.windowClass, "");
  EXPECT_EQ(t.typeface, expected::kTypeface);
  EXPECT_EQ(t.pointSize, expected::kPointSize);
  EXPECT_EQ(t.italic, 0);
}

TEST(DialogTemplate, ControlsInTabOrderWithExactStyles) {
  DialogTemplate t = LoadBuilderTemplate();
  ASSERT_EQ(t.items.size(), static_cast<size_t>(expected::kControlCount));
  for (int i = 0; i < expected::kControlCount; ++i) {
    const ExpectedControl& want = expected::kControls[i];
    const DialogItem& got = t.items[static_cast<size_t>(i)];
    SCOPED_TRACE("control " + std::to_string(i) + " \"" + want.text + "\" id " + std::to_string(want.id));
    EXPECT_EQ(static_cast<int>(got.id), want.id);
    EXPECT_EQ(got.windowClass, want.classAtom);
    EXPECT_EQ(got.text, want.text);
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.cx, want.cx);
    EXPECT_EQ(got.cy, want.cy);
    EXPECT_EQ(got.style, want.style) << std::hex << "got 0x" << got.style << ", want 0x" << want.style;
    EXPECT_EQ(got.exStyle, 0u);
  }
}

TEST(DialogTemplate, ParserRejectsClassicAndTruncatedTemplates) {
  DialogTemplate t;
  std::string err;
  const unsigned char classic[18] = {0xC0, 0x00, 0xC8, 0x90};  // DLGTEMPLATE starts with its style
  EXPECT_FALSE(ParseDialogTemplate(classic, sizeof(classic), &t, &err));
  EXPECT_EQ(err, "not an extended dialog template");

  ResourceBytes bytes = FindModuleResource(RT_DIALOG, IDD_BUILDER_DIALOG);
  ASSERT_NE(bytes.data, nullptr);
  EXPECT_FALSE(ParseDialogTemplate(bytes.data, bytes.size - 4, &t, &err));
  EXPECT_EQ(err.rfind("dialog template truncated at byte ", 0), 0u) << err;
}

}  // namespace
