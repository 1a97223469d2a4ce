// The texts of the dialog's status line: where out.orv goes, a build under way or waiting for another's
// to end, what the last build came to, and the handler sets opened and saved.
#ifndef ORV_FRONTEND_MODEL_BUILD_STATUS_H_
#define ORV_FRONTEND_MODEL_BUILD_STATUS_H_

#include <ctime>
#include <string>

#include "build_engine.h"

constexpr char kBuildingStatus[] = "Building out.orv...";
constexpr char kWaitingStatus[] = "Waiting for another build of out.orv to end...";

// Before the first build: the folder, given in full, that out.orv will be written in.
std::string FolderStatus(const std::string& folder);

// After a build that wrote out.orv, at the local time `at`: what it wrote ("14:03:12  out.orv built:
// 109,764 bytes, 3 handlers, 8 chunks").
std::string BuiltStatus(const BuildOutcome& outcome, const std::tm& at);

// After a build that failed with this text, at `at`: that out.orv was left as it was, then the text.
std::string FailureStatus(const std::string& failure, const std::tm& at);

// After a set of handlers was opened from or saved to the file fileName, at `at`: "14:03:12  5 handlers
// opened from music.txt".
enum class SetAction { kOpened, kSaved };
std::string HandlerSetStatus(SetAction action, int handlerCount, const std::string& fileName, const std::tm& at);

// Any other text with its time, as the status line tells what happened: "14:03:12  Cannot open ...".
std::string TimedStatus(const std::string& text, const std::tm& at);

#endif  // ORV_FRONTEND_MODEL_BUILD_STATUS_H_
