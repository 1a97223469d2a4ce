#include "build_folder.h"

#include <cstdio>

#include "change_directory.h"
#include "error_box.h"
#include "file_reading.h"
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

int EnterBuildFolder(const char* command, const std::vector<std::string>& args) {
  std::string dir;
  std::string err;
  if (!ParseFolderArgs(command, args, &dir, &err)) return UsageError(err);
  if (!dir.empty() && !ChangeDirectory(dir, &err)) {
    std::fprintf(stderr, "orvtool %s: cannot enter directory '%s': %s\n", command, dir.c_str(), err.c_str());
    return kExitUsage;
  }
  // The engine stays silent about a script it cannot open, as the dialog always writes one; here it is
  // the user's to supply, so say what is wrong: a missing script is a usage error, one that is there but
  // may not be read fails as a read error would. A script that is there but no file (a folder, a pipe)
  // is the engine's to refuse, with its message.
  OpenFailure failure;
  OpenRegularFile(kScriptFileName, &failure);
  if (failure == OpenFailure::kMissing) {
    std::fprintf(stderr, "orvtool %s: no %s in %s\n", command, kScriptFileName,
                 dir.empty() ? "the current directory" : ("'" + dir + "'").c_str());
    return kExitUsage;
  }
  if (failure == OpenFailure::kCannotOpen) {
    ShowErrorBox(ReadErrorText());
    return kExitFailed;
  }
  return kExitOk;
}
