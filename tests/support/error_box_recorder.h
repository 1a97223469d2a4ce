// The tests' error box: it records every text the engine shows, and can run a check while the box is
// "open", to see what the engine has left on disk at that moment.
#ifndef ORV_TESTS_ERROR_BOX_RECORDER_H_
#define ORV_TESTS_ERROR_BOX_RECORDER_H_

#include <functional>
#include <string>
#include <vector>

std::vector<std::string>& ShownErrors();
// Runs inside ShowErrorBox, before it returns; cleared by ClearShownErrors.
void SetWhileErrorShown(std::function<void()> check);
void ClearShownErrors();

#endif  // ORV_TESTS_ERROR_BOX_RECORDER_H_
