// orvtool build as a process on a real disk. Cut short from outside, as a pipeline's job control, a
// reader gone from its pipe or a full disk would, it ends as it was told to or reports the write error,
// and never leaves a temporary file or its lock behind; signals its caller blocked stay blocked; and what it reports
// as written has reached the disk before it took the old file's place.
#include <gtest/gtest.h>

#ifdef __linux__
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <vector>

#include "child_process.h"
#include "orv_examples.h"
#include "other_user.h"
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

// How a child build is started. Whatever this process was given, the child starts with every signal at
// its default and none blocked but `blocked`, of which one each is already pending, as a supervisor may
// hand them on.
struct BuildStart {
  rlim_t fileSizeLimit = RLIM_INFINITY;
  int errFd = -1;  // standard error; a file "stderr.txt" in the folder when -1
  std::vector<int> blocked;
};

// Starts `orvtool build -C dir`.
pid_t StartBuild(const TempDir& dir, const BuildStart& how = {}) {
  const std::string errPath = dir.Path("stderr.txt");
  const pid_t pid = fork();
  if (pid != 0) return pid;
  for (int sig = 1; sig < NSIG; ++sig) signal(sig, SIG_DFL);
  sigset_t mask;
  sigemptyset(&mask);
  for (int sig : how.blocked) sigaddset(&mask, sig);
  sigprocmask(SIG_SETMASK, &mask, nullptr);
  for (int sig : how.blocked) raise(sig);
  rlimit limit;
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = how.fileSizeLimit;
  setrlimit(RLIMIT_FSIZE, &limit);
  const rlimit noCore = {0, 0};
  setrlimit(RLIMIT_CORE, &noCore);  // the signals that dump core are sent on purpose here
  if (!freopen("/dev/null", "w", stdout)) _exit(126);
  if (how.errFd >= 0 ? dup2(how.errFd, 2) != 2 : !freopen(errPath.c_str(), "w", stderr)) _exit(126);
  execl(ORVTOOL_PATH, "orvtool", "build", "-C", dir.Path().c_str(), static_cast<char*>(nullptr));
  _exit(127);
}

// A folder whose build fails writing its 300000-byte payload under a file-size limit of 100000, once
// its temporary file holds part of it.
void WriteFailingBuild(const TempDir& dir) {
  SparseSource(dir, "a.orv", 300000);
  const std::string script = "0 a.orv begin\n0 null loop\n-1";
  dir.Write("script.txt", Bytes(script.begin(), script.end()));
  dir.Write("out.orv", {'o', 'l', 'd'});
}
constexpr rlim_t kFailingLimit = 100000;

// A pipe the test has filled: a child's write to it waits until the test takes the filling out, so a
// build that reports its failure there holds still with its temporary file, until the test lets go.
class HeldPipe {
 public:
  HeldPipe() {
    if (pipe(ends_) != 0) return;
    fcntl(ends_[1], F_SETFL, O_NONBLOCK);
    // Whole pages first, then single bytes for any room a page left, so not even a short line fits.
    const std::string block(4096, '.');
    while (write(ends_[1], block.data(), block.size()) > 0) {
    }
    while (write(ends_[1], ".", 1) > 0) {
    }
    fcntl(ends_[1], F_SETFL, 0);
  }
  ~HeldPipe() {
    CloseWriteEnd();
    if (ends_[0] >= 0) close(ends_[0]);
  }
  HeldPipe(const HeldPipe&) = delete;
  HeldPipe& operator=(const HeldPipe&) = delete;

  int writeEnd() const { return ends_[1]; }
  // Once the child has its own copy.
  void CloseWriteEnd() {
    if (ends_[1] >= 0) close(ends_[1]);
    ends_[1] = -1;
  }

 private:
  int ends_[2] = {-1, -1};
};

