#pragma once

// The window's workbench with quiet stand-ins around it, for fuzz targets that
// follow a file into the job: nobody answers a question, the printer is the
// virtual one, time moves only when told.
#include <optional>
#include <string>

#include "editing/EditingOperator.h"
#include "editing/Headless.h"
#include "editing/Workbench.h"
#include "printer/Clock.h"
#include "printer/TimerQueue.h"
#include "printer/VirtualPrinter.h"

namespace q5300::fuzz {

class QuietOperator final : public EditingOperator {
 public:
  void Tell(const Message& /*message*/) override {}
  bool AskYesNo(const Message& /*question*/) override { return true; }
  std::size_t Choose(const Message& /*question*/,
                     const std::vector<Phrase>& /*answers*/) override {
    return 0;
  }
  std::optional<std::string> ChooseFile(const FileDialog& /*dialog*/) override {
    return std::nullopt;
  }
  bool RunNumberingDialog(NumberingChoice& /*dialog*/) override { return false; }
  bool RunSymbolPicker(SymbolChoice& /*picker*/) override { return false; }
  bool RunColumnChoice(ColumnChoice& /*choice*/) override { return false; }
  SaveAnswer AskSaveChanges(const Message& /*question*/) override { return SaveAnswer::Discard; }
};

// A window just started: one empty page, the settings of a new run.
struct FuzzWorkbench {
  FuzzWorkbench() {
    bench.document.SetView(&view);
    bench.StartUp(/*checkDevice=*/false);
  }
  QuietOperator op;
  PreviewCatcher view;
  ManualClock clock;
  TimerQueue timers{clock};
  VirtualPrinter printer{clock};
  Workbench bench{op, timers, printer, clock};
};

}  // namespace q5300::fuzz
