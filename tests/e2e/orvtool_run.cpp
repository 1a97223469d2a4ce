#include "orvtool_run.h"

#include "driver.h"

namespace e2e {

namespace fs = std::filesystem;

DWORD RunOrvtool(const std::wstring& arguments, const fs::path& output) {
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  const HANDLE out = ::CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out;
  startup.hStdError = out;
  const std::wstring exe = fs::absolute(ORVTOOL_EXE).wstring();
  std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
  PROCESS_INFORMATION process = {};
  const BOOL started =
      ::CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  ::CloseHandle(out);
  if (!started) return static_cast<DWORD>(-1);
  DWORD status = static_cast<DWORD>(-1);
  if (::WaitForSingleObject(process.hProcess, kWaitMs) == WAIT_OBJECT_0)
    ::GetExitCodeProcess(process.hProcess, &status);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return status;
}

}  // namespace e2e
