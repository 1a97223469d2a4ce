#include "change_directory.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

bool ChangeDirectory(const std::string& dir, std::string* err) {
  if (chdir(dir.c_str()) == 0) return true;
  *err = std::strerror(errno);
  return false;
}
