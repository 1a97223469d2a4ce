// What Windows says about a file name: the current folder, a path's short (8.3) form, whether it names a
// folder and the folder that holds it. Paths in UTF-8.
#ifndef ORV_FRONTEND_PLATFORM_FILE_NAMES_H_
#define ORV_FRONTEND_PLATFORM_FILE_NAMES_H_

#include <string>

// The process's current folder, where relative paths and out.orv are.
std::string CurrentFolder();
// The short form of an existing file's or folder's full path; empty where the volume gives none, or
// gives the name back unchanged.
std::string ShortPathName(const std::string& path);
bool IsFolder(const std::string& path);
// The folder that holds path, when it exists; else, an empty path's included, empty.
std::string ExistingFolderOf(const std::string& path);

#endif  // ORV_FRONTEND_PLATFORM_FILE_NAMES_H_
