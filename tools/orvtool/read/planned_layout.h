// The header a planned build would write ahead of its payloads, read and checked as info reads a file.
#ifndef ORVTOOL_READ_PLANNED_LAYOUT_H_
#define ORVTOOL_READ_PLANNED_LAYOUT_H_

#include <string>

#include "build_engine.h"
#include "read/layout.h"

// False, with the rule broken in *err, should a build ever write a header that breaks one. The plan's
// tables must be placed in the file.
bool LayoutOfPlan(const BuildPlan& plan, OrvLayout* layout, std::string* err);

#endif  // ORVTOOL_READ_PLANNED_LAYOUT_H_
