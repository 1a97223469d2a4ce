// Handler sets in script files: paths rewritten for the script's folder, a script read for the dialog by the build's
// reader with the first line it cannot take named, and the question asked before the list is replaced.
#include "handler_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

// A script in C:\work\sets, the current folder C:\work.
const SetFolders kWorkSets = {"C:\\work", "C:\\work\\sets"};

class HandlerSetTest : public ::testing::Test {
 protected:
  // Reads text as a script; *why empty when it was read.
  std::vector<ScriptHandler> Read(const std::string& text, std::string* why, const SetFolders& folders = kWorkSets) {
    WriteText(dir_.Path("set.txt"), text);
    return ReadFile(dir_.Path("set.txt"), why, folders);
  }
  std::vector<ScriptHandler> ReadFile(const std::string& file, std::string* why,
                                      const SetFolders& folders = kWorkSets) {
    std::vector<ScriptHandler> handlers = {{4, "untouched", ""}};
    why->clear();
    const bool read = ReadHandlerSetFile(file, folders, &handlers, why);
    EXPECT_EQ(read, why->empty());
    if (!read) {
      EXPECT_EQ(handlers.size(), 1u) << "a refused script changed the handlers";
    }
    return read ? handlers : std::vector<ScriptHandler>();
  }
  std::string Refusal(const std::string& text) {
    std::string why;
    Read(text, &why);
    return why;
  }

  TempDir dir_{"handler-set"};
};

std::vector<ScriptHandler> Saved(std::vector<ScriptHandler> handlers, const SetFolders& folders, std::string* why) {
  why->clear();
  if (!PathsForScript(&handlers, folders, why)) return {};
  return handlers;
}

TEST_F(HandlerSetTest, SavedSourcesAreNamedFromTheScriptsFolder) {
  const SetFolders sets{"C:\\work", "C:\\work\\sets"};
  std::string why;
  const std::vector<ScriptHandler> shown = {
      {0, "cruising_begin.orv", "music\\cruising_loop.orv"}, {1, "", "D:\\audio\\combat.orv"}, {3, "..\\x.orv", ""}};
  const std::vector<ScriptHandler> want = {{0, "..\\cruising_begin.orv", "..\\music\\cruising_loop.orv"},
                                           {1, "", "D:\\audio\\combat.orv"},
                                           {3, "..\\..\\x.orv", ""}};
  const std::vector<ScriptHandler> got = Saved(shown, sets, &why);
  ASSERT_EQ(got.size(), want.size()) << why;
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i].eventId, want[i].eventId);
    EXPECT_EQ(got[i].beginPath, want[i].beginPath);
    EXPECT_EQ(got[i].loopPath, want[i].loopPath);
  }
  // Saved beside the sources, the paths stay as they are.
  EXPECT_EQ(Saved(shown, {"C:\\work", "C:\\work"}, &why)[0].loopPath, "music\\cruising_loop.orv");
}

TEST_F(HandlerSetTest, ASavedPathThatWouldNotFitIsRefusedNamingItsHandler) {
  std::string why;
  // Climbing out through a folder whose name holds a space.
  EXPECT_TRUE(Saved({{0, "a.orv", "b.orv"}, {4, "c.orv", "d.orv"}}, {"C:\\my music\\work", "C:\\sets"}, &why).empty());
  EXPECT_EQ(
      why,
      "The Begin ORV path of event 0 (\"Cruising\"), seen from the script's folder, is ..\\my music\\work\\a.orv, "
      "which contains a space or other white space: a script cannot hold it.");
  const std::string deep = std::string(190, 'd') + "\\a.orv";
  EXPECT_TRUE(Saved({{2, "", deep}}, {"C:\\w", "C:\\sets"}, &why).empty());
  EXPECT_EQ(why, "The Loop ORV path of event 2 (\"Combat / Dmg\"), seen from the script's folder, is ..\\w\\" + deep +
                     ", which is longer than 199 bytes: a script cannot hold it.");
}

