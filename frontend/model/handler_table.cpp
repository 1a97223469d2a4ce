#include "handler_table.h"

#include <cstring>

#include "event_table.h"
#include "script_file.h"
#include "source_box.h"

namespace {

const char kOneHandlerPerEvent[] =
    "Only one handler per event. Remove the current handler if you want to add a new one of the same type.";

void CopyText(char* field, const char* text, int length) {
  std::memcpy(field, text, static_cast<std::size_t>(length));
  field[length] = '\0';
}

}  // namespace

CHandlerTable::CHandlerTable(ListControl& handledList) : handledList_(handledList) {
  for (HandlerRecord& r : records_) r = {-1, "", ""};
}

std::string PathProblem(const char* label, const char* text, int length) {
  switch (FitOfScriptPath(text, length)) {
    case PathFit::kFits:
      break;
    case PathFit::kTooLong:
      // The text comes in UTF-8, where a character can take up to four of the script's bytes.
      return std::string("The ") + label + " path is longer than " + std::to_string(kMaxPathLength) +
             " bytes, more than a build can take (an accented or non-Latin character takes two to four). Please "
             "use a shorter path.";
    case PathFit::kHoldsSpace:
      return std::string("The ") + label +
             " path contains a space or other white space, which a build cannot take. Please rename or move the "
             "file.";
  }
  return std::string();
}

bool MayListHandler(int eventId, bool taken, const char* beginText, const char* loopText, int beginLength,
                    int loopLength, std::string* why) {
  if (EventName(eventId) == nullptr) {
    *why = "Event " + std::to_string(eventId) + " is not one of the dialog's events.";
    return false;
  }
  if (taken) {
    *why = kOneHandlerPerEvent;
    return false;
  }
  *why = PathProblem(SourceLabel(SourceBox::kBegin), beginText, beginLength);
  if (why->empty()) *why = PathProblem(SourceLabel(SourceBox::kLoop), loopText, loopLength);
  return why->empty();
}

bool CHandlerTable::AddHandler(int eventId, const char* beginText, const char* loopText, int beginLength,
                               int loopLength, std::string* why) {
  std::string refusal;
  // A full table has every event's handler, so it refuses as a taken event does.
  bool taken = count_ == kMaxHandlers;
  for (int i = 0; i < count_; ++i) taken = taken || records_[i].eventId == eventId;
  if (!MayListHandler(eventId, taken, beginText, loopText, beginLength, loopLength, &refusal)) {
    if (why != nullptr) *why = refusal;
    return false;
  }

  HandlerRecord& r = records_[count_];
  r.eventId = eventId;
  CopyText(r.beginPath, beginText, beginLength);
  CopyText(r.loopPath, loopText, loopLength);
  ++count_;
  handledList_.AddString(EventName(eventId));
  return true;
}

bool CHandlerTable::RemoveHandler(int index) {
  if (index < 0 || index >= count_) return false;
  // The later records move up in place, as the later list items do: nothing to allocate, so nothing
  // can fail between the two and leave them out of step.
  handledList_.DeleteString(index);
  for (int i = index; i < count_ - 1; ++i) records_[i] = records_[i + 1];
  count_ = count_ - 1;
  return true;
}

const char* CHandlerTable::GetBeginPath(int index) const {
  return index >= 0 && index < count_ ? records_[index].beginPath : "";
}

const char* CHandlerTable::GetLoopPath(int index) const {
  return index >= 0 && index < count_ ? records_[index].loopPath : "";
}

std::vector<ScriptHandler> CHandlerTable::Handlers() const {
  std::vector<ScriptHandler> handlers;
  // Only events of the event table are ever added, so they are all the ids a script can need.
  for (int id = 0; id < kEventCount; ++id) {
    for (int i = 0; i < count_; ++i)
      if (records_[i].eventId == id) handlers.push_back({id, records_[i].beginPath, records_[i].loopPath});
  }
  return handlers;
}

bool CHandlerTable::ReplaceAll(const std::vector<ScriptHandler>& handlers) {
  // Everything is checked before anything goes: the table is replaced whole or not at all.
  if (handlers.size() > static_cast<size_t>(kMaxHandlers)) return false;
  for (size_t i = 0; i < handlers.size(); ++i) {
    const ScriptHandler& h = handlers[i];
    bool taken = false;
    for (size_t j = 0; j < i; ++j) taken = taken || handlers[j].eventId == h.eventId;
    std::string why;
    if (!MayListHandler(h.eventId, taken, h.beginPath.data(), h.loopPath.data(), static_cast<int>(h.beginPath.size()),
                        static_cast<int>(h.loopPath.size()), &why))
      return false;
  }
  while (count_ > 0) RemoveHandler(count_ - 1);
  for (const ScriptHandler& h : handlers)
    AddHandler(h.eventId, h.beginPath.data(), h.loopPath.data(), static_cast<int>(h.beginPath.size()),
               static_cast<int>(h.loopPath.size()));
  return true;
}

bool CHandlerTable::WriteScript() const { return WriteScriptFile(kScriptFileName, Handlers()); }
