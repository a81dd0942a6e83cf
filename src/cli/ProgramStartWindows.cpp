#include "cli/ProgramStart.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <climits>
#include <cstdio>
#include <iostream>
#include <string_view>

#include "files/WideText.h"

// Windows has no call that lets another program take over a process: the
// program runs as a child, and a job object ends it with this process, so that
// stopping this one stops the work as it does on POSIX.

namespace q5300::cli {
namespace {

// Arguments arrive as UTF-8, as file names do everywhere in the program.
using fileio::Wide;

std::string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string narrow = "Windows error " + std::to_string(code);
  if (length > 0 && length <= INT_MAX) {
    std::wstring_view wide(text, length);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.')) {
      wide.remove_suffix(1);
    }
    const int size = static_cast<int>(wide.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (bytes > 0) {
      narrow.assign(static_cast<std::size_t>(bytes), '\0');
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, narrow.data(), bytes, nullptr, nullptr);
    }
  }
  if (text != nullptr) LocalFree(text);
  return narrow;
}

// One argument as the C runtime of the child splits its command line again:
// quoted when it holds a blank or a quote, with the backslashes before a quote
// doubled.
std::wstring Quoted(std::wstring_view arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring_view::npos) {
    return std::wstring(arg);
  }
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted.push_back(c);
  }
  quoted.append(backslashes * 2, L'\\');
  quoted.push_back(L'"');
  return quoted;
}

}  // namespace

std::optional<std::filesystem::path> RunningProgram() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return std::nullopt;
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name);
    }
    if (name.size() >= 32768) return std::nullopt;
    name.resize(name.size() * 2);
  }
}

Result<int> RunInstead(const std::filesystem::path& program, std::span<const std::string> args) {
  std::wstring commandLine = Quoted(program.wstring());
  for (const std::string& arg : args) {
    const auto wide = Wide(arg);
    if (!wide) return Message{"an argument is not UTF-8: " + arg};
    commandLine += L' ';
    commandLine += Quoted(*wide);
  }
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION child{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                      nullptr, nullptr, &startup, &child)) {
    return Message{SystemMessage(GetLastError())};
  }
  // Without a job object the child merely outlives a killed parent.
  const HANDLE job = CreateJobObjectW(nullptr, nullptr);
  if (job != nullptr) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    AssignProcessToJobObject(job, child.hProcess);
  }
  ResumeThread(child.hThread);
  CloseHandle(child.hThread);
  WaitForSingleObject(child.hProcess, INFINITE);
  DWORD status = 1;
  GetExitCodeProcess(child.hProcess, &status);
  CloseHandle(child.hProcess);
  if (job != nullptr) CloseHandle(job);
  return static_cast<int>(status);
}

}  // namespace q5300::cli
