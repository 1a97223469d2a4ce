// The text `orvtool info` prints for a person: header, states, chunk rows and payload, as far as the
// layout was read.
#ifndef ORVTOOL_ORV_REPORT_H_
#define ORVTOOL_ORV_REPORT_H_

#include <cstdint>
#include <string>

#include "orv_layout.h"

std::string FormatOrvLayout(const OrvLayout& layout);

// One line on whether a build would take the file as a source; when it would, what payload it takes,
// and whether that differs from the payload area that the file's own tables give.
std::string FormatSourceVerdict(const OrvLayout& layout, bool acceptable, std::int32_t payloadEnd,
                                const std::string& why);

#endif  // ORVTOOL_ORV_REPORT_H_
