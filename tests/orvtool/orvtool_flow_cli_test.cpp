// orvtool's check, trace, graph and info --json, run as a user would on the example project.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "example_project.h"
#include "orv_examples.h"
#include "read/byte_source.h"
#include "read/layout.h"
#include "run_orvtool.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using std::to_string;

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Every file in the folder with its bytes.
std::map<std::string, Bytes> Snapshot(const TempDir& dir) {
  std::map<std::string, Bytes> files;
  for (const auto& file : fs::directory_iterator(dir.Path()))
    files[file.path().filename().string()] = dir.Read(file.path().filename().string());
  return files;
}

json Parse(const std::string& text) {
  json parsed = json::parse(text, nullptr, false);
  EXPECT_FALSE(parsed.is_discarded()) << text;
  return parsed;
}

TEST(OrvtoolCheck, RunsTheBuildWithoutWritingAndForeseesItsFile) {
  TempDir project;
  CopyExamples(project.path(), true);
  project.Write("out.orv", Text("old"));
  const std::map<std::string, Bytes> before = Snapshot(project);
  const ToolRun check = RunOrvtool({"check"}, project.Path());
  EXPECT_EQ(0, check.status) << check.err;
  EXPECT_EQ("", check.err);  // the example's music never runs on
  EXPECT_EQ(before, Snapshot(project));

  const ToolRun build = RunOrvtool({"build"}, project.Path());
  ASSERT_EQ(0, build.status) << build.err;
  const json file = Parse(RunOrvtool({"info", "--json", "out.orv"}, project.Path()).out);
  EXPECT_EQ(build.out.substr(0, build.out.find("Building interactive ORV\n")) + "out.orv would be " +
                to_string(file["size"].get<long long>()) + " bytes: stateCount " +
                to_string(file["stateCount"].get<int>()) + ", chunkCount " + to_string(file["chunkCount"].get<int>()) +
                "\n",
            check.out);

  // A failing build: the same lines and the same error, from any folder, and still nothing written.
  project.Write("script.txt", Text("0 cruising_begin.orv begin\n0 gone.orv loop\n-1"));
  TempDir elsewhere;
  const std::map<std::string, Bytes> built = Snapshot(project);
  const ToolRun failed = RunOrvtool({"check", "-C", project.Path()}, elsewhere.Path());
  EXPECT_EQ(built, Snapshot(project));
  EXPECT_TRUE(Snapshot(elsewhere).empty());
  const ToolRun buildFailed = RunOrvtool({"build", "-C", project.Path()}, elsewhere.Path());
  EXPECT_EQ(1, failed.status);
  EXPECT_EQ(buildFailed.status, failed.status);
  EXPECT_EQ("script.txt:2: Error opening \"gone.orv\", aborting.\n", failed.err);
  EXPECT_EQ(buildFailed.err, failed.err);
  EXPECT_EQ(buildFailed.out, failed.out);

  TempDir empty;
  const ToolRun none = RunOrvtool({"check"}, empty.Path());
  EXPECT_EQ(2, none.status);
  EXPECT_EQ("orvtool check: no script.txt in the current directory\n", none.err);
  EXPECT_TRUE(Snapshot(empty).empty());
}

TEST(OrvtoolCheck, WarnsWhereAnEventsMusicRunsOnOrEnds) {
  TempDir project;
  CopyExamples(project.path(), true);
  project.Write("script.txt", Text("0 cruising_begin.orv begin\n0 null loop\n"
                                   "1 combat_begin.orv begin\n1 combat_loop.orv loop\n"
                                   "3 null begin\n3 null loop\n"
                                   "5 combat_begin.orv begin\n5 null loop\n-1"));
  const ToolRun check = RunOrvtool({"check"}, project.Path());
  EXPECT_EQ(0, check.status);
  EXPECT_EQ(
      "orvtool check: warning: event 0 \"Cruising\": after its Begin the music runs on into \"Combat\" Begin "
      "(chunk 2); it has no Loop source\n"
      "orvtool check: warning: event 3 \"caps alive, fght dead\": as soon as it comes the music runs on into "
      "\"Mission Failed\" Begin (chunk 4); neither its Begin nor its Loop has any payload\n"
      "orvtool check: warning: event 5 \"Mission Failed\": after its Begin the music ends; it has no Loop source\n",
      check.err);
  EXPECT_FALSE(project.Exists("out.orv"));
}

