#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/Result.h"

namespace q5300::cli {

// An option a command takes: "--json" alone, or "--page N" / "--page=N".
struct OptionSpec {
  std::string_view name;
  bool takesValue = false;
};

struct ParsedArguments {
  std::vector<std::string> positionals;
  bool help = false;  // --help or -h

  bool Has(std::string_view option) const { return options_.contains(option); }
  // The value of an option that takes one, when given.
  std::optional<std::string> Value(std::string_view option) const;
  void Set(std::string_view option, std::string value);

 private:
  std::map<std::string, std::string, std::less<>> options_;
};

// Splits a command's arguments into positionals and the options of `known`.
// "--" ends the options; a lone "-" is a positional. Refused, with a one-line
// reason, for an unknown option, a missing value, a value given to a flag, or an
// option given twice.
Result<ParsedArguments> ParseArguments(std::span<const std::string> args,
                                       std::span<const OptionSpec> known);

// A whole number from 1, written in decimal digits only.
std::optional<int> PositiveNumber(std::string_view text);

}  // namespace q5300::cli
