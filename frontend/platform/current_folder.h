// The process's current folder, where the build reads its script and writes out.orv.
#ifndef ORV_FRONTEND_PLATFORM_CURRENT_FOLDER_H_
#define ORV_FRONTEND_PLATFORM_CURRENT_FOLDER_H_

#include <string>

// Its full path in the program's code page (UTF-8), or "" when the system cannot tell it.
std::string CurrentFolder();

#endif  // ORV_FRONTEND_PLATFORM_CURRENT_FOLDER_H_
