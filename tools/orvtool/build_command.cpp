// `orvtool build [-C DIR]`: the dialog's Build ORV without the dialog.
#include <cstdio>
#include <string>
#include <vector>

#include "build_engine.h"
#include "file_io.h"
#include "script_reader.h"
#include "error_count.h"
#include "subtools.h"
#include "system_calls.h"

namespace {

bool ParseBuildArgs(const std::vector<std::string>& args, std::string* dir, std::string* err) {
  bool haveDir = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "-C") {
      *err = "build: unexpected argument '" + args[i] + "'";
      return false;
    }
    if (haveDir) {
      *err = "build: -C given more than once";
      return false;
    }
    if (i + 1 == args.size()) {
      *err = "build: -C needs a directory";
      return false;
    }
    *dir = args[++i];
    haveDir = true;
  }
  return true;
}

}  // namespace

int RunBuildCommand(const std::vector<std::string>& args) {
  std::string dir;
  std::string err;
  if (!ParseBuildArgs(args, &dir, &err)) return UsageError(err);
  if (!dir.empty() && !ChangeDirectory(dir, &err)) {
    std::fprintf(stderr, "orvtool build: cannot enter directory '%s': %s\n", dir.c_str(), err.c_str());
    return kExitUsage;
  }
  // The engine stays silent about a missing script, as the dialog always writes one; here it is the
  // user's to supply, so say what is missing.
  // A script that is there but no file (a folder, a pipe) is the engine's to refuse, with its message.
  OpenFailure failure;
  OpenRegularFile(kScriptFileName, &failure);
  if (failure == OpenFailure::kCannotOpen) {
    std::fprintf(stderr, "orvtool build: no %s in %s\n", kScriptFileName,
                 dir.empty() ? "the current directory" : ("'" + dir + "'").c_str());
    return kExitUsage;
  }

  const int errorsBefore = ErrorBoxCount();
  const bool written = BuildFromScript();
  std::fflush(stdout);
  if (written) return kExitOk;
  if (ErrorBoxCount() == errorsBefore) std::fprintf(stderr, "orvtool build: the build failed without a message\n");
  return kExitFailed;
}
