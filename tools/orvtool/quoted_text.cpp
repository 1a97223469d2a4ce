#include "quoted_text.h"

std::string QuotedText(const std::string& text) { return OneLineJson(nlohmann::ordered_json(text)); }

std::string OneLineJson(const nlohmann::ordered_json& value) {
  return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}
