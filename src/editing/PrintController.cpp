#include "editing/PrintController.h"

#include <algorithm>
#include <unordered_set>

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

// What the status query before a continued packet found.
struct PrintController::Continued {
  bool ready = false;
  bool gone = false;  // the printer went away and did not come back at its place
};

// What the write of a packet's bytes did.
struct PrintController::PacketWrite {
  bool skipped = false;  // a stop came before its first byte: nothing was written
  Written written;
  bool lost = false;              // the printer went away while the packet was written
  std::vector<uint32_t> reached;  // pages of a packet taken in part
};

PrintController::PrintController(PrinterLink& link, StatusPopup& popup, TimerService& timers,
                                 Operator& op, PrintSource& source)
    : link_(link), popup_(popup), timers_(timers), op_(op), source_(source) {
  popup_.SetStopHandler([this] { StopPressed(); });
}

CompiledJob PrintController::Records() const {
  if (replacedRecords_) return CompiledJob(*replacedRecords_);
  return source_.CompileForPacket();
}

int PrintController::nextIndex() const {
  const CompiledJob records = Records();
  const std::vector<uint32_t> toSend = job_.ToSend(records.records());
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!toSend.empty() && records[i].pageId == toSend.front()) return static_cast<int>(i);
  }
  return static_cast<int>(records.size());
}

std::vector<int> PrintController::unsentPages() const {
  if (!unfinished_) return {};
  return unfinished_->Account(Records().records()).notSent;
}

std::optional<int> PrintController::unfinishedFrom() const {
  const std::vector<int> unsent = unsentPages();
  if (unsent.empty()) return std::nullopt;
  return unsent.front();
}

PageAccount PrintController::account() const {
  return job_.Account(Records().records());
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
    ++holdPrint_;
    if (report) report();
    --holdPrint_;
    PrintIfDeferred();
  });
}

void PrintController::RunJobStep(std::function<void()> work, std::function<void()> report) {
  RunOnWorker(std::move(work), [this, run = run_, report = std::move(report)] {
    if (run == run_) report();
  });
}

void PrintController::PrintIfDeferred() {
  // A Print pressed while the printer was busy is carried out once the job has
  // settled and its report has been read: the report of one job comes before
  // any question about the next.
  if (printDeferred_ && holdPrint_ == 0 && !busy()) {
    printDeferred_ = false;
    Print();
  }
}

void PrintController::CloseLinkOnWorker() {
  RunOnWorker([&link = link_] { link.CloseLink(); });
}

bool PrintController::PrintFrom(int start) {
  const PageOrder order = source_.Order();
  const int last = std::max(static_cast<int>(order.size()) - 1, 0);
  return PrintPagesOf(JobPages::From(order, std::clamp(start, 0, last)));
}

bool PrintController::PrintPages(std::vector<uint32_t> pageIds) {
  return PrintPagesOf(JobPages::Of(source_.Order(), pageIds));
}

bool PrintController::PrintPagesOf(JobPages pages) {
  if (busy() || running() || asking_) return false;
  if (phase_ == Phase::FinalMessage) FinalMessageElapsed();
  Start(std::move(pages));
  return true;
}

