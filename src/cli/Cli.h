#pragma once

#include <ostream>
#include <span>
#include <string>

namespace q5300::cli {

// The whole program: the arguments after the program's name; results to `out`,
// messages to `err`. Returns the exit status.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace q5300::cli
