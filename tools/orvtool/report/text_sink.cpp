#include "report/text_sink.h"

#include <cstdio>

#include "report/json_stream.h"

void ToStandardOutput(const std::string& text) { std::fputs(text.c_str(), stdout); }

TextSink AppendTo(std::string* text) {
  return [text](const std::string& piece) { *text += piece; };
}

std::string QuotedText(const std::string& text) { return OneLineJson(Json(text)); }
