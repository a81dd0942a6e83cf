#include "cli/RenderArguments.h"

#include "cli/ImportOptions.h"
#include "data/AsciiText.h"

namespace q5300::cli {

std::optional<ExitCode> RefuseRenderArguments(const ParsedArguments& args, Console& console) {
  const std::string& file = args.positionals[0];
  const std::string& output = args.positionals[1];
  if (const auto refused = RefuseUnlessInput(console, "render", "FILE", file)) return *refused;
  if (!EndsWithNoCase(output, ".png")) {
    return UsageError(console, "render", "OUTPUT must end in .png: " + output);
  }
  if (const auto given = args.Value("--page"); given && !PositiveNumber(*given)) {
    return UsageError(console, "render", "--page takes a page number from 1: " + *given);
  }
  if (!ImportLayoutFor(args, console, "render", file)) return ExitCode::Usage;
  return std::nullopt;
}

std::optional<int> RenderPage(const ParsedArguments& args) {
  const auto given = args.Value("--page");
  return given ? PositiveNumber(*given) : std::nullopt;
}

}  // namespace q5300::cli
