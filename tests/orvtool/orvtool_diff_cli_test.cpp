// orvtool diff run as a user would, on builds of the example project before and after an author's
// change: its report, its JSON against the text, its exit status, and its memory on large files.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "example_project.h"
#include "hostile_orv.h"
#include "orv_examples.h"
#include "run_orvtool.h"
#include "temp_dir.h"

#ifdef __linux__
#include <fstream>

#include "limited_run.h"
#endif

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using std::to_string;

// The example project in a folder, built to `name` with the script given (the example's own when empty).
void BuildExample(const TempDir& project, const std::string& name, const std::string& script = "") {
  if (!project.Exists("script.txt")) CopyExamples(project.path(), true);
  if (!script.empty()) project.Write("script.txt", Bytes(script.begin(), script.end()));
  const ToolRun build = RunOrvtool({"build"}, project.Path());
  ASSERT_EQ(0, build.status) << build.err;
  fs::rename(project.Path("out.orv"), project.Path(name));
}

const char* const kExamplePieces[] = {"\"Cruising\" Begin", "\"Cruising\" Loop", "\"Combat\" Begin", "\"Combat\" Loop",
                                      "\"Mission Failed\" Loop"};
const std::int64_t kExampleBytes[] = {2400, 64000, 900, 12000, 30000};
const int kExampleChunks[] = {1, 2, 1, 1, 1};

// The report's piece line for a piece of the example in both files.
std::string InBoth(int piece, bool payloadSame) {
  const std::string bytes = to_string(kExampleBytes[piece]), chunks = to_string(kExampleChunks[piece]);
  return std::string("  ") + kExamplePieces[piece] + ": in both, bytes " + bytes + " -> " + bytes + ", chunks " +
         chunks + " -> " + chunks + (payloadSame ? ", payload the same\n" : ", payload changed\n");
}

TEST(OrvtoolDiff, TheSameBuildTwiceIsTheSameForTheGame) {
  TempDir project;
  BuildExample(project, "a.orv");
  BuildExample(project, "b.orv");
  for (const char* second : {"a.orv", "b.orv"}) {
    const ToolRun run = RunOrvtool({"diff", "a.orv", second}, project.Path());
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("", run.err);
    std::string expected = "old: a.orv\nnew: " + std::string(second) + "\npieces:\n";
    for (int piece = 0; piece < 5; ++piece) expected += InBoth(piece, true);
    EXPECT_EQ(expected + "transitions:\n  (none changed)\nthe same for the game\n", run.out);
  }
}

TEST(OrvtoolDiff, ALoopChangedAtEqualSizeIsThatPieceChanged) {
  TempDir project;
  BuildExample(project, "old.orv");
  // One byte in the second chunk of the Cruising Loop, the size the same.
  Bytes loop = project.Read("cruising_loop.orv");
  loop[56 + 60000 + 17] ^= 0x40;
  project.Write("cruising_loop.orv", loop);
  BuildExample(project, "new.orv");
  ASSERT_EQ(project.Read("old.orv").size(), project.Read("new.orv").size());

  const ToolRun run = RunOrvtool({"diff", "old.orv", "new.orv"}, project.Path());
  EXPECT_EQ(1, run.status) << run.err;
  EXPECT_EQ("", run.err);
  std::string expected = "old: old.orv\nnew: new.orv\npieces:\n";
  for (int piece = 0; piece < 5; ++piece) expected += InBoth(piece, piece != 1);
  EXPECT_EQ(expected + "transitions:\n  (none changed)\ndifferent for the game: 1 piece changed\n", run.out);
}

const char* const kHandlerSwapped =
    "0 cruising_begin.orv begin\n0 cruising_loop.orv loop\n"
    "5 null begin\n5 failed_loop.orv loop\n"
    "3 combat_begin.orv begin\n3 combat_loop.orv loop\n-1";

