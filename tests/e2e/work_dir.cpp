#include "work_dir.h"

namespace e2e {

namespace {

// Made at start-up: a later test may stand in a folder on another drive, where the build's
// drive-less path would name something else.
const std::filesystem::path g_examples = std::filesystem::absolute(ORV_EXAMPLES_DIR);

}  // namespace

WorkDir::WorkDir(const std::string& name) : root_("e2e-" + name), work_(root_.path() / "work") {
  std::filesystem::create_directories(work_);
}

void WorkDir::CopyExamples() const {
  for (const auto& entry : std::filesystem::directory_iterator(g_examples))
    if (entry.path().extension() == ".orv") std::filesystem::copy_file(entry.path(), work_ / entry.path().filename());
}

void WorkDir::Write(const std::string& name, const Bytes& bytes) const { WriteBytes(Path(name), bytes); }

void WorkDir::WriteText(const std::string& name, const std::string& text) const { ::WriteText(Path(name), text); }

Bytes WorkDir::Read(const std::string& name) const { return ReadBytes(Path(name)); }

bool WorkDir::Exists(const std::string& name) const { return FileExists(Path(name)); }

std::string WorkDir::ReadStdout(const std::string& name) const { return ReadText(StdoutPath(name)); }

}  // namespace e2e
