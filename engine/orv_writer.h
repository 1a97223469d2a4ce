// Writes the built tables and the sources' payloads as "out.orv". The file is written under a
// temporary name beside it and renamed over "out.orv" only when whole, so a failed build leaves the
// previous "out.orv" exactly as it was. The temporary name carries the process id, so two builds in
// one folder never write into each other's file.
#ifndef ORV_ENGINE_ORV_WRITER_H_
#define ORV_ENGINE_ORV_WRITER_H_

#include <string>

#include "build_tables.h"
#include "script_reader.h"

constexpr const char kOutputFileName[] = "out.orv";
// "out.orv.<process id>.tmp"
std::string OutputTempFileName();

// Shows its own failures in error boxes; true when "out.orv" was replaced.
bool WriteOrvFile(const BuildTables& tables, const ScriptEntry* entries, int n);

#endif  // ORV_ENGINE_ORV_WRITER_H_
