// The C runtime's own call: the engine stays free of the Windows headers.
#include "change_directory.h"

#include <direct.h>

#include <cerrno>
#include <cstring>

bool ChangeDirectory(const std::string& dir, std::string* err) {
  if (_chdir(dir.c_str()) == 0) return true;
  *err = std::strerror(errno);
  return false;
}
