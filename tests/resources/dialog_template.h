// An extended dialog template (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX items) decoded from the
// bytes the resource compiler wrote, so tests can see exactly what windres made of the .rc.
#ifndef ORV_TESTS_RESOURCES_DIALOG_TEMPLATE_H_
#define ORV_TESTS_RESOURCES_DIALOG_TEMPLATE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct DialogItem {
  uint32_t id = 0;
  uint32_t style = 0;
  uint32_t exStyle = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  std::string windowClass;  // "#128" and so on for the predefined classes
  std::string text;
};

struct DialogTemplate {
  uint32_t style = 0;
  uint32_t exStyle = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  std::string menu;
  std::string windowClass;
  std::string caption;
  // Present only with DS_SETFONT.
  uint16_t pointSize = 0;
  uint16_t weight = 0;
  uint8_t italic = 0;
  uint8_t charset = 0;
  std::string typeface;
  std::vector<DialogItem> items;
};

// Fills *out from an extended template; on a classic or truncated template returns false with *err.
bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate* out, std::string* err);

#endif  // ORV_TESTS_RESOURCES_DIALOG_TEMPLATE_H_
