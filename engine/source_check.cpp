#include "source_check.h"

#include "file_io.h"
#include "orv_format.h"

namespace {
std::string Quoted(const char* path) { return "\"" + std::string(path) + "\""; }
}  // namespace

bool CheckSource(std::FILE* file, const char* path, std::int32_t* payloadLength, std::string* err) {
  std::int32_t magic = 0;
  if (!ReadWordAt(file, 0, &magic) || static_cast<std::uint32_t>(magic) != orv::kMagic) {
    *err = "Error, " + Quoted(path) + " is not an ORV.";
    return false;
  }
  std::int32_t stateCount = 0;
  if (!ReadWordAt(file, orv::kSourceStateCountOffset, &stateCount)) {
    *err = "Error, " + Quoted(path) + " is not an ORV.";
    return false;
  }
  if (stateCount != 1) {
    *err = Quoted(path) + " is not an ORV created with the Corvane Audio Tool, aborting to avoid problems.";
    return false;
  }
  std::int32_t payloadEnd = 0;
  if (!ReadWordAt(file, orv::kSourcePayloadEndOffset, &payloadEnd)) {
    *err = "Error, " + Quoted(path) + " is not an ORV.";
    return false;
  }
  if (payloadEnd < orv::kSourcePayloadStart) {
    *err = "Error, " + Quoted(path) + " gives its payload end as " + std::to_string(payloadEnd) +
           ", before the payload start " + std::to_string(orv::kSourcePayloadStart) + ", aborting.";
    return false;
  }
  const std::int64_t size = FileSize(file);
  if (size < 0) {
    *err = "Error reading " + Quoted(path) + ", aborting.";
    return false;
  }
  if (size < payloadEnd) {
    *err = "Error, " + Quoted(path) + " is " + std::to_string(size) + " bytes long, shorter than the " +
           std::to_string(payloadEnd) + " bytes its header gives, aborting.";
    return false;
  }
  *payloadLength = payloadEnd - orv::kSourcePayloadStart;
  return true;
}
