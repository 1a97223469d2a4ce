#include "read/byte_source.h"

#include <cerrno>
#include <cstring>

#include "file_reading.h"
#include "orv_format.h"

bool ByteSource::ReadTwoWords(std::uint64_t offset, std::int32_t* first, std::int32_t* second) {
  return ReadWord(offset, first) && ReadWord(offset + orv::kWordBytes, second);
}

bool ByteSource::ReadRow(std::uint64_t offset, ChunkRow* row) {
  unsigned char bytes[orv::kRowBytes];
  if (!Read(offset, sizeof bytes, bytes)) return false;
  *row = orv::GetRow(bytes);
  return true;
}

bool MemorySource::Read(std::uint64_t offset, std::size_t n, unsigned char* out) {
  if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
  if (n != 0) std::memcpy(out, bytes_.data() + offset, n);
  return true;
}

bool FileSource::Open(const std::string& path, std::string* err) {
  // Only a regular file is read: a pipe or a device would be waited on, a folder has no bytes.
  OpenFailure failure;
  errno = 0;
  file_ = OpenRegularFile(path.c_str(), &failure);
  if (!file_) {
    *err = failure == OpenFailure::kNotRegular ? "cannot read '" + path + "': it is not a regular file"
                                               : "cannot open '" + path + "': " + std::strerror(errno);
    return false;
  }
  const std::int64_t size = FileSize(file_.get());
  if (size < 0) {
    *err = "cannot measure '" + path + "'";
    return false;
  }
  size_ = static_cast<std::uint64_t>(size);
  at_ = size_;  // measuring left the stream at the end
  return true;
}

bool FileSource::Read(std::uint64_t offset, std::size_t n, unsigned char* out) {
  if (!file_ || offset > size_ || n > size_ - offset) return false;
  if (offset != at_ && !SeekTo(file_.get(), static_cast<std::int64_t>(offset))) return false;
  at_ = offset;
  if (std::fread(out, 1, n, file_.get()) != n) {
    at_ = size_ + 1;  // nowhere known: the next read seeks
    return false;
  }
  at_ += n;
  return true;
}
