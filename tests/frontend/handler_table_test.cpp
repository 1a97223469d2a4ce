// The handler table: its records and the handled-events list never disagree, and the script it
// writes is read back by the engine as the same entries.
#include "handler_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "event_table.h"
#include "fake_list.h"
#include "file_ptr.h"
#include "file_size_limit.h"
#include "orv_bytes.h"
#include "script_file.h"
#include "temp_dir.h"

namespace {

class HandlerTableTest : public ::testing::Test {
 protected:
  bool Add(int eventId, const std::string& begin, const std::string& loop, std::string* why = nullptr) {
    return table.AddHandler(eventId, begin.data(), loop.data(), static_cast<int>(begin.size()),
                            static_cast<int>(loop.size()), why);
  }

  // The list shows record k's event name at item k, and the paths read back are the ones added.
  void ExpectHolds(const std::vector<ScriptHandler>& expected) {
    ASSERT_EQ(table.GetCount(), static_cast<int>(expected.size()));
    ASSERT_EQ(list.items.size(), expected.size());
    for (int k = 0; k < table.GetCount(); ++k) {
      SCOPED_TRACE(k);
      const ScriptHandler& h = expected[static_cast<size_t>(k)];
      EXPECT_EQ(list.items[static_cast<size_t>(k)], EventName(h.eventId));
      EXPECT_EQ(table.GetBeginPath(k), h.beginPath);
      EXPECT_EQ(table.GetLoopPath(k), h.loopPath);
    }
  }

