// q5300-cli: the control program's jobs from the command line. Also q5300-render,
// the same program with the window's painter, to which q5300-cli hands render.
#include <iostream>
#include <string>
#include <vector>

#include "cli/Cli.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return q5300::cli::RunCli(args, std::cout, std::cerr);
}
