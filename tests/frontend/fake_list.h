// An in-memory stand-in for the handled-events list box, with the same append and delete behaviour.
#ifndef ORV_TESTS_FAKE_LIST_H_
#define ORV_TESTS_FAKE_LIST_H_

#include <string>
#include <vector>

#include "handler_table.h"

class FakeList : public ListControl {
 public:
  void AddString(const char* text) override { items.push_back(text); }
  void DeleteString(int index) override { items.erase(items.begin() + index); }

  std::vector<std::string> items;
};

#endif  // ORV_TESTS_FAKE_LIST_H_
