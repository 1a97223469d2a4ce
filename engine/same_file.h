// Whether two paths name one file, whatever the paths: so that a build never writes over a file it reads.
#ifndef ORV_ENGINE_SAME_FILE_H_
#define ORV_ENGINE_SAME_FILE_H_

#include <string>

// Where both exist, by the file's identity (its device and number, or its volume and index on Windows),
// links followed, a second hard link included. Where neither exists yet, by their names in folders that
// are one folder by the same test, a link that names a file not made yet taken for its target; on
// Windows, whose names are blind to case, letters are compared without it. One that exists and one that
// does not are two files. Nothing is asked of the system but about the two paths and their folders.
bool NameOneFile(const std::string& a, const std::string& b);

#endif  // ORV_ENGINE_SAME_FILE_H_
