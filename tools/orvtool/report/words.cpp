#include "report/words.h"

#include <cstdio>

#include "event_table.h"
#include "report/json_stream.h"

void ToStandardOutput(const std::string& text) { std::fputs(text.c_str(), stdout); }

TextSink AppendTo(std::string* text) {
  return [text](const std::string& piece) { *text += piece; };
}

std::string Hex(std::int32_t word) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(word));
  return text;
}

std::string RowName(std::size_t row, std::size_t rowCount, const RowWords& words) {
  const std::string number = std::to_string(row);
  if (row == 0) return "row " + number + words.leading;
  if (row + 1 == rowCount) return "row " + number + words.trailing;
  return words.chunk + number;
}

std::string EventShortName(std::int32_t eventId) {
  const char* name = EventName(eventId);
  return name != nullptr ? std::string(name) : "event " + std::to_string(eventId);
}

std::string EventQuotedName(std::int32_t eventId) {
  const char* name = EventName(eventId);
  return name != nullptr ? "\"" + std::string(name) + "\"" : "event " + std::to_string(eventId);
}

std::string QuotedText(const std::string& text) { return OneLineJson(Json(text)); }
