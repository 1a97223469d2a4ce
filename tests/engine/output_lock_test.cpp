// Builds of one output take turns through its lock file: one holder at a time, across processes; a
// build that must wait is told first; a holder that dies frees it; and no lock file is left after a
// normal build, nor after a signal the holder may catch.
#include "output_lock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "temp_dir.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "child_process.h"
#include "wait_until.h"
#endif

namespace fs = std::filesystem;

namespace {

constexpr char kLockFile[] = "out.orv.lock";

// Two locks of one process are two builds: each is its own open file, as another process's would be.
TEST(OutputLockTest, OneHolderAtATimeAndNoLockFileAfterwards) {
  TempDir dir("output-lock", TempDir::kEnter);
  OutputLock first, second, other;
  ASSERT_EQ(first.TryTake("out.orv"), OutputLock::kTaken);
  EXPECT_TRUE(fs::exists(kLockFile));
  EXPECT_EQ(second.TryTake("out.orv"), OutputLock::kBusy);
  EXPECT_EQ(other.TryTake("other.orv"), OutputLock::kTaken) << "another output is another lock";

  first.Release();
  EXPECT_FALSE(fs::exists(kLockFile));
  bool waited = false;
  EXPECT_EQ(second.Take("out.orv", [&] { waited = true; }), OutputLock::kTaken);
  EXPECT_FALSE(waited) << "a free lock is taken without a word";
  EXPECT_EQ(first.TryTake("out.orv"), OutputLock::kBusy);
  second.Release();
  other.Release();
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

// A lock file that another program left there (copied in, or from a build ended by a kill) is taken
// over and removed.
TEST(OutputLockTest, ALeftoverLockFileIsTakenAndRemoved) {
  TempDir dir("output-lock", TempDir::kEnter);
  WriteText(kLockFile, "left");
  {
    OutputLock lock;
    EXPECT_EQ(lock.TryTake("out.orv"), OutputLock::kTaken);
  }
  EXPECT_FALSE(fs::exists(kLockFile));
}

#ifndef _WIN32
// A link planted under the lock's name is never followed; the build goes on without a lock rather than
// make or lock a file elsewhere.
TEST(OutputLockTest, APlantedLinkIsNotFollowed) {
  TempDir dir("output-lock", TempDir::kEnter);
  fs::create_symlink("elsewhere", kLockFile);
  OutputLock lock;
  EXPECT_EQ(lock.TryTake("out.orv"), OutputLock::kUnavailable);
  EXPECT_FALSE(fs::exists("elsewhere"));
  EXPECT_TRUE(fs::is_symlink(kLockFile));
}

TEST(OutputLockTest, NoLockWhereNoFileCanBeMade) {
  TempDir dir("output-lock");
  OutputLock lock;
  EXPECT_EQ(lock.TryTake(dir.Path("missing/out.orv")), OutputLock::kUnavailable);
}

// Starts a child that runs `body` in the test's folder and exits with what it returns.
template <typename Body>
pid_t Child(Body body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  return pid;
}

// Each of several processes adds one to a count many times, reading it and writing it back under the
// lock: not one addition is lost, though every release removes the file the others are waiting on.
TEST(OutputLockTest, ProcessesTakeTurns) {
  TempDir dir("output-lock", TempDir::kEnter);
  WriteText("count", "0");
  constexpr int kProcesses = 4;
  constexpr int kRounds = 200;
  pid_t children[kProcesses];
  for (pid_t& child : children)
    child = Child([] {
      for (int round = 0; round < kRounds; ++round) {
        OutputLock lock;
        if (lock.Take("out.orv", nullptr) != OutputLock::kTaken) return 1;
        const int count = std::stoi(ReadText("count"));
        usleep(50);  // long enough for another process to read the same count, were it let in
        WriteText("count", std::to_string(count + 1));
      }
      return 0;
    });
  for (pid_t child : children) EXPECT_EQ(ExitStatus(WaitForChild(child)), 0);
  EXPECT_EQ(ReadText("count"), std::to_string(kProcesses * kRounds));
  EXPECT_FALSE(fs::exists(kLockFile));
}

// A build that finds the lock held is told once, before it waits, and goes on as soon as it is let go.
TEST(OutputLockTest, AWaitingBuildIsToldAndGoesOnOnceLetGo) {
  TempDir dir("output-lock", TempDir::kEnter);
  // Started first: a child would share a lock taken before, and never see it let go.
  const pid_t child = Child([] {
    if (!WaitUntil([] { return FileExists("held"); })) return 2;
    OutputLock lock;
    const OutputLock::Result result = lock.Take("out.orv", [] { WriteText("waiting", "yes"); });
    WriteText("taken", "yes");
    return result == OutputLock::kTaken ? 0 : 1;
  });
  OutputLock held;
  ASSERT_EQ(held.TryTake("out.orv"), OutputLock::kTaken);
  WriteText("held", "yes");
  EXPECT_TRUE(WaitUntil([] { return FileExists("waiting"); }));
  usleep(100000);
  EXPECT_FALSE(FileExists("taken")) << "taken while another held it";
  held.Release();
  EXPECT_EQ(ExitStatus(WaitForChild(child)), 0);
  EXPECT_TRUE(FileExists("taken"));
  EXPECT_FALSE(fs::exists(kLockFile));
}

// A holder ended by a signal it may catch removes its lock file before it ends, as it does when it lets
// go; one killed outright leaves the file, which the system has freed and the next build takes over.
TEST(OutputLockTest, AHolderEndedBySignalLeavesNoLockFileAndAKilledOneFreesIt) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
    SCOPED_TRACE(strsignal(sig));
    TempDir dir("output-lock", TempDir::kEnter);
    const pid_t child = Child([] {
      OutputLock lock;
      if (lock.TryTake("out.orv") != OutputLock::kTaken) return 1;
      WriteText("held", "yes");
      for (;;) pause();
    });
    ASSERT_TRUE(WaitUntil([] { return FileExists("held"); }));
    OutputLock lock;
    EXPECT_EQ(lock.TryTake("out.orv"), OutputLock::kBusy);
    kill(child, sig);
    const int status = WaitForChild(child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << "status " << status;
    EXPECT_EQ(fs::exists(kLockFile), sig == SIGKILL);
    EXPECT_EQ(lock.TryTake("out.orv"), OutputLock::kTaken);
    lock.Release();
    EXPECT_FALSE(fs::exists(kLockFile));
  }
}
#endif

}  // namespace
