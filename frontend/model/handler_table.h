// The handlers the author has defined, one per event, kept in step with the dialog's handled-events
// list, and written out as the build script.
#ifndef ORV_FRONTEND_MODEL_HANDLER_TABLE_H_
#define ORV_FRONTEND_MODEL_HANDLER_TABLE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "event_table.h"
#include "list_control.h"
#include "script_file.h"

// One handler per event, so the table never needs a record more than there are events.
constexpr int kMaxHandlers = kEventCount;

struct HandlerRecord {
  std::int32_t eventId;
  char beginPath[kMaxPathLength + 1];  // NUL-terminated; empty for no source
  char loopPath[kMaxPathLength + 1];
};

// Why the text cannot go into the script as the path of the piece named by `label` ("Begin ORV"), in
// the words Add shows the author, or an empty text when it can. The text need not be NUL-terminated.
std::string PathProblem(const char* label, const char* text, int length);

// Whether a handler may go into the list, where `taken` says its event has one there already. False,
// with *why in the words the dialog shows the author, for an event outside the event table or taken,
// or a path that cannot stand in the script (see PathProblem). The event's refusal comes first: its
// paths do not matter while it can take no handler.
bool MayListHandler(int eventId, bool taken, const char* beginText, const char* loopText, int beginLength,
                    int loopLength, std::string* why);

class CHandlerTable {
 public:
  explicit CHandlerTable(ListControl& handledList);
  virtual ~CHandlerTable() = default;

  // Adds a handler for an event of the event table and appends its name to the list. The texts need
  // not be NUL-terminated. False, with nothing changed and *why (where given) saying why, when the
  // handler may not go in (see MayListHandler).
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
  // changed, when they could not all be added (see MayListHandler), or name one event twice.
  bool ReplaceAll(const std::vector<ScriptHandler>& handlers);

  // Writes "script.txt" in the current directory; false, with no script of ours left, when it could
  // not be written whole.
  bool WriteScript() const;

  int GetCount() const { return count_; }

 private:
  HandlerRecord records_[kMaxHandlers];
  int count_ = 0;
  ListControl& handledList_;
};

#endif  // ORV_FRONTEND_MODEL_HANDLER_TABLE_H_
