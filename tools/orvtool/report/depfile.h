// The depfile `orvtool build --depfile` writes for the build system that runs it: one Make-style rule,
// "OUT: SCRIPT SOURCE...", naming the files the build read, each path escaped as gcc escapes it, and its
// colons too, so that Make and Ninja read it back.
#ifndef ORVTOOL_REPORT_DEPFILE_H_
#define ORVTOOL_REPORT_DEPFILE_H_

#include <string>
#include <vector>

// The path as a depfile gives it: a blank, or a colon but a drive's ("C:/"), after 2N+1 backslashes
// (each backslash before it doubled, and one more), '#' after a backslash, '$' doubled.
std::string DepfilePath(const std::string& path);

// What in `path` Make or Ninja would read as more than a path, as "holds ';'", or "" when a depfile can
// name it. No escape serves both: Make takes ';' for the start of a command, '|' for order-only
// prerequisites, '=' for an assignment, '%' for a pattern, '*', '?' and '[' for wildcards, a leading '~'
// for a home folder and "a(b)" for an archive's member; Ninja ends a path at ';', '|', '&', quotes, '*',
// '?', '<', '>', '^', '`' and control characters; a line end ends the rule for both, and a backslash at
// the path's end runs it on into the next.
std::string DepfileMisreading(const std::string& path);

// The rule: `output` depends on each of `inputs`, one a line, ending in a line end.
std::string DepfileRule(const std::string& output, const std::vector<std::string>& inputs);

// gcc's -MP: an empty rule for each source, after a blank line, so that Make takes a source dropped from
// the script and deleted for one with nothing to rebuild rather than stopping at "No rule to make target".
std::string DepfilePhonyRules(const std::vector<std::string>& sources);

#endif  // ORVTOOL_REPORT_DEPFILE_H_
