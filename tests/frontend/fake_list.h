// An in-memory stand-in for the handled-events list box, with the same append and delete behaviour.
#ifndef ORV_TESTS_FAKE_LIST_H_
#define ORV_TESTS_FAKE_LIST_H_

#include <string>
#include <vector>

#include "list_control.h"

class FakeList : public ListControl {
 public:
  void AddString(const char* text) override { items.push_back(text); }
  void DeleteString(int index) override {
    if (index >= 0 && index < GetCount()) items.erase(items.begin() + index);
  }
  int GetCount() const override { return static_cast<int>(items.size()); }
  std::string GetText(int index) const override {
    return index >= 0 && index < GetCount() ? items[static_cast<std::size_t>(index)] : std::string();
  }

  std::vector<std::string> items;
};

#endif  // ORV_TESTS_FAKE_LIST_H_
