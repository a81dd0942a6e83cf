// render, as q5300-cli runs it: the command line is checked here, and the
// drawing is handed to q5300-render, the same program with the window's
// painter linked in. Only that program loads the toolkit, so every other
// command starts without it. A build without the window has no painter:
// render checks its command line and says that it is missing.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Commands.h"
#include "cli/ImportOptions.h"
#include "cli/ProgramStart.h"
#include "cli/RenderArguments.h"
#include "cli/Session.h"

#ifndef Q5300_RENDERER_NAME
#define Q5300_RENDERER_NAME "q5300-render"
#endif
// Where an installation puts the renderer, relative to the folder of q5300-cli.
#ifndef Q5300_RENDERER_FROM_BIN
#define Q5300_RENDERER_FROM_BIN "../libexec/q5300"
#endif

namespace q5300::cli {

#ifdef Q5300_WITHOUT_RENDERER

ExitCode RunRender(const ParsedArguments& args, Console& console) {
  if (const auto refused = RefuseRenderArguments(args, console)) return *refused;
  Say(console.err, "cannot draw " + args.positionals[1] + ": render is missing from this " +
                       std::string(ProgramName) +
                       ", which was built without the window whose painter draws the strip");
  return ExitCode::BadOutput;
}

#else

namespace {

namespace fs = std::filesystem;

// Beside q5300-cli first (the build tree, or a folder holding both), then
// where an installation puts it.
std::vector<fs::path> RendererPlaces(const fs::path& program) {
  const fs::path folder = program.parent_path();
  return {folder / Q5300_RENDERER_NAME,
          (folder / Q5300_RENDERER_FROM_BIN / Q5300_RENDERER_NAME).lexically_normal()};
}

std::string Listed(const std::vector<fs::path>& places) {
  std::string text;
  for (const fs::path& place : places) {
    if (!text.empty()) text += " or ";
    text += place.string();
  }
  return text;
}

// The command line q5300-render parses as this one was parsed.
std::vector<std::string> RendererArguments(const ParsedArguments& args) {
  std::vector<std::string> given = {"render"};
  if (const auto page = args.Value("--page")) given.insert(given.end(), {"--page", *page});
  const std::vector<std::string> import = GivenImportOptions(args);
  given.insert(given.end(), import.begin(), import.end());
  given.push_back("--");
  given.insert(given.end(), args.positionals.begin(), args.positionals.end());
  return given;
}

}  // namespace

ExitCode RunRender(const ParsedArguments& args, Console& console) {
  if (const auto refused = RefuseRenderArguments(args, console)) return *refused;
  const std::string& output = args.positionals[1];
  const auto program = RunningProgram();
  if (!program) {
    Say(console.err, "cannot draw " + output + ": the system does not say where " +
                         std::string(ProgramName) + " runs from, where " + Q5300_RENDERER_NAME +
                         " is looked for");
    return ExitCode::BadOutput;
  }
  const std::vector<fs::path> places = RendererPlaces(*program);
  for (const fs::path& place : places) {
    std::error_code error;
    if (!fs::is_regular_file(place, error)) continue;
    console.out.flush();
    console.err.flush();
    const Result<int> status = RunInstead(place, RendererArguments(args));
    if (!status) {
      Say(console.err, "cannot draw " + output + ": " + place.string() +
                           " does not start: " + status.failure().text);
      return ExitCode::BadOutput;
    }
    return static_cast<ExitCode>(*status);
  }
  Say(console.err, "cannot draw " + output + ": " + std::string(Q5300_RENDERER_NAME) +
                       ", which draws for " + std::string(ProgramName) + ", is not installed (" +
                       Listed(places) + ")");
  return ExitCode::BadOutput;
}

#endif

}  // namespace q5300::cli
