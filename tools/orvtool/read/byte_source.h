// The bytes of a file under inspection, at absolute offsets: a buffer (tests, and the header a build
// would write), or the file itself, read where asked and most cheaply front to back.
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
  FilePtr file_;
  std::uint64_t size_ = 0;
  // Where the stream stands: a read that goes on from there needs no seek, which would drop the
  // stream's buffer.
  std::uint64_t at_ = 0;
};

#endif  // ORVTOOL_READ_BYTE_SOURCE_H_
