#include "file_replacement.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "file_reading.h"
#include "replacement_calls.h"
#include "signal_guard.h"
#include "temporary_name.h"

namespace {

// Every replacement with a temporary file, for the signal handler to remove them all. Linked through the
// replacements themselves, so the handler needs no allocation; changed only while the signals are held.
FileReplacement* volatile g_pending = nullptr;

// The link's target when path is a symbolic link, made relative to the link's own folder; else "".
std::string LinkTarget(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) return std::string();
  const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
  if (ec) return std::string();
  if (target.is_absolute()) return target.string();
  return (std::filesystem::path(path).parent_path() / target).string();
}

// Links are followed as opening the name would follow them, up to the depth systems allow, and only
// where a link planted in a shared folder would not be. "" once resolved, else why not, as the system
// would have said it opening the name.
std::string ResolveLinks(std::string* path) {
  for (int depth = 0; depth < 40; ++depth) {
    const std::string next = LinkTarget(*path);
    if (next.empty()) return std::string();
    if (!MayFollowLink(*path)) return std::strerror(EACCES);
    *path = next;
  }
  return "Too many levels of symbolic links";
}

}  // namespace

void FileReplacement::RemovePendingNow() {
  for (FileReplacement* r = g_pending; r != nullptr; r = r->nextPending_)
    CloseAndRemoveNow(r->tempFd_, r->tempName_.c_str());
}

FileReplacement::FileReplacement() = default;

FileReplacement::~FileReplacement() { Discard(); }

bool FileReplacement::Begin(const std::string& name) {
  Discard();
  target_ = name;
  whyFailed_ = ResolveLinks(&target_);
  if (!whyFailed_.empty()) return false;

  // A file there that may not be written (read-only, a folder, held by another program) stops the
  // build as writing it in place would; it is not replaced behind the user's back.
  const PathInfo old = InspectPath(target_.c_str());
  FilePtr oldFile;
  if (old.exists && !old.regular) {
    std::error_code ec;
    whyFailed_ = std::filesystem::is_directory(std::filesystem::u8path(target_), ec) ? std::strerror(EISDIR)
                                                                                     : "Not a regular file";
    return false;
  }
  if (old.exists && !(oldFile = OpenFile(target_.c_str(), "r+b"))) {
    whyFailed_ = std::strerror(errno);
    return false;
  }

  guard_ = std::make_unique<SignalGuard>(RemovePendingNow);
  int error = EEXIST;  // what is left when every name tried was taken
  UseTemporaryName(target_, [&](const std::string& candidate) {
    guard_->Hold();
    file_ = CreateNewFile(candidate.c_str(), oldFile.get());
    error = errno;
    const bool taken = !file_ && error == EEXIST;
    if (file_) {
      tempName_ = candidate;
      tempFd_ = fileno(file_.get());
      nextPending_ = g_pending;
      g_pending = this;
    }
    guard_->Release();
    return file_ ? NameTry::kDone : taken ? NameTry::kNameTaken : NameTry::kFailed;
  });
  if (file_) return true;
  guard_.reset();
  whyFailed_ = std::strerror(error);
  return false;
}

FileReplacement::Result FileReplacement::Commit() {
  if (!FlushToDisk(file_.get())) {
    whyFailed_ = std::strerror(errno);
    return kWriteFailed;
  }
  // From here on the descriptor may be reused; the handler only removes the file by name.
  tempFd_ = -1;
  if (std::fclose(file_.release()) != 0) {
    whyFailed_ = std::strerror(errno);
    return kWriteFailed;
  }
  std::error_code ec;
  // Names are UTF-8, as the C library's own calls take them here; a path made of a plain string would
  // be read in another code page on Windows, and a name outside ASCII never found.
  std::filesystem::rename(std::filesystem::u8path(tempName_), std::filesystem::u8path(target_), ec);
  if (ec) {
    whyFailed_ = ec.message();
    return kRenameFailed;
  }
  Forget();
  // The data is on the disk already; this makes the new name stay too. A folder that cannot be flushed
  // still holds a whole file, old or new, so it is no reason to call the build failed.
  FlushFolder(std::filesystem::path(target_).parent_path().string());
  return kReplaced;
}

void FileReplacement::Discard() {
  if (!tempName_.empty()) {
    tempFd_ = -1;
    file_.reset();
    std::remove(tempName_.c_str());
    Forget();
  }
  guard_.reset();
}

void FileReplacement::Forget() {
  guard_->Hold();
  FileReplacement* volatile* link = &g_pending;
  while (*link != nullptr && *link != this) link = &(*link)->nextPending_;
  if (*link == this) *link = nextPending_;
  nextPending_ = nullptr;
  tempName_.clear();
  guard_->Release();
  guard_.reset();
}

bool ReplaceFileWith(const std::string& path, const std::string& text) {
  FileReplacement file;
  if (!file.Begin(path)) return false;
  if (std::fwrite(text.data(), 1, text.size(), file.file()) != text.size() || std::ferror(file.file())) return false;
  return file.Commit() == FileReplacement::kReplaced;
}
