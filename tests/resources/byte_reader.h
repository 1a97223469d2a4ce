// Reads the little-endian records of compiled resources (icon directories and images) field by field.
// A read past the end yields zeros and clears ok(), so callers check once.
#ifndef ORV_TESTS_RESOURCES_BYTE_READER_H_
#define ORV_TESTS_RESOURCES_BYTE_READER_H_

#include <cstddef>
#include <cstdint>

class ByteReader {
 public:
  ByteReader(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}

  uint8_t U8() { return static_cast<uint8_t>(Take(1)); }
  uint16_t U16() { return static_cast<uint16_t>(Take(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Take(4)); }

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

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

#endif  // ORV_TESTS_RESOURCES_BYTE_READER_H_
