// Decides whether a file may be a build source (a single-state ORV) and how long its payload is, and
// words each refusal: for the failure a build reports, and for a report on the file. The payload runs from
// byte 56 to the offset held in the word at byte 44. The build and orvtool info both judge sources
// here, so they never disagree on a file.
#ifndef ORV_ENGINE_SOURCE_CHECK_H_
#define ORV_ENGINE_SOURCE_CHECK_H_

#include <cstdint>
#include <cstdio>
#include <string>

#include "file_reading.h"
#include "orv_format.h"

enum class SourceFault {
  kNone,
  kSizeUnknown,         // the file's size cannot be told
  kTooShort,            // too short for the words at bytes 0, 8 and 44, whatever it begins with
  kNotOrv,              // the magic is wrong, or the words cannot be read
  kNotSingleState,      // stateCount is not 1
  kPayloadBeforeStart,  // the payload end lies before byte 56
  kShorterThanPayload,  // the file ends before the payload end
};

struct SourceVerdict {
  SourceFault fault = SourceFault::kNone;
  std::int64_t size = 0;
  std::int32_t stateCount = 0;  // read unless the file is too short or no ORV
  std::int32_t payloadEnd = 0;  // read unless the file is too short or no ORV
  bool accepted() const { return fault == SourceFault::kNone; }
  std::int32_t payloadLength() const { return payloadEnd - orv::kSourcePayloadStart; }
};

// Judges a file of `size` bytes (-1 when unknown) by the words it holds at bytes 0, 8 and 44.
SourceVerdict JudgeSource(std::int64_t size, WordReader* words);

// The text a build shows for a source it cannot open, in its scan or when it copies the payload.
std::string SourceOpenErrorText(const char* path);

// The text a build shows for a refused source, naming it by `path`: a file too short and one of the wrong
// magic alike are "not an ORV".
std::string SourceFaultText(const SourceVerdict& verdict, const char* path);

// Why a refused source is refused, for a report that names the file already: "stateCount is 5, not 1".
std::string SourceFaultReason(const SourceVerdict& verdict);

// A source as the build's scan checked it: the path it was opened by (see SourceOpenPath), and its stamp
// then. The build opens the source again by that path to copy its payload, and copies only from the
// file it checked.
struct CheckedSource {
  std::string path;
  FileStamp stamp;
};

// Whether the open file is still the one checked, of `payloadLength` bytes of payload: the same stamp,
// and the same payload end in its header.
bool IsCheckedSource(std::FILE* file, const CheckedSource& checked, std::int32_t payloadLength);

// Checks the open source `file`, named `path` in messages. On success sets *payloadLength; otherwise
// sets *err to the text to show. Reads nothing past the words it needs and the file's size.
bool CheckSource(std::FILE* file, const char* path, std::int32_t* payloadLength, std::string* err);

#endif  // ORV_ENGINE_SOURCE_CHECK_H_
