// The handler table: its records and the handled-events list never disagree, and the script it
// writes is read back by the engine as the same entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "event_table.h"
#include "fake_list.h"
#include "file_ptr.h"
#include "file_size_limit.h"
#include "handler_table.h"
#include "orv_bytes.h"
#include "script_file.h"
#include "temp_dir.h"

namespace {

struct Handler {
  int eventId;
  std::string begin, loop;
};

class HandlerTableTest : public ::testing::Test {
 protected:
  bool Add(int eventId, const std::string& begin, const std::string& loop) {
    return table.AddHandler(eventId, begin.data(), loop.data(), static_cast<int>(begin.size()),
                            static_cast<int>(loop.size()));
  }

  // The list shows record k's event name at item k, and the paths read back are the ones added.
  void ExpectHolds(const std::vector<Handler>& expected) {
    ASSERT_EQ(table.GetCount(), static_cast<int>(expected.size()));
    ASSERT_EQ(list.GetCount(), static_cast<int>(expected.size()));
    for (int k = 0; k < table.GetCount(); ++k) {
      SCOPED_TRACE(k);
      const Handler& h = expected[static_cast<std::size_t>(k)];
      EXPECT_EQ(list.GetText(k), EventName(h.eventId));
      EXPECT_EQ(table.GetBeginPath(k), h.begin);
      EXPECT_EQ(table.GetLoopPath(k), h.loop);
    }
  }

  std::string Script() {
    EXPECT_TRUE(table.WriteScript());
    const Bytes text = ReadBytes("script.txt");
    return std::string(text.begin(), text.end());
  }

