#include "cli/Arguments.h"

#include <algorithm>
#include <charconv>

namespace q5300::cli {

std::optional<std::string> ParsedArguments::Value(std::string_view option) const {
  const auto it = options_.find(option);
  if (it == options_.end()) return std::nullopt;
  return it->second;
}

void ParsedArguments::Set(std::string_view option, std::string value) {
  options_.insert_or_assign(std::string(option), std::move(value));
}

Result<ParsedArguments> ParseArguments(std::span<const std::string> args,
                                       std::span<const OptionSpec> known) {
  ParsedArguments parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      parsed.positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      parsed.help = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string_view name = std::string_view(arg).substr(0, equals);
    const auto spec = std::find_if(known.begin(), known.end(),
                                   [&](const OptionSpec& o) { return o.name == name; });
    if (spec == known.end()) return Message{"unknown option " + std::string(name)};
    if (parsed.Has(name)) return Message{std::string(name) + " is given twice"};
    if (!spec->takesValue) {
      if (equals != std::string::npos) return Message{std::string(name) + " takes no value"};
      parsed.Set(name, "");
      continue;
    }
    if (equals != std::string::npos) {
      parsed.Set(name, arg.substr(equals + 1));
    } else if (i + 1 < args.size()) {
      parsed.Set(name, args[++i]);
    } else {
      return Message{std::string(name) + " needs a value"};
    }
  }
  return parsed;
}

std::optional<int> PositiveNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1) return std::nullopt;
  return value;
}

}  // namespace q5300::cli
