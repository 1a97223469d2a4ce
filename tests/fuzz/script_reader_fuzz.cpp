// Feeds arbitrary bytes to the script reader as "script.txt": it must end every script within the
// entry limit, never write past an entry, and always say why it stopped.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "script_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* script = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (script == nullptr) return 0;
  ScriptReader reader(script);
  std::string err;
  ScriptEntry entry;
  int entries = 0;
  for (;;) {
    const ScriptReader::Result result = reader.Next(&entry, &err);
    if (result == ScriptReader::kEntry) {
      if (++entries > kMaxScriptEntries || std::strlen(entry.path) > kMaxPathLength || entry.payloadLength != 0)
        std::abort();
      continue;
    }
    if (result == ScriptReader::kError && err.find("\"script.txt\"") == std::string::npos) std::abort();
    break;
  }
  std::fclose(script);
  return 0;
}
