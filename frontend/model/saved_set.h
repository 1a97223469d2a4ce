// What closing the dialog would lose: the handlers of the set as it was last opened or saved, which the
// list is measured against, and the texts that say what is at stake: the question asked before they
// go, the caption that names the set, and the reason Windows is given for a session held back.
#ifndef ORV_FRONTEND_MODEL_SAVED_SET_H_
#define ORV_FRONTEND_MODEL_SAVED_SET_H_

#include <string>
#include <vector>

#include "script_file.h"

class SavedSet {
 public:
  // The set is now the file (a full path) holding these handlers, as the list shows them: just opened
  // from it or saved to it.
  void Take(const std::string& file, std::vector<ScriptHandler> handlers);
  // The file last opened or saved; empty before either.
  const std::string& file() const { return file_; }
  // Whether the list's handlers would be lost: they differ from the set's as a whole, whatever their
  // order, or there are some and no set was ever opened or saved. An empty list and no set have
  // nothing to lose.
  bool IsUnsaved(const std::vector<ScriptHandler>& list) const;

 private:
  std::string file_;
  std::vector<ScriptHandler> handlers_;  // in ascending order of their events
};

// The question before `count` unsaved handlers go, with Yes to save them to fileName (empty for a set
// never saved) first: "Save the 5 handlers to combat.txt before closing?", or with `opening` the name
// of the file about to be opened, "... before opening music.txt?".
std::string SaveQuestion(int count, const std::string& fileName, const std::string& opening);

// The dialog's caption, `program` ("ORV Builder v1.0") after the set's file name and marked "*" while
// the list holds what the file does not: "*combat.txt - ORV Builder v1.0"; "*ORV Builder v1.0" for
// handlers never saved.
std::string SetCaption(const std::string& program, const std::string& fileName, bool unsaved);

// Why the dialog holds an ending session back, short, as Windows lists it beside the program's name:
// "5 handlers are not saved".
std::string NotSavedReason(int count);

#endif  // ORV_FRONTEND_MODEL_SAVED_SET_H_
