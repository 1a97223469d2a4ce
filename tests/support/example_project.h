// The example project of examples/ (its sources and the script that builds them) copied into a test's own
// folder, for the tests that build it or read it as a user would.
#ifndef ORV_TESTS_EXAMPLE_PROJECT_H_
#define ORV_TESTS_EXAMPLE_PROJECT_H_

#include <filesystem>

// Copies the example's sources (*.orv) into folder; its script.txt too where withScript.
void CopyExamples(const std::filesystem::path& folder, bool withScript = false);

#endif  // ORV_TESTS_EXAMPLE_PROJECT_H_
