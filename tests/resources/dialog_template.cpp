// Decodes DLGTEMPLATEEX: header, optional font, then items each aligned to 4 bytes.
#include "dialog_template.h"

#include "byte_reader.h"

namespace {
const uint32_t kSetFont = 0x40;  // DS_SETFONT, also part of DS_SHELLFONT
}  // namespace

bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate* out, std::string* err) {
  ByteReader r(data, size);
  const uint16_t version = r.U16();
  const uint16_t signature = r.U16();
  if (version != 1 || signature != 0xFFFF) {
    *err = "not an extended dialog template";
    return false;
  }
  r.U32();  // help id
  out->exStyle = r.U32();
  out->style = r.U32();
  const uint16_t count = r.U16();
  out->x = r.I16();
  out->y = r.I16();
  out->cx = r.I16();
  out->cy = r.I16();
  out->menu = r.NameOrOrdinal();
  out->windowClass = r.NameOrOrdinal();
  out->caption = r.Utf16();
  if (out->style & kSetFont) {
    out->pointSize = r.U16();
    out->weight = r.U16();
    out->italic = r.U8();
    out->charset = r.U8();
    out->typeface = r.Utf16();
  }
  out->items.clear();
  for (uint16_t i = 0; i < count && r.ok(); ++i) {
    DialogItem item;
    r.Align(4);
    r.U32();  // help id
    item.exStyle = r.U32();
    item.style = r.U32();
    item.x = r.I16();
    item.y = r.I16();
    item.cx = r.I16();
    item.cy = r.I16();
    item.id = r.U32();
    item.windowClass = r.NameOrOrdinal();
    item.text = r.NameOrOrdinal();
    r.Skip(r.U16());  // creation data
    out->items.push_back(item);
  }
  if (!r.ok()) {
    *err = "dialog template truncated at byte " + std::to_string(r.pos());
    return false;
  }
  return true;
}
