// What the operator is told and asked about a print job: the printer that is
// missing, the question whether to go on with a job that waits or stopped
// early, and the report of a job that ends before its last page.
#include <algorithm>

#include "editing/PrintController.h"
#include "editing/PrintMessages.h"

namespace q5300 {
namespace {

constexpr char NoPrinterMessage[] = Q5300_TEXT(
    "q5300", "Unsuccessfully to open the serial port,\rmake sure that the printer has the correct "
    "connect to the PC!");
constexpr char VirtualPrinterHint[] = Q5300_TEXT(
    "q5300", "No Q5300 was found on USB.\rTo try the program without the printer, start it with "
    "the virtual printer, which answers like a ready printer and keeps what it receives in a "
    "folder:\r\r%1\r\rThe labels it would print are listed in %2.");
constexpr char VirtualPrinterCommand[] = "Q5300_DEVICE=virtual:/tmp/q5300-out q5300";
constexpr char VirtualPrinterLabels[] = "/tmp/q5300-out/labels.txt";

constexpr char JobWaits[] = Q5300_TEXT("q5300", "The print job waits to send its next packet:");
constexpr char JobStopped[] = Q5300_TEXT("q5300", "The last print job stopped before its end:");
constexpr char OtherPrinter[] =
    Q5300_TEXT("q5300", "The pages sent went to %1; printing now goes to %2.");
constexpr char ContinueQuestion[] = Q5300_TEXT("q5300", "Continue from page %1?");
constexpr char ContinueAnswer[] = Q5300_TEXT("q5300", "Continue from page %1");
constexpr char StartAgainAnswer[] = Q5300_TEXT("q5300", "Start again from page 1");
constexpr char CancelAnswer[] = Q5300_TEXT("q5300", "Cancel");
constexpr char NextPrintContinues[] =
    Q5300_TEXT("q5300", "The next Print can continue from page %1.");
constexpr char PrintingStopped[] = Q5300_TEXT("q5300", "Printing stopped. %1");
constexpr char NoLongerConnected[] = Q5300_TEXT("q5300", "The printer is no longer connected. %1");
constexpr char ReplacedByAnotherJob[] =
    Q5300_TEXT("q5300", "The print job ended: another job took the place of its pages. %1");

// The answers to the question whether to go on, in this order.
enum Answer : std::size_t { GoOn = 0, StartAgain = 1, LeaveAsItIs = 2 };

// Parts of a message, one space between those that are there.
Phrase Sentences(const std::vector<Phrase>& parts) {
  return Phrase::Join(parts, " ");
}

}  // namespace

void PrintController::TellOpenDetail(const OpenResult& result) {
  // A printer that is there but may not be opened needs another fix than a
  // printer that is missing; say which.
  if (result.status == OpenStatus::NoPermission || result.status == OpenStatus::Failed) {
    if (!result.detail.empty()) {
      op_.Tell(Message{result.detail, ApplicationTitle, MessageIcon::Warning});
    }
  }
}

void PrintController::TellNoPrinter(const OpenResult& result) {
  op_.Tell(Message{NoPrinterMessage, ApplicationTitle, MessageIcon::Warning});
  TellOpenDetail(result);
  // Nothing on USB at all: the program can still be tried without a printer.
  if (result.status == OpenStatus::NoDevice) {
    op_.Tell(Message{Phrase(VirtualPrinterHint, Phrase::Literal(VirtualPrinterCommand),
                            Phrase::Literal(VirtualPrinterLabels)),
                     ApplicationTitle});
  }
}

void PrintController::Print() {
  // A second press while the question is being asked asks nothing more.
  if (asking_) return;
  if (busy()) {
    printDeferred_ = true;
    return;
  }
  if (phase_ == Phase::FinalMessage) FinalMessageElapsed();

  const std::optional<ResumePoint> offer =
      phase_ == Phase::Waiting ? std::optional(next_) : unfinished_;
  if (!offer) {
    Start({});
    return;
  }
  // The question waits for the printer a job would go to now, when it may be
  // another one than the printer that took the pages before.
  asking_ = true;
  if (offer->printer.empty()) {
    AskAndStart({});
    return;
  }
  auto found = std::make_shared<OpenResult>();
  RunOnWorker([&link = link_, found] { *found = link.device().Probe(); },
              [this, found] { AskAndStart(*found); });
}

Phrase PrintController::QuestionAbout(const ResumePoint& offer, bool waiting,
                                     const OpenResult& found) const {
  const PageOrder order = Order();
  const int first = offer.PositionIn(order);
  std::vector<Phrase> paragraphs{
      Sentences({waiting ? JobWaits : JobStopped, SentReport(first, static_cast<int>(order.size())),
                 PartialReport(offer.PartialPositions(order))})};
  if (found.ok() && !found.printer.empty() && !offer.printer.empty() &&
      found.printer != offer.printer) {
    paragraphs.emplace_back(OtherPrinter, offer.printer, found.printer);
  }
  paragraphs.emplace_back(ContinueQuestion, first + 1);
  return Phrase::Join(paragraphs, "\n\n");
}

void PrintController::AskAndStart(const OpenResult& found) {
  asking_ = false;
  const bool waiting = phase_ == Phase::Waiting;
  const std::optional<ResumePoint> offer = waiting ? std::optional(next_) : unfinished_;
  const PageOrder order = Order();
  const int first = offer ? offer->PositionIn(order) : 0;
  const int pages = static_cast<int>(order.size());
  if (!offer || first <= 0 || first >= pages) {
    // Nothing to go on with: every page not sent is gone, or none was sent.
    if (waiting) DropWaitingJob();
    unfinished_.reset();
    Start({});
    return;
  }

  asking_ = true;
  const std::size_t answer =
      op_.Choose(Message{QuestionAbout(*offer, waiting, found)},
                 {Phrase(ContinueAnswer, first + 1), StartAgainAnswer, CancelAnswer});
  asking_ = false;
  switch (answer) {
    case GoOn:
      if (waiting) DropWaitingJob();
      Start(*offer);
      return;
    case StartAgain:
      if (waiting) DropWaitingJob();
      Start({});
      return;
    default:
      // The job stays where it stood: a job that waits goes on waiting (a tick
      // that came while the question was open comes now), and an unfinished
      // job is offered again at the next Print.
      if (waiting && tickDue_) {
        tickDue_ = false;
        ContinueTick();
      }
      return;
  }
}

void PrintController::DropWaitingJob() {
  timers_.Stop(TimerId::Continue);
  tickDue_ = false;
  phase_ = Phase::Idle;
}

void PrintController::EndEarly(EndReason reason) {
  timers_.Stop(TimerId::Continue);
  const PageOrder order = Order();
  phase_ = Phase::Idle;
  waitingForPrinter_ = false;
  stopRequested_ = false;
  replaced_ = false;
  replacedOrder_.reset();
  tickDue_ = false;
  afterPacket_.reset();
  const int pages = static_cast<int>(order.size());
  const int firstNotSent = std::min(next_.PositionIn(order), pages);
  // Pages before the first not sent went out, in this job or the one it went on from.
  const bool someSent = firstNotSent > 0;
  const bool offered = someSent && reason != EndReason::Replaced;
  if (offered) {
    unfinished_ = next_;
    unfinished_->printer = jobPrinter_;
  } else {
    unfinished_.reset();
  }
  CloseLinkOnWorker();
  popup_.ShowStopButton(false);
  popup_.Hide();

  const Phrase report =
      Sentences({SentReport(firstNotSent, pages), PartialReport(next_.PartialPositions(order)),
                 offered ? Phrase(NextPrintContinues, firstNotSent + 1) : Phrase()});
  next_ = {};
  switch (reason) {
    case EndReason::Stopped:
      op_.Tell(Message{Phrase(PrintingStopped, report)});
      break;
    case EndReason::Disconnected:
      op_.Tell(Message{Phrase(NoLongerConnected, report)});
      break;
    case EndReason::WriteFailed:
      op_.Tell(Message{LinkFailedMessage});
      op_.Tell(Message{report});
      break;
    case EndReason::TooLong:
      op_.Tell(Message{InputOverLengthMessage});
      if (someSent) op_.Tell(Message{report});
      break;
    case EndReason::Replaced:
      op_.Tell(Message{Phrase(ReplacedByAnotherJob, report)});
      break;
  }
}

}  // namespace q5300
