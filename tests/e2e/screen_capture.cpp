#include "screen_capture.h"

#include <fstream>

namespace e2e {

namespace {

// A top-down 32-bit DIB section selected into a memory DC; its bits are readable in place.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = ::CreateCompatibleDC(nullptr);
    bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (bitmap_ != nullptr) previous_ = ::SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    if (previous_ != nullptr) ::SelectObject(dc_, previous_);
    if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  bool ok() const { return bitmap_ != nullptr; }

  Image ToImage() const {
    Image image;
    if (!ok()) return image;
    ::GdiFlush();
    image.width = width_;
    image.height = height_;
    const std::uint32_t* bits = static_cast<const std::uint32_t*>(bits_);
    image.pixels.assign(bits, bits + static_cast<size_t>(width_) * static_cast<size_t>(height_));
    for (std::uint32_t& p : image.pixels) p &= 0x00FFFFFF;
    return image;
  }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
};

void PutWord16(std::string* out, unsigned value) {
  out->push_back(static_cast<char>(value & 0xFF));
  out->push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutWord32(std::string* out, std::uint32_t value) {
  PutWord16(out, value & 0xFFFF);
  PutWord16(out, value >> 16);
}

}  // namespace

std::uint32_t SystemColour(int index) {
  const COLORREF c = ::GetSysColor(index);
  return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

Image CaptureScreen(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return Image();
  Canvas canvas(width, height);
  if (!canvas.ok()) return Image();
  HDC screen = ::GetDC(nullptr);
  const BOOL copied = ::BitBlt(canvas.dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  ::ReleaseDC(nullptr, screen);
  return copied ? canvas.ToImage() : Image();
}

Image CaptureWindow(HWND hwnd) {
  RECT area;
  if (!::GetWindowRect(hwnd, &area)) return Image();
  return CaptureScreen(area);
}

Image RenderIcon(HICON icon, int width, int height, std::uint32_t background) {
  Canvas canvas(width, height);
  if (!canvas.ok()) return Image();
  const COLORREF colour = RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
  HBRUSH brush = ::CreateSolidBrush(colour);
  RECT all = {0, 0, width, height};
  ::FillRect(canvas.dc(), &all, brush);
  ::DeleteObject(brush);
  ::DrawIconEx(canvas.dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  return canvas.ToImage();
}

bool SaveBmp24(const Image& image, const std::string& path) {
  if (image.width <= 0 || image.height <= 0) return false;
  // BMP layout: a 14-byte file header, a 40-byte BITMAPINFOHEADER, then the rows bottom to top, each
  // as blue, green, red bytes padded to a multiple of four bytes; all numbers little-endian.
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);
  const std::uint32_t headerBytes = 14 + 40;
  std::string out;
  out.reserve(headerBytes + pixelBytes);
  out += "BM";
  PutWord32(&out, headerBytes + pixelBytes);
  PutWord32(&out, 0);
  PutWord32(&out, headerBytes);
  PutWord32(&out, 40);
  PutWord32(&out, static_cast<std::uint32_t>(image.width));
  PutWord32(&out, static_cast<std::uint32_t>(image.height));
  PutWord16(&out, 1);   // planes
  PutWord16(&out, 24);  // bits per pixel
  PutWord32(&out, 0);   // BI_RGB
  PutWord32(&out, pixelBytes);
  PutWord32(&out, 2835);  // 72 dots per inch, as pixels per metre
  PutWord32(&out, 2835);
  PutWord32(&out, 0);
  PutWord32(&out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    const std::uint32_t* row = &image.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width)];
    for (int x = 0; x < image.width; ++x) {
      out.push_back(static_cast<char>(row[x] & 0xFF));
      out.push_back(static_cast<char>((row[x] >> 8) & 0xFF));
      out.push_back(static_cast<char>((row[x] >> 16) & 0xFF));
    }
    out.append(rowBytes - static_cast<std::uint32_t>(image.width) * 3, '\0');
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file.flush());
}

}  // namespace e2e
