// Child processes of the tests, the real programs run as a console or the desktop would run them:
// their command lines, their start and their exit status.
#ifndef ORV_TESTS_CHILD_PROCESS_H_
#define ORV_TESTS_CHILD_PROCESS_H_

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/types.h>
#endif

// One word of a command line, quoted as the system splits it: in double quotes for Windows, in single
// quotes for a POSIX shell. The word may hold no quote of that kind.
std::string Quote(const std::string& word);

#ifdef _WIN32
// A file for a child's output, created empty, that the child can inherit; INVALID_HANDLE_VALUE when it
// cannot be made.
HANDLE CreateOutputFile(const std::string& path);

// Starts commandLine (UTF-8, the program's quoted path its first word) in the folder workDir, with no
// standard input and standard output and error going to out and err (none where null). False, with
// why in *why, when the program does not start.
bool StartProcess(const std::string& commandLine, const std::string& workDir, HANDLE out, HANDLE err,
                  PROCESS_INFORMATION* process, std::string* why);
#else
// Waits for the child to end; its wait status.
int WaitForChild(pid_t pid);
// The status a child exited with, from its wait status; -1 for one ended by a signal.
int ExitStatus(int waitStatus);
#endif

#endif  // ORV_TESTS_CHILD_PROCESS_H_
