// The labels the program widens where the dialog's font cuts them short, at the display's DPI: one
// whose text fitted the template keeps its place. That every text shows whole and no two controls
// overlap is the placement test's to check, for every control. And the tab order as a user meets it,
// each control named as a screen reader names it through the accessibility layer (MSAA).
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
// accessibility layer; when it gives none, why, in brackets.
std::string AccessibleName(HWND hwnd) {
  IAccessible* accessible = nullptr;
  // __uuidof: the import library gives IID_IAccessible as a function's address, not the GUID's.
  HRESULT result = ::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&accessible));
  if (FAILED(result) || accessible == nullptr) return "(no accessible object: " + std::to_string(result) + ")";
  VARIANT self;
  ::VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  result = accessible->get_accName(self, &name);
  accessible->Release();
  if (result != S_OK || name == nullptr) return "(no name: " + std::to_string(result) + ")";
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
    // The status line is cut with an ellipsis where its text is long.
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
  Exit();
}

// Tab meets every control that takes input, once, in this order from the first: a list or an edit
// named after the label just before it, a path in an edit not becoming its name.
TEST_F(Labels, TabMeetsEachControlInTurnNamedAsAScreenReaderNamesIt) {
  ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  app().SetText(kBeginEdit, "music\\combat_begin.orv");
  std::vector<std::string> met;
  const HWND first = ::GetNextDlgTabItem(app().dialog(), nullptr, FALSE);
  HWND stop = first;
  do {
    met.push_back(AccessibleName(stop));
    stop = ::GetNextDlgTabItem(app().dialog(), stop, FALSE);
  } while (stop != nullptr && stop != first && met.size() < 20);
  ::CoUninitialize();
  EXPECT_EQ(met, (std::vector<std::string>{"Exit", "Handled events", "Event", "Begin ORV", "Browse...", "Loop ORV",
                                           "Browse...", "Add", "Remove", "Build ORV", "Open...", "Save..."}));
  Exit();
}

}  // namespace
}  // namespace e2e
