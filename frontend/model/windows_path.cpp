#include "windows_path.h"

#include <algorithm>
#include <vector>

#include "ascii_case.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool SameChar(char a, char b) { return LowerAscii(a) == LowerAscii(b) || (IsSeparator(a) && IsSeparator(b)); }

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameChar);
}

// A path cut into its root ("C:", "\\server\share", or none) and its names, "." and empty ones left out.
struct PathParts {
  std::string root;
  bool fromRoot = false;  // the names start at a root: "C:\a", "\a", "\\server\share\a"
  std::vector<std::string> names;
};

// Adds one of a PathParts' names, ".." climbing back a name.
void AddName(std::vector<std::string>* names, const std::string& name) {
  // Windows climbs no higher than the root, and neither does this.
  if (name == "..") {
    if (!names->empty()) names->pop_back();
    return;
  }
  names->push_back(name);
}

void AddNames(std::vector<std::string>* names, const std::string& path, size_t from) {
  while (from < path.size()) {
    size_t end = from;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    const std::string name = path.substr(from, end - from);
    if (!name.empty() && name != ".") names->push_back(name);
    from = end + 1;
  }
}

PathParts Split(const std::string& path) {
  PathParts parts;
  size_t at = 0;
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    size_t end = 2;
    for (int field = 0; field < 2; ++field) {
      if (field == 1 && end < path.size()) ++end;
      while (end < path.size() && !IsSeparator(path[end])) ++end;
    }
    parts.root = "\\\\" + path.substr(2, end - 2);
    for (char& c : parts.root)
      if (c == '/') c = '\\';
    parts.fromRoot = true;
    at = end;
  } else if (path.size() >= 2 && path[1] == ':') {
    parts.root = path.substr(0, 2);
    at = 2;
    parts.fromRoot = at < path.size() && IsSeparator(path[at]);
  } else {
    parts.fromRoot = !path.empty() && IsSeparator(path[0]);
  }
  AddNames(&parts.names, path, at);
  return parts;
}

std::string Join(const std::string& root, const std::vector<std::string>& names) {
  std::string path = root.empty() ? std::string() : root + "\\";
  for (size_t i = 0; i < names.size(); ++i) path += (i == 0 ? "" : "\\") + names[i];
  return path;
}

}  // namespace

std::string FullPathFrom(const std::string& folder, const std::string& path) {
  const PathParts base = Split(folder);
  const PathParts own = Split(path);
  std::vector<std::string> names;
  std::string root = own.root;
  const bool fromBase = own.root.empty() ? !own.fromRoot : !own.fromRoot && SameName(own.root, base.root);
  if (own.root.empty()) root = base.root;
  if (fromBase)
    for (const std::string& name : base.names) AddName(&names, name);
  for (const std::string& name : own.names) AddName(&names, name);
  return Join(root, names);
}

std::string RelativePathFrom(const std::string& folder, const std::string& path) {
  const PathParts from = Split(FullPathFrom(folder, std::string()));
  const PathParts to = Split(FullPathFrom(folder, path));
  if (from.root.empty() || !SameName(from.root, to.root)) return Join(to.root, to.names);
  size_t shared = 0;
  while (shared < from.names.size() && shared < to.names.size() && SameName(from.names[shared], to.names[shared]))
    ++shared;
  std::vector<std::string> way(from.names.size() - shared, "..");
  way.insert(way.end(), to.names.begin() + static_cast<std::ptrdiff_t>(shared), to.names.end());
  return way.empty() ? "." : Join(std::string(), way);
}

std::string RelativeToFolder(const std::string& path, const std::string& folder) {
  // Under the folder, the way there neither climbs nor starts from a root.
  const std::string way = RelativePathFrom(folder, path);
  const PathParts parts = Split(way);
  const bool under = parts.root.empty() && !parts.fromRoot && !parts.names.empty() && parts.names[0] != "..";
  return under ? way : path;
}

std::string FolderOfFile(const std::string& path) {
  PathParts parts = Split(path);
  if (!parts.names.empty()) parts.names.pop_back();
  return Join(parts.root, parts.names);
}

std::string FileNameOf(const std::string& path) {
  size_t start = path.size();
  while (start > 0 && !IsSeparator(path[start - 1]) && path[start - 1] != ':') --start;
  return path.substr(start);
}
