// The application's name, which captions its message boxes, follows from the executable's file name:
// "C:\Tools\ORVBuilder.exe" gives "ORVBuilder".
#ifndef ORV_FRONTEND_PLATFORM_APP_NAME_H_
#define ORV_FRONTEND_PLATFORM_APP_NAME_H_

#include <string>

// The file name of path without its directory (either slash) and without a final ".exe" in any case.
std::string AppNameFromPath(const std::string& path);

// The name of the running executable, or an empty text if the system cannot tell its path.
std::string ModuleAppName();

#endif  // ORV_FRONTEND_PLATFORM_APP_NAME_H_
