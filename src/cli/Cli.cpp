#include "cli/Cli.h"

#include <algorithm>

#include "cli/Commands.h"
#include "cli/ImportOptions.h"
#include "cli/Session.h"

#ifndef Q5300_VERSION
#define Q5300_VERSION "0"
#endif

namespace q5300::cli {
namespace {

constexpr std::string_view ExitStatusHelp =
    "Exit status:\n"
    "  0  success\n"
    "  1  the printer could not be opened, was not ready or failed, or the job had\n"
    "     nothing to print (the printer's message on standard error)\n"
    "  2  wrong usage\n"
    "  3  an input file cannot be read or is malformed (with the reason)\n"
    "  4  an output file cannot be written\n";

void ProgramHelp(std::ostream& out) {
  out << "Usage: " << ProgramName << " COMMAND ARGUMENTS...\n"
      << "       " << ProgramName << " COMMAND --help\n"
      << "       " << ProgramName << " --version\n\n"
      << "The Q5300 control program without its window: the jobs of the toolbar for\n"
         "scripts, on the same engine and starting from the same settings.\n\n"
         "Commands:\n";
  std::size_t width = 0;
  for (const Command& c : Commands()) width = std::max(width, c.synopsis.size());
  for (const Command& c : Commands()) {
    out << "  " << c.synopsis << std::string(width + 2 - c.synopsis.size(), ' ') << c.summary
        << '\n';
  }
  out << "\nconvert, info, print, render and export take the columns of an import file\n"
         "from options too: "
      << ImportSynopsis << "\n"
      << "\nMessages go to standard error; results to standard output or the named file.\n\n"
      << ExitStatusHelp;
}

void CommandHelp(std::ostream& out, const Command& c) {
  out << "Usage: " << ProgramName << ' ' << c.synopsis;
  if (TakesImportOptions(c.options)) out << ' ' << ImportSynopsis;
  out << "\n\n" << c.help << '\n' << ExitStatusHelp;
}

const Command* Find(std::string_view name) {
  const auto commands = Commands();
  const auto it = std::find_if(commands.begin(), commands.end(),
                               [&](const Command& c) { return c.name == name; });
  return it == commands.end() ? nullptr : &*it;
}

ExitCode Dispatch(std::span<const std::string> args, Console& console) {
  if (args.empty()) {
    ProgramHelp(console.err);
    return ExitCode::Usage;
  }
  const std::string& first = args[0];
  if (first == "--help" || first == "-h") {
    ProgramHelp(console.out);
    return ExitCode::Success;
  }
  if (first == "--version") {
    console.out << ProgramName << ' ' << Q5300_VERSION << '\n';
    return ExitCode::Success;
  }
  if (first == "help") {
    if (args.size() == 1) {
      ProgramHelp(console.out);
      return ExitCode::Success;
    }
    if (args.size() > 2) return UsageError(console, "", "help takes one command name");
    const Command* command = Find(args[1]);
    if (command == nullptr) return UsageError(console, "", "unknown command " + args[1]);
    CommandHelp(console.out, *command);
    return ExitCode::Success;
  }
  const Command* command = Find(first);
  if (command == nullptr) {
    return UsageError(console, "",
                      (first.starts_with("-") ? "unknown option " : "unknown command ") + first);
  }
  const auto parsed = ParseArguments(args.subspan(1), command->options);
  if (!parsed) return UsageError(console, command->name, parsed.failure().text);
  if (parsed->help) {
    CommandHelp(console.out, *command);
    return ExitCode::Success;
  }
  const auto given = static_cast<int>(parsed->positionals.size());
  if (given != command->positionals) {
    return UsageError(console, command->name,
                      given < command->positionals ? "too few arguments" : "too many arguments");
  }
  return command->run(*parsed, console);
}

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Console console{out, err};
  ExitCode code = Dispatch(args, console);
  out.flush();
  if (!out && code == ExitCode::Success) {
    Say(err, "the results could not be written to standard output");
    code = ExitCode::BadOutput;
  }
  return ToStatus(code);
}

}  // namespace q5300::cli
