// Reads the little-endian records of compiled resources (dialog templates, icon directories)
// field by field. A read past the end yields zeros and clears ok(), so callers check once.
#ifndef ORV_TESTS_RESOURCES_BYTE_READER_H_
#define ORV_TESTS_RESOURCES_BYTE_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>

class ByteReader {
 public:
  ByteReader(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}

  uint8_t U8() { return static_cast<uint8_t>(Take(1)); }
  uint16_t U16() { return static_cast<uint16_t>(Take(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Take(4)); }
  int16_t I16() { return static_cast<int16_t>(U16()); }

  // A NUL-terminated UTF-16 string; characters outside ASCII become '?'.
  std::string Utf16() {
    std::string s;
    for (uint16_t c = U16(); ok_ && c != 0; c = U16()) s += c < 0x80 ? static_cast<char>(c) : '?';
    return s;
  }

  // A name-or-ordinal field: 0xFFFF and a 16-bit ordinal, or a UTF-16 string (empty when 0).
  // An ordinal comes back as "#n".
  std::string NameOrOrdinal() {
    if (Peek16() != 0xFFFF) return Utf16();
    U16();
    return "#" + std::to_string(U16());
  }

  // Skips to the next offset that is a multiple of n (n a power of two).
  void Align(size_t n) { Skip((n - pos_ % n) % n); }
  void Skip(size_t n) {
    if (n > size_ - pos_) ok_ = false;
    pos_ = ok_ ? pos_ + n : size_;
  }

  size_t pos() const { return pos_; }
  bool ok() const { return ok_; }

 private:
  uint64_t Take(size_t n) {
    if (n > size_ - pos_) {
      ok_ = false;
      pos_ = size_;
      return 0;
    }
    uint64_t v = 0;
    for (size_t i = 0; i < n; ++i) v |= uint64_t{data_[pos_ + i]} << (8 * i);
    pos_ += n;
    return v;
  }
  uint16_t Peek16() const { return size_ - pos_ < 2 ? 0 : static_cast<uint16_t>(data_[pos_] | data_[pos_ + 1] << 8); }

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

#endif  // ORV_TESTS_RESOURCES_BYTE_READER_H_
