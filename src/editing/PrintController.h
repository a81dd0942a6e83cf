#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/JobSettings.h"
#include "data/Operator.h"
#include "compile/RebuildRecords.h"
#include "data/PageRecord.h"
#include "printer/PrinterLink.h"
#include "editing/ResumePoint.h"
#include "editing/StatusPopup.h"
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
// The USB work runs on the link's worker; the job carries on when its report
// comes back, so the thread that owns the job never waits on the printer. Each
// packet is built from the records as they are when it goes out, starting at
// the first page not yet sent, by identity. A job stays on the printer it was
// opened on, and a job that ends before its last page knows its first page not
// sent: the next Print offers to go on from there.
class PrintController {
 public:
  PrintController(PrinterLink& link, StatusPopup& popup, TimerService& timers, Operator& op,
           PrintSource& source);

  // The start-up check: looks, on the worker and without changing anything on
  // a printer, for the printer a job would take, and tells the operator when
  // there is none.
  void CheckDevice();
  // The Print command. A job that waits, or one that ended before its last
  // page, is offered to go on from its first page not sent, to start again, or
  // to be left as it is.
  void Print();
  // Prints from list position `start` without asking (0: from the first page).
  void PrintFrom(int start);
  void TimerFired(TimerId id);
  // The USB work of print jobs runs on a thread of its own from now on; its
  // reports come back through `dispatcher` to the thread that owns the job.
  void RunOnThread(Dispatcher& dispatcher) { link_.worker().StartThread(dispatcher); }
  // The popup's stop button: a waiting job ends at once, a job whose transfer is
  // under way as soon as the transfer has ended.
  void StopPressed();
  // The page is about to leave the job (deleted): a job that was to go on with
  // it goes on with the page that takes its place.
  void PageRemoved(uint32_t pageId, uint32_t successor);
  // The job is about to be replaced by another (a file opened or imported, an
  // undo back to another job): a print job of it ends with its report, and its
  // pages not sent are offered no more.
  void JobReplaced();
  // There is no unfinished job to go on with.
  void ForgetUnfinished() { unfinished_.reset(); }

  enum class Phase {
    Idle,
    Opening,       // the printer is being opened and asked whether it is ready
    Sending,       // the first packet is under way
    Waiting,       // the next packet goes out at the next tick
    Continuing,    // a tick asks the printer and sends the next packet
    FinalMessage,  // everything was sent; the message stands a while
  };
  Phase phase() const { return phase_; }
  // USB work of the job is under way.
  bool busy() const { return link_.worker().busy(); }
  // The job waits because the printer answered "not ready" at its last turn.
  bool waitingForPrinter() const { return waitingForPrinter_; }
  // The stop button was pressed; the job ends once the transfer under way has.
  bool stopping() const { return stopRequested_; }
  // The list position the next packet starts at.
  int nextIndex() const;
  const StatusPopup& popup() const { return popup_; }
  // The list position of the first page not sent by the last job, when it ended
  // before its last page.
  std::optional<int> unfinishedFrom() const;
  // Which printer the last job went to and which were passed over, for the
  // window's status line; empty before the first job.
  std::string printerNote() const { return printerNote_.Text(); }
  const Phrase& printerNotePhrase() const { return printerNote_; }
  // Told when the printer note changes.
  void SetPrinterObserver(std::function<void()> observer) {
    printerObserver_ = std::move(observer);
  }

 private:
  struct Started;
  struct Continued;
  enum class EndReason { Stopped, WriteFailed, Disconnected, TooLong, Replaced };

  PageOrder Order() const;
  void Start(ResumePoint from);
  void OnStarted(const Started& result);
  // Asks whether to go on with the job that waits or stopped early, and does
  // what the operator chose. `found` is the printer a job would go to now.
  void AskAndStart(const OpenResult& found);
  Phrase QuestionAbout(const ResumePoint& offer, bool waiting, const OpenResult& found) const;
  // Ends a job that waits without a word: a new one takes over from it.
  void DropWaitingJob();
  void ContinueTick();
  void OnContinued(const Continued& result);
  // The pages after `packet` are where the job goes on once it has been taken.
  void Expect(const Packet& packet);
  // A packet went out: the job waits for the next tick or is complete.
  void AfterPacketSent(std::chrono::milliseconds delay, bool continued);
  // Everything went out: the final message stands, then the popup goes. The first
  // packet's job keeps the link open until then; a continued job closes it first.
  void Complete(const char* message, bool closeLinkNow);
  void FinalMessageElapsed();
  // The job ends before its last page; the operator hears why and which pages
  // went out, and which may have reached the printer in part.
  void EndEarly(EndReason reason);
  // Tells the operator why the printer could not be opened, beyond the message.
  void TellOpenDetail(const OpenResult& result);
  // The device check found no printer that opens: the operator hears why and
  // what to do.
  void TellNoPrinter(const OpenResult& result);
  void NotePrinter(const OpenResult& result);
  // Hands `work` to the link's worker; `report` runs on this thread once it is done.
  void RunOnWorker(std::function<void()> work, std::function<void()> report = {});
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
  // The question whether to go on is open (or about to be): ticks wait for it.
  bool asking_ = false;
  bool tickDue_ = false;
  // The job was replaced while its transfer was under way: it ends at the report.
  bool replaced_ = false;
  // The pages of a job that was replaced, for its report.
  std::optional<PageOrder> replacedOrder_;
  // Where the next packet starts, and where the job goes on once the packet
  // under way has been taken.
  ResumePoint next_;
  std::optional<ResumePoint> afterPacket_;
  std::optional<ResumePoint> unfinished_;
  // The printer the pages of this job went to.
  Phrase jobPrinter_;
  Phrase printerNote_;
  std::function<void()> printerObserver_;
};

}  // namespace q5300
