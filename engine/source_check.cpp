#include "source_check.h"

#include "file_reading.h"
#include "orv_format.h"

namespace {
std::string Quoted(const char* path) { return "\"" + std::string(path) + "\""; }
}  // namespace

std::string SourceOpenErrorText(const char* path) { return "Error opening " + Quoted(path) + ", aborting."; }

std::string SourceChangedText(const char* path) {
  return "Error, " + Quoted(path) + " changed while the build was reading it, aborting.";
}

bool IsCheckedSource(std::FILE* file, const CheckedSource& checked, std::int32_t payloadLength) {
  FileStamp now;
  std::int32_t payloadEnd = 0;
  return StampOf(file, &now) && now == checked.stamp && ReadWordAt(file, orv::kSourcePayloadEndOffset, &payloadEnd) &&
         payloadEnd == orv::kSourcePayloadStart + payloadLength;
}

std::int32_t SourceVerdict::payloadLength() const { return payloadEnd - orv::kSourcePayloadStart; }

SourceVerdict JudgeSource(std::int64_t size, const WordReader& readWord) {
  SourceVerdict v;
  v.size = size;
  if (size < 0) {
    v.fault = SourceFault::kSizeUnknown;
    return v;
  }
  std::int32_t magic = 0;
  if (size < orv::kSourcePayloadEndOffset + orv::kWordBytes) {
    v.fault = SourceFault::kTooShort;
  } else if (!readWord(orv::kMagicOffset, &magic) || static_cast<std::uint32_t>(magic) != orv::kMagic ||
             !readWord(orv::kStateCountOffset, &v.stateCount) ||
             !readWord(orv::kSourcePayloadEndOffset, &v.payloadEnd)) {
    v.fault = SourceFault::kNotOrv;
  } else if (v.stateCount != 1) {
    v.fault = SourceFault::kNotSingleState;
  } else if (v.payloadEnd < orv::kSourcePayloadStart) {
    v.fault = SourceFault::kPayloadBeforeStart;
  } else if (size < v.payloadEnd) {
    v.fault = SourceFault::kShorterThanPayload;
  }
  return v;
}

std::string SourceFaultText(const SourceVerdict& v, const char* path) {
  switch (v.fault) {
    case SourceFault::kNone:
      break;
    case SourceFault::kSizeUnknown:
      return "Error reading " + Quoted(path) + ", aborting.";
    case SourceFault::kTooShort:
    case SourceFault::kNotOrv:
      return "Error, " + Quoted(path) + " is not an ORV.";
    case SourceFault::kNotSingleState:
      return Quoted(path) + " is not an ORV created with the Corvane Audio Tool, aborting to avoid problems.";
    case SourceFault::kPayloadBeforeStart:
      return "Error, " + Quoted(path) + " gives its payload end as " + std::to_string(v.payloadEnd) +
             ", before the payload start " + std::to_string(orv::kSourcePayloadStart) + ", aborting.";
    case SourceFault::kShorterThanPayload:
      return "Error, " + Quoted(path) + " is " + std::to_string(v.size) + " bytes long, shorter than the " +
             std::to_string(v.payloadEnd) + " bytes its header gives, aborting.";
  }
  return std::string();
}

std::string SourceFaultReason(const SourceVerdict& v) {
  using std::to_string;
  switch (v.fault) {
    case SourceFault::kNone:
      break;
    case SourceFault::kSizeUnknown:
      return "its size cannot be told";
    case SourceFault::kTooShort:
      return "the file is " + to_string(v.size) + " bytes, too short to hold the words at bytes " +
             to_string(orv::kMagicOffset) + ", " + to_string(orv::kStateCountOffset) + " and " +
             to_string(orv::kSourcePayloadEndOffset);
    case SourceFault::kNotOrv:
      return "the magic is wrong";
    case SourceFault::kNotSingleState:
      return "stateCount is " + to_string(v.stateCount) + ", not 1";
    case SourceFault::kPayloadBeforeStart:
      return "the payload end " + to_string(v.payloadEnd) + " lies before the payload start " +
             to_string(orv::kSourcePayloadStart);
    case SourceFault::kShorterThanPayload:
      return "the payload runs to byte " + to_string(v.payloadEnd) + ", past the end of the file at " +
             to_string(v.size);
  }
  return std::string();
}

bool CheckSource(std::FILE* file, const char* path, std::int32_t* payloadLength, std::string* err) {
  const SourceVerdict verdict = JudgeSource(
      FileSize(file), [file](std::int64_t offset, std::int32_t* value) { return ReadWordAt(file, offset, value); });
  if (!verdict.accepted()) {
    *err = SourceFaultText(verdict, path);
    return false;
  }
  *payloadLength = verdict.payloadLength();
  return true;
}
