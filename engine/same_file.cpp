#include "same_file.h"

#include <filesystem>
#include <system_error>

#include "ascii_case.h"

namespace fs = std::filesystem;

namespace {

// Deeper than any real path goes, and than the links a system follows.
constexpr int kMaxDepth = 40;

bool SameText(const fs::path& a, const fs::path& b) {
#ifdef _WIN32
  return EqualsIgnoringAsciiCase(a.u8string().c_str(), b.u8string().c_str());
#else
  return a == b;
#endif
}

// The file a write to `path` makes: the target of the link it is, when it is one.
fs::path WrittenThrough(fs::path path) {
  std::error_code ec;
  for (int depth = 0; depth < kMaxDepth && fs::is_symlink(fs::symlink_status(path, ec)); ++depth) {
    const fs::path target = fs::read_symlink(path, ec);
    if (ec) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

bool SameFile(const fs::path& a, const fs::path& b, int depth) {
  std::error_code ec;
  // A folder named by nothing is the current one.
  const fs::path namedA = a.empty() ? fs::path(".") : a, namedB = b.empty() ? fs::path(".") : b;
  const bool thereA = fs::exists(namedA, ec), thereB = fs::exists(namedB, ec);
  if (thereA && thereB) return fs::equivalent(namedA, namedB, ec) && !ec;
  if (thereA || thereB || depth == kMaxDepth) return false;
  const fs::path futureA = WrittenThrough(a), futureB = WrittenThrough(b);
  if (!SameText(futureA.filename(), futureB.filename())) return false;
  // Folders named alike are one without asking the system.
  const fs::path folderA = futureA.parent_path(), folderB = futureB.parent_path();
  return SameText(folderA, folderB) || SameFile(folderA, folderB, depth + 1);
}

}  // namespace

bool NameOneFile(const std::string& a, const std::string& b) { return SameFile(fs::u8path(a), fs::u8path(b), 0); }
