#include "editing/PrintController.h"

#include <algorithm>

#include "compile/PrintPacket.h"
#include "editing/PrintMessages.h"
#include "printer/PacketSender.h"

namespace q5300 {
namespace {
constexpr char NotReadyMessage[] = Q5300_TEXT("q5300", "PC가 사용중입니다!");
constexpr char SendingText[] = Q5300_TEXT("q5300", "인쇄 데이터 전송중...");
constexpr char ProcessingText[] = Q5300_TEXT("q5300", "인쇄데이터 처리중...");
constexpr char CheckingPrinterText[] = Q5300_TEXT("q5300", "프린터 상태 점검...");
constexpr char NothingToPrintMessage[] = Q5300_TEXT("q5300", "인쇄 내용 없음!");
// The printer answered "busy" at a continuation: it is asked again at every
// interval until it is ready or the operator stops the job.
constexpr char WaitingForPrinterText[] =
    Q5300_TEXT("q5300", "PC가 사용중입니다! 준비되면 계속 인쇄합니다...");
constexpr char CompleteContinued[] =
    Q5300_TEXT("q5300", "모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.");
constexpr char CompleteAtOnce[] =
    Q5300_TEXT("q5300", "모든 인쇄 내용을 전송했습니다. 인쇄가 끝날 때 까지 기다리십시오.");
constexpr char PrinterNote[] = Q5300_TEXT("q5300", "Printer: %1.");
constexpr char SomePrinter[] = Q5300_TEXT("q5300", "the printer");
constexpr char PassedOver[] = Q5300_TEXT("q5300", "Passed over: %1");

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

// What the start of a job found: the device check (on the first job of a run),
// the opening of the link and the printer's answer.
struct PrintController::Started {
  bool checkRan = false;
  OpenResult check;
  bool opened = false;
  OpenResult open;
  bool ready = false;
};

// What a packet's turn found: the printer's answer, and what became of the packet.
struct PrintController::Continued {
  bool ready = false;
  bool gone = false;  // the printer went away and did not come back at its place
  bool lost = false;  // the printer went away while the packet was written
  PacketOutcome outcome;
  std::vector<uint32_t> reached;  // pages of a packet taken in part
};

PrintController::PrintController(PrinterLink& link, StatusPopup& popup, TimerService& timers, Operator& op,
                   PrintSource& source)
    : link_(link), popup_(popup), timers_(timers), op_(op), source_(source) {
  popup_.SetStopHandler([this] { StopPressed(); });
}

PageOrder PrintController::Order() const {
  if (replacedOrder_) return *replacedOrder_;
  return source_.Order();
}

int PrintController::nextIndex() const {
  return next_.PositionIn(Order());
}

std::optional<int> PrintController::unfinishedFrom() const {
  if (!unfinished_) return std::nullopt;
  return unfinished_->PositionIn(Order());
}

void PrintController::NotePrinter(const OpenResult& result) {
  std::vector<Phrase> parts{
      Phrase(PrinterNote, result.printer.empty() ? Phrase(SomePrinter) : result.printer)};
  for (const Phrase& passedOver : result.skipped) parts.emplace_back(PassedOver, passedOver);
  Phrase note = Phrase::Join(parts, " ");
  if (note == printerNote_) return;
  printerNote_ = std::move(note);
  if (printerObserver_) printerObserver_();
}

void PrintController::CheckDevice() {
  auto found = std::make_shared<OpenResult>();
  RunOnWorker([&link = link_, found] { *found = link.device().Probe(); },
              [this, found] {
                if (!found->ok()) TellNoPrinter(*found);
              });
}

void PrintController::RunOnWorker(std::function<void()> work, std::function<void()> report) {
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

void PrintController::CloseLinkOnWorker() {
  RunOnWorker([&link = link_] { link.CloseLink(); });
}

void PrintController::PrintFrom(int start) {
  if (busy()) return;
  timers_.Stop(TimerId::Continue);
  if (phase_ == Phase::FinalMessage) FinalMessageElapsed();
  phase_ = Phase::Idle;
  const PageOrder order = Order();
  Start(ResumePoint::At(order, std::clamp(start, 0, std::max(static_cast<int>(order.size()) - 1, 0))));
}

void PrintController::Start(ResumePoint from) {
  waitingForPrinter_ = false;
  stopRequested_ = false;
  replaced_ = false;
  replacedOrder_.reset();
  tickDue_ = false;
  afterPacket_.reset();
  if (from.candidates.empty()) from = ResumePoint::At(Order(), 0);
  next_ = std::move(from);
  phase_ = Phase::Opening;

  popup_.SetStatusText(ProcessingText);
  popup_.Show();
  popup_.SetStatusText("");
  popup_.Show();
  popup_.SetStatusText(CheckingPrinterText);

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

void PrintController::OnStarted(const Started& result) {
  phase_ = Phase::Idle;
  if (result.checkRan) deviceChecked_ = result.check.ok();
  if (replaced_) {
    EndEarly(EndReason::Replaced);
    return;
  }
  if (result.checkRan) {
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
  jobPrinter_ = result.open.printer;
  if (stopRequested_) {
    EndEarly(EndReason::Stopped);
    return;
  }
  if (!result.ready) {
    // The popup stays with its text and the link stays open.
    op_.Tell(Message{NotReadyMessage});
    return;
  }

  popup_.SetStatusText("");
  popup_.Show();
  popup_.SetStatusText(SendingText);
  const int start = next_.PositionIn(Order());
  CompiledJob compiled = source_.CompileForPacket();
  Packet packet = BuildPacket(source_.Settings(), compiled.first(), start);
  switch (packet.kind) {
    case Packet::NothingToPrint:
      unfinished_.reset();
      popup_.Hide();
      op_.Tell(Message{NothingToPrintMessage});
      RunOnWorker([&link = link_] {
        link.SendEndCommand();
        link.CloseLink();
      });
      return;
    case Packet::TooLong:
      op_.Tell(Message{InputOverLengthMessage});
      return;
    case Packet::Ready:
      break;
  }
  // A job of several packets can be stopped from its first packet on.
  if (packet.nextPageId != 0) popup_.ShowStopButton(true);
  Expect(packet);
  phase_ = Phase::Sending;
  auto sent = std::make_shared<Continued>();
  RunOnWorker(
      [&link = link_, packet = std::move(packet), start, sent] {
        sent->outcome = SendPacket(link, packet, start);
        sent->lost = link.device().Lost();
        sent->reached = PagesReached(packet, sent->outcome.taken);
      },
      [this, sent] {
        phase_ = Phase::Idle;
        if (sent->outcome.kind != PacketOutcome::Sent) {
          next_.partial = sent->reached;
          EndEarly(sent->lost ? EndReason::Disconnected : EndReason::WriteFailed);
          return;
        }
        next_ = std::move(*afterPacket_);
        afterPacket_.reset();
        AfterPacketSent(FirstTickDelay, false);
      });
}

void PrintController::Expect(const Packet& packet) {
  ResumePoint after;
  if (packet.nextPageId != 0) after.candidates.push_back(packet.nextPageId);
  after.printer = jobPrinter_;
  afterPacket_ = std::move(after);
}

void PrintController::AfterPacketSent(std::chrono::milliseconds delay, bool continued) {
  if (replaced_ || stopRequested_) {
    EndEarly(replaced_ ? EndReason::Replaced : EndReason::Stopped);
    return;
  }
  if (nextIndex() < static_cast<int>(Order().size())) {
    phase_ = Phase::Waiting;
    timers_.Arm(TimerId::Continue, delay);
    return;
  }
  unfinished_.reset();
  if (continued) {
    Complete(CompleteContinued, true);
  } else {
    Complete(CompleteAtOnce, false);
  }
}

void PrintController::TimerFired(TimerId id) {
  if (id == TimerId::Continue) {
    ContinueTick();
  } else if (phase_ == Phase::FinalMessage) {
    FinalMessageElapsed();
  }
}

void PrintController::ContinueTick() {
  timers_.Stop(TimerId::Continue);
  if (phase_ != Phase::Waiting) return;
  if (asking_) {
    // The operator is deciding about this job: nothing goes out meanwhile.
    tickDue_ = true;
    return;
  }
  if (stopRequested_) {
    EndEarly(EndReason::Stopped);
    return;
  }
  popup_.ShowStopButton(true);

  // The packet carries the pages as they are now.
  const int start = nextIndex();
  CompiledJob compiled = source_.CompileForPacket();
  Packet packet = BuildPacket(source_.Settings(), compiled.first(), start);
  switch (packet.kind) {
    case Packet::NothingToPrint:
      // The pages still to come stopped being printable while the job waited:
      // what was to be printed has been sent.
      phase_ = Phase::Idle;
      unfinished_.reset();
      Complete(CompleteContinued, true);
      return;
    case Packet::TooLong:
      EndEarly(EndReason::TooLong);
      return;
    case Packet::Ready:
      break;
  }

  Expect(packet);
  phase_ = Phase::Continuing;
  auto turn = std::make_shared<Continued>();
  RunOnWorker(
      [&link = link_, packet = std::move(packet), start, turn] {
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
        turn->reached = PagesReached(packet, turn->outcome.taken);
      },
      [this, turn] { OnContinued(*turn); });
}

void PrintController::OnContinued(const Continued& result) {
  phase_ = Phase::Idle;
  waitingForPrinter_ = false;
  if (result.gone) {
    EndEarly(EndReason::Disconnected);
    return;
  }
  if (!result.ready) {
    if (replaced_ || stopRequested_) {
      EndEarly(replaced_ ? EndReason::Replaced : EndReason::Stopped);
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
    next_.partial = result.reached;
    EndEarly(result.lost ? EndReason::Disconnected : EndReason::WriteFailed);
    return;
  }
  if (!stopRequested_) popup_.SetStatusText(SendingText);
  next_ = std::move(*afterPacket_);
  afterPacket_.reset();
  AfterPacketSent(TickInterval, true);
}

void PrintController::StopPressed() {
  if (phase_ == Phase::Waiting) {
    // No transfer is under way.
    EndEarly(EndReason::Stopped);
  } else if (phase_ == Phase::Opening || phase_ == Phase::Sending ||
             phase_ == Phase::Continuing) {
    // The transfer under way may be taken; the job ends once it has ended.
    stopRequested_ = true;
    popup_.ShowStopButton(false);
    popup_.SetStatusText(StoppingText);
    popup_.Show();
  }
}

void PrintController::PageRemoved(uint32_t pageId, uint32_t successor) {
  const PageOrder order = Order();
  if (phase_ != Phase::Idle && phase_ != Phase::FinalMessage)
    next_.FollowRemoval(order, pageId, successor);
  if (afterPacket_) afterPacket_->FollowRemoval(order, pageId, successor);
  if (unfinished_) unfinished_->FollowRemoval(order, pageId, successor);
}

void PrintController::JobReplaced() {
  unfinished_.reset();
  switch (phase_) {
    case Phase::Waiting:
      replacedOrder_ = Order();
      EndEarly(EndReason::Replaced);
      break;
    case Phase::Opening:
    case Phase::Sending:
    case Phase::Continuing:
      // The report of the transfer under way ends the job.
      replacedOrder_ = Order();
      replaced_ = true;
      break;
    case Phase::Idle:
    case Phase::FinalMessage:
      break;
  }
}

void PrintController::Complete(const char* message, bool closeLinkNow) {
  if (closeLinkNow) CloseLinkOnWorker();
  closeLinkAfterMessage_ = !closeLinkNow;
  popup_.ShowStopButton(false);
  popup_.SetStatusText(message);
  phase_ = Phase::FinalMessage;
  timers_.Arm(TimerId::FinalMessage, FinalMessageTime);
}

void PrintController::FinalMessageElapsed() {
  timers_.Stop(TimerId::FinalMessage);
  phase_ = Phase::Idle;
  popup_.Hide();
  if (closeLinkAfterMessage_) CloseLinkOnWorker();
  closeLinkAfterMessage_ = false;
}

}  // namespace q5300
