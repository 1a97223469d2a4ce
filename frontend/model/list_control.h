// The handled-events list as the handler table sees it. The dialog's list box provides it over Win32;
// the native tests use an in-memory double.
#ifndef ORV_FRONTEND_MODEL_LIST_CONTROL_H_
#define ORV_FRONTEND_MODEL_LIST_CONTROL_H_

#include <string>

class ListControl {
 public:
  virtual ~ListControl() = default;

  // Appends at the end, so item k stays in step with the table's record k.
  virtual void AddString(const char* text) = 0;
  // Deletes item index; the items after it move up by one.
  virtual void DeleteString(int index) = 0;
  virtual int GetCount() const = 0;
  // The item's full text, or an empty text for an index outside the list.
  virtual std::string GetText(int index) const = 0;
};

#endif  // ORV_FRONTEND_MODEL_LIST_CONTROL_H_
