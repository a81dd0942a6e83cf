#pragma once

#include <chrono>
#include <string>

#include "data/JobSettings.h"
#include "data/Operator.h"
#include "data/PageRecord.h"
#include "printer/PrinterLink.h"
#include "printer/StatusPopup.h"
#include "printer/TimerService.h"

namespace q5300 {

// What a print job prints from: the job's page records, rebuilt for the printer
// when the job starts.
class PrintSource {
 public:
  virtual ~PrintSource() = default;
  // An open cell edit is committed and the records are compiled for the printer.
  virtual void PrepareForPrinting() = 0;
  // The records compiled for the printer again, as the grid holds them now.
  virtual void RecompileForPrinter() = 0;
  virtual PageRecord* FirstRecord() = 0;
  virtual int RowCount() const = 0;
  virtual const JobSettings& Settings() const = 0;
};

// Time from the first packet to the first continuation, between continuations,
// and how long the final message stands.
inline constexpr std::chrono::milliseconds FirstTickDelay{7551};
inline constexpr std::chrono::milliseconds TickInterval{6551};
inline constexpr std::chrono::milliseconds FinalMessageTime{5000};

inline constexpr const char* ApplicationTitle = "Q5300 Application";

// The print job from the Print command to the last packet. A job that does not
// fit into one packet goes on packet by packet on timer ticks; the status popup
// shows each stage and offers the stop button while the job waits.
class PrintJob {
 public:
  PrintJob(PrinterLink& link, StatusPopup& popup, TimerService& timers, Operator& op,
           PrintSource& source);

  // Looks for the printer: true when it can be opened. Tells the operator when not.
  bool CheckDevice();
  // The Print command. A job that waits is started again from the first page.
  void Print();
  void TimerFired(TimerId id);

  enum class Phase {
    Idle,
    Waiting,       // the next packet goes out at the next tick
    FinalMessage,  // everything was sent; the message stands a while
  };
  Phase phase() const { return phase_; }
  bool deviceChecked() const { return deviceChecked_; }
  int nextIndex() const { return nextIndex_; }

 private:
  void ContinueTick();
  // Everything went out: the final message stands, then the popup goes. The first
  // packet's job keeps the link open until then; a continued job closes it first.
  void Complete(const char* message, bool closeLinkNow);
  void FinalMessageElapsed();
  // The job ends on a failure the operator must hear of.
  void Fail(const char* message);
  // Tells the operator why the printer could not be opened, beyond the message.
  void TellOpenDetail(const OpenResult& result);

  PrinterLink& link_;
  StatusPopup& popup_;
  TimerService& timers_;
  Operator& op_;
  PrintSource& source_;
  Phase phase_ = Phase::Idle;
  bool deviceChecked_ = false;
  bool closeLinkAfterMessage_ = false;
  int nextIndex_ = 0;
};

}  // namespace q5300
