// An owning handle for a stdio file: it is closed when the handle goes out of scope, so no early return
// forgets to.
#ifndef ORV_ENGINE_FILE_PTR_H_
#define ORV_ENGINE_FILE_PTR_H_

#include <cstdio>
#include <memory>

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

inline FilePtr OpenFile(const char* path, const char* mode) { return FilePtr(std::fopen(path, mode)); }

#endif  // ORV_ENGINE_FILE_PTR_H_
