// Reading the little-endian words of a file at absolute offsets, whatever holds its bytes: the one way
// the build's source check and orvtool's inspection read them.
#ifndef ORV_ENGINE_WORD_READER_H_
#define ORV_ENGINE_WORD_READER_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>

class WordReader {
 public:
  virtual ~WordReader() = default;
  // Copies n bytes from offset into out; false when any of them lies past the end or cannot be read.
  virtual bool Read(std::uint64_t offset, std::size_t n, unsigned char* out) = 0;

  // The word at offset; false when the file does not hold it.
  bool ReadWord(std::uint64_t offset, std::int32_t* value);
};

// An open stdio file, read where asked by seeking: for the few words a check needs.
class FileWords : public WordReader {
 public:
  explicit FileWords(std::FILE* file) : file_(file) {}
  bool Read(std::uint64_t offset, std::size_t n, unsigned char* out) override;

 private:
  std::FILE* file_;
};

#endif  // ORV_ENGINE_WORD_READER_H_
