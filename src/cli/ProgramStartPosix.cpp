#include "cli/ProgramStart.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <system_error>
#include <vector>

namespace q5300::cli {

std::optional<std::filesystem::path> RunningProgram() {
  // Linux names the running file here, whatever link or relative path started it.
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || self.empty()) return std::nullopt;
  return self;
}

Result<int> RunInstead(const std::filesystem::path& program, std::span<const std::string> args) {
  std::vector<std::string> strings = {program.string()};
  strings.insert(strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  argv.reserve(strings.size() + 1);
  for (std::string& s : strings) argv.push_back(s.data());
  argv.push_back(nullptr);
  // Whatever this process buffered is written before the other one writes.
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  // Taking over the process (rather than starting a child and waiting) keeps
  // the process id: a script's kill or time-out reaches the program itself.
  execv(strings[0].c_str(), argv.data());
  return Message{std::strerror(errno)};
}

}  // namespace q5300::cli
