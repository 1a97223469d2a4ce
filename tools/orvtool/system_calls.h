// The few operating-system calls that differ between POSIX and Windows; the build picks the matching
// system_calls-*.cpp.
#ifndef ORVTOOL_SYSTEM_CALLS_H_
#define ORVTOOL_SYSTEM_CALLS_H_

#include <cstdint>
#include <cstdio>
#include <string>

// Makes dir the current directory; on failure says why in *err.
bool ChangeDirectory(const std::string& dir, std::string* err);

// 64-bit seek and size, so files past 2 GiB are measured right even where long is 32 bits.
bool SeekFile(std::FILE* file, std::uint64_t offset);
bool FileSize(std::FILE* file, std::uint64_t* size);

#endif  // ORVTOOL_SYSTEM_CALLS_H_
