// What the signal guard does for the temporary files of replacements under way and the locks held: each
// signal that ends the process removes them all, one that comes during the clean-up waits for it, and
// what the process set for a signal itself stays as it was.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "build_fixture.h"
#include "child_process.h"
#include "file_replacement.h"
#include "output_lock.h"
#include "signal_guard.h"

namespace {

using SignalGuardTest = BuildFixture;

// Runs `body` in a child process, which a signal is to end; returns its wait status.
int InChild(const std::function<void()>& body) {
  const pid_t pid = fork();
  if (pid == 0) {
    body();
    _exit(0);
  }
  return WaitForChild(pid);
}

const char kMarker[] = "pending";

// A clean-up that a second ending signal interrupts, if anything lets it through, before its work is done.
void CleanUpInterrupted() {
  raise(SIGTERM);
  unlink(kMarker);
}

// Every clean-up runs, the lock's, the replacement's and one of the process's own, whichever the second
// signal comes in.
TEST_F(SignalGuardTest, SignalDuringTheCleanUpWaitsForItToFinish) {
  WriteText(kMarker, "x");
  WriteText("out.orv", "old");
  const int status = InChild([] {
    OutputLock lock;
    if (lock.TryTake("out.orv") != OutputLock::kTaken) _exit(1);
    SignalGuard guard(CleanUpInterrupted);
    FileReplacement output;
    if (!output.Begin("out.orv")) _exit(1);
    raise(SIGINT);
  });
  EXPECT_FALSE(FileExists(kMarker));
  EXPECT_EQ(TemporaryFileCount("."), 0);
  EXPECT_FALSE(FileExists("out.orv.lock"));
  EXPECT_EQ(ReadText("out.orv"), "old");
  // The process ends by the signal that came first.
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << "status " << status;
}

TEST_F(SignalGuardTest, SignalRemovesTheTemporaryFilesOfEveryReplacementUnderWay) {
  for (const char* name : {"a.orv", "b.orv", "c.orv"}) WriteText(name, "old");
  const int status = InChild([] {
    FileReplacement a, b, c;
    if (!a.Begin("a.orv") || !b.Begin("b.orv") || !c.Begin("c.orv")) _exit(1);
    // Done with in another order than begun.
    b.Discard();
    raise(SIGTERM);
  });
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "status " << status;
  EXPECT_EQ(TemporaryFileCount("."), 0);
  EXPECT_EQ(ReadBytes("a.orv"), (Bytes{'o', 'l', 'd'}));
}

volatile sig_atomic_t g_handled = 0;
extern "C" void CountSignal(int) { g_handled = g_handled + 1; }

TEST_F(SignalGuardTest, SignalsTheProcessHandlesOrIgnoresItselfAreLeftToIt) {
  const int status = InChild([] {
    signal(SIGUSR1, CountSignal);
    signal(SIGUSR2, SIG_IGN);
    FileReplacement output;
    if (!output.Begin("out.orv")) _exit(1);
    raise(SIGUSR1);
    raise(SIGUSR2);
    // Still here, with the temporary file: the build goes on.
    if (g_handled != 1 || TemporaryFileCount(".") != 1) _exit(2);
    output.Discard();
  });
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  EXPECT_EQ(TemporaryFileCount("."), 0);
}

}  // namespace
#endif
