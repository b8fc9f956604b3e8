// The toolbox's command-line words: positional arguments, "--name value" options and "--flag" switches.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quill::cli {

// Exit statuses of every toolbox command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitError = 1;
inline constexpr int ExitUsage = 2;

struct Args {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
  std::set<std::string> flags;
  std::string home;
  std::string error;  // bad usage

  bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
  std::string Option(const std::string& name, const std::string& fallback = "") const;
};

// valueOptions: the options that take a value (without "--"); every other "--word" is a flag.
Args ParseArgs(const std::vector<std::string>& words, const std::set<std::string>& valueOptions);

// Prints "quill: <text>" and the usage line to standard error; returns ExitUsage.
int UsageError(const std::string& text, const std::string& usage);

}  // namespace quill::cli