TEST_F(HandlerSetTest, HandlersComeInEventOrderWithPathsFromTheCurrentFolder) {
  std::string why;
  const std::vector<ScriptHandler> got = Read(
      "5 ..\\combat_begin.orv begin\r\n5 ..\\failed_loop.orv LOOP\r\n"
      "1 null begin\r\n1 ..\\music\\combat_loop.orv loop\r\n"
      "0 D:\\audio\\a.orv begin\n0 loop.orv loop\n-1",
      &why);
  ASSERT_EQ(got.size(), 3u) << why;
  EXPECT_EQ(got[0].eventId, 0);
  EXPECT_EQ(got[0].beginPath, "D:\\audio\\a.orv");
  EXPECT_EQ(got[0].loopPath, "sets\\loop.orv");
  EXPECT_EQ(got[1].eventId, 1);
  EXPECT_EQ(got[1].beginPath, "");
  EXPECT_EQ(got[1].loopPath, "music\\combat_loop.orv");
  EXPECT_EQ(got[2].eventId, 5);
  EXPECT_EQ(got[2].beginPath, "combat_begin.orv");
  // Outside the current folder a path is shown full.
  const std::vector<ScriptHandler> elsewhere =
      Read("2 a.orv begin 2 ..\\b.orv loop -1 anything after", &why, {"C:\\work", "C:\\other\\sets"});
  ASSERT_EQ(elsewhere.size(), 1u) << why;
  EXPECT_EQ(elsewhere[0].beginPath, "C:\\other\\sets\\a.orv");
  EXPECT_EQ(elsewhere[0].loopPath, "C:\\other\\b.orv");
  EXPECT_TRUE(Read("-1", &why).empty());
  EXPECT_EQ(why, "");
}

// The dialog's own refusals, each kind by Open and by drop, are in builder_dlg_test.cpp; here the
// cases around them: a negative event, a Loop of a handled event, Begin after Begin, a Begin last.
TEST_F(HandlerSetTest, AFileThatCannotBeOpenedOrIsAFolderCannotBeRead) {
  std::string why;
  EXPECT_TRUE(ReadFile(dir_.Path("missing.txt"), &why).empty());
  EXPECT_EQ(why, "It cannot be read.");
  EXPECT_TRUE(ReadFile(dir_.Path(), &why).empty());
  EXPECT_EQ(why, "It cannot be read.");
}

TEST_F(HandlerSetTest, TheFirstLineTheDialogCannotTakeIsNamed) {
  EXPECT_EQ(Refusal("\r\n-2 a begin\r\n-2 b loop\r\n-1"),
            "Line 2: event -2 is not one of the dialog's events, 0 to 5.");
  EXPECT_EQ(Refusal("0 a begin\n0 b loop\n0 c loop\n-1"),
            "Line 3: event 0 (\"Cruising\") has a handler already, on line 1.");
  EXPECT_EQ(Refusal("0 a begin\n0 b begin\n-1"),
            "Line 2: the Begin of event 0 (\"Cruising\") on line 1 is not followed by its Loop.");
  EXPECT_EQ(Refusal("1 a begin 1 b loop\n3 a begin\n-1"),
            "Line 3: the Begin of event 3 (\"caps alive, fght dead\") on line 2 is not followed by its Loop.");
}

TEST_F(HandlerSetTest, APathASourceEditCannotHoldIsRefused) {
  std::string why;
  // Fits the script, but shown full from a current folder elsewhere it is too long for an edit.
  const std::string deep(190, 'd');
  Read("0 null begin\n0 " + deep + "\\b.orv loop\n-1", &why, {"C:\\work", "C:\\other"});
  EXPECT_EQ(why, "Line 2: the Loop ORV path, seen from the current folder, is C:\\other\\" + deep +
                     "\\b.orv, which is longer than 199 bytes: Add would refuse it.");
}

TEST_F(HandlerSetTest, AFileOfControlBytesOrOverTheLimitIsNotRead) {
  EXPECT_EQ(Refusal("0 a begin\n0 b loop\n-1\x01"),
            "Line 3: it holds the byte 0x01, which no text has: it is not a script.");
  // A valid script at its head changes nothing: the whole file is too long to be one.
  EXPECT_EQ(Refusal("0 a begin\n0 b loop\n-1\n" + std::string(kMaxSetFileBytes, ' ')),
            "It is 1,048,598 bytes long, far longer than a script of 6 handlers.");
}

TEST_F(HandlerSetTest, TheReplaceQuestionSaysItsCountsRightInBothNumbers) {
  EXPECT_EQ(ReplaceQuestion(3, 5, "music.txt"), "Replace the 3 handlers in the list with the 5 of music.txt?");
  EXPECT_EQ(ReplaceQuestion(1, 1, "one.txt"), "Replace the 1 handler in the list with the 1 of one.txt?");
  EXPECT_EQ(ReplaceQuestion(2, 0, "empty.txt"), "Remove the 2 handlers in the list? empty.txt holds no handlers.");
}

}  // namespace
