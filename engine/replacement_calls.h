// What replacing a file durably needs of the system: whether a link may be followed, a new file that nothing
// already there can stand in for, flushes to the disk, and a removal safe inside a signal handler. The
// system-specific halves live in replacement_calls-posix.cpp and replacement_calls-win32.cpp.
#ifndef ORV_ENGINE_REPLACEMENT_CALLS_H_
#define ORV_ENGINE_REPLACEMENT_CALLS_H_

#include <cstdio>
#include <string>

#include "file_ptr.h"

// Whether the link at path may be followed by this process under the rule that keeps links planted in
// shared folders from redirecting it: the link is the process's own, or its folder is not both sticky
// and writable by all, or the link's owner owns that folder too. True where the system has no such
// folders.
bool MayFollowLink(const std::string& path);

// Creates a file that is not there yet for binary writing: fails when anything, a symbolic link
// included, already has the name, and never follows a link. With `like`, an open file the new one is
// to replace, the new file gets its permission bits and access list where the system has them, and its
// owner and group as far as the process may give them; it fails, leaving nothing, when the access list
// cannot be given, as the bits alone would then let in whom the list kept out.
FilePtr CreateNewFile(const char* path, std::FILE* like);

// Writes out what stdio buffers, then makes the system put the file's data on the disk.
bool FlushToDisk(std::FILE* f);

// Makes the system put the folder's entries (a rename into it) on the disk; true where it cannot be
// asked for, or need not be.
bool FlushFolder(const std::string& folder);

// Closes the descriptor and removes the file by name, using only calls that are safe inside a signal
// handler (a file still open cannot be removed everywhere).
void CloseAndRemoveNow(int fd, const char* path);

#endif  // ORV_ENGINE_REPLACEMENT_CALLS_H_