TEST(OrvtoolTrace, FollowsTheExampleAsTheGameWould) {
  TempDir project;
  CopyExamples(project.path(), true);
  ASSERT_EQ(0, RunOrvtool({"build"}, project.Path()).status);
  // Combat comes in the middle of the two-chunk Cruising Loop.
  const ToolRun trace = RunOrvtool({"trace", "out.orv", "0", "1", "1", "5*2", "2"}, project.Path());
  EXPECT_EQ(0, trace.status) << trace.err;
  EXPECT_EQ(
      "start: the leading row sends every event to chunk 1\n"
      "chunk 1: \"Cruising\" Begin, piece 1 of 1, 2400 bytes\n"
      "  event 0 \"Cruising\": state 2 sends it to chunk 2\n"
      "chunk 2: \"Cruising\" Loop, piece 1 of 2, 60000 bytes\n"
      "  event 1 \"Combat\": state 3 sends it to chunk 4\n"
      "chunk 4: \"Combat\" Begin, piece 1 of 1, 900 bytes\n"
      "  event 1 \"Combat\": state 6 sends it to chunk 5\n"
      "chunk 5: \"Combat\" Loop, piece 1 of 1, 12000 bytes\n"
      "  event 5 \"Mission Failed\": state 8 sends it to chunk 6\n"
      "chunk 6: \"Mission Failed\" Loop, piece 1 of 1, 30000 bytes\n"
      "  event 5 \"Mission Failed\": state 12 sends it to chunk 6\n"
      "chunk 6: \"Mission Failed\" Loop, piece 1 of 1, 30000 bytes\n"
      "  event 2 \"Combat / Dmg\": not in state 12, on to the next row, row 7, the trailing row\n"
      "end\n",
      trace.out);

  Bytes broken = project.Read("out.orv");
  broken.pop_back();
  project.Write("broken.orv", broken);
  for (const char* command : {"trace", "graph"}) {
    std::vector<std::string> args = {command, "broken.orv"};
    if (std::string(command) == "trace") args.push_back("0");
    const ToolRun run = RunOrvtool(args, project.Path());
    EXPECT_EQ(1, run.status) << command;
    EXPECT_EQ("", run.out) << command;
    EXPECT_EQ(std::string("orvtool ") + command +
                  ": broken.orv: row 7 (trailing): dataOffset 109764, but the file is " + "109763 bytes\n",
              run.err);
  }
}

// Each figure of the JSON against the text report of the same file, and the rows against a reading of
// it here.
TEST(OrvtoolInfo, JsonHoldsTheFiguresOfTheTextReport) {
  TempDir project;
  CopyExamples(project.path(), true);
  ASSERT_EQ(0, RunOrvtool({"build"}, project.Path()).status);
  Bytes broken = TwoEventBuild();
  SetWord(&broken, 212, 111);  // row 1's scaledLength
  project.Write("broken.orv", broken);

  for (const char* name : {"out.orv", "cruising_begin.orv", "broken.orv"}) {
    SCOPED_TRACE(name);
    const ToolRun text = RunOrvtool({"info", name}, project.Path());
    const ToolRun run = RunOrvtool({"info", "--json", name}, project.Path());
    EXPECT_EQ(text.status, run.status);
    EXPECT_EQ(text.err, run.err);
    const json file = Parse(run.out);
    EXPECT_EQ(name, file["file"]);
    EXPECT_EQ(run.status == 0, file["valid"]);
    if (run.status == 0)
      EXPECT_TRUE(file["error"].is_null());
    else
      EXPECT_EQ(std::string("orvtool info: ") + name + ": " + file["error"].get<std::string>() + "\n", run.err);
    EXPECT_TRUE(Has(text.out, "size: " + to_string(file["size"].get<long long>()) + " bytes\n"));
    EXPECT_TRUE(Has(text.out, "  stateCount  " + to_string(file["stateCount"].get<int>()) + "\n"));
    std::string states = "states\n";
    for (std::size_t s = 0; s < file["states"].size(); ++s) {
      const json& pairs = file["states"][s]["pairs"];
      states +=
          "  state " + to_string(s) + ": " + to_string(pairs.size()) + (pairs.size() == 1 ? " pair\n" : " pairs\n");
      for (const json& pair : pairs) {
        states += "    event " + to_string(pair["event"].get<int>());
        if (!pair["eventName"].is_null()) states += " \"" + pair["eventName"].get<std::string>() + "\"";
        states += " -> chunk " + to_string(pair["chunk"].get<int>()) + "\n";
      }
    }
    EXPECT_TRUE(Has(text.out, states + "chunk table: " + to_string(file["chunkCount"].get<int>()) + " row"));
    EXPECT_TRUE(Has(text.out, "payload: " + to_string(file["payloadBytes"].get<long long>()) + " bytes"));
    EXPECT_EQ(Has(text.out, "build source: yes"), file["acceptableAsSource"].get<bool>());

    MemorySource source(project.Read(name));
    OrvLayout layout;
    std::string fault;
    InspectOrv(&source, &layout, &fault);
    ASSERT_EQ(layout.rows.size(), file["chunks"].size());
    for (std::size_t r = 0; r < layout.rows.size(); ++r) {
      const json& row = file["chunks"][r];
      EXPECT_EQ(layout.rows[r].dataOffset, row["dataOffset"]);
      EXPECT_EQ(layout.rows[r].stateIndex, row["stateIndex"]);
      EXPECT_EQ(layout.rows[r].scaledLength, row["scaledLength"]);
      if (r + 1 < layout.rows.size())
        EXPECT_EQ(layout.rows[r + 1].dataOffset - layout.rows[r].dataOffset, row["length"]);
      else
        EXPECT_TRUE(row["length"].is_null());
    }
  }

  // What a fault left unread is null.
  Bytes tiny = EmptyBuild();
  tiny.resize(10);
  project.Write("tiny.orv", tiny);
  const json cut = Parse(RunOrvtool({"info", "--json", "tiny.orv"}, project.Path()).out);
  EXPECT_TRUE(cut["stateCount"].is_null() && cut["chunkCount"].is_null() && cut["payloadBytes"].is_null());
  EXPECT_TRUE(cut["states"].empty() && cut["chunks"].empty());
}

#ifndef _WIN32
// A name in another code page than UTF-8 must not cost the pipeline its report.
TEST(OrvtoolInfo, JsonKeepsANameThatIsNotUtf8) {
  TempDir dir;
  dir.Write("caf\xe9.orv", EmptyBuild());
  const ToolRun run = RunOrvtool({"info", "--json", "caf\xe9.orv"}, dir.Path());
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_EQ("caf\xef\xbf\xbd.orv", Parse(run.out)["file"]);
}
#endif

}  // namespace