TEST(OrvtoolDiff, AHandlerRemovedAndOneAdded) {
  TempDir project;
  BuildExample(project, "old.orv");
  BuildExample(project, "new.orv", kHandlerSwapped);

  const ToolRun run = RunOrvtool({"diff", "old.orv", "new.orv"}, project.Path());
  EXPECT_EQ(1, run.status) << run.err;
  // Combat's pieces stand where they stood, before those of the new order.
  EXPECT_TRUE(Has(run.out, "pieces:\n" + InBoth(0, true) + InBoth(1, true) +
                               "  \"Combat\" Begin: removed, 900 bytes in 1 chunk\n"
                               "  \"Combat\" Loop: removed, 12000 bytes in 1 chunk\n" +
                               InBoth(4, true) +
                               "  \"caps alive, fght dead\" Begin: added, 900 bytes in 1 chunk\n"
                               "  \"caps alive, fght dead\" Loop: added, 12000 bytes in 1 chunk\n"
                               "transitions:\n"))
      << run.out;
  for (const char* line : {
           "  removed: \"Cruising\" Begin at its end, event 1 \"Combat\": \"Combat\" Begin -> (none)\n",
           "  added: \"Cruising\" Loop between its chunks, event 3 \"caps alive, fght dead\": (none) -> "
           "\"caps alive, fght dead\" Begin\n",
           // The Cruising Loop runs on into what follows it in the file, now Mission Failed.
           "  changed: \"Cruising\" Loop at its end, any other event: \"Combat\" Begin -> \"Mission Failed\" Loop\n",
           "  removed: \"Combat\" Loop at its end, event 1 \"Combat\": \"Combat\" Loop -> (none)\n",
           "  added: \"caps alive, fght dead\" Begin at its end, event 3 \"caps alive, fght dead\": (none) -> "
           "\"caps alive, fght dead\" Loop\n",
           "  added: \"caps alive, fght dead\" Loop at its end, any other event: (none) -> the end\n",
           "  changed: \"Mission Failed\" Loop at its end, any other event: the end -> \"caps alive, fght dead\" "
           "Begin\n",
       })
    EXPECT_TRUE(Has(run.out, line)) << line << run.out;
  EXPECT_TRUE(Has(run.out,
                  "\ndifferent for the game: 2 pieces added, 2 removed; 2 transitions changed, 12 added, 12 "
                  "removed\n"))
      << run.out;
}

// Every line of the text report read back from the JSON of the same comparison.
std::string TextFromJson(const json& report) {
  std::string text =
      "old: " + report["old"].get<std::string>() + "\nnew: " + report["new"].get<std::string>() + "\npieces:\n";
  for (const json& piece : report["pieces"]) {
    const std::string change = piece["change"];
    text += "  " + piece["piece"].get<std::string>() + ": ";
    auto side = [](const json& s) {
      const auto bytes = s["bytes"].get<long long>();
      const auto chunks = s["chunks"].get<int>();
      return to_string(bytes) + (bytes == 1 ? " byte in " : " bytes in ") + to_string(chunks) +
             (chunks == 1 ? " chunk\n" : " chunks\n");
    };
    if (change == "added" || change == "removed") {
      text += change + ", " + side(piece[change == "added" ? "new" : "old"]);
      continue;
    }
    text += "in both, bytes " + to_string(piece["old"]["bytes"].get<long long>()) + " -> " +
            to_string(piece["new"]["bytes"].get<long long>()) + ", chunks " +
            to_string(piece["old"]["chunks"].get<int>()) + " -> " + to_string(piece["new"]["chunks"].get<int>()) +
            ", payload " + (piece["payload"] == "same" ? "the same" : "changed") +
            (piece["payload"] == "same" && change == "changed" ? ", cut into other chunks\n" : "\n");
  }
  text += "transitions:\n";
  auto target = [](const json& t) { return t.is_null() ? std::string("(none)") : t.get<std::string>(); };
  int sharedTold = 0;
  for (const json& t : report["transitions"]) {
    std::string event = "any other event";
    if (!t["anyOtherEvent"].get<bool>()) {
      event = "event " + to_string(t["event"].get<int>());
      if (!t["eventName"].is_null()) event += " \"" + t["eventName"].get<std::string>() + "\"";
    }
    const std::string change = t["change"].get<std::string>() + ": ";
    if (!t.contains("sharedState")) {
      text += "  " + change + t["at"].get<std::string>() + ", " + event + ": " + target(t["old"]) + " -> " +
              target(t["new"]) + "\n";
      continue;
    }
    // A shared state's places head its first transition.
    const int shared = t["sharedState"].get<int>();
    if (shared == sharedTold) {
      const json& places = report["sharedStates"][static_cast<std::size_t>(sharedTold++)]["places"];
      text += "  a state shared by " + to_string(places.size()) + " places (";
      for (std::size_t i = 0; i < places.size(); ++i) text += (i ? "; " : "") + places[i]["at"].get<std::string>();
      text += "):\n";
    }
    text += "    " + change + event + ": " + target(t["old"]) + " -> " + target(t["new"]) + "\n";
  }
  if (report["transitions"].empty()) text += "  (none changed)\n";
  return text;
}

