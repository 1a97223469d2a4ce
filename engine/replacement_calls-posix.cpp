#include "replacement_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif

#include <cerrno>
#include <vector>

bool MayFollowLink(const std::string& path) {
  struct stat link;
  if (lstat(path.c_str(), &link) != 0) return false;
  if (link.st_uid == geteuid()) return true;
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  struct stat dir;
  if (stat(folder.c_str(), &dir) != 0) return false;
  const bool shared = (dir.st_mode & S_ISVTX) != 0 && (dir.st_mode & S_IWOTH) != 0;
  return !shared || dir.st_uid == link.st_uid;
}

namespace {

#ifdef __linux__
// Where Linux keeps a file's POSIX access list, in the form its calls take and give back.
constexpr char kAccessList[] = "system.posix_acl_access";

bool CopyAccessList(int from, int to) {
  const ssize_t size = fgetxattr(from, kAccessList, nullptr, 0);
  if (size <= 0) {
    if (size < 0 && errno != ENODATA && errno != ENOTSUP) return false;
    // A list the new file took from its folder's default is not the old file's.
    fremovexattr(to, kAccessList);
    return true;
  }
  std::vector<char> list(static_cast<std::size_t>(size));
  const ssize_t got = fgetxattr(from, kAccessList, list.data(), list.size());
  return got > 0 && fsetxattr(to, kAccessList, list.data(), static_cast<std::size_t>(got), 0) == 0;
}
#else
bool CopyAccessList(int, int) { return true; }
#endif

bool GiveAccessOf(int from, int to) {
  struct stat st;
  if (fstat(from, &st) != 0) return false;
  // Root may give the file to anyone; a user only to a group of its own. The owner goes first, as a
  // change of owner clears the set-id bits.
  if (fchown(to, st.st_uid, st.st_gid) != 0 && fchown(to, static_cast<uid_t>(-1), st.st_gid) != 0) {
    // Neither: the file stays the builder's, in the builder's group.
  }
  // Should this fail, the file stays its owner's alone, which lets in no one the old file kept out.
  fchmod(to, st.st_mode & 07777);
  return CopyAccessList(from, to);
}

}  // namespace

FilePtr CreateNewFile(const char* path, std::FILE* like) {
  // A file that replaces another is its owner's alone until it has that file's access: no one may open
  // it in between and keep reading what the old file would not have shown them.
  const int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, like ? 0600 : 0666);
  if (fd < 0) return nullptr;
  FilePtr file;
  if (like == nullptr || GiveAccessOf(fileno(like), fd)) file.reset(fdopen(fd, "wb"));
  if (!file) {
    const int error = errno;
    close(fd);
    unlink(path);
    errno = error;
  }
  return file;
}

bool FlushToDisk(std::FILE* f) {
  if (std::fflush(f) != 0) return false;
  return fsync(fileno(f)) == 0;
}

bool FlushFolder(const std::string& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  // Some file systems cannot flush a folder at all (EINVAL); their renames are not made durable this way.
  const bool flushed = fsync(fd) == 0 || errno == EINVAL;
  close(fd);
  return flushed;
}

void CloseAndRemoveNow(int fd, const char* path) {
  close(fd);
  unlink(path);
}
