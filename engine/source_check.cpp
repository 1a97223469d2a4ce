#include "source_check.h"

#include "file_reading.h"
#include "orv_format.h"

namespace {

std::string Quoted(const char* path) { return "\"" + std::string(path) + "\""; }

// An open source, read where asked by seeking: the check needs only a few of its words.
class FileWords : public WordReader {
 public:
  explicit FileWords(std::FILE* file) : file_(file) {}
  bool Read(std::uint64_t offset, std::size_t n, unsigned char* out) override {
    return SeekTo(file_, static_cast<std::int64_t>(offset)) && std::fread(out, 1, n, file_) == n;
  }

 private:
  std::FILE* file_;
};

// A refused source's two wordings: the text a build shows, naming the file, and the reason a report
// gives after the file's name.
struct FaultWords {
  std::string text;
  std::string reason;
};

// The table of source faults: each fault's two wordings side by side.
FaultWords WordsFor(const SourceVerdict& v, const char* path) {
  using std::to_string;
  const std::string file = Quoted(path);
  switch (v.fault) {
    case SourceFault::kNone:
      break;
    case SourceFault::kSizeUnknown:
      return {"Error reading " + file + ", aborting.", "its size cannot be told"};
    case SourceFault::kTooShort:
      return {"Error, " + file + " is not an ORV.",
              "the file is " + to_string(v.size) + " bytes, too short to hold the words at bytes " +
                  to_string(orv::kMagicOffset) + ", " + to_string(orv::kStateCountOffset) + " and " +
                  to_string(orv::kSourcePayloadEndOffset)};
    case SourceFault::kNotOrv:
      return {"Error, " + file + " is not an ORV.", "the magic is wrong"};
    case SourceFault::kNotSingleState:
      return {file + " is not an ORV created with the Corvane Audio Tool, aborting to avoid problems.",
              "stateCount is " + to_string(v.stateCount) + ", not 1"};
    case SourceFault::kPayloadBeforeStart:
      return {"Error, " + file + " gives its payload end as " + to_string(v.payloadEnd) +
                  ", before the payload start " + to_string(orv::kSourcePayloadStart) + ", aborting.",
              "the payload end " + to_string(v.payloadEnd) + " lies before the payload start " +
                  to_string(orv::kSourcePayloadStart)};
    case SourceFault::kShorterThanPayload:
      return {
          "Error, " + file + " is " + to_string(v.size) + " bytes long, shorter than the " + to_string(v.payloadEnd) +
              " bytes its header gives, aborting.",
          "the payload runs to byte " + to_string(v.payloadEnd) + ", past the end of the file at " + to_string(v.size)};
  }
  return {};
}

}  // namespace

std::string SourceOpenErrorText(const char* path) { return "Error opening " + Quoted(path) + ", aborting."; }

bool IsCheckedSource(std::FILE* file, const CheckedSource& checked, std::int32_t payloadLength) {
  FileStamp now;
  std::int32_t payloadEnd = 0;
  return StampOf(file, &now) && now == checked.stamp &&
         FileWords(file).ReadWord(static_cast<std::uint64_t>(orv::kSourcePayloadEndOffset), &payloadEnd) &&
         payloadEnd == orv::kSourcePayloadStart + payloadLength;
}

SourceVerdict JudgeSource(std::int64_t size, WordReader* words) {
  SourceVerdict v;
  v.size = size;
  std::int32_t magic = 0;
  if (size < 0) {
    v.fault = SourceFault::kSizeUnknown;
  } else if (size < orv::kSourcePayloadEndOffset + orv::kWordBytes) {
    v.fault = SourceFault::kTooShort;
  } else if (!words->ReadWord(orv::kMagicOffset, &magic) || static_cast<std::uint32_t>(magic) != orv::kMagic ||
             !words->ReadWord(orv::kStateCountOffset, &v.stateCount) ||
             !words->ReadWord(orv::kSourcePayloadEndOffset, &v.payloadEnd)) {
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

std::string SourceFaultText(const SourceVerdict& v, const char* path) { return WordsFor(v, path).text; }

std::string SourceFaultReason(const SourceVerdict& v) { return WordsFor(v, "").reason; }

bool CheckSource(std::FILE* file, const char* path, std::int32_t* payloadLength, std::string* err) {
  FileWords words(file);
  const SourceVerdict verdict = JudgeSource(FileSize(file), &words);
  if (!verdict.accepted()) {
    *err = SourceFaultText(verdict, path);
    return false;
  }
  *payloadLength = verdict.payloadLength();
  return true;
}
