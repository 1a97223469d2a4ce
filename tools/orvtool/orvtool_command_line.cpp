#include "orvtool_command_line.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "orv_version.h"

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

// The closest of candidates to word, or "" when none is within a couple of typing slips.
std::string SuggestClosest(const std::string& word, const std::vector<const char*>& candidates) {
  std::string best;
  int bestDistance = 3;  // more than two slips is a different word, not a typo
  for (const char* candidate : candidates) {
    const int distance = EditDistance(word, candidate);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = candidate;
    }
  }
  return best;
}

// `trace FILE EVENT...`, `build [-C DIR] [-o OUT] [--depfile FILE] [SCRIPT]`.
std::string Synopsis(const Command& command) {
  std::string text = command.name;
  for (const CommandOption& option : command.options)
    text += std::string(" [") + option.name + (option.longName != nullptr ? std::string("|") + option.longName : "") +
            (option.value != nullptr ? std::string(" ") + option.value : "") + "]";
  for (std::size_t i = 0; i < command.operands.size(); ++i) {
    const bool last = i + 1 == command.operands.size();
    if (last && command.last == LastOperand::kOptional)
      text += std::string(" [") + command.operands[i] + "]";
    else
      text += std::string(" ") + command.operands[i] + (last && command.last == LastOperand::kRepeated ? "..." : "");
  }
  return text;
}

const CommandOption* FindOption(const Command& command, const std::string& name) {
  for (const CommandOption& option : command.options)
    if (name == option.name || (option.longName != nullptr && name == option.longName)) return &option;
  return nullptr;
}

// A word that reads as an option, "-x" or "--word"; "-" alone and "-1" are operands.
bool LooksLikeOption(const std::string& word) {
  return word.size() > 1 && word[0] == '-' && (word[1] == '-' || std::isalpha(static_cast<unsigned char>(word[1])));
}

std::string UsageText(const std::vector<Command>& commands) {
  std::string text = "usage: orvtool COMMAND [ARGS]\n\ncommands:\n";
  for (const Command& command : commands) {
    std::string synopsis = Synopsis(command);
    synopsis.resize(std::max<std::size_t>(synopsis.size() + 2, 22), ' ');
    text += "  " + synopsis + command.description + "\n";
  }
  text +=
      "\noptions:\n"
      "  --help                show this text\n"
      "  --version             show the version\n";
  return text;
}

int UsageError(const std::vector<Command>& commands, const std::string& message) {
  std::fprintf(stderr, "orvtool: %s\n\n%s", message.c_str(), UsageText(commands).c_str());
  return kExitUsage;
}

std::string Unexpected(const std::string& arg) { return "unexpected argument '" + arg + "'"; }

}  // namespace

int Invocation::Read(const std::vector<std::string>& args) {
  const std::size_t fixed = command_.operands.size();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const CommandOption* option = FindOption(command_, arg);
    if (option != nullptr) {
      const bool takesValue = option->value != nullptr;
      if (Given(option->name) && takesValue) return UsageError(arg + " given more than once");
      // A flag given again is an operand like any other word.
      if (!Given(option->name)) {
        if (takesValue && (i + 1 == args.size() || args[i + 1].empty()))
          return UsageError(arg + " needs " + option->missing);
        given_.emplace_back(option->name, takesValue ? args[++i] : std::string());
        continue;
      }
    } else if (LooksLikeOption(arg)) {
      std::vector<const char*> names;
      for (const CommandOption& known : command_.options) {
        names.push_back(known.name);
        if (known.longName != nullptr) names.push_back(known.longName);
      }
      const std::string guess = SuggestClosest(arg, names);
      return UsageError("unknown option '" + arg + "'" + (guess.empty() ? "" : ", did you mean '" + guess + "'?"));
    }
    if (operands_.size() == fixed && command_.last != LastOperand::kRepeated) return UsageError(Unexpected(arg));
    operands_.push_back(arg);
  }
  const std::size_t required = command_.last == LastOperand::kOptional ? fixed - 1 : fixed;
  if (operands_.size() >= required) return kExitOk;
  // The operands missing by name; a repeated one only once those before it are there.
  std::string missing;
  for (std::size_t i = operands_.size(); i < required; ++i) {
    if (command_.last == LastOperand::kRepeated && i + 1 == fixed && i > operands_.size()) break;
    missing += (missing.empty() ? "missing " : " and ") + std::string(command_.operands[i]);
  }
  return UsageError(missing);
}

bool Invocation::Given(const std::string& option) const {
  return std::any_of(given_.begin(), given_.end(), [&option](const auto& given) { return given.first == option; });
}

const std::string& Invocation::Value(const std::string& option) const {
  static const std::string kNone;
  for (const auto& given : given_)
    if (given.first == option) return given.second;
  return kNone;
}

void Invocation::Say(const std::string& text) const {
  std::fflush(stdout);
  std::fprintf(stderr, "orvtool %s: %s\n", command_.name, text.c_str());
}

int Invocation::Fail(const std::string& text, int status) const {
  Say(text);
  return status;
}

int Invocation::UsageError(const std::string& text) const {
  return ::UsageError(commands_, std::string(command_.name) + ": " + text);
}

int Invocation::FinishReport(int status) const {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
  return Fail("cannot write the report", kExitUsage);
}

int RunCommandLine(int argc, char** argv, const std::vector<Command>& commands) {
  if (argc < 2) return UsageError(commands, "no command given");
  const std::string first = argv[1];
  const std::vector<std::string> rest(argv + 2, argv + argc);

  if (first == "--help" || first == "-h") {
    if (!rest.empty()) return UsageError(commands, Unexpected(rest[0]));
    std::fputs(UsageText(commands).c_str(), stdout);
    return kExitOk;
  }
  if (first == "--version") {
    if (!rest.empty()) return UsageError(commands, Unexpected(rest[0]));
    std::printf("orvtool %s\n", ORV_VERSION_TEXT);
    return kExitOk;
  }

  std::vector<const char*> names;
  for (const Command& command : commands) {
    if (first == command.name) {
      Invocation invocation(command, commands);
      const int status = invocation.Read(rest);
      return status != kExitOk ? status : command.run(invocation);
    }
    names.push_back(command.name);
  }

  static const std::vector<const char*> kOptions = {"--help", "--version"};
  const bool isOption = first[0] == '-';
  const std::string guess = SuggestClosest(first, isOption ? kOptions : names);
  std::string message = (isOption ? "unknown option '" : "unknown command '") + first + "'";
  if (!guess.empty()) message += ", did you mean '" + guess + "'?";
  return UsageError(commands, message);
}
