#include "run_orvtool.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "child_process.h"

#ifndef _WIN32
#include <unistd.h>
#endif

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

}  // namespace

#ifdef _WIN32
namespace {
// A tool run that takes longer than this has hung.
constexpr DWORD kToolRunMs = 60000;
}  // namespace

// Started straight, not through cmd, so the command line reaches the program as UTF-16 whatever the
// code page of this process.
OrvtoolProcess::OrvtoolProcess(const std::vector<std::string>& args, const std::string& workDir,
                               const std::string& runner) {
  EXPECT_EQ(runner, "") << "a runner is a POSIX shell's";
  std::string commandLine = Quote(g_tool);
  for (const std::string& arg : args) commandLine += " " + Quote(arg);
  const HANDLE out = CreateOutputFile(capture_.Path("stdout.txt"));
  const HANDLE err = CreateOutputFile(capture_.Path("stderr.txt"));
  std::string why;
  started_ = out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
             StartProcess(commandLine, workDir, out, err, &process_, &why);
  if (out != INVALID_HANDLE_VALUE) ::CloseHandle(out);
  if (err != INVALID_HANDLE_VALUE) ::CloseHandle(err);
  if (!started_) ADD_FAILURE() << "orvtool did not start: " << why;
}

ToolRun OrvtoolProcess::Finish() {
  ToolRun run;
  if (!started_) return run;
  started_ = false;
  DWORD code = 0;
  if (::WaitForSingleObject(process_.hProcess, kToolRunMs) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "orvtool did not end in time";
    ::TerminateProcess(process_.hProcess, 1);
    ::WaitForSingleObject(process_.hProcess, kToolRunMs);
  } else if (::GetExitCodeProcess(process_.hProcess, &code)) {
    run.status = static_cast<int>(code);
  }
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
  run.out = ReadWithLfLineEnds(capture_.Path("stdout.txt"));
  run.err = ReadWithLfLineEnds(capture_.Path("stderr.txt"));
  return run;
}
#else
OrvtoolProcess::OrvtoolProcess(const std::vector<std::string>& args, const std::string& workDir,
                               const std::string& runner) {
  std::string command = "cd " + Quote(workDir) + " && exec " + runner + Quote(g_tool);
  for (const std::string& arg : args) command += " " + Quote(arg);
  command += " >" + Quote(capture_.Path("stdout.txt")) + " 2>" + Quote(capture_.Path("stderr.txt"));
  pid_ = fork();
  if (pid_ == 0) {
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  started_ = pid_ > 0;
  if (!started_) ADD_FAILURE() << "orvtool did not start";
}

ToolRun OrvtoolProcess::Finish() {
  ToolRun run;
  if (!started_) return run;
  started_ = false;
  run.status = ExitStatus(WaitForChild(pid_));
  run.out = ReadWithLfLineEnds(capture_.Path("stdout.txt"));
  run.err = ReadWithLfLineEnds(capture_.Path("stderr.txt"));
  return run;
}
#endif

OrvtoolProcess::~OrvtoolProcess() {
  if (started_) Finish();
}

ToolRun RunOrvtool(const std::vector<std::string>& args, const std::string& workDir, const std::string& runner) {
  return OrvtoolProcess(args, workDir, runner).Finish();
}
