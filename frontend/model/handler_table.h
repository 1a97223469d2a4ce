// The handlers the author has defined, one per event, kept in step with the dialog's handled-events
// list, and written out as the build script.
#ifndef ORV_FRONTEND_MODEL_HANDLER_TABLE_H_
#define ORV_FRONTEND_MODEL_HANDLER_TABLE_H_

#include <string>
#include <vector>

#include "event_table.h"
#include "script_file.h"

// The handled-events list as the handler table keeps it in step with its records: the dialog's list
// box over Win32, an in-memory double in the native tests.
class ListControl {
 public:
  virtual ~ListControl() = default;
  // Appends at the end, so item k stays in step with the table's record k.
  virtual void AddString(const char* text) = 0;
  // Deletes item index; the items after it move up by one.
  virtual void DeleteString(int index) = 0;
};

// The handlers in ascending order of their events, as a script lists them. One handler an event, so
// two lists of the same handlers share this order, whatever order each came in.
std::vector<ScriptHandler> InEventOrder(std::vector<ScriptHandler> handlers);

// Why the text cannot go into the script as the path of the piece named by `label` ("Begin ORV"), in
// the words Add shows the author, or an empty text when it can. The text need not be NUL-terminated.
std::string PathProblem(const char* label, const char* text, int length);

class CHandlerTable {
 public:
  explicit CHandlerTable(ListControl& handledList) : handledList_(handledList) {}

  // Adds a handler for an event of the event table and appends its name to the list. The texts need
  // not be NUL-terminated. False, with nothing changed and *why (where given) in the words the dialog
  // shows the author, for an event outside the event table or taken (said before any fault of the
  // paths), or a path that cannot stand in the script (see PathProblem).
  bool AddHandler(int eventId, const char* beginText, const char* loopText, int beginLength, int loopLength,
                  std::string* why = nullptr);

  // Removes handler `index` and its list item; false, with nothing changed, for an index outside the
  // table.
  bool RemoveHandler(int index);

  // The handler's paths, or an empty text for an index outside the table.
  const char* GetBeginPath(int index) const;
  const char* GetLoopPath(int index) const;

  // The handlers in ascending order of their events, as a script lists them.
  std::vector<ScriptHandler> Handlers() const;

  // Puts the handlers in place of all the table holds, in the order given. False, with nothing
  // changed, when they could not all be added (see AddHandler), or name one event twice.
  bool ReplaceAll(const std::vector<ScriptHandler>& handlers);

  // Writes "script.txt" in the current directory; false, with no script of ours left, when it could
  // not be written whole.
  bool WriteScript() const;

  int GetCount() const { return static_cast<int>(records_.size()); }

 private:
  std::vector<ScriptHandler> records_;  // in step with the list's items
  ListControl& handledList_;
};

#endif  // ORV_FRONTEND_MODEL_HANDLER_TABLE_H_
