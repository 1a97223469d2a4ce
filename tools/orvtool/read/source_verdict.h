// The build's own judgement of a file as a source, made on the file's bytes as orvtool reads them.
#ifndef ORVTOOL_READ_SOURCE_VERDICT_H_
#define ORVTOOL_READ_SOURCE_VERDICT_H_

#include <cstdint>

#include "read/byte_source.h"
#include "source_check.h"

inline SourceVerdict JudgeSourceOf(ByteSource* in) { return JudgeSource(static_cast<std::int64_t>(in->Size()), in); }

#endif  // ORVTOOL_READ_SOURCE_VERDICT_H_