  FakeList list;
  CHandlerTable table{list};
  TempDir dir{"handler-table", TempDir::kEnter};
};

TEST_F(HandlerTableTest, AddsInOrderAndRefusesASecondHandlerForAnEvent) {
  EXPECT_TRUE(Add(1, "b1.orv", "l1.orv"));
  EXPECT_TRUE(Add(0, "", "l0.orv"));
  EXPECT_FALSE(Add(1, "other.orv", "other.orv"));
  ExpectHolds({{1, "b1.orv", "l1.orv"}, {0, "", "l0.orv"}});
}

TEST_F(HandlerTableTest, TakesOnlyTheGivenCharactersOfUnterminatedTexts) {
  const char begin[] = {'a', '.', 'o', 'r', 'v', 'X', 'X'};
  const char loop[] = {'l', 'X'};
  EXPECT_TRUE(table.AddHandler(2, begin, loop, 5, 1));
  ExpectHolds({{2, "a.orv", "l"}});
}

TEST_F(HandlerTableTest, EveryEventOnceThenNoMore) {
  for (int id = 0; id < kEventCount; ++id) EXPECT_TRUE(Add(id, "b", "l"));
  for (int id = 0; id < kEventCount; ++id) EXPECT_FALSE(Add(id, "b", "l"));
  EXPECT_EQ(table.GetCount(), kEventCount);
  EXPECT_EQ(list.GetCount(), kEventCount);
}

TEST_F(HandlerTableTest, RefusesWhatTheScriptCannotCarry) {
  const std::string longest(199, 'p');
  EXPECT_FALSE(Add(-1, "b", "l"));
  EXPECT_FALSE(Add(kEventCount, "b", "l"));
  EXPECT_FALSE(Add(0, longest + "p", "l"));
  EXPECT_FALSE(Add(0, "b", longest + "p"));
  for (const char* spaced : {"my file.orv", "tab\there", "line\nend", " lead", "trail\r"}) {
    EXPECT_FALSE(Add(0, spaced, "l")) << spaced;
    EXPECT_FALSE(Add(0, "b", spaced)) << spaced;
  }
  EXPECT_FALSE(table.AddHandler(0, "b", "l", -1, 1));
  ExpectHolds({});
  EXPECT_TRUE(Add(0, longest, longest));
  ExpectHolds({{0, longest, longest}});
}

TEST_F(HandlerTableTest, SaysWhyAHandlerIsRefusedTheEventBeforeItsPaths) {
  ASSERT_TRUE(Add(1, "b", "l"));
  std::string why;
  EXPECT_FALSE(table.AddHandler(1, "a b", "l", 3, 1, &why));
  EXPECT_EQ(why,
            "Only one handler per event. Remove the current handler if you want to add a new one of the same type.");
  EXPECT_FALSE(table.AddHandler(2, "b", "l m", 1, 3, &why));
  EXPECT_EQ(why.rfind("The Loop ORV path contains a space", 0), 0u) << why;
  EXPECT_FALSE(table.AddHandler(kEventCount, "a b", "l", 3, 1, &why));
  EXPECT_EQ(why, "Event " + std::to_string(kEventCount) + " is not one of the dialog's events.");
  ExpectHolds({{1, "b", "l"}});
}

TEST_F(HandlerTableTest, RemovingKeepsListAndRecordsInStep) {
  for (int removed : {0, 1, 2}) {
    SCOPED_TRACE(removed);
    FakeList l;
    CHandlerTable t(l);
    std::vector<Handler> handlers = {{3, "b3", "l3"}, {1, "b1", "l1"}, {5, "b5", "l5"}};
    for (const Handler& h : handlers)
      ASSERT_TRUE(t.AddHandler(h.eventId, h.begin.c_str(), h.loop.c_str(), static_cast<int>(h.begin.size()),
                               static_cast<int>(h.loop.size())));
    EXPECT_TRUE(t.RemoveHandler(removed));
    handlers.erase(handlers.begin() + removed);
    ASSERT_EQ(t.GetCount(), 2);
    ASSERT_EQ(l.GetCount(), 2);
    for (int k = 0; k < 2; ++k) {
      const Handler& h = handlers[static_cast<std::size_t>(k)];
      EXPECT_EQ(l.GetText(k), EventName(h.eventId));
      EXPECT_EQ(t.GetBeginPath(k), h.begin);
      EXPECT_EQ(t.GetLoopPath(k), h.loop);
    }
  }
}

TEST_F(HandlerTableTest, AddAfterRemoveGoesLastInBoth) {
  Add(0, "b0", "l0");
  Add(1, "b1", "l1");
  Add(2, "b2", "l2");
  EXPECT_TRUE(table.RemoveHandler(0));
  EXPECT_TRUE(Add(0, "again", "l"));
  ExpectHolds({{1, "b1", "l1"}, {2, "b2", "l2"}, {0, "again", "l"}});
}

TEST_F(HandlerTableTest, IndexOutsideTheTableChangesNothing) {
  Add(4, "b", "l");
  for (int index : {-1, 1, 10, 1000}) {
    EXPECT_FALSE(table.RemoveHandler(index));
    EXPECT_STREQ(table.GetBeginPath(index), "");
    EXPECT_STREQ(table.GetLoopPath(index), "");
  }
  ExpectHolds({{4, "b", "l"}});
  EXPECT_TRUE(table.RemoveHandler(0));
  EXPECT_FALSE(table.RemoveHandler(0));
  ExpectHolds({});
}

TEST_F(HandlerTableTest, ScriptListsEventsInIdOrderWithNullForEmptyPaths) {
  EXPECT_EQ(Script(), "-1");
  Add(3, "", "c.orv");
  Add(0, "a.orv", "b.orv");
  Add(5, "e.orv", "");
  // Text mode: the platform's own line ends.
#ifdef _WIN32
  const std::string nl = "\r\n";
#else
  const std::string nl = "\n";
#endif
  EXPECT_EQ(Script(), "0 a.orv begin" + nl + "0 b.orv loop" + nl + "3 null begin" + nl + "3 c.orv loop" + nl +
                          "5 e.orv begin" + nl + "5 null loop" + nl + "-1");
}

TEST_F(HandlerTableTest, ScriptThatCannotBeWrittenIsReported) {
  std::filesystem::create_directory("script.txt");
  Add(0, "a", "b");
  EXPECT_FALSE(table.WriteScript());
}

#ifdef __linux__
// A file size limit stands in for a full disk: the script opens, but cannot be written whole.
TEST_F(HandlerTableTest, HalfWrittenScriptIsNotLeftBehind) {
  const std::string path(199, 'p');
  for (int id = 0; id < kEventCount; ++id) Add(id, path, path);
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
}
#endif

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

// Whatever handlers the author defines, the engine reads back exactly those entries.
TEST_F(HandlerTableTest, EveryScriptReadsBackAsTheSameEntries) {
  std::mt19937 random(11);
  const std::string chars = "abcXYZ019._-/\\:";
  auto randomPath = [&] {
    std::string p(random() % 4 == 0 ? 0 : 1 + random() % 199, 'x');
    for (char& c : p) c = chars[random() % chars.size()];
    return p;
  };
  for (int round = 0; round < 200; ++round) {
    FakeList l;
    CHandlerTable t(l);
    std::vector<Handler> added;  // in table order
    for (int op = 0; op < 12; ++op) {
      if (random() % 3 == 0 && t.GetCount() > 0) {
        const int index = static_cast<int>(random() % static_cast<unsigned>(t.GetCount()));
        ASSERT_TRUE(t.RemoveHandler(index));
        added.erase(added.begin() + index);
      } else {
        const int id = static_cast<int>(random() % kEventCount);
        const std::string b = randomPath(), lp = randomPath();
        if (t.AddHandler(id, b.data(), lp.data(), static_cast<int>(b.size()), static_cast<int>(lp.size())))
          added.push_back({id, b, lp});
      }
      ASSERT_EQ(l.GetCount(), static_cast<int>(added.size()));
    }
    std::vector<Handler> byId = added;
    std::sort(byId.begin(), byId.end(), [](const Handler& a, const Handler& b) { return a.eventId < b.eventId; });
    ASSERT_TRUE(t.WriteScript());
    FilePtr script = OpenFile("script.txt", "rb");
    ScriptReader reader(script.get());
    std::string err;
    for (const Handler& h : byId) {
      for (bool loop : {false, true}) {
        ScriptEntry entry;
        ASSERT_EQ(reader.Next(&entry, &err), ScriptReader::kEntry) << err;
        const std::string& path = loop ? h.loop : h.begin;
        EXPECT_EQ(entry.eventId, h.eventId);
        EXPECT_EQ(entry.loop, loop);
        EXPECT_EQ(entry.path, path.empty() ? "null" : path);
      }
    }
    ScriptEntry end;
    EXPECT_EQ(reader.Next(&end, &err), ScriptReader::kEnd);
  }
}

}  // namespace