// Waits, woken by the folder's changes rather than a clock, until a temporary file is there; false if
// none comes within half a minute.
bool WaitForTemporaryFile(const TempDir& dir) {
  const int watch = inotify_init1(IN_CLOEXEC);
  if (watch < 0 || inotify_add_watch(watch, dir.Path().c_str(), IN_CREATE) < 0) return false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  bool found = TemporaryFileCount(dir.path()) > 0;
  while (!found && std::chrono::steady_clock::now() < deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd event = {watch, POLLIN, 0};
    if (poll(&event, 1, static_cast<int>(left.count()) + 1) > 0) {
      char events[4096];
      if (read(watch, events, sizeof events) < 0) break;
    }
    found = TemporaryFileCount(dir.path()) > 0;
  }
  close(watch);
  return found;
}

TEST(OrvtoolBuildCutShort, SizeLimitIsReportedAsAWriteError) {
  TempDir dir;
  WriteFailingBuild(dir);
  const int status = WaitForChild(StartBuild(dir, {kFailingLimit, -1, {}}));
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const Bytes err = dir.Read("stderr.txt");
  EXPECT_EQ(std::string(err.begin(), err.end()),
            "Error writing out.orv, aborting.\norvtool build: out.orv: File too large\n");
  EXPECT_EQ(dir.Read("out.orv"), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(TemporaryFileCount(dir.path()), 0);
}

// A signal that ends the process, while the temporary file is there and part written: the file and the
// lock are removed, the previous out.orv stays, and the process ends by that signal, as the sender meant.
TEST(OrvtoolBuildCutShort, EndingSignalsRemoveTheTemporaryFile) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGXCPU, SIGVTALRM, SIGPROF,
                  SIGRTMIN + 1}) {
    SCOPED_TRACE(strsignal(sig));
    TempDir dir;
    WriteFailingBuild(dir);
    HeldPipe err;
    const pid_t pid = StartBuild(dir, {kFailingLimit, err.writeEnd(), {}});
    err.CloseWriteEnd();
    const bool held = WaitForTemporaryFile(dir);
    kill(pid, held ? sig : SIGKILL);
    const int status = WaitForChild(pid);
    ASSERT_TRUE(held) << "no temporary file came";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << "status " << status;
    EXPECT_EQ(TemporaryFileCount(dir.path()), 0);
    EXPECT_FALSE(dir.Exists("out.orv.lock"));
    EXPECT_EQ(dir.Read("out.orv"), (Bytes{'o', 'l', 'd'}));
  }
}

// `orvtool build 2>&1 | head -1`: the reader is gone when the build reports its failure. The build ends
// by SIGPIPE, as a program in a pipeline does, after removing its temporary file.
TEST(OrvtoolBuildCutShort, ClosedPipeOnStandardErrorLeavesNoTemporaryFile) {
  TempDir dir;
  WriteFailingBuild(dir);
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  close(ends[0]);
  const pid_t pid = StartBuild(dir, {kFailingLimit, ends[1], {}});
  close(ends[1]);
  const int status = WaitForChild(pid);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) << "status " << status;
  EXPECT_EQ(TemporaryFileCount(dir.path()), 0);
  EXPECT_FALSE(dir.Exists("out.orv.lock"));
  EXPECT_EQ(dir.Read("out.orv"), (Bytes{'o', 'l', 'd'}));
}

