#include "commands/commands.h"

bool OpenOrvFile(const Invocation& in, const std::string& path, FileSource* file) {
  std::string err;
  if (file->Open(path, &err)) return true;
  in.Say(err);
  return false;
}

int ReadValidOrv(const Invocation& in, const std::string& path, FileSource* file, OrvLayout* layout) {
  if (!OpenOrvFile(in, path, file)) return kExitUsage;
  std::string fault;
  if (InspectOrv(file, layout, &fault)) return kExitOk;
  return in.Fail(path + ": " + fault, kExitFailed);
}
