#include "example_project.h"

namespace {

// Made absolute at start-up: a later test may stand in a folder on another drive, where the build's
// drive-less path would name something else.
const std::filesystem::path g_examples = std::filesystem::absolute(ORV_EXAMPLES_DIR);

}  // namespace

void CopyExamples(const std::filesystem::path& folder, bool withScript) {
  for (const auto& entry : std::filesystem::directory_iterator(g_examples)) {
    const std::filesystem::path& file = entry.path();
    if (entry.is_regular_file() && (file.extension() == ".orv" || (withScript && file.filename() == "script.txt")))
      std::filesystem::copy_file(file, folder / file.filename());
  }
}
