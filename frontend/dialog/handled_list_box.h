// The dialog's handled-events list box, as the handler table keeps it in step with its records.
#ifndef ORV_FRONTEND_DIALOG_HANDLED_LIST_BOX_H_
#define ORV_FRONTEND_DIALOG_HANDLED_LIST_BOX_H_

#include <string>

#include "list_control.h"
#include "platform/list_box.h"

class HandledListBox : public ListControl {
 public:
  explicit HandledListBox(CListBox list) : list_(list) {}

  void AddString(const char* text) override { list_.AddString(text); }
  void DeleteString(int index) override { list_.DeleteString(index); }
  int GetCount() const override { return list_.GetCount(); }
  std::string GetText(int index) const override { return list_.GetText(index); }

 private:
  CListBox list_;
};

#endif  // ORV_FRONTEND_DIALOG_HANDLED_LIST_BOX_H_
