#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/ExitCode.h"
#include "editing/EditingOperator.h"
#include "editing/Headless.h"
#include "editing/Workbench.h"
#include "files/ImportLayout.h"
#include "files/LabelFile.h"
#include "preview/PreviewSnapshot.h"
#include "printer/Clock.h"
#include "printer/Device.h"
#include "printer/TimerQueue.h"
#include "printer/TimerService.h"
#include "printer/VirtualPrinter.h"

namespace q5300::cli {

inline constexpr std::string_view ProgramName = "q5300-cli";

// A message of the program on one line: the line breaks of an operator message
// (headline, file, reason) become separators.
std::string OneLine(std::string_view text);
// Writes "q5300-cli: TEXT" and a line break.
void Say(std::ostream& err, std::string_view text);

// The operator is whoever reads standard error: every message goes there, on a
// line of its own. A file dialog is answered with the file of the command line;
// a question with Yes, so that opening a file starts from an empty job.
class CliOperator final : public EditingOperator {
 public:
  explicit CliOperator(std::ostream& err) : err_(err) {}

  void Tell(const Message& message) override;
  bool AskYesNo(const Message& question) override;
  // The default answer: nobody is there to pick another.
  std::size_t Choose(const Message& question, const std::vector<Phrase>& answers) override;
  std::optional<std::string> ChooseFile(const FileDialog& dialog) override;
  bool RunNumberingDialog(NumberingChoice& dialog) override;
  bool RunSymbolPicker(SymbolChoice& picker) override;
  bool RunColumnChoice(ColumnChoice& choice) override;
  SaveAnswer AskSaveChanges(const Message& question) override;

  void SetFile(std::string path) { file_ = std::move(path); }

 private:
  std::ostream& err_;
  std::optional<std::string> file_;
};

// Import files (text or a spreadsheet) and label files.
enum class InputKind { Csv, Txt, Xlsx, Ods, Qxk, Qxu };
// By the extension, in any case: ".csv", ".txt", ".xlsx", ".ods", ".qxk", ".qxu".
std::optional<InputKind> InputKindOf(std::string_view path);
// "csv", "txt", "xlsx", "ods", "qxk", "qxu".
const char* InputFormatName(InputKind kind);
// The extensions an input may have, for messages.
inline constexpr std::string_view InputExtensions = ".csv, .txt, .xlsx, .ods, .qxk or .qxu";
std::optional<LabelFileKind> OutputKindOf(std::string_view path);

// The window's workbench with stand-ins for the window around it. It starts
// as the window does: the settings and page defaults of a new run and one empty
// page; the device is looked for only when a job is printed.
class Session {
 public:
  Session(std::ostream& err, Device& device, Clock& clock, TimerService& timers);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Workbench& bench() { return bench_; }
  CliOperator& op() { return op_; }
  const PreviewCatcher& view() const { return view_; }

  // Takes in INPUT as the window's Import (.csv, .txt, .xlsx, .ods) or Open
  // (.qxk, .qxu) does, an import file with the columns `layout` picks.
  // Usage for another extension, BadInput (told why) for a file that cannot be
  // read or is refused.
  ExitCode Load(const std::string& path, const ImportLayout& layout = {});

 private:
  std::ostream& err_;
  CliOperator op_;
  PreviewCatcher view_;
  Workbench bench_;
};

// A session for the commands that print nothing: the device is never opened and
// no timer fires.
class OfflineSession {
 public:
  explicit OfflineSession(std::ostream& err) : session_(err, device_, clock_, timers_) {}
  Session& operator*() { return session_; }
  Session* operator->() { return &session_; }

 private:
  SystemClock clock_;
  VirtualPrinter device_{clock_};
  TimerQueue timers_{clock_};
  Session session_;
};

}  // namespace q5300::cli
