// A failure that stops a build: shown to the user through ShowErrorBox, and kept, so that what the build
// came to can give the same text as the box.
#ifndef ORV_ENGINE_BUILD_FAILURE_H_
#define ORV_ENGINE_BUILD_FAILURE_H_

#include <string>

// Shows the text and keeps it as the last failure; returns once the box is dismissed.
void ShowBuildFailure(const std::string& text);
// The text of the last failure shown since ForgetBuildFailure; "" when none was.
const std::string& LastBuildFailure();
void ForgetBuildFailure();

#endif  // ORV_ENGINE_BUILD_FAILURE_H_
