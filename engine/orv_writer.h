// Writes the built tables and the sources' payloads as "out.orv", through a FileReplacement: a failed
// or interrupted build leaves the previous "out.orv" exactly as it was.
#ifndef ORV_ENGINE_ORV_WRITER_H_
#define ORV_ENGINE_ORV_WRITER_H_

#include <vector>

#include "build_tables.h"
#include "script_reader.h"

constexpr const char kOutputFileName[] = "out.orv";

// Shows its own failures in error boxes; true when "out.orv" was replaced.
bool WriteOrvFile(const BuildTables& tables, const ScriptEntry* entries, int n);

// Whether WriteOrvFile could begin: the same test of "out.orv" and its folder (a folder in its place,
// one that may not be written), with the same error box when it fails. Leaves nothing behind.
bool CheckOutputReplaceable();

// The bytes of "out.orv" ahead of the payloads, for tables placed in the file: what WriteOrvFile writes
// first, so a check of these bytes is a check of what a build writes.
std::vector<unsigned char> OrvHeaderBytes(const BuildTables& tables);

#endif  // ORV_ENGINE_ORV_WRITER_H_
