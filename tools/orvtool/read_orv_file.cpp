#include "read_orv_file.h"

#include <cstdio>

#include "subtools.h"

bool OpenOrvFile(const char* command, const std::string& path, FileSource* file) {
  std::string err;
  if (file->Open(path, &err)) return true;
  std::fprintf(stderr, "orvtool %s: %s\n", command, err.c_str());
  return false;
}

void ReportBrokenLayout(const char* command, const std::string& path, const std::string& fault) {
  std::fflush(stdout);
  std::fprintf(stderr, "orvtool %s: %s: %s\n", command, path.c_str(), fault.c_str());
}

int ReadSoundOrv(const char* command, const std::string& path, FileSource* file, OrvLayout* layout) {
  if (!OpenOrvFile(command, path, file)) return kExitUsage;
  std::string fault;
  if (InspectOrv(file, layout, &fault)) return kExitOk;
  ReportBrokenLayout(command, path, fault);
  return kExitFailed;
}
