#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "cli/Arguments.h"
#include "cli/ExitCode.h"

namespace q5300::cli {

// Where a command writes: results to `out`, messages to `err`.
struct Console {
  std::ostream& out;
  std::ostream& err;
};

// A subcommand: its name, what it takes, its help and what runs it.
struct Command {
  std::string_view name;
  std::string_view synopsis;  // "convert INPUT OUTPUT"
  std::string_view summary;   // one line for the program's help
  std::string_view help;      // the rest of the command's --help
  std::span<const OptionSpec> options;
  int positionals = 0;  // exactly this many
  ExitCode (*run)(const ParsedArguments& args, Console& console) = nullptr;
};

ExitCode RunConvert(const ParsedArguments& args, Console& console);
ExitCode RunInfo(const ParsedArguments& args, Console& console);
ExitCode RunPrint(const ParsedArguments& args, Console& console);
ExitCode RunRender(const ParsedArguments& args, Console& console);
ExitCode RunDevices(const ParsedArguments& args, Console& console);
ExitCode RunExport(const ParsedArguments& args, Console& console);

// Every subcommand, in the order the help lists them.
std::span<const Command> Commands();

// Refuses the command line: the reason on one line, with where to find help.
ExitCode UsageError(Console& console, std::string_view command, std::string_view reason);
// That line.
std::string UsageErrorText(std::string_view command, std::string_view reason);
// Refuses the command line when `path` (the argument `label`) names no input
// file the program reads.
std::optional<ExitCode> RefuseUnlessInput(Console& console, std::string_view command,
                                          std::string_view label, const std::string& path);
// "--page 5: the job has 3 pages".
std::string PageBeyondJob(std::string_view option, int page, int pages);

}  // namespace q5300::cli
