#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "compile/RebuildRecords.h"
#include "data/JobSettings.h"
#include "data/Operator.h"
#include "data/PageRecord.h"
#include "editing/JobPages.h"
#include "editing/StatusPopup.h"
#include "printer/PrinterLink.h"
#include "printer/TimerService.h"

namespace q5300 {

struct Packet;

// What a print job prints from: the job's pages as they are at the moment a
// packet is built.
class PrintSource {
 public:
  virtual ~PrintSource() = default;
  // The pages in list order, by identity.
  virtual PageOrder Order() const = 0;
  // The job's records compiled for the printer as they are now.
  virtual CompiledJob CompileForPacket() const = 0;
  virtual const JobSettings& Settings() const = 0;
};

// Time from the first packet to the first continuation, between continuations,
// and how long the final message stands.
inline constexpr std::chrono::milliseconds FirstTickDelay{7551};
inline constexpr std::chrono::milliseconds TickInterval{6551};
inline constexpr std::chrono::milliseconds FinalMessageTime{5000};

inline constexpr char ApplicationTitle[] = Q5300_TEXT("q5300", "Q5300 Application");
// The popup between a stop press and the end of the transfer under way.
inline constexpr char StoppingText[] =
    Q5300_TEXT("q5300", "인쇄를 멈추는 중입니다. 전송 중인 데이터가 끝나면 멈춥니다...");

// The print job from the Print command to the last packet. A job that does not
// fit into one packet goes on packet by packet on timer ticks; the status popup
// shows each stage and offers the stop button from the first packet to the
// final message.
//
// The USB work runs on the link's worker, one step at a time: the status query,
// the packet, and the zero-length write that closes it. The job carries on when
// a step's report comes back, so the thread that owns the job never waits on the
// printer, and a stop is looked at before every step. Each packet is built from
// the records as they are when it goes out, from the pages of the job the
// printer has not taken, by identity (see JobPages). A job stays on the printer
// it was opened on. A job that ends with pages the printer never got names them,
// and the next Print offers to print exactly those.
class PrintController {
 public:
  PrintController(PrinterLink& link, StatusPopup& popup, TimerService& timers, Operator& op,
                  PrintSource& source);

  // The start-up check: looks, on the worker and without changing anything on
  // a printer, for the printer a job would take, and tells the operator when
  // there is none.
  void CheckDevice();
  // The Print command. A job that waits, or one that ended with pages the
  // printer never got, is offered to go on with those pages, to start again, or
  // to be left as it is.
  void Print();
  // Prints every page from list position `start` on without asking (0: the
  // whole job). False, and nothing done, while a job runs or the printer is busy.
  bool PrintFrom(int start);
  // Prints the pages `pageIds` without asking, in list order: a range to print
  // again. Stop, the report and the next Print's offer speak of these pages.
  // False, and nothing done, while a job runs or the printer is busy: a job
  // that waits is not dropped without a word.
  bool PrintPages(std::vector<uint32_t> pageIds);
  void TimerFired(TimerId id);
  // The USB work of print jobs runs on a thread of its own from now on; its
  // reports come back through `dispatcher` to the thread that owns the job.
  void RunOnThread(Dispatcher& dispatcher) { link_.worker().StartThread(dispatcher); }
  // The popup's stop button. A job ends at once unless bytes of a packet are
  // being written: then it ends as soon as that transfer has ended.
  void StopPressed();
  // The job is about to be replaced by another (a file opened or imported, an
  // undo back to another job): a print job of it ends with its report, and its
  // pages not sent are offered no more.
  void JobReplaced();
  // There is no unfinished job to go on with.
  void ForgetUnfinished() {
    unfinished_.reset();
    unsentReport_ = {};
  }
  // Told the operator after the report of a job that ends with pages not sent:
  // how to print them (by default, the next Print of the window).
  void SetContinueHint(std::function<Phrase(const std::vector<int>& positions)> hint) {
    continueHint_ = std::move(hint);
  }

  // Closing the program: a job that runs is not left behind without a word.
  enum class QuitStep {
    Quit,         // no job runs (any more): the program may close
    WhenJobEnds,  // the job stops once its transfer has ended; close then
    Stay,         // the operator went back to the job
  };
  // Asks whether to stop the job that runs and quit, or go back; a stop gives
  // the job's report as the stop button does.
  QuitStep StopForQuit();
  // The report of the last job that ended with pages not sent ("Pages 1–41
  // sent, 42–100 not sent."), for the operator who quits; empty when every page
  // went out or another job took the place of its pages.
  const Phrase& unsentReport() const { return unsentReport_; }