// The example before and after a change, and rows that share one state, against a build and each
// other: the places a shared state's transitions stand for count them as often.
TEST(OrvtoolDiff, JsonHoldsWhatTheTextSays) {
  TempDir project;
  BuildExample(project, "old.orv");
  BuildExample(project, "new.orv", kHandlerSwapped);
  project.Write("shared.orv", OneStateSharedByRows(20, 6, 1));
  project.Write("shared-to-end.orv", OneStateSharedByRows(30, 6, 7));
  for (const auto& [first, second] :
       std::vector<std::pair<const char*, const char*>>{{"old.orv", "old.orv"},
                                                        {"old.orv", "new.orv"},
                                                        {"shared.orv", "shared-to-end.orv"},
                                                        {"shared-to-end.orv", "old.orv"}}) {
    SCOPED_TRACE(std::string(first) + " " + second);
    const ToolRun text = RunOrvtool({"diff", first, second}, project.Path());
    const ToolRun run = RunOrvtool({"diff", "--json", first, second}, project.Path());
    EXPECT_EQ(text.status, run.status);
    const json report = json::parse(run.out, nullptr, false);
    ASSERT_FALSE(report.is_discarded()) << run.out;
    EXPECT_EQ(text.out.substr(0, text.out.rfind("\n", text.out.size() - 2) + 1), TextFromJson(report));
    EXPECT_EQ(run.status == 0, report["same"].get<bool>());
    const json& counts = report["counts"];
    EXPECT_EQ(report["pieces"].size(),
              counts["piecesSame"].get<std::size_t>() + counts["piecesChanged"].get<std::size_t>() +
                  counts["piecesAdded"].get<std::size_t>() + counts["piecesRemoved"].get<std::size_t>());
    std::size_t transitions = 0;
    for (const json& t : report["transitions"])
      transitions +=
          t.contains("sharedState") ? report["sharedStates"][t["sharedState"].get<std::size_t>()]["places"].size() : 1;
    EXPECT_EQ(transitions, counts["transitionsChanged"].get<std::size_t>() +
                               counts["transitionsAdded"].get<std::size_t>() +
                               counts["transitionsRemoved"].get<std::size_t>());
  }
}

TEST(OrvtoolDiff, ABrokenOrMissingFileIsTroubleNamedByTheRuleItBreaks) {
  TempDir project;
  BuildExample(project, "good.orv");
  Bytes broken = project.Read("good.orv");
  broken.pop_back();
  project.Write("broken.orv", broken);
  const std::string fault = "row 7 (trailing): dataOffset 109764, but the file is 109763 bytes\n";
  for (const auto& args : std::vector<std::vector<std::string>>{{"diff", "broken.orv", "good.orv"},
                                                                {"diff", "--json", "good.orv", "broken.orv"}}) {
    const ToolRun run = RunOrvtool(args, project.Path());
    EXPECT_EQ(2, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_EQ("orvtool diff: broken.orv: " + fault, run.err);
  }
  const ToolRun missing = RunOrvtool({"diff", "good.orv", "gone.orv"}, project.Path());
  EXPECT_EQ(2, missing.status);
  EXPECT_TRUE(Has(missing.err, "orvtool diff: cannot open 'gone.orv'")) << missing.err;
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"diff"}, {"diff", "good.orv"}, {"diff", "good.orv", "good.orv", "good.orv"}}) {
    const ToolRun run = RunOrvtool(args, project.Path());
    EXPECT_EQ(2, run.status);
    EXPECT_TRUE(Has(run.err, "\nusage: orvtool COMMAND [ARGS]\n")) << run.err;
  }
}

#ifdef __linux__
// A built file of one Loop of `chunks` full chunks whose payload takes no room on the disk, but for
// one byte near its end.
void WriteLargeBuild(const std::string& path, int chunks, unsigned char lastByte) {
  std::vector<std::int32_t> states = {0, 1, 0, 1, 0, 0, 0, 1, 0, 1};
  std::vector<std::int32_t> rows;
  const std::int32_t header = 16 + 4 * static_cast<std::int32_t>(states.size()) + 12 * (chunks + 2);
  rows.insert(rows.end(), {header, 0, 0});
  for (int c = 0; c < chunks; ++c) rows.insert(rows.end(), {header + 60000 * c, c + 1 == chunks ? 2 : 1, 224000});
  rows.insert(rows.end(), {header + 60000 * chunks, 0, 0});
  WriteBytes(path, MakeOrv(3, states, rows, 0));
  fs::resize_file(path, static_cast<std::uintmax_t>(header) + 60000u * static_cast<std::uintmax_t>(chunks));
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  file.seekp(static_cast<std::streamoff>(header) + 60000 * static_cast<std::streamoff>(chunks) - 2);
  file.put(static_cast<char>(lastByte));
}

// Two files of 300 MB each whose only difference is near their end: compared in full in an address
// space of 64 MB, far less than either payload.
TEST(OrvtoolDiff, MemoryStaysFlatWhateverThePayloadSize) {
  TempDir dir;
  const int chunks = 5000;
  WriteLargeBuild(dir.Path("old.orv"), chunks, 1);
  WriteLargeBuild(dir.Path("new.orv"), chunks, 2);
  const rlim_t limit = 64 * kMiB;
  EXPECT_EQ(0, RunLimited({"diff", dir.Path("old.orv"), dir.Path("old.orv")}, limit).status);
  const LimitedRun changed = RunLimited({"diff", dir.Path("old.orv"), dir.Path("new.orv")}, limit);
  EXPECT_EQ(1, changed.status) << changed.err;
  EXPECT_TRUE(Has(changed.tail, "  \"Cruising\" Loop: in both, bytes 300000000 -> 300000000, chunks " +
                                    to_string(chunks) + " -> " + to_string(chunks) + ", payload changed\n"))
      << changed.tail;
}
#endif

}  // namespace
