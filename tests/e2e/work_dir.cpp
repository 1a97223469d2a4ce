#include "work_dir.h"

#include "example_project.h"

namespace e2e {

WorkDir::WorkDir(const std::string& name) : root_("e2e-" + name), work_(root_.path() / "work") {
  std::filesystem::create_directories(work_);
}

void WorkDir::CopyExamples() const { ::CopyExamples(work_); }

void WorkDir::Write(const std::string& name, const Bytes& bytes) const { WriteBytes(Path(name), bytes); }

void WorkDir::WriteText(const std::string& name, const std::string& text) const { ::WriteText(Path(name), text); }

Bytes WorkDir::Read(const std::string& name) const { return ReadBytes(Path(name)); }

bool WorkDir::Exists(const std::string& name) const { return FileExists(Path(name)); }

std::string WorkDir::ReadStdout(const std::string& name) const { return ReadText(StdoutPath(name)); }

}  // namespace e2e