  enum class Phase {
    Idle,
    Opening,       // the printer is being opened and asked whether it is ready
    Sending,       // the first packet is under way
    Waiting,       // the next packet goes out at the next tick
    Continuing,    // a tick asks the printer and sends the next packet
    FinalMessage,  // everything was sent; the message stands a while
  };
  Phase phase() const { return phase_; }
  // A job runs: it sends a packet or waits for the next.
  bool running() const { return phase_ != Phase::Idle && phase_ != Phase::FinalMessage; }
  // USB work of the job is under way.
  bool busy() const { return link_.worker().busy(); }
  // Bytes of a packet are being written: a stop takes effect once they are.
  bool writing() const { return writing_; }
  // The job waits because the printer answered "not ready" at its last turn.
  bool waitingForPrinter() const { return waitingForPrinter_; }
  // The list position the next packet starts at; the number of pages when
  // nothing is left to send.
  int nextIndex() const;
  const StatusPopup& popup() const { return popup_; }
  // The list positions of the pages the last job never got, when it ended
  // with some; empty otherwise.
  std::vector<int> unsentPages() const;
  // The first of them.
  std::optional<int> unfinishedFrom() const;
  // What became of the pages of the job that runs, in list positions.
  PageAccount account() const;
  // Which printer the last job went to and which were passed over, for the
  // window's status line; empty before the first job.
  std::string printerNote() const { return printerNote_.Text(); }
  const Phrase& printerNotePhrase() const { return printerNote_; }
  // Told when the printer note changes.
  void SetPrinterObserver(std::function<void()> observer) {
    printerObserver_ = std::move(observer);
  }
  // Told when a job has ended and its report has been given.
  void SetEndObserver(std::function<void()> observer) { endObserver_ = std::move(observer); }

 private:
  struct Started;
  struct Continued;
  struct PacketWrite;
  enum class EndReason { Stopped, WriteFailed, Disconnected, TooLong, Replaced, LeftBehind };

  // The job's records as they are now, or as they were when another job took
  // their place.
  CompiledJob Records() const;
  bool PrintPagesOf(JobPages pages);
  void Start(JobPages pages);
  void OnStarted(const Started& result);
  // Asks whether to go on with the job that waits or stopped early, and does
  // what the operator chose. `found` is the printer a job would go to now.
  void AskAndStart(const OpenResult& found);
  Phrase QuestionAbout(const JobPages& offer, bool waiting, const OpenResult& found) const;
  // Ends a job that waits without a word: a new one takes over from it.
  void DropWaitingJob();
  void ContinueTick();
  void OnQueried(const Continued& result);
  // Builds the next packet from the pages as they are now and sends it.
  void SendNextPacket(bool first);
  void OnWritten(const PacketWrite& result, bool first);
  // A packet went out: the job waits for the next tick or is complete.
  void AfterPacketSent(std::chrono::milliseconds delay, bool continued);
  // Everything went out: the final message stands, then the popup goes. The first
  // packet's job keeps the link open until then; a continued job closes it first.
  void Complete(const char* message, bool closeLinkNow);
  void FinalMessageElapsed();
  // The last packet went out: pages that came in after it are sent at the next
  // tick; pages of the job that came back or in behind it end the job with
  // their report; otherwise the job is complete.
  void CompleteOrLeave(bool continued);
  // The job ends before its last page; the operator hears why and which pages
  // went out, and which may have reached the printer in part.
  void EndEarly(EndReason reason);
  // Tells the operator why the printer could not be opened, beyond the message.
  void TellOpenDetail(const OpenResult& result);
  // The device check found no printer that opens: the operator hears why and
  // what to do.
  void TellNoPrinter(const OpenResult& result);
  // The link did not open for a job: the operator hears why.
  void TellLinkFailed(const OpenResult& result);
  void NotePrinter(const OpenResult& result);
  // Hands `work` to the link's worker; `report` runs on this thread once it is
  // done, unless the job it belongs to has ended meanwhile.
  void RunOnWorker(std::function<void()> work, std::function<void()> report = {});
  // The same for a step of the job that runs now.
  void RunJobStep(std::function<void()> work, std::function<void()> report);
  void PrintIfDeferred();
  void CloseLinkOnWorker();

  PrinterLink& link_;
  StatusPopup& popup_;
  TimerService& timers_;
  Operator& op_;
  PrintSource& source_;
  Phase phase_ = Phase::Idle;
  bool deviceChecked_ = false;
  bool closeLinkAfterMessage_ = false;
  bool stopRequested_ = false;
  bool printDeferred_ = false;
  bool waitingForPrinter_ = false;
  bool writing_ = false;
  // Reports and boxes of the job under way, nested when a box lets the next
  // report in: a Print pressed meanwhile waits for all of them.
  int holdPrint_ = 0;
  // Counts the jobs: a step's report for a job that ended meanwhile is dropped.
  uint64_t run_ = 0;
  // Looked at by the packet's write before its first byte.
  std::shared_ptr<std::atomic<bool>> stopFlag_;
  // The question whether to go on is open (or about to be): ticks wait for it.
  bool asking_ = false;
  bool tickDue_ = false;
  // The program closes once the job has ended.
  bool quitting_ = false;
  // The job was replaced while its transfer was under way: it ends at the report.
  bool replaced_ = false;
  // The records of a job that was replaced, for its report.
  std::shared_ptr<const std::vector<PageRecord>> replacedRecords_;
  // The job that runs or waits, and the pages of the last one that ended before
  // the printer got them all.
  JobPages job_;
  std::optional<JobPages> unfinished_;
  // The pages of the packet under way, and whether pages were left for another.
  std::vector<uint32_t> inPacket_;
  bool morePackets_ = false;
  // The printer the pages of this job went to.
  Phrase jobPrinter_;
  Phrase printerNote_;
  std::function<void()> printerObserver_;
  std::function<void()> endObserver_;
  std::function<Phrase(const std::vector<int>&)> continueHint_;
  Phrase unsentReport_;
};

}  // namespace q5300
