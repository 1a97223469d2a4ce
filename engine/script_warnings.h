// What a build reads all the same but no script the dialog writes holds, and so is most likely a slip in
// a script written by hand: a type word other than begin or loop, read as begin; an event the state
// table never lists; an event given a second Begin or a second Loop. Each is told at the line of the
// entry that shows it.
#ifndef ORV_ENGINE_SCRIPT_WARNINGS_H_
#define ORV_ENGINE_SCRIPT_WARNINGS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "script_reader.h"

struct ScriptWarning {
  int line;  // counted from 1
  std::string text;
};

class ScriptWarnings {
 public:
  // The warnings of the entry just read, given its type word as the script spells it, in the order the
  // script's entries come.
  std::vector<ScriptWarning> Of(const ScriptEntry& entry, const char* typeWord);

 private:
  // Where each event met so far has its first Begin and first Loop, 0 while it has none.
  struct Event {
    std::int32_t id;
    int beginLine;
    int loopLine;
  };
  std::vector<Event> events_;
};

#endif  // ORV_ENGINE_SCRIPT_WARNINGS_H_
