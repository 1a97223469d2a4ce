// orvtool's JSON, written as a report is made, so that no more than a block of it is held at a time:
// objects and arrays laid out as a JSON library indents them by two, each value given whole on one line.
// Text that is not UTF-8 (a path in a local code page) is kept readable with replacement characters.
#ifndef ORVTOOL_REPORT_JSON_STREAM_H_
#define ORVTOOL_REPORT_JSON_STREAM_H_

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "report/text_sink.h"

using Json = nlohmann::ordered_json;

// A whole value on one line.
std::string OneLineJson(const Json& value);

class JsonStream {
 public:
  explicit JsonStream(TextSink out) : out_(std::move(out)) {}
  ~JsonStream() { Flush(); }
  JsonStream(const JsonStream&) = delete;
  JsonStream& operator=(const JsonStream&) = delete;

  // An object or an array as the next value. Close ends the one opened last; closing the outermost ends
  // the document and its line.
  void OpenObject() { Open('{'); }
  void OpenArray() { Open('['); }
  void Close();
  // Names the member of the open object whose value, or object or array, comes next.
  JsonStream& Key(const char* name) {
    key_ = name;
    return *this;
  }
  void Value(const Json& value) { Put(OneLineJson(value)); }
  // The same for the values a report writes most, without making a Json of each.
  void Number(std::int64_t value) { Put(std::to_string(value)); }
  void Text(const std::string& value) { Put(QuotedText(value)); }
  // Hands what is written so far to the sink; closing the outermost object or array does too, and a
  // block at a time goes without asking.
  void Flush();

 private:
  void Open(char bracket);
  // Writes a value where it goes: after its key, or as the next element.
  void Put(const std::string& value);

  TextSink out_;
  std::string pending_;
  struct Level {
    char closer;
    bool empty;
  };
  std::vector<Level> open_;
  const char* key_ = nullptr;
};

#endif  // ORVTOOL_REPORT_JSON_STREAM_H_
