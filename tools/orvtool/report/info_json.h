// `orvtool info --json`: the same reading of a file as the text report, as one JSON object for
// pipelines. Figures not reached before a fault are null.
#ifndef ORVTOOL_REPORT_INFO_JSON_H_
#define ORVTOOL_REPORT_INFO_JSON_H_

#include <string>

#include "read/layout.h"
#include "read/layout_tables.h"
#include "report/words.h"

// `fault` is empty for a valid file. Text that is not UTF-8 (a path in a local code page) is kept
// readable with replacement characters rather than refused. Written as the tables are walked, so
// nothing of it is held.
void WriteOrvJson(OrvTables* tables, const std::string& path, const std::string& fault, bool acceptableAsSource,
                  const TextSink& out);
// The same for a layout held in memory, as one text.
std::string FormatOrvJson(const std::string& path, const OrvLayout& layout, const std::string& fault,
                          bool acceptableAsSource);

#endif  // ORVTOOL_REPORT_INFO_JSON_H_
