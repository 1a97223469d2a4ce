// The status line's texts: the figures of a build with their thousands and its time, and a set's.
#include "build_status.h"

#include <gtest/gtest.h>

namespace {

std::tm At(int hour, int minute, int second) {
  std::tm at = {};
  at.tm_hour = hour;
  at.tm_min = minute;
  at.tm_sec = second;
  return at;
}

TEST(BuildStatusTest, AWrittenBuildTellsItsTimeAndFigures) {
  BuildOutcome built;
  built.written = true;
  built.fileSize = 109764;
  built.handlerCount = 3;
  built.chunkCount = 8;
  EXPECT_EQ(BuiltStatus(built, At(14, 3, 12)), "14:03:12  out.orv built: 109,764 bytes, 3 handlers, 8 chunks");

  // One of a kind is named so; the clock is the 24-hour one, every field two digits.
  built.fileSize = 1;
  built.handlerCount = 1;
  built.chunkCount = 1;
  EXPECT_EQ(BuiltStatus(built, At(0, 0, 5)), "00:00:05  out.orv built: 1 byte, 1 handler, 1 chunk");
  built.fileSize = 56;
  built.handlerCount = 0;
  built.chunkCount = 2;
  EXPECT_EQ(BuiltStatus(built, At(23, 59, 59)), "23:59:59  out.orv built: 56 bytes, 0 handlers, 2 chunks");
}

TEST(BuildStatusTest, ASetOpenedOrSavedIsToldWithItsCountAndFileName) {
  EXPECT_EQ(HandlerSetStatus(SetAction::kOpened, 5, "music.txt", At(14, 3, 12)),
            "14:03:12  5 handlers opened from music.txt");
  EXPECT_EQ(HandlerSetStatus(SetAction::kSaved, 1, "one.txt", At(8, 0, 0)), "08:00:00  1 handler saved to one.txt");
  EXPECT_EQ(HandlerSetStatus(SetAction::kSaved, 0, "none.txt", At(8, 0, 0)), "08:00:00  0 handlers saved to none.txt");
}

}  // namespace
