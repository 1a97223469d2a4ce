// Pixels from the screen, and a 24-bit BMP writer for keeping them.
#ifndef ORV_TESTS_E2E_SCREEN_CAPTURE_H_
#define ORV_TESTS_E2E_SCREEN_CAPTURE_H_

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// Rows top to bottom, each pixel as 0x00RRGGBB.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// A system colour (COLOR_3DFACE, ...) as an Image's pixels hold it.
std::uint32_t SystemColour(int index);

// What the screen shows in a rectangle given in screen coordinates.
Image CaptureScreen(const RECT& area);
// The picture a window shows on the screen now, frame and caption included.
Image CaptureWindow(HWND hwnd);
// An icon drawn at size on a background of one colour.
Image RenderIcon(HICON icon, int width, int height, std::uint32_t background);
bool SaveBmp24(const Image& image, const std::string& path);

}  // namespace e2e

#endif  // ORV_TESTS_E2E_SCREEN_CAPTURE_H_
