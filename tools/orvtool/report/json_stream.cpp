#include "report/json_stream.h"

namespace {
// Pieces go to the sink in blocks of about this size: a report of millions of small values would
// otherwise spend its time in the sink's calls.
constexpr std::size_t kBlock = 64 * 1024;
}  // namespace

std::string OneLineJson(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

void JsonStream::Flush() {
  if (pending_.empty()) return;
  out_(pending_);
  pending_.clear();
}

void JsonStream::Put(const std::string& value) {
  if (!open_.empty()) {
    pending_ += open_.back().empty ? "\n" : ",\n";
    pending_.append(2 * open_.size(), ' ');
    if (key_ != nullptr) pending_.append("\"").append(key_).append("\": ");
    open_.back().empty = false;
    key_ = nullptr;
  }
  pending_ += value;
  if (pending_.size() >= kBlock) Flush();
}

void JsonStream::Open(char bracket) {
  Put(std::string(1, bracket));
  open_.push_back({bracket == '{' ? '}' : ']', true});
}

void JsonStream::Close() {
  const Level closing = open_.back();
  open_.pop_back();
  if (!closing.empty) pending_.append("\n").append(2 * open_.size(), ' ');
  pending_ += closing.closer;
  if (!open_.empty()) return;
  pending_ += "\n";
  Flush();
}
