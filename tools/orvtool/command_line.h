// Matches orvtool's command line against the table of subtools and runs the one named.
#ifndef ORVTOOL_COMMAND_LINE_H_
#define ORVTOOL_COMMAND_LINE_H_

#include <string>

// The usage text that --help prints and a wrong command line gets on standard error.
std::string UsageText();

// The closest of candidates to word, or "" when none is within a couple of typing slips.
std::string SuggestClosest(const std::string& word, const char* const* candidates, int count);

int RunCommandLine(int argc, char** argv);

#endif  // ORVTOOL_COMMAND_LINE_H_
