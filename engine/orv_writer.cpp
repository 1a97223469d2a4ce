#include "orv_writer.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include "error_box.h"
#include "file_io.h"
#include "orv_format.h"

namespace {

// Payloads are streamed through this buffer, so no payload size can fail an allocation.
unsigned char g_copyBuffer[1 << 20];

bool WriteWord(std::FILE* out, std::int32_t value) {
  unsigned char bytes[4];
  orv::PutWord(bytes, value);
  return std::fwrite(bytes, 1, sizeof bytes, out) == sizeof bytes;
}

bool WriteHeader(std::FILE* out, const BuildTables& tables, int n) {
  bool ok = WriteWord(out, static_cast<std::int32_t>(orv::kMagic)) && WriteWord(out, 0) && WriteWord(out, 2 * n + 1);
  for (int i = 0; ok && i < tables.stateWordCount(); ++i) ok = WriteWord(out, tables.stateWord(i));
  ok = ok && WriteWord(out, tables.chunkCount());
  for (int i = 0; ok && i < tables.chunkCount(); ++i) {
    const ChunkRow& row = tables.chunk(i);
    ok = WriteWord(out, row.dataOffset) && WriteWord(out, row.stateIndex) && WriteWord(out, row.scaledLength);
  }
  return ok;
}

CopyResult CopyPayload(std::FILE* source, std::int32_t length, std::FILE* out) {
  if (std::fflush(out) != 0) return kWriteFailed;
  std::int64_t copied = 0;
  const CopyResult result = KernelCopy(source, orv::kSourcePayloadStart, length, out, &copied);
  if (result != kCopyUnsupported) return result;

  if (!SeekTo(source, orv::kSourcePayloadStart + copied)) return kReadFailed;
  std::int64_t remaining = length - copied;
  while (remaining > 0) {
    const std::size_t want = remaining < static_cast<std::int64_t>(sizeof g_copyBuffer)
                                 ? static_cast<std::size_t>(remaining)
                                 : sizeof g_copyBuffer;
    if (std::fread(g_copyBuffer, 1, want, source) != want) return kReadFailed;
    if (std::fwrite(g_copyBuffer, 1, want, out) != want) return kWriteFailed;
    remaining -= static_cast<std::int64_t>(want);
  }
  return kCopied;
}

const char kOpenError[] = "Error opening out.orv, aborting.";
const char kWriteError[] = "Error writing out.orv, aborting.";

// An "out.orv" that is there but may not be written (read-only, a folder, held by another program)
// must stop the build as writing it in place would, not be replaced behind the user's back.
bool OutputWritable() {
  std::error_code ec;
  if (!std::filesystem::exists(kOutputFileName, ec) && !ec) return true;
  return OpenFile(kOutputFileName, "r+b") != nullptr;
}

}  // namespace

std::string OutputTempFileName() {
#ifdef _WIN32
  const long pid = _getpid();
#else
  const long pid = static_cast<long>(getpid());
#endif
  return std::string(kOutputFileName) + "." + std::to_string(pid) + ".tmp";
}

bool WriteOrvFile(const BuildTables& tables, const ScriptEntry* entries, int n) {
  const std::string tempName = OutputTempFileName();
  FilePtr out = OutputWritable() ? OpenFile(tempName.c_str(), "wb") : nullptr;
  if (!out) {
    ShowErrorBox(kOpenError);
    return false;
  }
  FilePtr source;
  // The box comes first; the files are closed and the partial output removed once it is dismissed.
  auto fail = [&](const std::string& text) {
    ShowErrorBox(text);
    source.reset();
    out.reset();
    std::remove(tempName.c_str());
    return false;
  };

  if (!WriteHeader(out.get(), tables, n)) return fail(kWriteError);

  for (int i = 0; i < n; ++i) {
    if (entries[i].payloadLength == 0) continue;
    const std::string quoted = "\"" + std::string(entries[i].path) + "\"";
    source = OpenFile(entries[i].path, "rb");
    if (!source) return fail("Error opening " + quoted + ", aborting.");
    switch (CopyPayload(source.get(), entries[i].payloadLength, out.get())) {
      case kCopied:
        break;
      case kReadFailed:
        return fail("Error reading " + quoted + ", it is shorter than when the build began, aborting.");
      case kWriteFailed:
      case kCopyUnsupported:
        return fail(kWriteError);
    }
    source.reset();
  }

  // Buffered bytes may only fail to reach the disk here.
  if (std::fflush(out.get()) != 0 || std::ferror(out.get())) return fail(kWriteError);
  if (std::fclose(out.release()) != 0) return fail(kWriteError);

  std::error_code ec;
  std::filesystem::rename(tempName, kOutputFileName, ec);
  if (ec) return fail(kOpenError);
  return true;
}
