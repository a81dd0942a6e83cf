#pragma once

namespace q5300::cli {

// What a script learns from the program's exit status.
enum class ExitCode : int {
  Success = 0,
  PrinterFailed =
      1,          // the printer could not be opened, was not ready or failed; or no job went out
  Usage = 2,      // the command line is wrong
  BadInput = 3,   // an input file cannot be read or is malformed
  BadOutput = 4,  // an output file cannot be written
};

inline int ToStatus(ExitCode code) {
  return static_cast<int>(code);
}

}  // namespace q5300::cli
