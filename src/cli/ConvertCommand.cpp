// convert INPUT OUTPUT: the window's Import or Open, then its Save or SaveU.
#include "cli/Commands.h"
#include "cli/ImportOptions.h"
#include "cli/Session.h"

namespace q5300::cli {

ExitCode RunConvert(const ParsedArguments& args, Console& console) {
  const std::string& input = args.positionals[0];
  const std::string& output = args.positionals[1];
  if (const auto refused = RefuseUnlessInput(console, "convert", "INPUT", input)) return *refused;
  // The output's extension says what to write; the name is taken as given,
  // in its own case, with nothing appended.
  const auto kind = OutputKindOf(output);
  if (!kind) return UsageError(console, "convert", "OUTPUT must end in .qxk or .qxu: " + output);

  const auto layout = ImportLayoutFor(args, console, "convert", input);
  if (!layout) return ExitCode::Usage;

  OfflineSession session(console.err);
  if (const ExitCode loaded = session->Load(input, *layout); loaded != ExitCode::Success) {
    return loaded;
  }
  return session->bench().files.SaveLabelFile(output, *kind) ? ExitCode::Success
                                                             : ExitCode::BadOutput;
}

}  // namespace q5300::cli
