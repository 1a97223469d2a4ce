#include "orv_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "build_reporter.h"
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

std::string OpenErrorText(const std::string& output) { return "Error opening " + output + ", aborting."; }

bool BeginOutput(FileReplacement* replacement, const std::string& output, BuildReporter* reporter) {
  if (replacement->Begin(output)) return true;
  reporter->Failure({OpenErrorText(output), 0, replacement->whyFailed()});
  return false;
}

}  // namespace

bool CheckOutputReplaceable(const std::string& output, BuildReporter* reporter) {
  FileReplacement replacement;  // discarded as it goes
  return BeginOutput(&replacement, output, reporter);
}

bool WriteOrvFile(const BuildTables& tables, const ScriptEntry* entries, const CheckedSource* sources, int n,
                  BuildReporter* reporter, const std::string& outputName) {
  FileReplacement output;
  if (!BeginOutput(&output, outputName, reporter)) return false;
  const std::string writeError = "Error writing " + outputName + ", aborting.";
  FilePtr source;
  // The failure is seen first; the files are closed and the partial output removed after. A source's
  // failure is told at its entry's line; the output's with the system's reason.
  auto fail = [&](const BuildFailure& failure) {
    reporter->Failure(failure);
    source.reset();
    output.Discard();
    return false;
  };
  // Only right after the call that failed does errno tell why.
  auto failWriting = [&]() {
    const int error = errno;
    return fail({writeError, 0, error != 0 ? std::strerror(error) : std::string()});
  };

  std::FILE* out = output.file();
  const std::vector<unsigned char> header = OrvHeaderBytes(tables);
  if (std::fwrite(header.data(), 1, header.size(), out) != header.size()) return failWriting();

  for (int i = 0; i < n; ++i) {
    const ScriptEntry& entry = entries[i];
    if (entry.payloadLength == 0) continue;
    OpenFailure failure;
    source = OpenRegularFile(sources[i].path.c_str(), &failure);
    if (!source) return fail({SourceOpenErrorText(entry.path), entry.line});
    // Another file under the name, or one written since the scan, would put bytes the tables were not
    // cut for into the output: the row would keep the old length and take the new file's bytes. Looked
    // at again after the copy, for a file written meanwhile.
    const BuildFailure changed = {
        "Error, \"" + std::string(entry.path) + "\" changed while the build was reading it, aborting.", entry.line};
    if (!IsCheckedSource(source.get(), sources[i], entry.payloadLength)) return fail(changed);
    switch (CopyPayload(source.get(), entry.payloadLength, out)) {
      case CopyResult::kCopied:
        break;
      case CopyResult::kReadFailed:
        return fail(
            {"Error reading \"" + std::string(entry.path) + "\", it is shorter than when the build began, aborting.",
             entry.line});
      case CopyResult::kWriteFailed:
      case CopyResult::kCopyUnsupported:
        return failWriting();
    }
    if (!IsCheckedSource(source.get(), sources[i], entry.payloadLength)) return fail(changed);
    source.reset();
  }

  // Buffered bytes may only fail to reach the disk here.
  if (std::ferror(out)) return fail({writeError});
  switch (output.Commit()) {
    case FileReplacement::kReplaced:
      return true;
    case FileReplacement::kWriteFailed:
      return fail({writeError, 0, output.whyFailed()});
    case FileReplacement::kRenameFailed:
      break;
  }
  return fail({OpenErrorText(outputName), 0, output.whyFailed()});
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
