#include "handler_table.h"

#include <cstdio>
#include <cstring>

#include "event_table.h"
#include "file_ptr.h"
#include "script_path.h"
#include "script_reader.h"

namespace {

void CopyText(char* field, const char* text, int length) {
  std::memcpy(field, text, static_cast<std::size_t>(length));
  field[length] = '\0';
}

}  // namespace

CHandlerTable::CHandlerTable(ListControl& handledList) : handledList_(handledList) {
  for (HandlerRecord& r : records_) {
    r.eventId = -1;
    r.beginPath[0] = '\0';
    r.loopPath[0] = '\0';
  }
}

CHandlerTable::~CHandlerTable() = default;

bool CHandlerTable::AddHandler(int eventId, const char* beginText, const char* loopText, int beginLength,
                               int loopLength) {
  if (count_ == kMaxHandlers || IsHandled(eventId)) return false;
  const char* name = EventName(eventId);
  if (name == nullptr || !IsScriptablePath(beginText, beginLength) || !IsScriptablePath(loopText, loopLength))
    return false;

  HandlerRecord& r = records_[count_];
  r.eventId = eventId;
  CopyText(r.beginPath, beginText, beginLength);
  CopyText(r.loopPath, loopText, loopLength);
  ++count_;
  handledList_.AddString(name);
  return true;
}

bool CHandlerTable::IsHandled(int eventId) const {
  for (int i = 0; i < count_; ++i)
    if (records_[i].eventId == eventId) return true;
  return false;
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

bool CHandlerTable::WriteScript() const {
  // Text mode: the platform's own line ends, which the engine's reader takes either way.
  FilePtr script = OpenFile(kScriptFileName, "w");
  if (!script) return false;

  // Only events of the event table are ever added, so they are all the ids a script can need.
  for (int id = 0; id < kEventCount; ++id) {
    const HandlerRecord* handler = nullptr;
    for (int i = 0; i < count_; ++i)
      if (records_[i].eventId == id) handler = &records_[i];
    if (handler == nullptr) continue;
    // An empty path is written as null, so every line keeps its three tokens.
    const char* begin = handler->beginPath[0] ? handler->beginPath : "null";
    const char* loop = handler->loopPath[0] ? handler->loopPath : "null";
    std::fprintf(script.get(), "%d %s begin\n%d %s loop\n", id, begin, id, loop);
  }
  std::fputs("-1", script.get());

  const bool written = std::fflush(script.get()) == 0 && !std::ferror(script.get());
  if (std::fclose(script.release()) == 0 && written) return true;
  // Half a script must not be left behind for a build, or anyone else, to read.
  std::remove(kScriptFileName);
  return false;
}
