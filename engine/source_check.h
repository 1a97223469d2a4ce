// Decides whether a file may be a build source (a single-state ORV) and how long its payload is.
// The payload runs from byte 56 to the offset held in the word at byte 44.
#ifndef ORV_ENGINE_SOURCE_CHECK_H_
#define ORV_ENGINE_SOURCE_CHECK_H_

#include <cstdint>
#include <cstdio>
#include <string>

// Checks the open source `file`, named `path` in messages. On success sets *payloadLength; otherwise
// sets *err to the text to show. Reads nothing past the words it needs and the file's size.
bool CheckSource(std::FILE* file, const char* path, std::int32_t* payloadLength, std::string* err);

#endif  // ORV_ENGINE_SOURCE_CHECK_H_
