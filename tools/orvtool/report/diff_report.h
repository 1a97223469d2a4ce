// The two ways `orvtool diff` prints what it found: lines for a person, or one JSON object for
// scripts with the same content. Each writes every piece and transition as it comes.
#ifndef ORVTOOL_REPORT_DIFF_REPORT_H_
#define ORVTOOL_REPORT_DIFF_REPORT_H_

#include <memory>
#include <string>

#include "play/flow_diff.h"
#include "report/text_sink.h"

std::unique_ptr<DiffSink> MakeTextDiffReport(const TextSink& out, const std::string& oldPath,
                                             const std::string& newPath);
std::unique_ptr<DiffSink> MakeJsonDiffReport(const TextSink& out, const std::string& oldPath,
                                             const std::string& newPath);

// `"Cruising" Loop at its end`, `the start`: where the player looks an event up, as both reports name it.
std::string PlaceName(DiffPlace place, const std::string& piece);
std::string PlaceName(const TransitionDiff& transition);

#endif  // ORVTOOL_REPORT_DIFF_REPORT_H_
