#pragma once

#include <optional>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/ExitCode.h"

namespace q5300::cli {

// Refuses render's command line as far as it can be judged without the job:
// FILE's and OUTPUT's extensions and the form of --page, each with its usage
// message. q5300-cli judges it before it hands the command to q5300-render, so
// a wrong command line is told the same whether or not the renderer is there.
std::optional<ExitCode> RefuseRenderArguments(const ParsedArguments& args, Console& console);

// The page --page names, from 1, of a command line RefuseRenderArguments let pass.
std::optional<int> RenderPage(const ParsedArguments& args);

}  // namespace q5300::cli
