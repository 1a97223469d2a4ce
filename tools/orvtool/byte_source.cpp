#include "byte_source.h"

#include <cerrno>
#include <cstring>

#include "orv_format.h"
#include "system_calls.h"

bool ByteSource::ReadWord(std::uint64_t offset, std::int32_t* value) {
  unsigned char bytes[4];
  if (!Read(offset, sizeof bytes, bytes)) return false;
  *value = orv::GetWord(bytes);
  return true;
}

bool MemorySource::Read(std::uint64_t offset, std::size_t n, unsigned char* out) {
  if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
  if (n != 0) std::memcpy(out, bytes_.data() + offset, n);
  return true;
}

FileSource::~FileSource() {
  if (file_ != nullptr) std::fclose(file_);
}

bool FileSource::Open(const std::string& path, std::string* err) {
  if (file_ != nullptr) std::fclose(file_);
  blockValid_ = false;
  size_ = 0;
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) {
    *err = "cannot open '" + path + "': " + std::strerror(errno);
    return false;
  }
  // Some systems open a directory for reading; the first read is what fails there.
  errno = 0;
  if (std::fgetc(file_) == EOF && std::ferror(file_)) {
    *err = "cannot read '" + path + "'" + (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string());
    return false;
  }
  if (!FileSize(file_, &size_)) {
    *err = "cannot measure '" + path + "'";
    return false;
  }
  return true;
}

bool FileSource::LoadBlock(std::uint64_t blockStart) {
  blockValid_ = false;
  const std::uint64_t left = size_ - blockStart;
  block_.resize(left < kBlockSize ? static_cast<std::size_t>(left) : kBlockSize);
  if (!SeekFile(file_, blockStart)) return false;
  if (std::fread(block_.data(), 1, block_.size(), file_) != block_.size()) return false;
  blockStart_ = blockStart;
  blockValid_ = true;
  return true;
}

bool FileSource::Read(std::uint64_t offset, std::size_t n, unsigned char* out) {
  if (file_ == nullptr || offset > size_ || n > size_ - offset) return false;
  while (n > 0) {
    if (!blockValid_ || offset < blockStart_ || offset >= blockStart_ + block_.size()) {
      if (!LoadBlock(offset - offset % kBlockSize)) return false;
    }
    const std::size_t at = static_cast<std::size_t>(offset - blockStart_);
    const std::size_t take = n < block_.size() - at ? n : block_.size() - at;
    std::memcpy(out, block_.data() + at, take);
    out += take;
    offset += take;
    n -= take;
  }
  return true;
}
