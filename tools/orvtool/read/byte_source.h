// Random access to the bytes of a file under inspection. Tests hand in a buffer; the tool reads the
// file itself a block at a time, keeping a few blocks, so a huge file never has to be held in memory.
#ifndef ORVTOOL_READ_BYTE_SOURCE_H_
#define ORVTOOL_READ_BYTE_SOURCE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "file_ptr.h"
#include "orv_format.h"

class ByteSource : public WordReader {
 public:
  virtual std::uint64_t Size() const = 0;

  // A pair, or a state record's leading two words.
  bool ReadTwoWords(std::uint64_t offset, std::int32_t* first, std::int32_t* second);
  bool ReadRow(std::uint64_t offset, ChunkRow* row);
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)), size_(bytes_.size()) {}
  // The first bytes of a file of `size` bytes, such as the header of one not written yet; the rest
  // cannot be read.
  MemorySource(std::vector<unsigned char> bytes, std::uint64_t size) : bytes_(std::move(bytes)), size_(size) {}
  std::uint64_t Size() const override { return size_; }
  bool Read(std::uint64_t offset, std::size_t n, unsigned char* out) override;

 private:
  std::vector<unsigned char> bytes_;
  std::uint64_t size_;
};

class FileSource : public ByteSource {
 public:
  bool Open(const std::string& path, std::string* err);
  std::uint64_t Size() const override { return size_; }
  bool Read(std::uint64_t offset, std::size_t n, unsigned char* out) override;

 private:
  struct Block {
    std::vector<unsigned char> bytes;
    std::uint64_t start = 0;
    std::uint64_t lastUse = 0;  // 0 for a block that holds nothing
    bool valid = false;
    bool Holds(std::uint64_t offset) const;
  };
  // The block that holds `offset`, read in place of the one least recently used; null when it cannot be
  // read.
  Block* BlockAt(std::uint64_t offset);

  static constexpr std::size_t kBlockSize = 4 * 1024;
  // The layout is walked front to back, but the commands that play a file read its tables again where
  // they are needed: a state, the rows it governs and a payload, each in a block of its own.
  static constexpr std::size_t kBlocks = 8;
  FilePtr file_;
  std::uint64_t size_ = 0;
  Block blocks_[kBlocks];
  std::size_t latest_ = 0;  // the block read from last
  std::uint64_t uses_ = 0;
};

#endif  // ORVTOOL_READ_BYTE_SOURCE_H_
