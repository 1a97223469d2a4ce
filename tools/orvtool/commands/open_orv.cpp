#include "commands/commands.h"

bool OpenOrvFile(const Invocation& in, const std::string& path, FileSource* file) {
  std::string err;
  if (file->Open(path, &err)) return true;
  in.Say(err);
  return false;
}

int ReadSoundOrv(const Invocation& in, const std::string& path, FileSource* file, OrvLayout* layout) {
  if (!OpenOrvFile(in, path, file)) return kExitUsage;
  std::string fault;
  if (InspectOrvHoldingNothing(file, layout, &fault)) return kExitOk;
  return in.Fail(path + ": " + fault, kExitFailed);
}

int FinishReadAgain(const Invocation& in, const OrvFlow& flow, const std::string& path, int status) {
  if (status == kExitUsage || flow.intact()) return status;
  return in.Fail(path + ": the file changed while it was read; what was printed of it may be wrong", kExitUsage);
}
