#include "handler_table.h"

#include <algorithm>

#include "event_table.h"
#include "script_file.h"
#include "source_edit.h"

namespace {

const char kOneHandlerPerEvent[] =
    "Only one handler per event. Remove the current handler if you want to add a new one of the same type.";

// Whether a handler may go into the list, where `taken` says its event has one there already; the
// event's refusal comes first: its paths do not matter while it can take no handler.
bool MayListHandler(int eventId, bool taken, const char* beginText, const char* loopText, int beginLength,
                    int loopLength, std::string* why) {
  if (EventName(eventId) == nullptr)
    *why = "Event " + std::to_string(eventId) + " is not one of the dialog's events.";
  else if (taken)
    *why = kOneHandlerPerEvent;
  else
    *why = PathProblem(SourceLabel(SourceEdit::kBegin), beginText, beginLength);
  if (why->empty()) *why = PathProblem(SourceLabel(SourceEdit::kLoop), loopText, loopLength);
  return why->empty();
}

}  // namespace

std::vector<ScriptHandler> InEventOrder(std::vector<ScriptHandler> handlers) {
  std::sort(handlers.begin(), handlers.end(),
            [](const ScriptHandler& a, const ScriptHandler& b) { return a.eventId < b.eventId; });
  return handlers;
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

bool CHandlerTable::AddHandler(int eventId, const char* beginText, const char* loopText, int beginLength,
                               int loopLength, std::string* why) {
  std::string refusal;
  const bool taken =
      std::any_of(records_.begin(), records_.end(), [&](const ScriptHandler& r) { return r.eventId == eventId; });
  if (!MayListHandler(eventId, taken, beginText, loopText, beginLength, loopLength, &refusal)) {
    if (why != nullptr) *why = refusal;
    return false;
  }
  records_.push_back({eventId, std::string(beginText, static_cast<size_t>(beginLength)),
                      std::string(loopText, static_cast<size_t>(loopLength))});
  handledList_.AddString(EventName(eventId));
  return true;
}

bool CHandlerTable::RemoveHandler(int index) {
  if (index < 0 || index >= GetCount()) return false;
  // The later records move up, as the later list items do: nothing to allocate, so nothing can fail
  // between the two and leave them out of step.
  handledList_.DeleteString(index);
  records_.erase(records_.begin() + index);
  return true;
}

const char* CHandlerTable::GetBeginPath(int index) const {
  return index >= 0 && index < GetCount() ? records_[static_cast<size_t>(index)].beginPath.c_str() : "";
}

const char* CHandlerTable::GetLoopPath(int index) const {
  return index >= 0 && index < GetCount() ? records_[static_cast<size_t>(index)].loopPath.c_str() : "";
}

std::vector<ScriptHandler> CHandlerTable::Handlers() const { return InEventOrder(records_); }

bool CHandlerTable::ReplaceAll(const std::vector<ScriptHandler>& handlers) {
  // Everything is checked before anything goes: the table is replaced whole or not at all.
  for (size_t i = 0; i < handlers.size(); ++i) {
    const ScriptHandler& h = handlers[i];
    bool taken = false;
    for (size_t j = 0; j < i; ++j) taken = taken || handlers[j].eventId == h.eventId;
    std::string why;
    if (!MayListHandler(h.eventId, taken, h.beginPath.data(), h.loopPath.data(), static_cast<int>(h.beginPath.size()),
                        static_cast<int>(h.loopPath.size()), &why))
      return false;
  }
  while (GetCount() > 0) RemoveHandler(GetCount() - 1);
  for (const ScriptHandler& h : handlers)
    AddHandler(h.eventId, h.beginPath.data(), h.loopPath.data(), static_cast<int>(h.beginPath.size()),
               static_cast<int>(h.loopPath.size()));
  return true;
}

bool CHandlerTable::WriteScript() const { return WriteScriptFile(kScriptFileName, Handlers()); }
