// How a build reads "script.txt": line ends, type words, the null path, and the bounds that keep a
// malformed script from being half read; and where it looks for the script's sources.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

#include "build_fixture.h"
#include "file_ptr.h"
#include "reference_orv.h"
#include "script_file.h"

namespace {

using ScriptFileTest = BuildFixture;

TEST_F(ScriptFileTest, LfAndCrLfScriptsBuildTheSameFile) {
  const Bytes a = PayloadPattern(40, 1), b = PayloadPattern(70, 2);
  Source("a.orv", a);
  Source("b.orv", b);
  Script("0 a.orv begin\n0 b.orv loop\n-1");
  Build();
  const Bytes lf = Output();
  Script("0 a.orv begin\r\n0 b.orv loop\r\n-1");
  Build();
  EXPECT_EQ(Output(), lf);
  EXPECT_EQ(lf, ReferenceOrv({{0, false, a}, {0, true, b}}));
}

TEST_F(ScriptFileTest, TypeWordLoopInAnyCaseMakesALoopEntry) {
  Source("a.orv", PayloadPattern(10, 1));
  Script("4 a.orv LOOP\n4 a.orv LoOp\n4 a.orv begin\n4 a.orv whatever\n-1");
  const std::string printed = Build();
  EXPECT_NE(printed.find("4 a.orv 1 a\n4 a.orv 1 a\n4 a.orv 0 a\n4 a.orv 0 a\n"), std::string::npos) << printed;
}

TEST_F(ScriptFileTest, OnlyLowerCaseNullNamesNoSource) {
  Script("0 null begin\n0 NULL loop\n-1");
  ExpectRefused("Error opening \"NULL\", aborting.");
}

TEST_F(ScriptFileTest, TerminatorNeedsNoLineEndAndEndsTheScript) {
  Script("-1 anything after the terminator is not read");
  Build();
  EXPECT_TRUE(built_);
  EXPECT_EQ(Output().size(), 56u);
}

TEST_F(ScriptFileTest, PathsUpTo199BytesAreRead) {
  const std::string path(199, 'p');
  Source(path, PayloadPattern(5, 1));
  Script("0 " + path + " begin\n0 null loop\n-1");
  Build();
  EXPECT_TRUE(built_);
}

TEST_F(ScriptFileTest, OverlongTokensAreRefused) {
  Script("0 " + std::string(200, 'p') + " begin\n-1");
  ExpectRefused("Error in \"script.txt\", line 1: the path is longer than 199 bytes, aborting.");
  ClearShownErrors();
  Script("0 null begin\n0 null " + std::string(80, 'l') + "\n-1");
  ExpectRefused("Error in \"script.txt\", line 2: the type word is longer than 79 bytes, aborting.");
  ClearShownErrors();
  Script("0 null " + std::string(79, 'l') + "\n-1");
  Build();
  EXPECT_TRUE(built_);
}

TEST_F(ScriptFileTest, FirstTokenMustBeAnEventNumber) {
  for (const char* script :
       {"zero null begin\n-1", "0 null begin\n1x null loop\n-1", "99999999999 null begin\n-1", "- null begin\n-1"}) {
    SCOPED_TRACE(script);
    ClearShownErrors();
    Script(script);
    Build();
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_NE(ShownErrors()[0].find("is not an event number"), std::string::npos) << ShownErrors()[0];
  }
}

TEST_F(ScriptFileTest, ScriptWithoutTerminatorIsRefused) {
  for (const char* script : {"", "0 null begin\n0 null loop\n", "0 null", "0"}) {
    SCOPED_TRACE(script);
    ClearShownErrors();
    Script(script);
    Build();
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_TRUE(ShownErrors()[0].find("\"script.txt\"") != std::string::npos) << ShownErrors()[0];
    EXPECT_FALSE(built_);
  }
  ClearShownErrors();
  Script("0 null begin\n");
  ExpectRefused("Error in \"script.txt\": it ends without the terminator -1, aborting.");
}

// A line short of a token is told as that, at its line: the next line's event would be taken for its
// type word. A type word on a later line that is no number is still the entry's.
TEST_F(ScriptFileTest, ALineShortOfATokenIsToldAtItsLine) {
  Script("0 null begin\n1 a.orv\n1 null loop\n-1");
  ExpectRefused("Error in \"script.txt\", line 2: the type word is missing, aborting.");
  ClearShownErrors();
  Script("0 null begin\n\n0 loop\n-1");
  ExpectRefused("Error in \"script.txt\", line 3: the path is missing, aborting.");
  ClearShownErrors();
  Script("0 null\n  begin\n-1");
  Build();
  EXPECT_TRUE(built_);
}

TEST_F(ScriptFileTest, AtMost200Entries) {
  std::string script;
  for (int i = 0; i < 200; ++i) script += std::to_string(i % 10) + (i % 2 ? " null loop\n" : " null begin\n");
  Script(script + "-1");
  Build();
  EXPECT_TRUE(built_);
  Script(script + "0 null begin\n-1");
  ExpectRefused("Error in \"script.txt\", line 201: more than 200 entries, aborting.");
}

TEST_F(ScriptFileTest, NulCharacterInAPathIsRefused) {
  Script(std::string("0 a\0b begin\n-1", 15));
  ExpectRefused("Error in \"script.txt\", line 1: the path holds a NUL character, aborting.");
}

// The reader tells where an entry began and where it went wrong, for messages that point at a line.
TEST_F(ScriptFileTest, TheReaderTellsTheLineOfEachEntryAndOfAFault) {
  Script("\r\n0 a.orv begin\r\n\n  0\tb.orv\n  loop\n5 c.orv begin\n5 " + std::string(200, 'p') + " loop\n-1");
  FilePtr script = OpenFile("script.txt", "rb");
  ScriptReader reader(script.get());
  ScriptEntry entry;
  std::string err;
  ASSERT_EQ(reader.Next(&entry, &err), ScriptReader::kEntry);
  EXPECT_EQ(reader.line(), 2);
  ASSERT_EQ(reader.Next(&entry, &err), ScriptReader::kEntry);
  EXPECT_EQ(reader.line(), 4);
  ASSERT_EQ(reader.Next(&entry, &err), ScriptReader::kEntry);
  EXPECT_EQ(reader.line(), 6);
  ASSERT_EQ(reader.Next(&entry, &err), ScriptReader::kError);
  EXPECT_EQ(reader.line(), 7);
  EXPECT_EQ(reader.problem(), "the path is longer than 199 bytes");
  EXPECT_EQ(err, "Error in \"script.txt\", line 7: the path is longer than 199 bytes, aborting.");

  Script("0 a begin\n0 b loop\n\n");
  script = OpenFile("script.txt", "rb");
  ScriptReader unended(script.get());
  ASSERT_EQ(unended.Next(&entry, &err), ScriptReader::kEntry);
  ASSERT_EQ(unended.Next(&entry, &err), ScriptReader::kEntry);
  ASSERT_EQ(unended.Next(&entry, &err), ScriptReader::kError);
  EXPECT_EQ(unended.line(), 4);
  EXPECT_EQ(unended.problem(), "it ends without the terminator -1");
}

#ifdef __linux__
// A script of any length, made up as it is read: a start, then one character repeated for `length`
// bytes, then an end. Counts how much the reader took.
class GeneratedScript {
 public:
  GeneratedScript(std::string start, char repeated, std::uint64_t length, std::string end)
      : start_(std::move(start)), repeated_(repeated), length_(length), end_(std::move(end)) {
    cookie_io_functions_t io = {};
    io.read = [](void* self, char* buffer, std::size_t size) -> ssize_t {
      return static_cast<ssize_t>(static_cast<GeneratedScript*>(self)->Serve(buffer, size));
    };
    file_ = fopencookie(this, "rb", io);
  }
  ~GeneratedScript() { std::fclose(file_); }
  std::FILE* file() const { return file_; }
  std::uint64_t served() const { return served_; }

