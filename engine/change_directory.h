// Entering the folder a command is to work in; the system-specific halves live in
// change_directory-posix.cpp and change_directory-win32.cpp.
#ifndef ORV_ENGINE_CHANGE_DIRECTORY_H_
#define ORV_ENGINE_CHANGE_DIRECTORY_H_

#include <string>

// Makes dir the current directory; on failure says why in *err.
bool ChangeDirectory(const std::string& dir, std::string* err);

#endif  // ORV_ENGINE_CHANGE_DIRECTORY_H_
