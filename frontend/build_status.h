// The texts of the dialog's status line: where out.orv goes, a build under way or waiting for another's
// to end, and what the last build came to.
#ifndef ORV_FRONTEND_BUILD_STATUS_H_
#define ORV_FRONTEND_BUILD_STATUS_H_

#include <cstdint>
#include <ctime>
#include <string>

#include "build_engine.h"

constexpr char kBuildingStatus[] = "Building out.orv...";
constexpr char kWaitingStatus[] = "Waiting for another build of out.orv to end...";

// Before the first build: the folder, given in full, that out.orv will be written in.
std::string FolderStatus(const std::string& folder);

// After a build, at the local time `at`: what it wrote ("14:03:12  out.orv built: 109,764 bytes,
// 3 handlers, 8 chunks"), or the failure's own text and that out.orv was left as it was.
std::string OutcomeStatus(const BuildOutcome& outcome, const std::tm& at);

// The count with a comma between each group of three digits: "109,764".
std::string WithThousands(std::int64_t count);

#endif  // ORV_FRONTEND_BUILD_STATUS_H_
