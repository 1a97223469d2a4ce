#include "work_dir.h"

#include <fstream>
#include <iterator>

namespace e2e {

namespace {

// Made at start-up: a later test may stand in a folder on another drive, where the build's
// drive-less path would name something else.
const std::filesystem::path g_examples = std::filesystem::absolute(ORV_EXAMPLES_DIR);

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

WorkDir::WorkDir(const std::string& name) {
  root_ = std::filesystem::absolute("e2e-runs") / name;
  work_ = root_ / "work";
  std::filesystem::remove_all(root_);
  std::filesystem::create_directories(work_);
}

WorkDir::~WorkDir() {
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

void WorkDir::CopyExamples() const {
  for (const auto& entry : std::filesystem::directory_iterator(g_examples))
    if (entry.path().extension() == ".orv") std::filesystem::copy_file(entry.path(), work_ / entry.path().filename());
}

void WorkDir::Write(const std::string& name, const Bytes& bytes) const {
  std::ofstream out(work_ / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WorkDir::WriteText(const std::string& name, const std::string& text) const {
  std::ofstream out(work_ / name, std::ios::binary | std::ios::trunc);
  out << text;
}

Bytes WorkDir::Read(const std::string& name) const {
  const std::string text = Slurp(work_ / name);
  return Bytes(text.begin(), text.end());
}

bool WorkDir::Exists(const std::string& name) const { return std::filesystem::exists(work_ / name); }

std::string WorkDir::ReadStdout() const { return Slurp(root_ / "stdout.txt"); }

}  // namespace e2e
