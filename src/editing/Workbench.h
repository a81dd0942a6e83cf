#pragma once

#include "editing/EditingOperator.h"
#include "editing/FileCommands.h"
#include "editing/JobDocument.h"
#include "editing/PageCommands.h"
#include "editing/PanelCommands.h"
#include "editing/PrintController.h"
#include "editing/StatusPopup.h"
#include "printer/Clock.h"
#include "printer/Device.h"
#include "printer/PrinterLink.h"
#include "printer/TimerService.h"

namespace q5300 {

// Where a job is worked on, by the window or a script: the job document and the
// commands on it, grouped by what they work on, wired together. It holds no
// rule of its own; callers use the part they need.
class Workbench final : private PrintSource {
 public:
  Workbench(EditingOperator& op, TimerService& timers, Device& device, Clock& clock);
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;
  ~Workbench() override;

  // The heading's check box and the first empty page, saved as it is; and,
  // unless the window does it once it shows, the start-up device check.
  void StartUp(bool checkDevice = true);

  JobDocument document;
  PageCommands pages;
  PanelCommands panel;
  FileCommands files;

  // What the status popup shows of a long operation (printing, importing), for
  // the window to display and the stop button to act on; nothing of the job.
  StatusPopup& popup() { return popup_; }

 private:
  // PrintSource
  PageOrder Order() const override;
  CompiledJob CompileForPacket() const override;
  const JobSettings& Settings() const override { return document.job().settings; }

  TimerService& timers_;
  PrinterLink link_;
  StatusPopup popup_;

 public:
  // Declared after what it drives.
  PrintController printing;

 private:
  // The print job ends when another job takes the place of its pages.
  class Watcher final : public PageWatcher {
   public:
    explicit Watcher(PrintController& printing) : printing_(printing) {}
    void JobReplaced() override { printing_.JobReplaced(); }

   private:
    PrintController& printing_;
  };
  Watcher watcher_{printing};
};

}  // namespace q5300
