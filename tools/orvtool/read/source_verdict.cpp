#include "read/source_verdict.h"

SourceVerdict JudgeSourceOf(ByteSource* in) { return JudgeSource(static_cast<std::int64_t>(in->Size()), in); }