void PrintController::Start(JobPages pages) {
  ++run_;
  unsentReport_ = {};
  waitingForPrinter_ = false;
  stopRequested_ = false;
  writing_ = false;
  replaced_ = false;
  replacedRecords_.reset();
  tickDue_ = false;
  inPacket_.clear();
  stopFlag_ = std::make_shared<std::atomic<bool>>(false);
  job_ = std::move(pages);
  job_.NewRun();
  phase_ = Phase::Opening;
  popup_.SetStanding(true);

  popup_.SetStatusText(ProcessingText);
  popup_.Show();
  popup_.SetStatusText("");
  popup_.Show();
  popup_.SetStatusText(CheckingPrinterText);

  const bool check = !deviceChecked_;
  auto started = std::make_shared<Started>();
  RunJobStep(
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
  if (result.checkRan && !deviceChecked_) {
    popup_.Hide();
    TellNoPrinter(result.check);
    return;
  }
  if (!result.opened) {
    popup_.Hide();
    TellLinkFailed(result.open);
    return;
  }
  NotePrinter(result.open);
  jobPrinter_ = result.open.printer;
  if (!result.ready) {
    // The popup stays with its text and the link stays open.
    op_.Tell(Message{NotReadyMessage, ApplicationTitle, MessageIcon::Warning});
    return;
  }

  popup_.SetStatusText("");
  popup_.Show();
  popup_.SetStatusText(SendingText);
  SendNextPacket(true);
}

void PrintController::SendNextPacket(bool first) {
  // The packet carries the pages as they are now: the job's pages the printer
  // has not taken, after those it took in this run.
  const CompiledJob records = Records();
  const std::vector<uint32_t> toSend = job_.ToSend(records.records());
  const std::unordered_set<uint32_t> sending(toSend.begin(), toSend.end());
  std::vector<PageRecord> jobRecords;
  std::vector<PageRecord> sendRecords;
  for (const PageRecord& r : records.records()) {
    if (job_.Includes(r.pageId)) jobRecords.push_back(r);
    if (sending.contains(r.pageId)) sendRecords.push_back(r);
  }
  // The printer's limit holds for the image of the whole job, the pages sent
  // before included.
  CompiledJob whole(std::move(jobRecords));
  if (PrintImageSize(whole.first()) > MaxImageSize) {
    if (first) {
      // Nothing went out: the popup stays with its text.
      op_.Tell(Message{InputOverLengthMessage, ApplicationTitle, MessageIcon::Warning});
      phase_ = Phase::Idle;
    } else {
      EndEarly(EndReason::TooLong);
    }
    return;
  }
  CompiledJob rest(std::move(sendRecords));
  Packet packet = BuildPacket(source_.Settings(), rest.first(), 0);
  if (packet.kind != Packet::Ready) {
    if (first) {
      phase_ = Phase::Idle;
      unfinished_.reset();
      popup_.Hide();
      op_.Tell(Message{NothingToPrintMessage});
      RunOnWorker([&link = link_] {
        link.SendEndCommand();
        link.CloseLink();
      });
    } else {
      // The pages still to come stopped being printable while the job waited.
      CompleteOrLeave(true);
    }
    return;
  }
  // A job of several packets can be stopped from its first packet on.
  if (!first || packet.nextPageId != 0) popup_.ShowStopButton(true);
  inPacket_.clear();
  for (const Packet::Page& page : packet.pages) inPacket_.push_back(page.pageId);
  morePackets_ = packet.nextPageId != 0;
  phase_ = first ? Phase::Sending : Phase::Continuing;
  writing_ = true;
  auto write = std::make_shared<PacketWrite>();
  RunJobStep(
      [&link = link_, packet = std::move(packet), stop = stopFlag_, write] {
        if (*stop) {
          write->skipped = true;
          return;
        }
        write->written = link.WriteData(packet.bytes);
        write->lost = link.device().Lost();
        if (!write->written) write->reached = PagesReached(packet, write->written.taken);
      },
      [this, write, first] { OnWritten(*write, first); });
}

void PrintController::OnWritten(const PacketWrite& result, bool first) {
  if (result.skipped) {
    writing_ = false;
    EndEarly(replaced_ ? EndReason::Replaced : EndReason::Stopped);
    return;
  }
  if (!result.written) {
    writing_ = false;
    job_.TookInPart(result.reached);
    EndEarly(result.lost ? EndReason::Disconnected : EndReason::WriteFailed);
    return;
  }
  // Every byte was taken: sending the packet again would print its pages twice.
  job_.Took(inPacket_);
  job_.printer = jobPrinter_;
  inPacket_.clear();
  // The zero-length packet closes the transfer and goes after a stop too: the
  // printer has the whole packet and prints it whole once it is closed.
  RunJobStep([&link = link_] { EndTransfer(link); },
             [this, first] {
               writing_ = false;
               phase_ = Phase::Idle;
               if (!first && !stopRequested_) popup_.SetStatusText(SendingText);
               AfterPacketSent(first ? FirstTickDelay : TickInterval, !first);
             });
}

void PrintController::AfterPacketSent(std::chrono::milliseconds delay, bool continued) {
  if (replaced_ || stopRequested_) {
    EndEarly(replaced_ ? EndReason::Replaced : EndReason::Stopped);
    return;
  }
  if (morePackets_) {
    phase_ = Phase::Waiting;
    timers_.Arm(TimerId::Continue, delay);
    return;
  }
  CompleteOrLeave(continued);
}

void PrintController::CompleteOrLeave(bool continued) {
  phase_ = Phase::Idle;
  const CompiledJob records = Records();
  if (!job_.ToSend(records.records()).empty()) {
    // Pages came in after the last one sent while its packet went out.
    phase_ = Phase::Waiting;
    timers_.Arm(TimerId::Continue, continued ? TickInterval : FirstTickDelay);
    return;
  }
  if (!job_.NotSent(records.records()).empty()) {
    EndEarly(EndReason::LeftBehind);
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
  popup_.ShowStopButton(true);
  phase_ = Phase::Continuing;
  auto turn = std::make_shared<Continued>();
  RunJobStep(
      [&link = link_, turn] {
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
          if (!turn->ready) turn->gone = device.Lost();
        }
      },
      [this, turn] { OnQueried(*turn); });
}

void PrintController::OnQueried(const Continued& result) {
  phase_ = Phase::Idle;
  waitingForPrinter_ = false;
  if (result.gone) {
    EndEarly(EndReason::Disconnected);
    return;
  }
  if (!result.ready) {
    // Not ready: the popup says so and keeps the stop button; the printer is
    // asked again at the next interval.
    popup_.SetStatusText(WaitingForPrinterText);
    waitingForPrinter_ = true;
    phase_ = Phase::Waiting;
    timers_.Arm(TimerId::Continue, TickInterval);
    return;
  }
  SendNextPacket(false);
}

void PrintController::StopPressed() {
  if (!running()) return;
  if (!writing_) {
    // No byte of the next packet has gone: whatever the printer is asked now,
    // its answer no longer matters.
    EndEarly(EndReason::Stopped);
    return;
  }
  // The packet's write looks at this before its first byte; once bytes go,
  // the transfer ends first, so that the report can say what was taken.
  *stopFlag_ = true;
  stopRequested_ = true;
  popup_.ShowStopButton(false);
  popup_.SetStatusText(StoppingText);
  popup_.Show();
}

void PrintController::JobReplaced() {
  unfinished_.reset();
  unsentReport_ = {};
  if (!running()) return;
  if (!writing_) {
    EndEarly(EndReason::Replaced);
    return;
  }
  // A packet not yet begun does not go; the report of the transfer under way
  // ends the job, with the pages as they were.
  *stopFlag_ = true;
  const CompiledJob records = source_.CompileForPacket();
  replacedRecords_ = std::make_shared<const std::vector<PageRecord>>(records.records().begin(),
                                                                     records.records().end());
  replaced_ = true;
}

void PrintController::Complete(const char* message, bool closeLinkNow) {
  popup_.SetStanding(false);
  if (closeLinkNow) CloseLinkOnWorker();
  closeLinkAfterMessage_ = !closeLinkNow;
  popup_.ShowStopButton(false);
  popup_.SetStatusText(message);
  phase_ = Phase::FinalMessage;
  timers_.Arm(TimerId::FinalMessage, FinalMessageTime);
  if (endObserver_) endObserver_();
}

void PrintController::FinalMessageElapsed() {
  timers_.Stop(TimerId::FinalMessage);
  phase_ = Phase::Idle;
  popup_.Hide();
  if (closeLinkAfterMessage_) CloseLinkOnWorker();
  closeLinkAfterMessage_ = false;
}

}  // namespace q5300
