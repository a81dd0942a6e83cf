#include "cli/ImportOptions.h"

#include <algorithm>

#include "cli/Commands.h"
#include "cli/Session.h"
#include "data/JobSettings.h"

namespace q5300::cli {
namespace {

// A column number from 1 to MaxImportColumns, as the layout counts it (from 0).
std::optional<int> Column(std::string_view text) {
  const auto number = PositiveNumber(text);
  if (!number || *number > MaxImportColumns) return std::nullopt;
  return *number - 1;
}

std::optional<ImportSeparator> SeparatorNamed(std::string_view name) {
  if (name == "comma" || name == ",") return ImportSeparator::Comma;
  if (name == "semicolon" || name == ";") return ImportSeparator::Semicolon;
  if (name == "tab" || name == "\t") return ImportSeparator::Tab;
  return std::nullopt;
}

std::string Columns() {
  return "a column from 1 to " + std::to_string(MaxImportColumns);
}

}  // namespace

bool TakesImportOptions(std::span<const OptionSpec> options) {
  return std::any_of(options.begin(), options.end(),
                     [](const OptionSpec& option) { return option.name == ImportOptions[0].name; });
}

Result<ImportLayout> ImportLayoutOf(const ParsedArguments& args) {
  ImportLayout layout;
  const auto columns = args.Value("--columns");
  const auto repeat = args.Value("--repeat");
  if (columns) {
    std::vector<std::string_view> parts;
    std::string_view rest = *columns;
    for (;;) {
      const std::size_t comma = rest.find(',');
      parts.push_back(rest.substr(0, comma));
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
    const std::string given = "--columns " + *columns + ": ";
    if (parts.size() > 3) return Message{given + "at most three columns, L1[,L2[,R]]"};
    const auto line1 = Column(parts[0]);
    if (!line1) return Message{given + "line 1 is " + Columns()};
    layout.line1Column = *line1;
    layout.line2Column = ImportLayout::None;
    layout.repeatColumn = ImportLayout::None;
    if (parts.size() > 1 && parts[1] != "0") {
      const auto line2 = Column(parts[1]);
      if (!line2) return Message{given + "line 2 is " + Columns() + ", or 0 for none"};
      layout.line2Column = *line2;
    }
    if (parts.size() > 2) {
      const auto count = Column(parts[2]);
      if (!count) return Message{given + "the repeat count is " + Columns()};
      if (repeat) {
        return Message{"--repeat " + *repeat + " and a repeat count column in --columns " +
                       *columns + ": give one of them"};
      }
      layout.repeatColumn = *count;
    }
  } else if (repeat) {
    layout.repeatColumn = ImportLayout::None;
  }
  if (repeat) {
    const auto count = PositiveNumber(*repeat);
    if (!count || *count > MaxRepeat) {
      return Message{"--repeat " + *repeat + ": a repeat count from 1 to " +
                     std::to_string(MaxRepeat)};
    }
    layout.fixedRepeatCount = static_cast<uint16_t>(*count);
  }
  layout.header = args.Has("--header");
  if (const auto other = args.Value("--wire-ends")) {
    const auto column = Column(*other);
    if (!column) return Message{"--wire-ends " + *other + ": the other wire end is " + Columns()};
    layout.otherEndColumn = *column;
  }
  if (const auto separator = args.Value("--separator")) {
    const auto named = SeparatorNamed(*separator);
    if (!named) return Message{"--separator " + *separator + ": comma, semicolon or tab"};
    layout.separator = *named;
  }
  if (const Status checked = CheckImportLayout(layout); !checked) return checked.failure();
  return layout;
}

std::optional<ImportLayout> ImportLayoutFor(const ParsedArguments& args, Console& console,
                                            std::string_view command, const std::string& path) {
  const auto layout = ImportLayoutOf(args);
  if (!layout) {
    UsageError(console, command, layout.failure().text);
    return std::nullopt;
  }
  const auto kind = InputKindOf(path);
  if (kind == InputKind::Qxk || kind == InputKind::Qxu) {
    for (const OptionSpec& option : ImportOptions) {
      const std::string_view name = option.name;
      if (!args.Has(name)) continue;
      UsageError(
          console, command,
          std::string(name) + " is for an import file (.csv, .txt, .xlsx, .ods), not a label file");
      return std::nullopt;
    }
  }
  return *layout;
}

std::vector<std::string> GivenImportOptions(const ParsedArguments& args) {
  std::vector<std::string> given;
  for (const OptionSpec& option : ImportOptions) {
    const auto value = args.Value(option.name);
    if (!value) continue;
    given.emplace_back(option.name);
    if (option.takesValue) given.push_back(*value);
  }
  return given;
}

}  // namespace q5300::cli
