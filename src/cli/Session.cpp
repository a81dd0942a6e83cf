#include "cli/Session.h"

#include <algorithm>

#include "data/AsciiText.h"
#include "files/FileIo.h"

namespace q5300::cli {
namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// Why `path` cannot be read at all, or nothing. (The engine would say it too,
// with a diagnostic line besides; a script wants one line.) The check opens the
// file as the engine does, so a name that changes hands meanwhile never makes
// either wait.
std::optional<std::string> WhyUnreadable(const std::string& path) {
  const auto file = OpenRegularFile(path);
  if (!file) return file.failure().text;
  return std::nullopt;
}

}  // namespace

std::string OneLine(std::string_view text) {
  std::string line;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view part = Trim(text.substr(start, end - start));
    if (!part.empty()) {
      // A sentence that ends runs on after a blank; a headline or a file name
      // is followed by what it introduces.
      if (!line.empty()) {
        line += std::string_view(".!?,:;").find(line.back()) != std::string_view::npos ? " " : ": ";
      }
      line += part;
    }
    start = end + 1;
  }
  return line;
}

void Say(std::ostream& err, std::string_view text) {
  err << ProgramName << ": " << text << '\n';
  err.flush();
}

void CliOperator::Tell(const Message& message) {
  Say(err_, OneLine(message.text));
}

bool CliOperator::AskYesNo(const Message& /*question*/) {
  return true;
}

std::size_t CliOperator::Choose(const Message& question, const std::vector<Phrase>& /*answers*/) {
  Tell(question);
  return 0;
}

std::optional<std::string> CliOperator::ChooseFile(const FileDialog& /*dialog*/) {
  return file_;
}

bool CliOperator::RunNumberingDialog(NumberingChoice& /*dialog*/) {
  return false;
}

bool CliOperator::RunSymbolPicker(SymbolChoice& /*picker*/) {
  return false;
}

// The command line names its columns in its options and never asks.
bool CliOperator::RunColumnChoice(ColumnChoice& /*choice*/) {
  return false;
}

SaveAnswer CliOperator::AskSaveChanges(const Message& /*question*/) {
  return SaveAnswer::Discard;
}

namespace {

constexpr std::pair<InputKind, const char*> kInputFormats[] = {
    {InputKind::Csv, "csv"}, {InputKind::Txt, "txt"}, {InputKind::Xlsx, "xlsx"},
    {InputKind::Ods, "ods"}, {InputKind::Qxk, "qxk"}, {InputKind::Qxu, "qxu"},
};

}  // namespace

std::optional<InputKind> InputKindOf(std::string_view path) {
  for (const auto& [kind, name] : kInputFormats) {
    if (EndsWithNoCase(path, std::string(".") + name)) return kind;
  }
  return std::nullopt;
}

const char* InputFormatName(InputKind kind) {
  for (const auto& [known, name] : kInputFormats) {
    if (known == kind) return name;
  }
  return "";
}

std::optional<LabelFileKind> OutputKindOf(std::string_view path) {
  if (EndsWithNoCase(path, ".qxk")) return LabelFileKind::Qxk;
  if (EndsWithNoCase(path, ".qxu")) return LabelFileKind::Qxu;
  return std::nullopt;
}

Session::Session(std::ostream& err, Device& device, Clock& clock, TimerService& timers)
    : err_(err), op_(err), bench_(op_, timers, device, clock) {
  bench_.document.SetView(&view_);
  bench_.StartUp(/*checkDevice=*/false);
}

ExitCode Session::Load(const std::string& path, const ImportLayout& layout) {
  const auto kind = InputKindOf(path);
  if (!kind) {
    Say(err_, "the input " + path + " is not a " + std::string(InputExtensions) + " file");
    return ExitCode::Usage;
  }
  // The reason a file cannot be read at all is said here, the same way for
  // every kind of file; what is wrong inside a file the engine says.
  if (const auto why = WhyUnreadable(path)) {
    Say(err_, "cannot read " + path + ": " + *why);
    return ExitCode::BadInput;
  }
  op_.SetFile(path);
  const bool label = *kind == InputKind::Qxk || *kind == InputKind::Qxu;
  // The command line names its columns in its options and never asks.
  const bool taken = label ? bench_.files.OpenLabelFile(path, /*discard=*/true)
                           : bench_.files.ImportFile(path, layout);
  return taken ? ExitCode::Success : ExitCode::BadInput;
}

}  // namespace q5300::cli