  FakeList list;
  CHandlerTable table{list};
  TempDir dir{"handler-table", TempDir::kEnter};
};

TEST_F(HandlerTableTest, AddsInOrderEachEventOnceTakingOnlyTheGivenCharacters) {
  EXPECT_TRUE(Add(1, "b1.orv", "l1.orv"));
  EXPECT_TRUE(Add(0, "", "l0.orv"));
  EXPECT_TRUE(table.AddHandler(2, "a.orvXX", "lX", 5, 1));
  for (int id = 3; id < kEventCount; ++id) EXPECT_TRUE(Add(id, "b", "l"));
  for (int id = 0; id < kEventCount; ++id) EXPECT_FALSE(Add(id, "other.orv", "other.orv"));
  ExpectHolds(
      {{1, "b1.orv", "l1.orv"}, {0, "", "l0.orv"}, {2, "a.orv", "l"}, {3, "b", "l"}, {4, "b", "l"}, {5, "b", "l"}});
}

TEST_F(HandlerTableTest, RefusesWhatTheScriptCannotCarrySayingWhyTheEventFirst) {
  const std::string longest(199, 'p');
  EXPECT_FALSE(Add(-1, "b", "l"));
  EXPECT_FALSE(Add(0, longest + "p", "l"));
  EXPECT_FALSE(Add(0, "b", longest + "p"));
  for (const char* spaced : {"my file.orv", "tab\there", "line\nend", " lead", "trail\r"}) {
    EXPECT_FALSE(Add(0, spaced, "l")) << spaced;
    EXPECT_FALSE(Add(0, "b", spaced)) << spaced;
  }
  EXPECT_FALSE(table.AddHandler(0, "b", "l", -1, 1));
  ExpectHolds({});

  ASSERT_TRUE(Add(1, longest, longest));
  std::string why;
  EXPECT_FALSE(Add(1, "a b", "l", &why));
  EXPECT_EQ(why,
            "Only one handler per event. Remove the current handler if you want to add a new one of the same type.");
  EXPECT_FALSE(Add(2, "b", "l m", &why));
  EXPECT_EQ(why.rfind("The Loop ORV path contains a space", 0), 0u) << why;
  EXPECT_FALSE(Add(kEventCount, "a b", "l", &why));
  EXPECT_EQ(why, "Event " + std::to_string(kEventCount) + " is not one of the dialog's events.");
  ExpectHolds({{1, longest, longest}});
}

TEST_F(HandlerTableTest, RemoveKeepsListAndRecordsInStepAndAnIndexOutsideChangesNothing) {
  Add(3, "b3", "l3");
  Add(1, "b1", "l1");
  Add(5, "b5", "l5");
  for (int index : {-1, 3, 1000}) {
    EXPECT_FALSE(table.RemoveHandler(index));
    EXPECT_STREQ(table.GetBeginPath(index), "");
    EXPECT_STREQ(table.GetLoopPath(index), "");
  }
  EXPECT_TRUE(table.RemoveHandler(1));
  ExpectHolds({{3, "b3", "l3"}, {5, "b5", "l5"}});
  EXPECT_TRUE(Add(1, "again", "l"));
  EXPECT_TRUE(table.RemoveHandler(0));
  ExpectHolds({{5, "b5", "l5"}, {1, "again", "l"}});
}

TEST_F(HandlerTableTest, ReplaceAllPutsAWholeSetInPlaceOrChangesNothing) {
  Add(2, "b2", "l2");
  Add(0, "b0", "l0");
  // An event twice, outside the table, or a path no script holds: refused before anything goes.
  EXPECT_FALSE(table.ReplaceAll({{1, "a", "b"}, {1, "c", "d"}}));
  EXPECT_FALSE(table.ReplaceAll({{1, "a", "b"}, {kEventCount, "c", "d"}}));
  EXPECT_FALSE(table.ReplaceAll({{1, "a", "b"}, {3, "c d", ""}}));
  ExpectHolds({{2, "b2", "l2"}, {0, "b0", "l0"}});

  EXPECT_TRUE(table.ReplaceAll({{0, "", "x.orv"}, {4, "y.orv", "z.orv"}, {5, "", ""}}));
  ExpectHolds({{0, "", "x.orv"}, {4, "y.orv", "z.orv"}, {5, "", ""}});
  EXPECT_TRUE(table.ReplaceAll({}));
  ExpectHolds({});
}

// The script lists the events in id order, "null" for an empty path, and the engine reads back
// exactly the entries of the handlers, whatever characters their paths hold.
TEST_F(HandlerTableTest, TheScriptListsEventsInIdOrderAndReadsBackAsTheSameEntries) {
  ASSERT_TRUE(table.WriteScript());
  EXPECT_EQ(ReadText("script.txt"), "-1");
  const std::vector<ScriptHandler> added = {
      {3, "", "c:\\x/y_Z-0.9"}, {0, std::string(199, 'a'), "b.orv"}, {5, "e.orv", ""}, {1, "..\\..\\1.orv", ""}};
  for (const ScriptHandler& h : added) ASSERT_TRUE(Add(h.eventId, h.beginPath, h.loopPath));
  ASSERT_TRUE(table.WriteScript());
  FilePtr script = OpenFile("script.txt", "rb");
  ScriptReader reader(script.get());
  std::string err;
  for (int id : {0, 1, 3, 5}) {
    const ScriptHandler& h =
        *std::find_if(added.begin(), added.end(), [&](const ScriptHandler& a) { return a.eventId == id; });
    for (bool loop : {false, true}) {
      ScriptEntry entry;
      ASSERT_EQ(reader.Next(&entry, &err), ScriptReader::kEntry) << err;
      const std::string& path = loop ? h.loopPath : h.beginPath;
      EXPECT_EQ(entry.eventId, id);
      EXPECT_EQ(entry.loop, loop);
      EXPECT_EQ(entry.path, path.empty() ? "null" : path);
    }
  }
  ScriptEntry end;
  EXPECT_EQ(reader.Next(&end, &err), ScriptReader::kEnd);
  // Text mode: the platform's own line ends.
#ifdef _WIN32
  EXPECT_NE(ReadText("script.txt").find("0 b.orv loop\r\n1 "), std::string::npos);
#else
  EXPECT_NE(ReadText("script.txt").find("0 b.orv loop\n1 "), std::string::npos);
#endif
}

TEST_F(HandlerTableTest, AScriptThatCannotBeWrittenWholeIsReportedAndNotLeftBehind) {
  std::filesystem::create_directory("script.txt");
  Add(0, "a", "b");
  EXPECT_FALSE(table.WriteScript());
  std::filesystem::remove("script.txt");
#ifdef __linux__
  // A file size limit stands in for a full disk: the script opens, but cannot be written whole.
  const std::string path(199, 'p');
  for (int id = 1; id < kEventCount; ++id) Add(id, path, path);
  {
    FileSizeLimit fullDisk(1000, FileSizeLimit::kIgnoreSignal);
    EXPECT_FALSE(table.WriteScript());
  }
  EXPECT_FALSE(FileExists("script.txt"));
  EXPECT_EQ(TemporaryFileCount("."), 0);

  // A file there before stays as it was.
  ::WriteText("script.txt", "7 old.orv begin\n7 old.orv loop\n-1");
  {
    FileSizeLimit fullDisk(1000, FileSizeLimit::kIgnoreSignal);
    EXPECT_FALSE(table.WriteScript());
  }
  EXPECT_EQ(ReadText("script.txt"), "7 old.orv begin\n7 old.orv loop\n-1");
#endif
}

}  // namespace
