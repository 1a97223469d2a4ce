// A file judged as a source by the build's own rule, on the bytes orvtool reads.
#include "read/source_verdict.h"

#include <gtest/gtest.h>

#include <string>

#include "orv_examples.h"

namespace {

std::string SourceVerdictOf(Bytes bytes, std::int32_t* end = nullptr) {
  MemorySource source(std::move(bytes));
  const SourceVerdict verdict = JudgeSourceOf(&source);
  if (end != nullptr) *end = verdict.payloadEnd;
  return verdict.accepted() ? "yes" : SourceFaultReason(verdict);
}

TEST(SourceVerdict, JudgesBuildSourcesByTheFixedWords) {
  std::int32_t end = 0;
  EXPECT_EQ("yes", SourceVerdictOf(EmptyBuild(), &end));
  EXPECT_EQ(56, end);
  Bytes withPayload = EmptyBuild();
  withPayload.resize(66);
  SetWord(&withPayload, 44, 66);
  EXPECT_EQ("yes", SourceVerdictOf(withPayload, &end));
  EXPECT_EQ(66, end);

  EXPECT_EQ("stateCount is 5, not 1", SourceVerdictOf(BeginLoopBuild()));
  Bytes bad = EmptyBuild();
  SetWord(&bad, 0, 0);
  EXPECT_EQ("the magic is wrong", SourceVerdictOf(bad));
  EXPECT_EQ("the file is 8 bytes, too short to hold the words at bytes 0, 8 and 44",
            SourceVerdictOf(Prefix(EmptyBuild(), 8)));
  // Too short is judged before the state count, as a build judges it.
  Bytes shortTwoStates = Prefix(EmptyBuild(), 47);
  SetWord(&shortTwoStates, 8, 2);
  EXPECT_EQ("the file is 47 bytes, too short to hold the words at bytes 0, 8 and 44", SourceVerdictOf(shortTwoStates));
  Bytes below = EmptyBuild();
  SetWord(&below, 44, 40);
  EXPECT_EQ("the payload end 40 lies before the payload start 56", SourceVerdictOf(below));
  Bytes beyond = EmptyBuild();
  SetWord(&beyond, 44, 57);
  EXPECT_EQ("the payload runs to byte 57, past the end of the file at 56", SourceVerdictOf(beyond));
}

}  // namespace
