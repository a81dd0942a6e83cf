#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "data/Result.h"

// Starting another program of this installation: the only place the command-line
// program speaks to the system about processes (ProgramStartPosix.cpp,
// ProgramStartWindows.cpp).
namespace q5300::cli {

// The file of the running program, links resolved, when the system tells it.
std::optional<std::filesystem::path> RunningProgram();

// Runs `program` with `args` (after its name) in place of this one: its exit
// status, its output and any signal that ends it are this process's. On POSIX
// the program takes over this process and the call comes back only when it
// could not be started; on Windows it runs as a child with the same standard
// streams and its exit status is returned. The failure says why.
Result<int> RunInstead(const std::filesystem::path& program, std::span<const std::string> args);

}  // namespace q5300::cli
