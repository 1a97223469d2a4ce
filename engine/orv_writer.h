// Writes the built tables and the sources' payloads as the build's output, "out.orv" unless the caller
// names another, through a FileReplacement: a failed or interrupted build leaves the previous file
// exactly as it was.
#ifndef ORV_ENGINE_ORV_WRITER_H_
#define ORV_ENGINE_ORV_WRITER_H_

#include <string>
#include <vector>

#include "build_reporter.h"
#include "build_tables.h"
#include "script_file.h"
#include "source_check.h"

constexpr const char kOutputFileName[] = "out.orv";

// Writes `output`, copying each entry's payload from its source as the scan checked it (`sources`, one
// for each of the n entries); a source that is no longer that file fails the build. Reports its own
// failures, naming the output by `output`; true when the output was replaced.
bool WriteOrvFile(const BuildTables& tables, const ScriptEntry* entries, const CheckedSource* sources, int n,
                  BuildReporter* reporter, const std::string& output = kOutputFileName);

// Whether WriteOrvFile could begin: the same test of the output and its folder (a folder in its place,
// one that may not be written), with the same failure reported. Leaves nothing behind.
bool CheckOutputReplaceable(const std::string& output, BuildReporter* reporter);

// The bytes of the output ahead of the payloads, for tables placed in the file: what WriteOrvFile writes
// first, so a check of these bytes is a check of what a build writes.
std::vector<unsigned char> OrvHeaderBytes(const BuildTables& tables);

#endif  // ORV_ENGINE_ORV_WRITER_H_
