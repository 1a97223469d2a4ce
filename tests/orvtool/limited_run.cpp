#include "limited_run.h"

#include <unistd.h>

#include "child_process.h"
#include "temp_dir.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kLimitable = false;  // the sanitizer reserves a vast shadow space up front
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kLimitable = false;
#else
constexpr bool kLimitable = true;
#endif
#else
constexpr bool kLimitable = true;
#endif

}  // namespace

bool MemoryIsLimited() { return kLimitable; }

LimitedRun RunLimited(const std::vector<std::string>& args, rlim_t limitBytes) {
  TempDir capture;
  const std::string errPath = capture.Path("stderr.txt");
  int pipeEnds[2];
  LimitedRun run;
  if (pipe(pipeEnds) != 0) return run;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    dup2(pipeEnds[1], 1);
    if (!freopen(errPath.c_str(), "w", stderr)) _exit(126);
    if (kLimitable) {
      const rlimit limit = {limitBytes, limitBytes};
      if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(126);
    }
    std::vector<char*> argv = {const_cast<char*>(ORVTOOL_PATH)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(ORVTOOL_PATH, argv.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
    if (got <= 0) break;
    run.outBytes += got;
    for (ssize_t i = 0; i < got; ++i) {
      run.lines += buffer[i] == '\n';
      run.digest = (run.digest ^ static_cast<unsigned char>(buffer[i])) * 1099511628211u;
    }
    run.tail.append(buffer, static_cast<std::size_t>(got));
    if (run.tail.size() > 4096) run.tail.erase(0, run.tail.size() - 4096);
  }
  close(pipeEnds[0]);
  run.status = ExitStatus(WaitForChild(child));
  run.err = ReadText(errPath);
  return run;
}
