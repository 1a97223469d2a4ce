// The file-backed byte source, against the bytes it was written from.
#include "read/byte_source.h"

#include <gtest/gtest.h>

#include "orv_examples.h"
#include "read/layout.h"
#include "temp_dir.h"

namespace {

TEST(ByteSource, AFileReadsAcrossBlocksAsMemoryDoes) {
  TempDir dir;
  const Bytes bytes = BeginLoopBuild();  // longer than one 64 KiB block
  FileSource file;
  std::string err;
  ASSERT_TRUE(file.Open(dir.Write("big.orv", bytes), &err)) << err;
  EXPECT_EQ(bytes.size(), file.Size());
  unsigned char got[12];
  ASSERT_TRUE(file.Read(65530, sizeof got, got));
  EXPECT_EQ(Bytes(bytes.begin() + 65530, bytes.begin() + 65542), Bytes(got, got + sizeof got));
  ASSERT_TRUE(file.Read(0, 4, got));  // back to the first block
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), Bytes(got, got + 4));
  EXPECT_FALSE(file.Read(bytes.size() - 3, 4, got));

  OrvLayout layout;
  EXPECT_TRUE(InspectOrv(&file, &layout, &err)) << err;
  EXPECT_FALSE(file.Open(dir.Path("missing.orv"), &err));
}

}  // namespace
