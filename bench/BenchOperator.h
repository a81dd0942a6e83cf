#pragma once

// A workbench in a benchmark: no one to ask, no window to show, the manual clock
// and the virtual printer.
#include <optional>
#include <string>

#include "editing/Workbench.h"
#include "printer/Clock.h"
#include "printer/TimerQueue.h"
#include "printer/VirtualPrinter.h"

namespace q5300::bench {

// Shows nothing; answers every file dialog with one file (cancels it while there
// is none) and every question the same way.
class ScriptedOperator final : public EditingOperator {
 public:
  std::string file;
  bool yes = true;
  int told = 0;
  void Tell(const Message&) override { ++told; }
  bool AskYesNo(const Message&) override { return yes; }
  std::size_t Choose(const Message&, const std::vector<Phrase>&) override { return 0; }
  std::optional<std::string> ChooseFile(const FileDialog&) override {
    if (file.empty()) return std::nullopt;
    return file;
  }
  bool RunNumberingDialog(NumberingChoice&) override { return false; }
  bool RunSymbolPicker(SymbolChoice&) override { return false; }
  bool RunColumnChoice(ColumnChoice&) override { return false; }
  SaveAnswer AskSaveChanges(const Message&) override { return SaveAnswer::Stay; }
};

struct BenchWorkbench {
  ScriptedOperator op;
  ManualClock clock;
  TimerQueue timers{clock};
  VirtualPrinter printer{clock};
  Workbench bench{op, timers, printer, clock};
};

inline std::u16string Digits(int value) {
  const std::string s = std::to_string(value);
  return std::u16string(s.begin(), s.end());
}

}  // namespace q5300::bench
