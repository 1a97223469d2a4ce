// How this system spells the text the engine writes and the paths it takes apart: the line end a file
// written in text mode has, and the characters that end a folder part of a path.
#ifndef ORV_ENGINE_SYSTEM_CONVENTIONS_H_
#define ORV_ENGINE_SYSTEM_CONVENTIONS_H_

#ifdef _WIN32
constexpr char kLineEnd[] = "\r\n";
// Windows takes either slash, and a drive's letter ("C:") ends a folder part too.
constexpr char kFolderEnds[] = "/\\:";
#else
constexpr char kLineEnd[] = "\n";
constexpr char kFolderEnds[] = "/";
#endif

#endif  // ORV_ENGINE_SYSTEM_CONVENTIONS_H_
