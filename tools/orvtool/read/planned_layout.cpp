#include "read/planned_layout.h"

#include "orv_writer.h"

bool LayoutOfPlan(const BuildPlan& plan, OrvLayout* layout, std::string* err) {
  const BuildTables& tables = *plan.tables;
  MemorySource header(OrvHeaderBytes(tables), static_cast<std::uint64_t>(tables.fileLength()));
  return InspectOrv(&header, layout, err);
}
