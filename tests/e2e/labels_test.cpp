// The labels the program widens where the dialog's font cuts them short, at the display's DPI: one
// whose text fitted the template keeps its place, and the status line at the foot is a whole line high
// and over no other control. That every text shows whole and no two controls overlap is the placement
// test's to check, for every control. And the names a screen reader gives each list and box, from the
// label just before it, as the accessibility layer (MSAA) reads them.
#include <oleacc.h>

#include <iostream>
#include <string>
#include <vector>

#include "platform/wide_text.h"
#include "template_copy.h"
#include "window_geometry.h"

namespace e2e {
namespace {

std::vector<HWND> ChildrenOf(HWND dialog) {
  std::vector<HWND> children;
  for (HWND c = ::GetWindow(dialog, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

// The name a screen reader reads for the window itself (CHILDID_SELF), through the system's
// accessibility layer; empty when it gives none, with why in *why.
std::string AccessibleName(HWND hwnd, std::string* why) {
  IAccessible* accessible = nullptr;
  // __uuidof: the import library gives IID_IAccessible as a function's address, not the GUID's.
  HRESULT result = ::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&accessible));
  if (FAILED(result) || accessible == nullptr) {
    *why = "no accessible object (" + std::to_string(result) + ")";
    return std::string();
  }
  VARIANT self;
  ::VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  result = accessible->get_accName(self, &name);
  accessible->Release();
  if (result != S_OK || name == nullptr) {
    *why = "no name (" + std::to_string(result) + ")";
    return std::string();
  }
  const std::wstring wide(name, ::SysStringLen(name));
  ::SysFreeString(name);
  return Utf8FromWide(wide);
}

using Labels = TemplateCopyTest;

TEST_F(Labels, OnlyTheLabelsTheFontCutsShortMove) {
  const std::vector<HWND> before = ChildrenOf(copy());
  const std::vector<HWND> after = ChildrenOf(app().dialog());
  ASSERT_EQ(before.size(), after.size());
  int labels = 0;
  for (size_t i = 0; i < after.size(); ++i) {
    // The status line is cut with an ellipsis where its text is long; it has checks of its own below.
    if (ClassName(after[i]) != "Static" || ::GetDlgCtrlID(after[i]) == kStatus) continue;
    ++labels;
    const std::string text = WindowText(after[i]);
    const SIZE need = TextSize(text, copy());
    RECT was;
    ::GetClientRect(before[i], &was);
    std::cout << "  at " << dpi() << " dpi, \"" << text << "\": text " << need.cx << " px wide, template " << was.right
              << " px\n";
    if (need.cx > was.right) continue;
    const RECT placeWas = PlaceIn(copy(), before[i]);
    const RECT placeNow = PlaceIn(app().dialog(), after[i]);
    EXPECT_TRUE(::EqualRect(&placeWas, &placeNow)) << "the label \"" << text << "\" fitted, yet it has moved";
  }
  EXPECT_EQ(labels, 4);

  // The status line: a whole line of text high, inside the dialog, over no other control, group boxes
  // included.
  const HWND status = app().Control(kStatus);
  ASSERT_NE(status, nullptr);
  const SIZE line = TextSize("Ay", copy());
  RECT statusClient;
  ::GetClientRect(status, &statusClient);
  EXPECT_LE(line.cy, statusClient.bottom) << "the status line is lower than its text";
  const RECT statusPlace = PlaceIn(app().dialog(), status);
  RECT appClient;
  ::GetClientRect(app().dialog(), &appClient);
  EXPECT_TRUE(Contains(appClient, statusPlace)) << "the status line reaches out of the dialog";
  for (HWND other : after) {
    if (other == status || !::IsWindowVisible(other)) continue;
    const RECT place = PlaceIn(app().dialog(), other);
    RECT overlap;
    EXPECT_FALSE(::IntersectRect(&overlap, &statusPlace, &place))
        << "the status line covers control " << ::GetDlgCtrlID(other);
  }

  Exit();
}

// Each list and box is named after its label, which stands just before it in the dialog's child
// order; a path in a box does not become its name.
TEST_F(Labels, NameEachListAndBoxForAScreenReader) {
  ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  app().SetText(kBeginEdit, "music\\combat_begin.orv");
  const struct {
    int id;
    const char* name;
  } named[] = {
      {kHandledList, "Handled events"}, {kEventList, "Event"}, {kBeginEdit, "Begin ORV"}, {kLoopEdit, "Loop ORV"}};
  for (const auto& control : named) {
    SCOPED_TRACE(control.name);
    const HWND hwnd = app().Control(control.id);
    const HWND before = ::GetWindow(hwnd, GW_HWNDPREV);
    EXPECT_EQ(ClassName(before), "Static");
    EXPECT_EQ(WindowText(before), control.name) << "the label is not just before its control";
    std::string why;
    EXPECT_EQ(AccessibleName(hwnd, &why), control.name) << why;
  }
  ::CoUninitialize();
  Exit();
}

}  // namespace
}  // namespace e2e
