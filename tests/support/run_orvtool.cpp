#include "run_orvtool.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "child_process.h"
#include "temp_dir.h"

namespace {

// What the program wrote to a file, with Windows' CR LF line ends made LF.
std::string ReadWithLfLineEnds(const std::string& path) {
  const std::string text = ReadText(path);
  std::string lf;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
  }
  return lf;
}

// The build gives the program's path as the build system sees it; made absolute at start-up, while the
// process stands in its build folder, it also names the right drive when a test has moved to a folder
// on another one.
std::string AbsoluteToolPath() {
  std::error_code ec;
  const std::filesystem::path path = std::filesystem::absolute(ORVTOOL_PATH, ec);
  return ec ? std::string(ORVTOOL_PATH) : path.u8string();
}
const std::string g_tool = AbsoluteToolPath();

#ifdef _WIN32
// A tool run that takes longer than this has hung.
constexpr DWORD kToolRunMs = 60000;

// Started straight, not through cmd, so the command line reaches the program as UTF-16 whatever the
// code page of this process.
int Run(const std::vector<std::string>& args, const std::string& workDir, const std::string& runner,
        const std::string& outPath, const std::string& errPath) {
  EXPECT_EQ(runner, "") << "a runner is a POSIX shell's";
  std::string commandLine = Quote(g_tool);
  for (const std::string& arg : args) commandLine += " " + Quote(arg);
  const HANDLE out = CreateOutputFile(outPath);
  const HANDLE err = CreateOutputFile(errPath);
  PROCESS_INFORMATION process;
  std::string why;
  const bool started = out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
                       StartProcess(commandLine, workDir, out, err, &process, &why);
  if (out != INVALID_HANDLE_VALUE) ::CloseHandle(out);
  if (err != INVALID_HANDLE_VALUE) ::CloseHandle(err);
  if (!started) {
    ADD_FAILURE() << "orvtool did not start: " << why;
    return -1;
  }
  int status = -1;
  DWORD code = 0;
  if (::WaitForSingleObject(process.hProcess, kToolRunMs) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "orvtool did not end in time";
    ::TerminateProcess(process.hProcess, 1);
    ::WaitForSingleObject(process.hProcess, kToolRunMs);
  } else if (::GetExitCodeProcess(process.hProcess, &code)) {
    status = static_cast<int>(code);
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return status;
}
#else
int Run(const std::vector<std::string>& args, const std::string& workDir, const std::string& runner,
        const std::string& outPath, const std::string& errPath) {
  std::string command = "cd " + Quote(workDir) + " && " + runner + Quote(g_tool);
  for (const std::string& arg : args) command += " " + Quote(arg);
  command += " >" + Quote(outPath) + " 2>" + Quote(errPath);
  return ExitStatus(std::system(command.c_str()));
}
#endif

}  // namespace

ToolRun RunOrvtool(const std::vector<std::string>& args, const std::string& workDir, const std::string& runner) {
  TempDir capture;
  const std::string outPath = capture.Path("stdout.txt");
  const std::string errPath = capture.Path("stderr.txt");
  ToolRun run;
  run.status = Run(args, workDir, runner, outPath, errPath);
  run.out = ReadWithLfLineEnds(outPath);
  run.err = ReadWithLfLineEnds(errPath);
  return run;
}
