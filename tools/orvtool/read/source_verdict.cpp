#include "read/source_verdict.h"

SourceVerdict JudgeSourceOf(ByteSource* in) {
  return JudgeSource(static_cast<std::int64_t>(in->Size()), [in](std::int64_t offset, std::int32_t* value) {
    return in->ReadWord(static_cast<std::uint64_t>(offset), value);
  });
}
