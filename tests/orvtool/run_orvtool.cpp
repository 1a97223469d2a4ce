#include "run_orvtool.h"

#include <cstdlib>
#include <filesystem>

#include "temp_dir.h"

#ifndef _WIN32
#include <sys/wait.h>
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

std::string Quote(std::string text) {
#ifdef _WIN32
  for (char& c : text) {
    if (c == '/') c = '\\';  // cmd takes a leading slash for a switch
  }
  return "\"" + text + "\"";
#else
  return "'" + text + "'";
#endif
}

// The build gives the program's path as the build system sees it; made absolute against this process's
// own folder it also names the right drive when the command first changes to a folder on another one.
std::string ToolPath() {
  std::error_code ec;
  const std::filesystem::path path = std::filesystem::absolute(ORVTOOL_PATH, ec);
  return ec ? std::string(ORVTOOL_PATH) : path.string();
}

}  // namespace

ToolRun RunOrvtool(const std::vector<std::string>& args, const std::string& workDir, const std::string& runner) {
  TempDir capture;
  const std::string outPath = capture.Path("stdout.txt");
  const std::string errPath = capture.Path("stderr.txt");
#ifdef _WIN32
  std::string command = "cd /d " + Quote(workDir) + " && " + runner + Quote(ToolPath());
#else
  std::string command = "cd " + Quote(workDir) + " && " + runner + Quote(ToolPath());
#endif
  for (const std::string& arg : args) command += " " + Quote(arg);
  command += " >" + Quote(outPath) + " 2>" + Quote(errPath);

  ToolRun run;
  const int raw = std::system(command.c_str());
#ifdef _WIN32
  run.status = raw;
#else
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  run.out = ReadWithLfLineEnds(outPath);
  run.err = ReadWithLfLineEnds(errPath);
  return run;
}
