// Windows paths worked out as text, without asking the system, so the rules hold wherever they are
// tested: full paths made from a folder and a relative one, and the way from one folder to a file.
// Either slash separates; Latin letters compare without regard to case, as the file system does.
#ifndef ORV_FRONTEND_MODEL_WINDOWS_PATH_H_
#define ORV_FRONTEND_MODEL_WINDOWS_PATH_H_

#include <string>

// path relative to folder when path lies in folder or under it, else path unchanged. Both are full
// paths.
std::string RelativeToFolder(const std::string& path, const std::string& folder);

// path taken from folder, a full path, unless it is full itself, with "." and ".." resolved and "\"
// between names: "C:\work" and "..\music\a.orv" make "C:\music\a.orv". A path from the root ("\a.orv")
// is taken on folder's drive; one on another drive without its folder ("D:a.orv") from that drive's root.
std::string FullPathFrom(const std::string& folder, const std::string& path);

// The way from folder to path, both full: "..\music\a.orv" from "C:\work\sets", climbing with ".."
// as far as needed; path itself, made full, where the two share no drive or network share.
std::string RelativePathFrom(const std::string& folder, const std::string& path);

// The folder that holds a full file path ("C:\sets" for "C:\sets\a.txt", "C:\" for "C:\a.txt"), and the
// file's own name ("a.txt").
std::string FolderOfFile(const std::string& path);
std::string FileNameOf(const std::string& path);

#endif  // ORV_FRONTEND_MODEL_WINDOWS_PATH_H_
