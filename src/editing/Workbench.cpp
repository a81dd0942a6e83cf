#include "editing/Workbench.h"


namespace q5300 {

Workbench::Workbench(EditingOperator& op, TimerService& timers, Device& device, Clock& clock)
    : pages(document, op),
      panel(document, op),
      files(document, pages, op, popup_),
      timers_(timers),
      link_(device, clock),
      printing(link_, popup_, timers, op, *this) {
  popup_.SetUp();
  document.SetWatcher(&watcher_);
}

Workbench::~Workbench() {
  // USB work under way ends (every transfer has a time-out) before the job it
  // reports to goes.
  link_.worker().Stop();
  timers_.Stop(TimerId::Continue);
  timers_.Stop(TimerId::FinalMessage);
  document.SetWatcher(nullptr);
}

void Workbench::StartUp(bool checkDevice) {
  document.Change([](JobEdit& e) {
    e.SetHeaderCheck(CheckedBox);
    e.SetCurrentPage(-1);
  });
  pages.Add();
  // The first page is where the job starts, not a change to take back.
  document.Started();
  if (checkDevice) printing.CheckDevice();
}

PageOrder Workbench::Order() const {
  return document.Order();
}

CompiledJob Workbench::CompileForPacket() const {
  // The whole job: the packet is checked against the job's image limit.
  return document.Compile(RebuildMode::PrinterMode);
}

}  // namespace q5300
