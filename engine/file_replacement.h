// Replaces a file only as a whole. The new contents go to a temporary file created exclusively beside
// the file (beside its target, when the name is a symbolic link, so the link stays a link), which is
// flushed to the disk and then renamed over the file. Until then the old file is untouched, and the
// temporary file is removed on every failure and on every signal that ends the process and can be
// caught.
#ifndef ORV_ENGINE_FILE_REPLACEMENT_H_
#define ORV_ENGINE_FILE_REPLACEMENT_H_

#include <cstdio>
#include <memory>
#include <string>

#include "file_ptr.h"

class SignalGuard;

class FileReplacement {
 public:
  enum Result { kReplaced, kWriteFailed, kRenameFailed };

  FileReplacement();
  // Discards what was not committed.
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Starts replacing `name`. False, with nothing created, when name is there but is no regular file
  // or may not be written, when it is a link that may not be followed (MayFollowLink), or when no
  // temporary file can be created beside it. Several replacements may be under way at once; a signal
  // removes the temporary files of all of them.
  bool Begin(const std::string& name);
  // The temporary file, for binary writing.
  std::FILE* file() const { return file_.get(); }
  // Puts the data on the disk and the new file in place of the old. On failure the temporary file is
  // left for Discard, so the caller can report first and clean up after.
  Result Commit();
  // Closes and removes the temporary file, if there is one.
  void Discard();

  // After Begin or Commit failed, the system's reason, in its own words: "No such file or directory".
  const std::string& whyFailed() const { return whyFailed_; }

 private:
  // The signal handler's clean-up: safe inside it.
  static void RemovePendingNow();
  // Takes the temporary file, renamed or removed, off the handler's list.
  void Forget();

  std::string target_;
  std::string tempName_;
  std::string whyFailed_;
  FilePtr file_;
  std::unique_ptr<SignalGuard> guard_;
  // What the handler reads, changed only while the signals are held.
  volatile int tempFd_ = -1;
  FileReplacement* nextPending_ = nullptr;
};

// Puts `text` in the file `path`, byte for byte, through a FileReplacement: the old file stays whole
// until the new one is on the disk, and is left as it was on any failure.
bool ReplaceFileWith(const std::string& path, const std::string& text);

#endif  // ORV_ENGINE_FILE_REPLACEMENT_H_