 private:
  std::size_t Serve(char* buffer, std::size_t size) {
    std::size_t n = 0;
    for (; n < size; ++n, ++served_) {
      const std::uint64_t at = served_;
      if (at < start_.size())
        buffer[n] = start_[at];
      else if (at < start_.size() + length_)
        buffer[n] = repeated_;
      else if (at < start_.size() + length_ + end_.size())
        buffer[n] = end_[at - start_.size() - length_];
      else
        break;
    }
    return n;
  }

  std::string start_;
  char repeated_;
  std::uint64_t length_;
  std::string end_;
  std::uint64_t served_ = 0;
  std::FILE* file_;
};

// Tokens of gigabytes, and a script without end (a device of NUL bytes), are refused after reading
// little more than the longest token allowed: no count grows with the input.
TEST_F(ScriptFileTest, TokensFarPastTheLimitsAreRefusedWithoutReadingThem) {
  const std::uint64_t huge = 5ull << 30;  // past every 32-bit count
  struct Case {
    GeneratedScript script;
    const char* error;
  } cases[] = {
      {{"0 ", 'p', huge, " begin\n-1"}, "line 1: the path is longer than 199 bytes"},
      {{"0 a.orv ", 'l', huge, "\n-1"}, "line 1: the type word is longer than 79 bytes"},
      {{"", '7', huge, " a.orv begin\n-1"}, "line 1: the first token is not an event number"},
      {{"0 ", '\0', 1ull << 62, ""}, "line 1: the path holds a NUL character"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.error);
    ScriptReader reader(c.script.file());
    ScriptEntry entry;
    std::string err;
    ASSERT_EQ(reader.Next(&entry, &err), ScriptReader::kError);
    EXPECT_NE(err.find(c.error), std::string::npos) << err;
    // stdio reads ahead by a buffer, so this is the buffer's size, not one token's.
    EXPECT_LE(c.script.served(), 1u << 16);
  }
}
#endif

// Sources and the default output are taken from the script's folder, as the script's path names it,
// unless a source's path has a root.
TEST(ScriptFolderTest, PathsAreTakenFromTheScriptsFolderUnlessRooted) {
  EXPECT_EQ(SourceOpenPath("script.txt", "a.orv"), "a.orv");
  EXPECT_EQ(SourceOpenPath("sets/boss.txt", "a.orv"), "sets/a.orv");
  EXPECT_EQ(SourceOpenPath("sets/boss.txt", "../shared/a.orv"), "sets/../shared/a.orv");
  EXPECT_EQ(SourceOpenPath("sets/boss.txt", "/music/a.orv"), "/music/a.orv");
  EXPECT_EQ(BesideScript("script.txt", "out.orv"), "out.orv");
  EXPECT_EQ(BesideScript("/sets/boss.txt", "out.orv"), "/sets/out.orv");
#ifdef _WIN32
  EXPECT_EQ(SourceOpenPath("sets\\boss.txt", "a.orv"), "sets\\a.orv");
  EXPECT_EQ(BesideScript("C:boss.txt", "out.orv"), "C:out.orv");
  for (const char* rooted : {"\\music\\a.orv", "C:a.orv", "C:\\music\\a.orv"})
    EXPECT_EQ(SourceOpenPath("sets/boss.txt", rooted), rooted);
#else
  // A backslash or a colon is a character of a name here.
  EXPECT_EQ(SourceOpenPath("sets\\boss.txt", "a.orv"), "a.orv");
  EXPECT_EQ(SourceOpenPath("sets/boss.txt", "C:a.orv"), "sets/C:a.orv");
#endif
}

}  // namespace
