#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace q5300::cli::test {

struct ProgramResult {
  int status = -1;  // the exit status; -1 when the program did not exit by itself
  int signal = 0;   // the signal that ended it, if one did
  std::string out;
  std::string err;
};

// Runs the built q5300-cli as a script would: its own process, with `args`
// after the program name. `environment` sets (a value) or removes (nothing)
// variables of the test's own environment for the run.
ProgramResult RunProgram(const std::vector<std::string>& args,
                         const std::map<std::string, std::optional<std::string>>& environment = {});

// Any program, the same way; in `workingDirectory` when one is given.
ProgramResult RunProgramAt(
    const std::filesystem::path& path, const std::vector<std::string>& args,
    const std::map<std::string, std::optional<std::string>>& environment = {},
    const std::filesystem::path& workingDirectory = {});

// The program's path, as the build made it.
std::filesystem::path ProgramPath();
// The path of q5300-render, which draws for it, as the build made it.
std::filesystem::path RendererPath();

}  // namespace q5300::cli::test
