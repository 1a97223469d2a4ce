#include "build_folder.h"

#include <cstdio>

#include "change_directory.h"
#include "error_box.h"
#include "script_reader.h"
#include "subtools.h"

namespace {

bool ParseFolderArgs(const std::string& command, const std::vector<std::string>& args, std::string* dir,
                     std::string* err) {
  bool haveDir = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "-C") {
      *err = command + ": unexpected argument '" + args[i] + "'";
      return false;
    }
    if (haveDir) {
      *err = command + ": -C given more than once";
      return false;
    }
    if (i + 1 == args.size()) {
      *err = command + ": -C needs a directory";
      return false;
    }
    *dir = args[++i];
    haveDir = true;
  }
  return true;
}

}  // namespace

int EnterBuildFolder(const char* command, const std::vector<std::string>& args, std::string* dir) {
  std::string err;
  if (!ParseFolderArgs(command, args, dir, &err)) return UsageError(err);
  if (!dir->empty() && !ChangeDirectory(*dir, &err)) {
    std::fprintf(stderr, "orvtool %s: cannot enter directory '%s': %s\n", command, dir->c_str(), err.c_str());
    return kExitUsage;
  }
  return kExitOk;
}

int ReportFailedBuild(const char* command, const BuildOutcome& outcome, const std::string& dir) {
  std::fflush(stdout);
  if (outcome.scriptFailure == OpenFailure::kMissing) {
    std::fprintf(stderr, "orvtool %s: no %s in %s\n", command, kScriptFileName,
                 dir.empty() ? "the current directory" : ("'" + dir + "'").c_str());
    return kExitUsage;
  }
  if (!outcome.failureShown) ShowErrorBox(outcome.failure);
  return kExitFailed;
}