// strace sends the signal as the build enters a system call, to come once the call is done: as it takes
// its lock (when the signals wait until the lock is its to remove), flushes its file, renames it into
// place and flushes the folder, and as check takes its lock. Whichever, nothing of the build's own is left, and out.orv
// is the old file or the new one, whole.
TEST(OrvtoolBuildCutShort, SignalAtEachStepLeavesNoTemporaryFileNorLock) {
  if (std::system("strace -qq -o /dev/null -e inject=getpid:retval=1 true 2>/dev/null") != 0)
    GTEST_SKIP() << "strace cannot trace processes, or inject into them, on this machine";
  struct Step {
    const char* command;
    const char* call;  // the system call, and which of them
    bool replaced;     // out.orv is the new file by then: the call is made before the signal comes
  } const kSteps[] = {{"build", "flock", false},
                      {"build", "fsync:when=1", false},
                      {"build", "rename", true},
                      {"build", "fsync:when=2", true},
                      {"check", "flock", false}};
  for (const Step& step : kSteps)
    for (const char* sig : {"SIGINT", "SIGTERM", "SIGHUP"}) {
      SCOPED_TRACE(std::string(step.command) + " at " + step.call + ", " + sig);
      TempDir dir;
      const std::string script = "-1";
      dir.Write("script.txt", Bytes(script.begin(), script.end()));
      dir.Write("out.orv", {'o', 'l', 'd'});
      const std::string command =
          "cd '" + dir.Path() + "' && ASAN_OPTIONS=detect_leaks=0 exec strace -qq -o /dev/null -e inject=" + step.call +
          ":signal=" + sig + " '" ORVTOOL_PATH "' " + step.command + " >/dev/null 2>&1";
      const int status = std::system(command.c_str());
      // strace ends as its tracee did, by the signal or with the shell's status for it.
      EXPECT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) > 128)) << "status " << status;
      EXPECT_EQ(TemporaryFileCount(dir.path()), 0);
      EXPECT_FALSE(dir.Exists("out.orv.lock"));
      EXPECT_EQ(dir.Read("out.orv"), step.replaced ? EmptyBuild() : (Bytes{'o', 'l', 'd'}));
    }
}

// A caller that blocks ending signals and has them pending keeps them blocked through the build.
TEST(OrvtoolBuildCutShort, SignalsTheCallerBlockedStayBlocked) {
  TempDir dir;
  const std::string script = "-1";
  dir.Write("script.txt", Bytes(script.begin(), script.end()));
  dir.Write("out.orv", {'o', 'l', 'd'});
  const int status = WaitForChild(StartBuild(dir, {RLIM_INFINITY, -1, {SIGTERM, SIGINT}}));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  EXPECT_EQ(dir.Read("out.orv"), EmptyBuild());
  EXPECT_EQ(TemporaryFileCount(dir.path()), 0);
}

// A script that is there but may not be read is a failed build, told apart from a missing one.
TEST(OrvtoolBuildCutShort, UnreadableScriptIsAReadError) {
  // Root reads any file; the owner of a mode 000 file reads none.
  const std::string runner = geteuid() == 0 ? AsOtherUser() : "";
  if (geteuid() == 0 && runner.empty()) GTEST_SKIP() << "cannot run orvtool as another user here (needs setpriv)";
  TempDir dir;
  const std::string script = "-1";
  dir.Write("script.txt", Bytes(script.begin(), script.end()));
  ASSERT_EQ(chmod(dir.Path("script.txt").c_str(), 0), 0);
  for (const char* command : {"build", "check"}) {
    const ToolRun run = RunOrvtool({command}, dir.Path(), runner);
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_EQ(run.err, "Error reading \"script.txt\", aborting.\n") << command;
    EXPECT_EQ(run.out, "") << command;
  }
  EXPECT_FALSE(dir.Exists("out.orv"));
}

