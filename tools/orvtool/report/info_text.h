// The text `orvtool info` prints for a person: header, states, chunk rows and payload, as far as the
// layout was read.
#ifndef ORVTOOL_REPORT_INFO_TEXT_H_
#define ORVTOOL_REPORT_INFO_TEXT_H_

#include <string>

#include "read/layout.h"
#include "report/text_sink.h"
#include "source_check.h"

// One line on whether a build would take the file as a source; when it would, what payload it takes,
// and whether that differs from the payload area that the file's own tables give. A valid file with
// the state count a build writes is named as a built file.
std::string FormatSourceVerdict(const OrvLayout& layout, const SourceVerdict& source, bool layoutValid);

// All that info prints for the file at `path`: its layout as far as it was read, its verdict as a
// source, the warnings, and whether the layout holds.
void WriteInfoText(const OrvLayout& layout, const std::string& path, const SourceVerdict& source, bool layoutValid,
                   const TextSink& out);

#endif  // ORVTOOL_REPORT_INFO_TEXT_H_
