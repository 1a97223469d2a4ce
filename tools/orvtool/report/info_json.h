// `orvtool info --json`: the same reading of a file as the text report, as one JSON object for
// pipelines. Figures not reached before a fault are null.
#ifndef ORVTOOL_REPORT_INFO_JSON_H_
#define ORVTOOL_REPORT_INFO_JSON_H_

#include <string>

#include "read/layout.h"
#include "report/text_sink.h"

// `fault` is empty for a valid file. Text that is not UTF-8 (a path in a local code page) is kept
// readable with replacement characters rather than refused.
void WriteOrvJson(const OrvLayout& layout, const std::string& path, const std::string& fault, bool acceptableAsSource,
                  const TextSink& out);

#endif  // ORVTOOL_REPORT_INFO_JSON_H_