// Check foresees the output side as the build meets it: the same message and status, and nothing left.
TEST(OrvtoolBuildCutShort, CheckFailsWhereTheBuildCannotWriteItsFile) {
  const std::string script = "-1";
  {
    TempDir dir;
    dir.Write("script.txt", Bytes(script.begin(), script.end()));
    ASSERT_EQ(mkdir(dir.Path("out.orv").c_str(), 0700), 0);
    for (const char* command : {"check", "build"}) {
      const ToolRun run = RunOrvtool({command}, dir.Path());
      EXPECT_EQ(run.status, 1) << command;
      EXPECT_EQ(run.err,
                "Error opening out.orv, aborting.\norvtool " + std::string(command) + ": out.orv: Is a directory\n");
      EXPECT_EQ(std::string::npos, run.out.find("would be")) << command << run.out;
    }
    EXPECT_EQ(TemporaryFileCount(dir.path()), 0);
  }
  // Root writes into any folder; the owner of a read-only folder into none.
  const std::string runner = geteuid() == 0 ? AsOtherUser() : "";
  if (geteuid() == 0 && runner.empty()) GTEST_SKIP() << "cannot run orvtool as another user here (needs setpriv)";
  TempDir dir;
  dir.Write("script.txt", Bytes(script.begin(), script.end()));
  ASSERT_EQ(chmod(dir.Path("script.txt").c_str(), 0644), 0);
  ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
  for (const char* command : {"check", "build"}) {
    const ToolRun run = RunOrvtool({command}, dir.Path(), runner);
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_EQ(run.err,
              "Error opening out.orv, aborting.\norvtool " + std::string(command) + ": out.orv: Permission denied\n");
  }
  // Once the folder may be written, the check passes and leaves it as it was.
  ASSERT_EQ(chmod(dir.path().c_str(), 0777), 0);
  const ToolRun run = RunOrvtool({"check"}, dir.Path(), runner);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(std::string::npos, run.out.find("out.orv would be 56 bytes")) << run.out;
  EXPECT_FALSE(dir.Exists("out.orv"));
  EXPECT_EQ(TemporaryFileCount(dir.path()), 0);
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

// A source replaced by rename again and again while builds run, as pipelines write sources: each build
// either writes out.orv whole from one version of it, or fails naming the source and keeps out.orv as it
// was; none writes one version's length with the other's bytes.
TEST(OrvtoolBuildWhileASourceChanges, EachBuildIsOneVersionOrFailsNamingTheSource) {
  TempDir dir;
  dir.Write("begin.orv", SourceFile(PayloadPattern(2000, 1)));
  dir.Write("v1.orv", SourceFile(PayloadPattern(30000, 2)));
  dir.Write("v2.orv", SourceFile(PayloadPattern(45000, 3)));
  const std::string script = "0 begin.orv begin\n0 loop.orv loop\n-1";
  dir.Write("script.txt", Bytes(script.begin(), script.end()));
  Bytes versions[2];
  for (int v = 0; v < 2; ++v) {
    fs::copy_file(dir.Path(v == 0 ? "v1.orv" : "v2.orv"), dir.Path("loop.orv"), fs::copy_options::overwrite_existing);
    ASSERT_EQ(0, RunOrvtool({"build"}, dir.Path()).status);
    versions[v] = dir.Read("out.orv");
  }

  // Each version in turn put under the name in one step, a link to it renamed over the name.
  const pid_t renamer = fork();
  if (renamer == 0) {
    const std::string link = dir.Path("loop.orv.next"), name = dir.Path("loop.orv");
    for (unsigned turn = 0;; ++turn) {
      unlink(link.c_str());
      if (::link(dir.Path(turn % 2 == 0 ? "v1.orv" : "v2.orv").c_str(), link.c_str()) != 0 ||
          rename(link.c_str(), name.c_str()) != 0)
        _exit(1);
    }
  }
  int built = 0, refused = 0;
  for (int round = 0; round < 200; ++round) {
    const Bytes before = dir.Read("out.orv");
    const ToolRun run = RunOrvtool({"build"}, dir.Path());
    const Bytes after = dir.Read("out.orv");
    if (run.status == 0) {
      ++built;
      EXPECT_TRUE(after == versions[0] || after == versions[1]) << "round " << round << ": out.orv is neither version";
    } else {
      ++refused;
      EXPECT_EQ(1, run.status) << run.err;
      EXPECT_EQ("script.txt:2: Error, \"loop.orv\" changed while the build was reading it, aborting.\n", run.err);
      EXPECT_EQ(before, after) << "round " << round << ": a failed build changed out.orv";
    }
    if (HasFailure()) break;
  }
  kill(renamer, SIGKILL);
  WaitForChild(renamer);
  std::cout << built << " builds wrote one version whole, " << refused << " were refused\n";
  EXPECT_EQ(0, TemporaryFileCount(dir.path()));
}

}  // namespace
#endif
