#include "child_process.h"

#ifdef _WIN32
#include "platform/wide_text.h"
#else
#include <gtest/gtest.h>
#include <sys/wait.h>
#endif

#ifdef _WIN32

std::string Quote(const std::string& word) { return "\"" + word + "\""; }

HANDLE CreateOutputFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  return ::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool StartProcess(const std::string& commandLine, const std::string& workDir, HANDLE out, HANDLE err,
                  PROCESS_INFORMATION* process, std::string* why) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = out;
  startup.hStdError = err;
  std::wstring line = WideFromUtf8(commandLine);
  const std::wstring folder = WideFromUtf8(workDir);
  const bool inherit = out != nullptr || err != nullptr;
  // Wine, when the machine is busy, now and then fails to start a process with ERROR_INTERNAL_ERROR
  // before the program runs a line of its own; a second try starts it.
  DWORD error = 0;
  for (int tries = 3; tries > 0; --tries) {
    *process = {};
    if (::CreateProcessW(nullptr, &line[0], nullptr, nullptr, inherit ? TRUE : FALSE, 0, nullptr,
                         folder.empty() ? nullptr : folder.c_str(), &startup, process))
      return true;
    error = ::GetLastError();
    if (error != ERROR_INTERNAL_ERROR) break;
    ::Sleep(200);
  }
  *why = "CreateProcess(" + commandLine + ") failed with error " + std::to_string(error);
  *process = {};
  return false;
}

#else

std::string Quote(const std::string& word) { return "'" + word + "'"; }

int WaitForChild(pid_t pid) {
  int status = 0;
  EXPECT_EQ(waitpid(pid, &status, 0), pid);
  return status;
}

int ExitStatus(int waitStatus) { return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1; }

#endif
