// The graph drawn from hand-made files: each entry with its transitions, a file no build made, and text
// that is not UTF-8.
#include "report/graph_dot.h"

#include <gtest/gtest.h>

#include <string>

#include "orv_examples.h"
#include "read_orv.h"

namespace {

TEST(GraphDot, DrawsEachEntryWithItsTransitions) {
  const OrvLayout layout = Checked(TwoEventBuild());
  const std::string dot = Graph(layout, "two.orv");
  for (const char* part : {
           "  e1 [label=\"Cruising Loop\\n1 chunk (2), 30 bytes\", fillcolor=",
           "  start -> e0 [label=\"every event\"];\n",
           "  e0 -> e1 [label=\"Cruising\\nany other event\"];\n",
           "  e1 -> e1 [label=\"Cruising\"];\n",
           "  e1 -> e2 [label=\"Combat\\nany other event\"];\n",
           "  e3 -> e0 [label=\"Cruising\"];\n",
           "  e3 -> end [label=\"any other event\", style=dashed];\n",
       })
    EXPECT_NE(std::string::npos, dot.find(part)) << part << "\n" << dot;
}

// A valid file that no build made: a row of no entry, drawn by its state, and a pair back to the start.
TEST(GraphDot, DrawsAFileNoBuildMade) {
  const Bytes bytes = MakeOrv(1, {0, 2, 0, 1, 3, 0}, {76, 0, 0, 76, 0, 112, 106, 0, 0}, 30);
  const OrvLayout layout = Checked(bytes);
  const std::string dot = Graph(layout, "odd.orv");
  EXPECT_NE(std::string::npos, dot.find("  r1 [label=\"row 1\\nstate 0, 30 bytes\"];\n")) << dot;
  EXPECT_NE(std::string::npos, dot.find("  r1 -> start [label=\"caps alive, fght dead\"];\n")) << dot;
  EXPECT_NE(std::string::npos, dot.find("  start -> r1 [label=\"Cruising\\nany other event\"];\n")) << dot;
  EXPECT_NE(std::string::npos, dot.find("  start -> start [label=\"caps alive, fght dead\"];\n")) << dot;
}

// A file name in a local code page is no UTF-8: dot would warn of the raw bytes.
TEST(GraphDot, WritesTextThatIsNotUtf8WithReplacementCharacters) {
  const std::string dot = Graph(Checked(TwoEventBuild()), "caf\xe9 \"1\".orv");
  EXPECT_NE(std::string::npos, dot.find("  label=\"caf\xef\xbf\xbd \\\"1\\\".orv\";\n")) << dot;
  EXPECT_EQ(std::string::npos, dot.find("caf\xe9")) << dot;
}

}  // namespace
