#include "printer/PrintJob.h"

#include <algorithm>

#include "compile/PrintPacket.h"

namespace q5300 {
namespace {
constexpr const char* NoPrinterMessage =
    "Unsuccessfully to open the serial port,\rmake sure that the printer has the correct connect "
    "to the PC!";
constexpr const char* LinkFailedMessage = "시리얼 포트 오류!";
constexpr const char* NotReadyMessage = "PC가 사용중입니다!";
constexpr const char* SendingText = "인쇄 데이터 전송중...";
// The printer answered "busy" at a continuation: it is asked again at every
// interval until it is ready or the operator stops the job.
constexpr const char* WaitingForPrinterText = "PC가 사용중입니다! 준비되면 계속 인쇄합니다...";

std::string Range(int from, int to) {
  return from == to ? std::to_string(from) : std::to_string(from) + "–" + std::to_string(to);
}

constexpr const char* VirtualPrinterHint =
    "No Q5300 was found on USB.\rTo try the program without the printer, start it with the "
    "virtual printer, which answers like a ready printer and keeps what it receives in a "
    "folder:\r\rQ5300_DEVICE=virtual:/tmp/q5300-out q5300\r\rThe labels it would print are "
    "listed in /tmp/q5300-out/labels.txt.";

// Looks for the printer and reads its identity; the device goes back closed so
// the link can open it.
OpenResult LookForPrinter(Device& device) {
  OpenResult result = device.Open();
  if (!result.ok()) return result;
  device.UsbId();
  device.Close();
  return result;
}
}  // namespace

std::string SentReport(int firstNotSent, int pageCount) {
  if (pageCount <= 0) return {};
  const int first = std::clamp(firstNotSent, 0, pageCount);
  if (first == pageCount)
    return (pageCount == 1 ? "Page " : "Pages ") + Range(1, pageCount) + " sent.";
  if (first == 0) return (pageCount == 1 ? "Page " : "Pages ") + Range(1, pageCount) + " not sent.";
  return (first == 1 ? "Page " : "Pages ") + Range(1, first) + " sent, " +
         Range(first + 1, pageCount) + " not sent.";
}

// What the start of a job found: the device check (on the first job of a run),
// the opening of the link and the printer's answer.
struct PrintJob::Started {
  bool checkRan = false;
  OpenResult check;
  bool opened = false;
  OpenResult open;
  bool ready = false;
};

// What a packet's turn found: the printer's answer, and what became of the packet.
struct PrintJob::Continued {
  bool ready = false;
  bool gone = false;  // the printer went away and did not come back at its place
  bool lost = false;  // the printer went away while the packet was written
  PacketOutcome outcome;
};

PrintJob::PrintJob(PrinterLink& link, StatusPopup& popup, TimerService& timers, Operator& op,
                   PrintSource& source)
    : link_(link), popup_(popup), timers_(timers), op_(op), source_(source) {
  popup_.SetStopHandler([this] { StopPressed(); });
}

void PrintJob::TellOpenDetail(const OpenResult& result) {
  // A printer that is there but may not be opened needs another fix than a
  // printer that is missing; say which.
  if (result.status == OpenStatus::NoPermission || result.status == OpenStatus::Failed) {
    if (!result.detail.empty()) {
      op_.Tell(Message{result.detail, ApplicationTitle, MessageIcon::Warning});
    }
  }
}

void PrintJob::TellNoPrinter(const OpenResult& result) {
  op_.Tell(Message{NoPrinterMessage, ApplicationTitle, MessageIcon::Warning});
  TellOpenDetail(result);
  // Nothing on USB at all: the program can still be tried without a printer.
  if (result.status == OpenStatus::NoDevice)
    op_.Tell(Message{VirtualPrinterHint, ApplicationTitle});
}

void PrintJob::NotePrinter(const OpenResult& result) {
  std::string note =
      "Printer: " + (result.printer.empty() ? std::string("the printer") : result.printer) + ".";
  for (const std::string& passedOver : result.skipped) note += " Passed over: " + passedOver;
  if (note == printerNote_) return;
  printerNote_ = std::move(note);
  if (printerObserver_) printerObserver_();
}

bool PrintJob::CheckDevice() {
  const OpenResult result = LookForPrinter(link_.device());
  if (!result.ok()) {
    TellNoPrinter(result);
    return false;
  }
  return true;
}

void PrintJob::RunOnWorker(std::function<void()> work, std::function<void()> report) {
  link_.worker().Run(std::move(work), [this, report = std::move(report)] {
    if (report) report();
    // A Print pressed while the printer was busy with this work is carried out
    // once the job has settled.
    if (printDeferred_ && !busy()) {
      printDeferred_ = false;
      Print();
    }
  });
}

void PrintJob::CloseLinkOnWorker() {
  RunOnWorker([&link = link_] { link.CloseLink(); });
}

void PrintJob::Print() {
  if (busy()) {
    printDeferred_ = true;
    return;
  }
  timers_.Stop(TimerId::Continue);
  if (phase_ == Phase::Waiting) {
    // The job that waits ends here; what it had not sent is offered below.
    phase_ = Phase::Idle;
    if (nextIndex_ > 0) unfinished_ = nextIndex_;
  }
  if (phase_ == Phase::FinalMessage) FinalMessageElapsed();

  int start = 0;
  if (unfinished_ && *unfinished_ > 0 && *unfinished_ < source_.RowCount()) {
    const int first = *unfinished_;
    const std::string question =
        "The last print job stopped before its end: " + SentReport(first, source_.RowCount()) +
        "\n\nContinue from page " + std::to_string(first + 1) + "?\n(No: start again from page 1.)";
    if (op_.AskYesNo(Message{question})) start = first;
  }
  Start(start);
}

void PrintJob::PrintFrom(int start) {
  if (busy()) return;
  timers_.Stop(TimerId::Continue);
  if (phase_ == Phase::FinalMessage) FinalMessageElapsed();
  phase_ = Phase::Idle;
  Start(std::clamp(start, 0, std::max(source_.RowCount() - 1, 0)));
}

void PrintJob::Start(int start) {
  // A new job forgets an earlier stop request.
  popup_.ClearStopRequest();
  waitingForPrinter_ = false;
  stopRequested_ = false;
  nextIndex_ = start;
  phase_ = Phase::Opening;

  popup_.SetStatusText("인쇄데이터 처리중...");
  popup_.Show();
  source_.PrepareForPrinting();
  popup_.SetStatusText("");
  popup_.Show();
  popup_.SetStatusText("프린터 상태 점검...");

  const bool check = !deviceChecked_;
  auto started = std::make_shared<Started>();
  RunOnWorker(
      [&link = link_, check, started] {
        Device& device = link.device();
        device.Reset();
        if (check) {
          // The first job of a run looks for the printer before it opens the link.
          started->checkRan = true;
          started->check = LookForPrinter(device);
          if (!started->check.ok()) return;
        }
        started->opened = link.OpenLink();
        started->open = link.lastOpen();
        if (started->opened) started->ready = link.QueryReady();
      },
      [this, started] { OnStarted(*started); });
}

void PrintJob::OnStarted(const Started& result) {
  phase_ = Phase::Idle;
  if (result.checkRan) {
    deviceChecked_ = result.check.ok();
    if (!deviceChecked_) {
      popup_.Hide();
      TellNoPrinter(result.check);
      return;
    }
  }
  if (!result.opened) {
    popup_.Hide();
    op_.Tell(Message{LinkFailedMessage});
    TellOpenDetail(result.open);
    return;
  }
  NotePrinter(result.open);
  if (!result.ready) {
    // The popup stays with its text and the link stays open.
    op_.Tell(Message{NotReadyMessage});
    return;
  }

  popup_.SetStatusText("");
  popup_.Show();
  popup_.SetStatusText(SendingText);
  Packet packet = BuildPacket(source_.Settings(), source_.FirstRecord(), nextIndex_);
  switch (packet.kind) {
    case Packet::NothingToPrint:
      unfinished_.reset();
      popup_.Hide();
      op_.Tell(Message{"인쇄 내용 없음!"});
      RunOnWorker([&link = link_] {
        link.SendEndCommand();
        link.CloseLink();
      });
      return;
    case Packet::TooLong:
      op_.Tell(Message{"Input is over length!!"});
      return;
    case Packet::Ready:
      break;
  }
  phase_ = Phase::Sending;
  auto sent = std::make_shared<Continued>();
  RunOnWorker(
      [&link = link_, packet = std::move(packet), start = nextIndex_, sent] {
        sent->outcome = SendPacket(link, packet, start);
        sent->lost = link.device().Lost();
      },
      [this, sent] {
        phase_ = Phase::Idle;
        if (sent->outcome.kind != PacketOutcome::Sent) {
          EndEarly(sent->lost ? EndReason::Disconnected : EndReason::WriteFailed);
          return;
        }
        nextIndex_ = sent->outcome.next;
        AfterPacketSent(FirstTickDelay, false);
      });
}

void PrintJob::AfterPacketSent(std::chrono::milliseconds delay, bool continued) {
  if (stopRequested_) {
    EndEarly(EndReason::Stopped);
    return;
  }
  if (nextIndex_ < source_.RowCount()) {
    phase_ = Phase::Waiting;
    timers_.Arm(TimerId::Continue, delay);
    return;
  }
  unfinished_.reset();
  if (continued) {
    nextIndex_ = 0;
    Complete("모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.", true);
  } else {
    Complete("모든 인쇄 내용을 전송했습니다. 인쇄가 끝날 때 까지 기다리십시오.", false);
  }
}

void PrintJob::TimerFired(TimerId id) {
  if (id == TimerId::Continue) {
    ContinueTick();
  } else if (phase_ == Phase::FinalMessage) {
    FinalMessageElapsed();
  }
}

void PrintJob::ContinueTick() {
  timers_.Stop(TimerId::Continue);
  if (phase_ != Phase::Waiting) return;
  if (stopRequested_) {
    EndEarly(EndReason::Stopped);
    return;
  }
  popup_.ShowStopButton(true);

  // A preview or a save while the job waited compiled the records for the
  // editor: the printer must get its own bytes, as the records are now.
  source_.RecompileForPrinter();
  Packet packet = BuildPacket(source_.Settings(), source_.FirstRecord(), nextIndex_);
  switch (packet.kind) {
    case Packet::NothingToPrint:
      // The pages still to come stopped being printable while the job waited:
      // what was to be printed has been sent.
      phase_ = Phase::Idle;
      unfinished_.reset();
      nextIndex_ = 0;
      Complete("모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.", true);
      return;
    case Packet::TooLong:
      EndEarly(EndReason::TooLong);
      return;
    case Packet::Ready:
      break;
  }

  phase_ = Phase::Continuing;
  auto turn = std::make_shared<Continued>();
  RunOnWorker(
      [&link = link_, packet = std::move(packet), start = nextIndex_, turn] {
        Device& device = link.device();
        turn->ready = link.QueryReady();
        if (!turn->ready && !device.Lost()) return;  // busy: asked again later
        const ResetResult reset = device.Reset();
        if (reset == ResetResult::Gone) {
          turn->ready = false;
          turn->gone = true;
          return;
        }
        if (reset == ResetResult::Reopened || !turn->ready) {
          // The printer came back at its place: it is asked afresh.
          turn->ready = link.QueryReady();
          if (!turn->ready) {
            turn->gone = device.Lost();
            return;
          }
        }
        turn->outcome = SendPacket(link, packet, start);
        turn->lost = device.Lost();
      },
      [this, turn] { OnContinued(*turn); });
}

void PrintJob::OnContinued(const Continued& result) {
  phase_ = Phase::Idle;
  waitingForPrinter_ = false;
  if (result.gone) {
    EndEarly(EndReason::Disconnected);
    return;
  }
  if (!result.ready) {
    if (stopRequested_) {
      EndEarly(EndReason::Stopped);
      return;
    }
    // Not ready: the popup says so and keeps the stop button; the printer is
    // asked again at the next interval.
    popup_.SetStatusText(WaitingForPrinterText);
    waitingForPrinter_ = true;
    phase_ = Phase::Waiting;
    timers_.Arm(TimerId::Continue, TickInterval);
    return;
  }
  if (result.outcome.kind != PacketOutcome::Sent) {
    EndEarly(result.lost ? EndReason::Disconnected : EndReason::WriteFailed);
    return;
  }
  popup_.ShowStopButton(false);
  popup_.SetStatusText(SendingText);
  nextIndex_ = result.outcome.next;
  AfterPacketSent(TickInterval, true);
}

void PrintJob::StopPressed() {
  if (phase_ == Phase::Waiting) {
    EndEarly(EndReason::Stopped);
  } else if (busy()) {
    // The packet under way may be taken; the job ends once the printer has answered.
    stopRequested_ = true;
  }
}

void PrintJob::Complete(const char* message, bool closeLinkNow) {
  if (closeLinkNow) CloseLinkOnWorker();
  closeLinkAfterMessage_ = !closeLinkNow;
  popup_.SetStatusText(message);
  phase_ = Phase::FinalMessage;
  timers_.Arm(TimerId::FinalMessage, FinalMessageTime);
}

void PrintJob::FinalMessageElapsed() {
  timers_.Stop(TimerId::FinalMessage);
  phase_ = Phase::Idle;
  popup_.Hide();
  if (closeLinkAfterMessage_) CloseLinkOnWorker();
  closeLinkAfterMessage_ = false;
}

void PrintJob::EndEarly(EndReason reason) {
  timers_.Stop(TimerId::Continue);
  phase_ = Phase::Idle;
  waitingForPrinter_ = false;
  stopRequested_ = false;
  const int firstNotSent = nextIndex_;
  const int pages = source_.RowCount();
  // Pages before the first not sent went out, in this job or the one it went on from.
  const bool someSent = firstNotSent > 0;
  if (someSent) {
    unfinished_ = firstNotSent;
  } else {
    unfinished_.reset();
  }
  nextIndex_ = 0;
  CloseLinkOnWorker();
  popup_.Hide();

  const std::string report =
      SentReport(firstNotSent, pages) +
      (someSent ? " The next Print can continue from page " + std::to_string(firstNotSent + 1) + "."
                : std::string());
  switch (reason) {
    case EndReason::Stopped:
      op_.Tell(Message{"Printing stopped. " + report});
      break;
    case EndReason::Disconnected:
      op_.Tell(Message{"The printer is no longer connected. " + report});
      break;
    case EndReason::WriteFailed:
      op_.Tell(Message{LinkFailedMessage});
      if (someSent) op_.Tell(Message{report});
      break;
    case EndReason::TooLong:
      op_.Tell(Message{"Input is over length!!"});
      if (someSent) op_.Tell(Message{report});
      break;
  }
}

}  // namespace q5300
