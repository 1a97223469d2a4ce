#include "build_status.h"

#include <cstdio>

#include "count_text.h"

std::string FolderStatus(const std::string& folder) { return "out.orv will be written in " + folder; }

std::string BuiltStatus(const BuildOutcome& outcome, const std::tm& at) {
  return TimedStatus("out.orv built: " + Counted(outcome.fileSize, "byte", "bytes") + ", " +
                         Counted(outcome.handlerCount, "handler", "handlers") + ", " +
                         Counted(outcome.chunkCount, "chunk", "chunks"),
                     at);
}

std::string FailureStatus(const std::string& failure, const std::tm& at) {
  // The outcome first: a long failure is cut at its end, never the words that out.orv stayed.
  return TimedStatus("out.orv was left as it was. " + failure, at);
}

std::string HandlerSetStatus(SetAction action, int handlerCount, const std::string& fileName, const std::tm& at) {
  return TimedStatus(Counted(handlerCount, "handler", "handlers") +
                         (action == SetAction::kOpened ? " opened from " : " saved to ") + fileName,
                     at);
}

std::string TimedStatus(const std::string& text, const std::tm& at) {
  char clock[16];
  std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", at.tm_hour, at.tm_min, at.tm_sec);
  return std::string(clock) + "  " + text;
}
