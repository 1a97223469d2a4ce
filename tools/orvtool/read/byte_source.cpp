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
  file_.reset();
  for (Block& block : blocks_) block = Block();
  size_ = 0;
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
  return true;
}

bool FileSource::Block::Holds(std::uint64_t offset) const {
  return valid && offset >= start && offset - start < bytes.size();
}

FileSource::Block* FileSource::BlockAt(std::uint64_t offset) {
  // Most reads fall in the block read from last: a row's words, a walk through records.
  if (blocks_[latest_].Holds(offset)) return &blocks_[latest_];
  Block* oldest = &blocks_[0];
  for (Block& block : blocks_) {
    if (block.Holds(offset)) {
      block.lastUse = ++uses_;
      latest_ = static_cast<std::size_t>(&block - blocks_);
      return &block;
    }
    if (block.lastUse < oldest->lastUse) oldest = &block;
  }
  Block& block = *oldest;
  block.valid = false;
  block.lastUse = 0;  // holds nothing until the read succeeds
  block.start = offset - offset % kBlockSize;
  const std::uint64_t left = size_ - block.start;
  block.bytes.resize(left < kBlockSize ? static_cast<std::size_t>(left) : kBlockSize);
  if (!SeekTo(file_.get(), static_cast<std::int64_t>(block.start))) return nullptr;
  if (std::fread(block.bytes.data(), 1, block.bytes.size(), file_.get()) != block.bytes.size()) return nullptr;
  block.valid = true;
  block.lastUse = ++uses_;
  latest_ = static_cast<std::size_t>(&block - blocks_);
  return &block;
}

bool FileSource::Read(std::uint64_t offset, std::size_t n, unsigned char* out) {
  if (!file_ || offset > size_ || n > size_ - offset) return false;
  while (n > 0) {
    const Block* block = BlockAt(offset);
    if (block == nullptr) return false;
    const std::size_t at = static_cast<std::size_t>(offset - block->start);
    const std::size_t take = n < block->bytes.size() - at ? n : block->bytes.size() - at;
    std::memcpy(out, block->bytes.data() + at, take);
    out += take;
    offset += take;
    n -= take;
  }
  return true;
}
