#include "saved_set.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "count_text.h"
#include "handler_table.h"

namespace {

bool SameHandler(const ScriptHandler& a, const ScriptHandler& b) {
  return std::tie(a.eventId, a.beginPath, a.loopPath) == std::tie(b.eventId, b.beginPath, b.loopPath);
}

// "the 5 handlers"; a list emptied since the set was saved is "the empty list".
std::string TheHandlers(int count) {
  return count == 0 ? "the empty list" : "the " + Counted(count, "handler", "handlers");
}

}  // namespace

void SavedSet::Take(const std::string& file, std::vector<ScriptHandler> handlers) {
  file_ = file;
  handlers_ = InEventOrder(std::move(handlers));
}

bool SavedSet::IsUnsaved(const std::vector<ScriptHandler>& list) const {
  if (file_.empty()) return !list.empty();
  const std::vector<ScriptHandler> sorted = InEventOrder(list);
  return !std::equal(sorted.begin(), sorted.end(), handlers_.begin(), handlers_.end(), SameHandler);
}

std::string SaveQuestion(int count, const std::string& fileName, const std::string& opening) {
  const std::string to = fileName.empty() ? std::string() : " to " + fileName;
  const std::string before = opening.empty() ? "closing" : "opening " + opening;
  return "Save " + TheHandlers(count) + to + " before " + before + "?";
}

std::string SetCaption(const std::string& program, const std::string& fileName, bool unsaved) {
  const std::string named = fileName.empty() ? program : fileName + " - " + program;
  return unsaved ? "*" + named : named;
}

std::string NotSavedReason(int count) {
  if (count == 0) return "The emptied list is not saved";
  return Counted(count, "handler is", "handlers are") + " not saved";
}
