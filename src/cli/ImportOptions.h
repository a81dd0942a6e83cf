#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Arguments.h"
#include "files/ImportLayout.h"

namespace q5300::cli {

struct Console;

// The options of every command that takes in an import file: which columns
// make line 1, line 2 and the repeat count, a fixed count, a header row and a
// page per wire end. Nothing of them is kept between runs.
//   --columns L1[,L2[,R]]   column numbers from 1; an L2 of 0 is no line 2; what
//                           is left out is not read (no line 2, no repeat column)
//   --repeat N              every page N times, 1..200
//   --header                the first row with text names the columns
//   --wire-ends C           a second page per row, line 2 from column C
//   --separator S           comma, semicolon or tab between a text file's fields
// Without --columns and --repeat the columns are 1, 2 and 3 as always; --repeat
// alone reads line 1 and line 2 from columns 1 and 2.
// As a command's usage line names them.
inline constexpr std::string_view ImportSynopsis =
    "[--columns L1,L2,R] [--repeat N] [--header] [--wire-ends C] [--separator S]";
inline constexpr OptionSpec ImportOptions[] = {{"--columns", true},
                                               {"--repeat", true},
                                               {"--header", false},
                                               {"--wire-ends", true},
                                               {"--separator", true}};

// The command takes the import options.
bool TakesImportOptions(std::span<const OptionSpec> options);

// The layout the options of `args` give, or the reason they are refused.
Result<ImportLayout> ImportLayoutOf(const ParsedArguments& args);

// The layout for taking in `path`, a file the command's INPUT may be; nullopt
// after a usage error was told: a value the options refuse, or an option given
// for a label file.
std::optional<ImportLayout> ImportLayoutFor(const ParsedArguments& args, Console& console,
                                            std::string_view command, const std::string& path);

// The import options given, as a command line gives them again ("--columns",
// "1,2", "--header").
std::vector<std::string> GivenImportOptions(const ParsedArguments& args);

}  // namespace q5300::cli
