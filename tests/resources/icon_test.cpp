// Icon 128: the group directory and images windres copied from app.ico, the committed file
// itself, and the icon as the system loads it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "byte_reader.h"
#include "module_resource.h"
#include "resource.h"

namespace {

struct IconEntry {
  int width = 0, height = 0, colours = 0, planes = 0, bits = 0;
  uint32_t bytes = 0;
  uint32_t idOrOffset = 0;  // resource id in the group, file offset in the .ico
};

// The directory of a group icon resource (ids are 16-bit) or of an .ico file (offsets 32-bit).
bool ReadDirectory(const void* data, size_t size, bool inFile, std::vector<IconEntry>* out) {
  ByteReader r(data, size);
  if (r.U16() != 0 || r.U16() != 1) return false;
  const uint16_t count = r.U16();
  for (uint16_t i = 0; i < count && r.ok(); ++i) {
    IconEntry e;
    e.width = r.U8();
    e.height = r.U8();
    e.colours = r.U8();
    r.U8();
    e.planes = r.U16();
    e.bits = r.U16();
    e.bytes = r.U32();
    e.idOrOffset = inFile ? r.U32() : r.U16();
    out->push_back(e);
  }
  return r.ok();
}

std::vector<IconEntry> GroupEntries() {
  std::vector<IconEntry> entries;
  ResourceBytes group = FindModuleResource(RT_GROUP_ICON, IDI_APP_ICON);
  EXPECT_NE(group.data, nullptr) << "no group icon " << IDI_APP_ICON;
  if (group.data) {
    EXPECT_TRUE(ReadDirectory(group.data, group.size, false, &entries));
  }
  return entries;
}

size_t RowBytes(int width, int bits) { return static_cast<size_t>((width * bits + 31) / 32 * 4); }

// A 4-bit icon image: its header, then checks on the picture that a broken encoding would fail.
void CheckImage(const void* data, size_t size, int width, int height) {
  ByteReader r(data, size);
  EXPECT_EQ(r.U32(), 40u);  // BITMAPINFOHEADER
  EXPECT_EQ(static_cast<int32_t>(r.U32()), width);
  EXPECT_EQ(static_cast<int32_t>(r.U32()), 2 * height);  // colour image and mask
  EXPECT_EQ(r.U16(), 1);
  EXPECT_EQ(r.U16(), 4);
  EXPECT_EQ(r.U32(), static_cast<uint32_t>(BI_RGB));
  const size_t xorRow = RowBytes(width, 4), andRow = RowBytes(width, 1);
  const size_t pixels = 40 + 16 * 4;
  const size_t rows = static_cast<size_t>(height), columns = static_cast<size_t>(width);
  ASSERT_EQ(size, pixels + rows * (xorRow + andRow));

  const auto* bytes = static_cast<const uint8_t*>(data);
  std::set<int> colours;
  int transparent = 0;
  for (size_t y = 0; y < rows; ++y) {
    for (size_t x = 0; x < columns; ++x) {
      const uint8_t pair = bytes[pixels + y * xorRow + x / 2];
      const int colour = x % 2 ? pair & 0x0F : pair >> 4;
      const bool masked = bytes[pixels + rows * xorRow + y * andRow + x / 8] & (0x80 >> (x % 8));
      if (masked) {
        ++transparent;
        // Windows XORs the colour into the screen where the mask is set.
        EXPECT_EQ(colour, 0) << "transparent pixel " << x << "," << y << " is not black";
      } else {
        colours.insert(colour);
      }
    }
  }
  EXPECT_GT(transparent, 0);
  EXPECT_LT(transparent, width * height / 2);
  EXPECT_GE(colours.size(), 3u) << "the image is hardly a picture";
}

TEST(AppIcon, GroupHoldsOne32And16ImageOf16Colours) {
  const std::vector<IconEntry> entries = GroupEntries();
  ASSERT_EQ(entries.size(), 2u);
  std::set<int> sizes;
  for (const IconEntry& e : entries) {
    SCOPED_TRACE("image " + std::to_string(e.width) + "x" + std::to_string(e.height));
    sizes.insert(e.width);
    EXPECT_EQ(e.width, e.height);
    EXPECT_EQ(e.colours, 16);
    EXPECT_EQ(e.planes, 1);
    EXPECT_EQ(e.bits, 4);
    ResourceBytes image = FindModuleResource(RT_ICON, static_cast<int>(e.idOrOffset));
    ASSERT_NE(image.data, nullptr);
    ASSERT_EQ(image.size, e.bytes);
    CheckImage(image.data, image.size, e.width, e.height);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 32}));
}

TEST(AppIcon, CommittedIcoFileIsWhatTheProgramCarries) {
  FILE* f = std::fopen("app.ico", "rb");
  ASSERT_NE(f, nullptr) << "app.ico should be copied beside the test";
  std::vector<uint8_t> file;
  for (int c; (c = std::fgetc(f)) != EOF;) file.push_back(static_cast<uint8_t>(c));
  std::fclose(f);

  std::vector<IconEntry> inFile;
  ASSERT_TRUE(ReadDirectory(file.data(), file.size(), true, &inFile));
  const std::vector<IconEntry> inGroup = GroupEntries();
  ASSERT_EQ(inFile.size(), inGroup.size());
  size_t end = 6 + 16 * inFile.size();
  for (size_t i = 0; i < inFile.size(); ++i) {
    const IconEntry& e = inFile[i];
    SCOPED_TRACE("entry " + std::to_string(i));
    EXPECT_EQ(e.width, inGroup[i].width);
    EXPECT_EQ(e.colours, inGroup[i].colours);
    EXPECT_EQ(e.bits, inGroup[i].bits);
    EXPECT_EQ(e.idOrOffset, end) << "images should follow the directory without gaps";
    ASSERT_LE(e.idOrOffset + e.bytes, file.size());
    ResourceBytes image = FindModuleResource(RT_ICON, static_cast<int>(inGroup[i].idOrOffset));
    ASSERT_EQ(image.size, e.bytes);
    EXPECT_EQ(std::string(static_cast<const char*>(image.data), image.size),
              std::string(reinterpret_cast<const char*>(file.data()) + e.idOrOffset, e.bytes));
    end = e.idOrOffset + e.bytes;
  }
  EXPECT_EQ(end, file.size());
}

TEST(AppIcon, SystemPicksTheMatchingImageForEachSize) {
  ResourceBytes group = FindModuleResource(RT_GROUP_ICON, IDI_APP_ICON);
  ASSERT_NE(group.data, nullptr);
  for (const IconEntry& e : GroupEntries()) {
    SCOPED_TRACE("size " + std::to_string(e.width));
    // Picked as drawn, not scaled from the other size.
    auto* dir = static_cast<PBYTE>(const_cast<void*>(group.data));
    EXPECT_EQ(LookupIconIdFromDirectoryEx(dir, TRUE, e.width, e.height, LR_DEFAULTCOLOR),
              static_cast<int>(e.idOrOffset));

    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP_ICON), IMAGE_ICON, e.width, e.height, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm = {};
    ASSERT_NE(GetObjectA(info.hbmColor, sizeof(bm), &bm), 0);
    EXPECT_EQ(bm.bmWidth, e.width);
    EXPECT_EQ(bm.bmHeight, e.height);
    EXPECT_TRUE(info.fIcon);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

}  // namespace
