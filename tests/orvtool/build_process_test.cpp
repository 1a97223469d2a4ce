// orvtool build as a process on a real disk. Cut short from outside, as a pipeline's job control or a
// full disk would, it ends as it was told to or reports the write error, and never leaves a temporary
// file behind; and what it reports as written has reached the disk before it took the old file's place.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include "orv_examples.h"
#include "run_orvtool.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

// A single-state source with a payload of `length` bytes that takes no room on the disk.
void SparseSource(const TempDir& dir, const std::string& name, std::int32_t length) {
  Bytes header = MakeOrv(1, {0, 1, 0, 1}, {56, 0, 0, 56 + length, 0, 0}, 0);
  dir.Write(name, header);
  fs::resize_file(dir.Path(name), 56 + static_cast<std::uintmax_t>(length));
}

// Starts `orvtool build -C dir` with the ending signals at their defaults, whatever this process was
// given, and an optional limit on the size of the files it writes.
pid_t StartBuild(const TempDir& dir, rlim_t fileSizeLimit = RLIM_INFINITY) {
  const std::string errPath = dir.Path("stderr.txt");
  const pid_t pid = fork();
  if (pid != 0) return pid;
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGXFSZ}) signal(sig, SIG_DFL);
  rlimit limit;
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = fileSizeLimit;
  setrlimit(RLIMIT_FSIZE, &limit);
  if (!freopen("/dev/null", "w", stdout) || !freopen(errPath.c_str(), "w", stderr)) _exit(126);
  execl(ORVTOOL_PATH, "orvtool", "build", "-C", dir.Path().c_str(), static_cast<char*>(nullptr));
  _exit(127);
}

TEST(OrvtoolBuildCutShort, SizeLimitIsReportedAsAWriteError) {
  TempDir dir;
  SparseSource(dir, "a.orv", 300000);
  dir.Write("script.txt", Bytes{'0', ' ', 'a', '.', 'o', 'r', 'v', ' ', 'b', 'e', 'g', 'i', 'n', ' ', '-', '1'});
  dir.Write("out.orv", {'o', 'l', 'd'});
  int status = 0;
  ASSERT_EQ(waitpid(StartBuild(dir, 100000), &status, 0) > 0, true);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const Bytes err = dir.Read("stderr.txt");
  EXPECT_EQ(std::string(err.begin(), err.end()), "Error writing out.orv, aborting.\n");
  EXPECT_EQ(dir.Read("out.orv"), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(TemporaryFileCount(dir.path()), 0);
}

// A real signal while the payload is being written: the temporary file is removed, the previous
// out.orv stays, and the process ends by the signal, as the sender meant.
TEST(OrvtoolBuildCutShort, EndingSignalsRemoveTheTemporaryFile) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(strsignal(sig));
    TempDir dir;
    SparseSource(dir, "big.orv", 128 << 20);  // long enough to be caught while writing
    const std::string script = "0 big.orv begin\n0 null loop\n-1";
    dir.Write("script.txt", Bytes(script.begin(), script.end()));
    dir.Write("out.orv", {'o', 'l', 'd'});

    const pid_t pid = StartBuild(dir);
    int status = 0;
    bool caught = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline && waitpid(pid, &status, WNOHANG) == 0) {
      if (TemporaryFileCount(dir.path()) > 0) {
        kill(pid, sig);
        caught = true;
        break;
      }
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (!caught) kill(pid, SIGKILL);
    ASSERT_TRUE(caught) << "the build ended before its temporary file was seen";
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << "status " << status;
    EXPECT_EQ(TemporaryFileCount(dir.path()), 0);
    EXPECT_EQ(dir.Read("out.orv"), (Bytes{'o', 'l', 'd'}));
  }
}

TEST(OrvtoolBuildCutShort, PipesAreRefusedWithoutWaiting) {
  TempDir dir;
  ASSERT_EQ(mkfifo(dir.Path("script.txt").c_str(), 0600), 0);
  for (const char* command : {"build", "check"}) {
    const ToolRun run = RunOrvtool({command}, dir.Path());
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_EQ(run.err, "Error reading \"script.txt\": it is not a regular file, aborting.\n") << command;
  }
  const ToolRun run = RunOrvtool({"info", "script.txt"}, dir.Path());
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "orvtool info: cannot read 'script.txt': it is not a regular file\n");
}

// The system calls, as strace records them: the new file's data is flushed before the rename puts it
// in place, and the folder after it, so a crash leaves the old file or the new one, whole.
TEST(OrvtoolBuildOnDisk, NewFileReachesTheDiskBeforeAndAfterTheRename) {
  if (std::system("strace -qq -o /dev/null true 2>/dev/null") != 0)
    GTEST_SKIP() << "strace cannot trace processes on this machine";
  TempDir dir;
  const std::string script = "-1";
  dir.Write("script.txt", Bytes(script.begin(), script.end()));
  dir.Write("out.orv", {'o', 'l', 'd'});
  // The leak checker of a sanitizer build cannot run under a tracer.
  const std::string command = "cd '" + dir.Path() +
                              "' && ASAN_OPTIONS=detect_leaks=0 strace -qq -e trace=openat,fsync,"
                              "fdatasync,rename,renameat,renameat2 -o trace.txt '" ORVTOOL_PATH "' build >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);

  std::ifstream trace(dir.Path("trace.txt"));
  const std::regex openTemp(R"(openat\(.*"out\.orv\.[0-9a-f]+\.tmp", O_WRONLY\|O_CREAT\|O_EXCL.*\) = (\d+))");
  const std::regex openFolder(R"(openat\(AT_FDCWD, "\.", .*O_DIRECTORY.*\) = (\d+))");
  const std::regex flush(R"(f(data)?sync\((\d+)\) += 0)");
  const std::regex rename(R"(rename(at2?)?\(.*"out\.orv\.[0-9a-f]+\.tmp",.*"out\.orv".*\) = 0)");
  std::string tempFd, folderFd, steps;
  for (std::string line; std::getline(trace, line);) {
    std::smatch m;
    if (std::regex_search(line, m, openTemp))
      tempFd = m[1];
    else if (std::regex_search(line, m, openFolder))
      folderFd = m[1];
    else if (std::regex_search(line, m, rename))
      steps += "rename ";
    else if (std::regex_search(line, m, flush) && m[2] == tempFd && steps.empty())
      steps += "flush-file ";
    else if (std::regex_search(line, m, flush) && m[2] == folderFd && !folderFd.empty())
      steps += "flush-folder ";
  }
  EXPECT_EQ(steps, "flush-file rename flush-folder ");
  EXPECT_EQ(dir.Read("out.orv").size(), 56u);
}

}  // namespace
#endif
