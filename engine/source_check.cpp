#include "source_check.h"

#include "file_io.h"
#include "orv_format.h"

namespace {
std::string Quoted(const char* path) { return "\"" + std::string(path) + "\""; }
}  // namespace

bool CheckSource(std::FILE* file, const char* path, std::int32_t* payloadLength, std::string* err) {
  const std::int64_t size = FileSize(file);
  if (size < 0) {
    *err = "Error reading " + Quoted(path) + ", aborting.";
    return false;
  }
  // A file too short for the words at bytes 0, 8 and 44 is no ORV, whatever it begins with.
  std::int32_t magic = 0;
  std::int32_t stateCount = 0;
  std::int32_t payloadEnd = 0;
  if (size < orv::kSourcePayloadEndOffset + 4 || !ReadWordAt(file, 0, &magic) ||
      static_cast<std::uint32_t>(magic) != orv::kMagic || !ReadWordAt(file, orv::kSourceStateCountOffset, &stateCount) ||
      !ReadWordAt(file, orv::kSourcePayloadEndOffset, &payloadEnd)) {
    *err = "Error, " + Quoted(path) + " is not an ORV.";
    return false;
  }
  if (stateCount != 1) {
    *err = Quoted(path) + " is not an ORV created with the Corvane Audio Tool, aborting to avoid problems.";
    return false;
  }
  if (payloadEnd < orv::kSourcePayloadStart) {
    *err = "Error, " + Quoted(path) + " gives its payload end as " + std::to_string(payloadEnd) +
           ", before the payload start " + std::to_string(orv::kSourcePayloadStart) + ", aborting.";
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
