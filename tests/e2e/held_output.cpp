#include "held_output.h"

#include <vector>

namespace e2e {

namespace {
constexpr DWORD kPipeSize = 4096;
}

HeldOutput::HeldOutput() {
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  if (!::CreatePipe(&read_, &write_, &inherit, kPipeSize)) {
    read_ = write_ = nullptr;
    return;
  }
  ::SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
  // Filled without waiting, then turned back to waiting writes: the program shares this end's mode.
  DWORD mode = PIPE_NOWAIT;
  if (!::SetNamedPipeHandleState(write_, &mode, nullptr, nullptr)) return;
  const std::vector<char> block(256, '.');
  DWORD filled = 0;
  DWORD written = 0;
  while (filled < 16 * kPipeSize &&
         ::WriteFile(write_, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) && written > 0)
    filled += written;
  mode = PIPE_WAIT;
  if (filled < 16 * kPipeSize && ::SetNamedPipeHandleState(write_, &mode, nullptr, nullptr)) {
    filled_ = filled;
    ok_ = true;
  }
}

HeldOutput::~HeldOutput() {
  CloseWriteEnd();
  if (read_ != nullptr) ::CloseHandle(read_);
}

void HeldOutput::CloseWriteEnd() {
  if (write_ != nullptr) ::CloseHandle(write_);
  write_ = nullptr;
}

bool HeldOutput::Release() {
  std::vector<char> buffer(filled_);
  DWORD taken = 0;
  while (taken < filled_) {
    DWORD read = 0;
    if (!::ReadFile(read_, buffer.data(), filled_ - taken, &read, nullptr) || read == 0) return false;
    taken += read;
  }
  filled_ = 0;
  return true;
}

const std::string& HeldOutput::Text() {
  DWORD available = 0;
  while (::PeekNamedPipe(read_, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    std::vector<char> buffer(available);
    DWORD read = 0;
    if (!::ReadFile(read_, buffer.data(), available, &read, nullptr) || read == 0) break;
    text_.append(buffer.data(), read);
  }
  return text_;
}

}  // namespace e2e
