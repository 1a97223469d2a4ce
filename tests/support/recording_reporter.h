// The tests' build reporter: it records every failure a build reports, and the notice of a script that
// could not be opened, and can run a check while a failure is "shown", to see what the build has left
// on disk at that moment. Progress goes to standard output, as by default.
#ifndef ORV_TESTS_RECORDING_REPORTER_H_
#define ORV_TESTS_RECORDING_REPORTER_H_

#include <functional>
#include <string>
#include <vector>

#include "build_reporter.h"

class RecordingReporter : public BuildReporter {
 public:
  void Failure(const BuildFailure& failure) override {
    failures.push_back(failure.text);
    details.push_back(failure);
    if (whileShown) whileShown();
  }
  void ScriptNotOpened(const std::string& script, OpenFailure why) override {
    unopenedScript = script;
    unopened = why;
  }

  // Forgets what was recorded, and the check.
  void Clear() {
    failures.clear();
    details.clear();
    whileShown = nullptr;
    unopenedScript.clear();
    unopened = OpenFailure::kNone;
  }

  std::vector<std::string> failures;
  std::vector<BuildFailure> details;  // the same failures, whole
  // Runs inside Failure, before it returns.
  std::function<void()> whileShown;
  std::string unopenedScript;
  OpenFailure unopened = OpenFailure::kNone;
};

#endif  // ORV_TESTS_RECORDING_REPORTER_H_
