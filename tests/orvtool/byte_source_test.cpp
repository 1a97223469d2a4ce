// The file-backed byte source, against the bytes it was written from.
#include "read/byte_source.h"

#include <gtest/gtest.h>

#include "orv_examples.h"
#include "read/layout.h"
#include "temp_dir.h"

namespace {

TEST(ByteSource, AFileReadsAnywhereAsMemoryDoes) {
  TempDir dir;
  const Bytes bytes = BeginLoopBuild();  // longer than the stream's buffer
  FileSource file;
  std::string err;
  ASSERT_TRUE(file.Open(dir.Write("big.orv", bytes), &err)) << err;
  EXPECT_EQ(bytes.size(), file.Size());
  unsigned char got[12];
  ASSERT_TRUE(file.Read(65530, sizeof got, got));
  EXPECT_EQ(Bytes(bytes.begin() + 65530, bytes.begin() + 65542), Bytes(got, got + sizeof got));
  ASSERT_TRUE(file.Read(0, 4, got));  // back to the start
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), Bytes(got, got + 4));
  EXPECT_FALSE(file.Read(bytes.size() - 3, 4, got));
  // Jumps about the file, after reads that left the stream elsewhere.
  for (int round = 0; round < 3; ++round)
    for (std::size_t at = 4090; at + sizeof got < bytes.size(); at += bytes.size() / 11) {
      ASSERT_TRUE(file.Read(at, sizeof got, got)) << at;
      ASSERT_EQ(Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      bytes.begin() + static_cast<std::ptrdiff_t>(at + sizeof got)),
                Bytes(got, got + sizeof got))
          << at;
    }

  OrvLayout layout;
  EXPECT_TRUE(InspectOrv(&file, &layout, &err)) << err;
  EXPECT_FALSE(file.Open(dir.Path("missing.orv"), &err));
}

}  // namespace
