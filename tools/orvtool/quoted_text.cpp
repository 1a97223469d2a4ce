#include "quoted_text.h"

#include <nlohmann/json.hpp>

std::string QuotedText(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
