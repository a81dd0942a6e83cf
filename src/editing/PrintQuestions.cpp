// What the operator is told and asked about a print job: the printer that is
// missing, the question whether to go on with a job that waits or stopped
// early, and the report of a job that ends before its last page.
#include <algorithm>
#include <utility>

#include "editing/PrintController.h"
#include "editing/PrintMessages.h"

namespace q5300 {
namespace {

constexpr char NoPrinterMessage[] = Q5300_TEXT(
    "q5300",
    "Unsuccessfully to open the serial port,\rmake sure that the printer has the correct "
    "connect to the PC!");
constexpr char VirtualPrinterHint[] = Q5300_TEXT(
    "q5300",
    "No Q5300 was found on USB.\rTo try the program without the printer, start it with "
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
constexpr char PrintNotSentQuestion[] = Q5300_TEXT("q5300", "Print the pages not sent, %1?");
constexpr char PrintNotSentAnswer[] = Q5300_TEXT("q5300", "Print pages %1");
constexpr char PrintNotSentAnswerOne[] = Q5300_TEXT("q5300", "Print page %1");
constexpr char StartAgainAnswer[] = Q5300_TEXT("q5300", "Start again from page 1");
constexpr char CancelAnswer[] = Q5300_TEXT("q5300", "Cancel");
constexpr char NextPrintContinues[] =
    Q5300_TEXT("q5300", "The next Print can continue from page %1.");
constexpr char NextPrintPrintsOne[] = Q5300_TEXT("q5300", "The next Print can print page %1.");
constexpr char NextPrintPrints[] = Q5300_TEXT("q5300", "The next Print can print pages %1.");
constexpr char PrinterGone[] = Q5300_TEXT("q5300", "The printer is no longer connected.");
constexpr char EndedWithPagesNotSent[] =
    Q5300_TEXT("q5300", "Printing has ended, but not every page of the job was sent. %1");
constexpr char PrintingStopped[] = Q5300_TEXT("q5300", "Printing stopped. %1");
constexpr char NoLongerConnected[] = Q5300_TEXT("q5300", "The printer is no longer connected. %1");
constexpr char ReplacedByAnotherJob[] =
    Q5300_TEXT("q5300", "The print job ended: another job took the place of its pages. %1");

constexpr char QuitQuestion[] = Q5300_TEXT(
    "q5300", "A print job is running: %1\n\nStop printing and quit, or go back to the job?");
constexpr char StopAndQuitAnswer[] = Q5300_TEXT("q5300", "Stop printing and quit");
constexpr char GoBackAnswer[] = Q5300_TEXT("q5300", "Go back");

// The answers to the question whether to go on, in this order.
enum Answer : std::size_t { GoOn = 0, StartAgain = 1, LeaveAsItIs = 2 };

// Parts of a message, one space between those that are there.
Phrase Sentences(const std::vector<Phrase>& parts) {
  return Phrase::Join(parts, " ");
}

// The pages not sent are the job's last ones, from the first of them on: the
// job goes on from there. Otherwise they are named one by one.
bool GoesOnFromFirst(const PageAccount& account) {
  if (account.notSent.empty()) return false;
  const int first = account.notSent.front();
  const int last = account.notSent.back();
  const bool oneRun = last - first + 1 == static_cast<int>(account.notSent.size());
  return oneRun && (account.sent.empty() || account.sent.back() < first);
}

Phrase NextPrintHint(const std::vector<int>& notSent) {
  PageAccount account;
  account.notSent = notSent;
  if (GoesOnFromFirst(account) && notSent.size() > 1) {
    return Phrase(NextPrintContinues, notSent.front() + 1);
  }
  return Phrase(notSent.size() == 1 ? NextPrintPrintsOne : NextPrintPrints,
                Phrase::Literal(PageRanges(notSent)));
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

void PrintController::TellLinkFailed(const OpenResult& result) {
  // A printer that left the bus is not a fault of the port.
  if (result.status == OpenStatus::NoDevice) {
    op_.Tell(Message{Phrase::Join({LinkFailedMessage, PrinterGone}, "\n\n"), ApplicationTitle,
                     MessageIcon::Warning});
  } else {
    op_.Tell(Message{LinkFailedMessage, ApplicationTitle, MessageIcon::Warning});
  }
  TellOpenDetail(result);
}

void PrintController::Print() {
  // A second press while the question is being asked asks nothing more.
  if (asking_) return;
  if (busy()) {
    printDeferred_ = true;
    return;
  }
  if (phase_ == Phase::FinalMessage) FinalMessageElapsed();

  const std::optional<JobPages> offer =
      phase_ == Phase::Waiting ? std::optional(job_) : unfinished_;
  if (!offer) {
    Start(JobPages::From(source_.Order(), 0));
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

Phrase PrintController::QuestionAbout(const JobPages& offer, bool waiting,
                                      const OpenResult& found) const {
  const PageAccount account = offer.Account(Records().records());
  std::vector<Phrase> paragraphs{Sentences(
      {waiting ? JobWaits : JobStopped, SentReport(account), PartialReport(account.partial)})};
  if (found.ok() && !found.printer.empty() && !offer.printer.empty() &&
      found.printer != offer.printer) {
    paragraphs.emplace_back(OtherPrinter, offer.printer, found.printer);
  }
  if (GoesOnFromFirst(account)) {
    paragraphs.emplace_back(ContinueQuestion, account.notSent.front() + 1);
  } else {
    paragraphs.emplace_back(PrintNotSentQuestion, Phrase::Literal(PageRanges(account.notSent)));
  }
  return Phrase::Join(paragraphs, "\n\n");
}

void PrintController::AskAndStart(const OpenResult& found) {
  asking_ = false;
  const bool waiting = phase_ == Phase::Waiting;
  const std::optional<JobPages> offer = waiting ? std::optional(job_) : unfinished_;
  const PageAccount account = offer ? offer->Account(Records().records()) : PageAccount{};
  if (account.sent.empty() || account.notSent.empty()) {
    // Nothing to go on with: every page not sent is gone, or none was sent.
    if (waiting) DropWaitingJob();
    unfinished_.reset();
    Start(JobPages::From(source_.Order(), 0));
    return;
  }

  asking_ = true;
  const Phrase goOn =
      GoesOnFromFirst(account)
          ? Phrase(ContinueAnswer, account.notSent.front() + 1)
          : Phrase(account.notSent.size() == 1 ? PrintNotSentAnswerOne : PrintNotSentAnswer,
                   Phrase::Literal(PageRanges(account.notSent)));
  const std::size_t answer = op_.Choose(Message{QuestionAbout(*offer, waiting, found)},
                                        {goOn, StartAgainAnswer, CancelAnswer});
  asking_ = false;
  switch (answer) {
    case GoOn:
      // The same job again: the pages the printer never got, each once.
      if (waiting) DropWaitingJob();
      Start(*offer);
      return;
    case StartAgain:
      if (waiting) DropWaitingJob();
      unfinished_.reset();
      Start(JobPages::From(source_.Order(), 0));
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

PrintController::QuitStep PrintController::StopForQuit() {
  if (!running()) return QuitStep::Quit;
  const Phrase question(QuitQuestion, SentReport(job_.Account(Records().records())));
  // Nothing goes out while the operator decides.
  asking_ = true;
  const bool stay = op_.Choose(Message{question, ApplicationTitle, MessageIcon::Warning},
                               {StopAndQuitAnswer, GoBackAnswer}) != 0;
  asking_ = false;
  if (stay) {
    if (phase_ == Phase::Waiting && tickDue_) {
      tickDue_ = false;
      ContinueTick();
    }
    return QuitStep::Stay;
  }
  // The job may have ended while the question was open. Its pages not sent are
  // not offered to a next Print that will not come.
  quitting_ = true;
  StopPressed();
  return running() ? QuitStep::WhenJobEnds : QuitStep::Quit;
}

void PrintController::DropWaitingJob() {
  timers_.Stop(TimerId::Continue);
  tickDue_ = false;
  phase_ = Phase::Idle;
}

void PrintController::EndEarly(EndReason reason) {
  // Reports of the steps still under way belong to this job: they are dropped.
  ++run_;
  timers_.Stop(TimerId::Continue);
  const PageAccount account = job_.Account(Records().records());
  phase_ = Phase::Idle;
  waitingForPrinter_ = false;
  stopRequested_ = false;
  writing_ = false;
  replaced_ = false;
  replacedRecords_.reset();
  tickDue_ = false;
  inPacket_.clear();
  const bool someSent = !account.sent.empty();
  const bool offered = someSent && !account.notSent.empty() && reason != EndReason::Replaced;
  const bool quitting = std::exchange(quitting_, false);
  if (offered) {
    unfinished_ = job_;
    unfinished_->printer = jobPrinter_;
  } else {
    unfinished_.reset();
  }
  CloseLinkOnWorker();
  popup_.SetStanding(false);
  popup_.ShowStopButton(false);
  popup_.Hide();

  const Phrase hint = !offered || quitting ? Phrase()
                      : continueHint_      ? continueHint_(account.notSent)
                                           : NextPrintHint(account.notSent);
  const Phrase report = Sentences({SentReport(account), PartialReport(account.partial), hint});
  // The pages of a job that made way for another are no longer the operator's job.
  unsentReport_ =
      reason == EndReason::Replaced || (account.notSent.empty() && account.partial.empty())
          ? Phrase()
          : Sentences({SentReport(account), PartialReport(account.partial)});
  ++holdPrint_;
  switch (reason) {
    case EndReason::Stopped:
      op_.Tell(Message{Phrase(PrintingStopped, report)});
      break;
    case EndReason::Disconnected:
      op_.Tell(Message{Phrase(NoLongerConnected, report), ApplicationTitle, MessageIcon::Warning});
      break;
    case EndReason::WriteFailed:
      op_.Tell(Message{LinkFailedMessage, ApplicationTitle, MessageIcon::Warning});
      op_.Tell(Message{report, PromptCaption, MessageIcon::Warning});
      break;
    case EndReason::TooLong:
      op_.Tell(Message{InputOverLengthMessage, ApplicationTitle, MessageIcon::Warning});
      if (someSent) op_.Tell(Message{report});
      break;
    case EndReason::Replaced:
      op_.Tell(Message{Phrase(ReplacedByAnotherJob, report)});
      break;
    case EndReason::LeftBehind:
      op_.Tell(Message{Phrase(EndedWithPagesNotSent, report), PromptCaption, MessageIcon::Warning});
      break;
  }
  --holdPrint_;
  if (endObserver_) endObserver_();
  PrintIfDeferred();
}

}  // namespace q5300
