#include "orv_writer.h"

#include <cstdio>

#include "build_failure.h"
#include "file_reading.h"
#include "file_replacement.h"
#include "orv_format.h"
#include "source_check.h"

namespace {

// Payloads are streamed through this buffer, so no payload size can fail an allocation.
unsigned char g_copyBuffer[1 << 20];

CopyResult CopyPayload(std::FILE* source, std::int32_t length, std::FILE* out) {
  if (std::fflush(out) != 0) return CopyResult::kWriteFailed;
  std::int64_t copied = 0;
  const CopyResult result = KernelCopy(source, orv::kSourcePayloadStart, length, out, &copied);
  if (result != CopyResult::kCopyUnsupported) return result;

  if (!SeekTo(source, orv::kSourcePayloadStart + copied)) return CopyResult::kReadFailed;
  std::int64_t remaining = length - copied;
  while (remaining > 0) {
    const std::size_t want = remaining < static_cast<std::int64_t>(sizeof g_copyBuffer)
                                 ? static_cast<std::size_t>(remaining)
                                 : sizeof g_copyBuffer;
    if (std::fread(g_copyBuffer, 1, want, source) != want) return CopyResult::kReadFailed;
    if (std::fwrite(g_copyBuffer, 1, want, out) != want) return CopyResult::kWriteFailed;
    remaining -= static_cast<std::int64_t>(want);
  }
  return CopyResult::kCopied;
}

const char kOpenError[] = "Error opening out.orv, aborting.";
const char kWriteError[] = "Error writing out.orv, aborting.";

bool BeginOutput(FileReplacement* output) {
  if (output->Begin(kOutputFileName)) return true;
  ShowBuildFailure(kOpenError);
  return false;
}

}  // namespace

bool CheckOutputReplaceable() {
  FileReplacement output;
  if (!BeginOutput(&output)) return false;
  output.Discard();
  return true;
}

bool WriteOrvFile(const BuildTables& tables, const ScriptEntry* entries, int n) {
  FileReplacement output;
  if (!BeginOutput(&output)) return false;
  FilePtr source;
  // The box comes first; the files are closed and the partial output removed once it is dismissed.
  auto fail = [&](const std::string& text) {
    ShowBuildFailure(text);
    source.reset();
    output.Discard();
    return false;
  };

  std::FILE* out = output.file();
  const std::vector<unsigned char> header = OrvHeaderBytes(tables);
  if (std::fwrite(header.data(), 1, header.size(), out) != header.size()) return fail(kWriteError);

  for (int i = 0; i < n; ++i) {
    if (entries[i].payloadLength == 0) continue;
    OpenFailure failure;
    source = OpenRegularFile(entries[i].path, &failure);
    if (!source) return fail(SourceOpenErrorText(entries[i].path));
    switch (CopyPayload(source.get(), entries[i].payloadLength, out)) {
      case CopyResult::kCopied:
        break;
      case CopyResult::kReadFailed:
        return fail("Error reading \"" + std::string(entries[i].path) +
                    "\", it is shorter than when the build began, aborting.");
      case CopyResult::kWriteFailed:
      case CopyResult::kCopyUnsupported:
        return fail(kWriteError);
    }
    source.reset();
  }

  // Buffered bytes may only fail to reach the disk here.
  if (std::ferror(out)) return fail(kWriteError);
  switch (output.Commit()) {
    case FileReplacement::kReplaced:
      return true;
    case FileReplacement::kWriteFailed:
      return fail(kWriteError);
    case FileReplacement::kRenameFailed:
      break;
  }
  return fail(kOpenError);
}

std::vector<unsigned char> OrvHeaderBytes(const BuildTables& tables) {
  std::vector<unsigned char> bytes(static_cast<std::size_t>(tables.headerLength()));
  unsigned char* at = bytes.data();
  auto put = [&at](std::int32_t value) {
    orv::PutWord(at, value);
    at += orv::kWordBytes;
  };
  put(static_cast<std::int32_t>(orv::kMagic));
  put(0);
  put(orv::StateCountFor(tables.entryCount()));
  for (int i = 0; i < tables.stateWordCount(); ++i) put(tables.stateWord(i));
  put(tables.chunkCount());
  for (int i = 0; i < tables.chunkCount(); ++i) {
    orv::PutRow(at, tables.chunk(i));
    at += orv::kRowBytes;
  }
  return bytes;
}
