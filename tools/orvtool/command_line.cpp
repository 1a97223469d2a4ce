#include "command_line.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "orv_version.h"
#include "subtools.h"

namespace {

int EditDistance(const std::string& a, const std::string& b) {
  std::vector<int> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

const char* const kOptions[] = {"--help", "--version"};

}  // namespace

const std::vector<Subtool>& Subtools() {
  static const std::vector<Subtool> table = {
      {"build", "[-C DIR]", "build out.orv from script.txt in the current directory, or in DIR", RunBuildCommand},
      {"check", "[-C DIR]", "run a build up to writing out.orv: its errors, the file's figures, music that runs on",
       RunCheckCommand},
      {"info", "[--json] FILE", "show an ORV file's header, states and chunks, and check its layout", RunInfoCommand},
      {"trace", "FILE EVENT...", "play the file's chunks as the game would for events (ID, or ID*COUNT)",
       RunTraceCommand},
      {"graph", "FILE", "write the file's flow between Begin and Loop pieces as Graphviz DOT", RunGraphCommand},
      {"diff", "[--json] OLD NEW",
       "show what the game plays differently from OLD to NEW: pieces, payloads, transitions", RunDiffCommand},
  };
  return table;
}

std::string UsageText() {
  std::string text = "usage: orvtool COMMAND [ARGS]\n\ncommands:\n";
  for (const Subtool& tool : Subtools()) {
    std::string synopsis = std::string(tool.name) + " " + tool.arguments;
    synopsis.resize(std::max<std::size_t>(synopsis.size() + 2, 22), ' ');
    text += "  " + synopsis + tool.description + "\n";
  }
  text +=
      "\noptions:\n"
      "  --help                show this text\n"
      "  --version             show the version\n";
  return text;
}

std::string SuggestClosest(const std::string& word, const char* const* candidates, int count) {
  std::string best;
  int bestDistance = 3;  // more than two slips is a different word, not a typo
  for (int i = 0; i < count; ++i) {
    const int distance = EditDistance(word, candidates[i]);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = candidates[i];
    }
  }
  return best;
}

int UsageError(const std::string& message) {
  std::fprintf(stderr, "orvtool: %s\n\n%s", message.c_str(), UsageText().c_str());
  return kExitUsage;
}

int FinishReport(const char* command, int status) {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
  std::fprintf(stderr, "orvtool %s: cannot write the report\n", command);
  return kExitUsage;
}

std::vector<std::string> TakeJsonFlag(const std::vector<std::string>& args, bool* json) {
  *json = false;
  std::vector<std::string> operands;
  for (const std::string& arg : args) {
    if (arg == "--json" && !*json)
      *json = true;
    else
      operands.push_back(arg);
  }
  return operands;
}

int RunCommandLine(int argc, char** argv) {
  if (argc < 2) return UsageError("no command given");
  const std::string first = argv[1];
  const std::vector<std::string> rest(argv + 2, argv + argc);

  if (first == "--help" || first == "-h") {
    if (!rest.empty()) return UsageError("unexpected argument '" + rest[0] + "'");
    std::fputs(UsageText().c_str(), stdout);
    return kExitOk;
  }
  if (first == "--version") {
    if (!rest.empty()) return UsageError("unexpected argument '" + rest[0] + "'");
    std::printf("orvtool %s\n", ORV_VERSION_TEXT);
    return kExitOk;
  }

  std::vector<const char*> names;
  for (const Subtool& tool : Subtools()) {
    if (first == tool.name) return tool.run(rest);
    names.push_back(tool.name);
  }

  const bool isOption = first[0] == '-';
  const std::string guess = isOption ? SuggestClosest(first, kOptions, 2)
                                     : SuggestClosest(first, names.data(), static_cast<int>(names.size()));
  std::string message = (isOption ? "unknown option '" : "unknown command '") + first + "'";
  if (!guess.empty()) message += ", did you mean '" + guess + "'?";
  return UsageError(message);
}
