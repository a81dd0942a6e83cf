#include "printer/PrintJob.h"

#include "compile/PrintPacket.h"

namespace q5300 {
namespace {
constexpr const char* NoPrinterMessage =
    "Unsuccessfully to open the serial port,\rmake sure that the printer has the correct connect "
    "to the PC!";
constexpr const char* LinkFailedMessage = "시리얼 포트 오류!";
constexpr const char* VirtualPrinterHint =
    "No Q5300 was found on USB.\rTo try the program without the printer, start it with the "
    "virtual printer, which answers like a ready printer and keeps what it receives in a "
    "folder:\r\rQ5300_DEVICE=virtual:/tmp/q5300-out q5300\r\rThe labels it would print are "
    "listed in /tmp/q5300-out/labels.txt.";
}  // namespace

PrintJob::PrintJob(PrinterLink& link, StatusPopup& popup, TimerService& timers, Operator& op,
                   PrintSource& source)
    : link_(link), popup_(popup), timers_(timers), op_(op), source_(source) {}

void PrintJob::TellOpenDetail(const OpenResult& result) {
  // A printer that is there but may not be opened needs another fix than a
  // printer that is missing; say which.
  if (result.status == OpenStatus::NoPermission || result.status == OpenStatus::Failed) {
    if (!result.detail.empty()) {
      op_.Tell(Message{result.detail, ApplicationTitle, MessageIcon::Warning});
    }
  }
}

bool PrintJob::CheckDevice() {
  Device& device = link_.device();
  const OpenResult result = device.Open();
  if (!result.ok()) {
    op_.Tell(Message{NoPrinterMessage, ApplicationTitle, MessageIcon::Warning});
    TellOpenDetail(result);
    if (result.status == OpenStatus::NoDevice) {
      op_.Tell(Message{VirtualPrinterHint, ApplicationTitle});
    }
    return false;
  }
  device.UsbId();
  // The check only looks: the device goes back closed so the link can open it.
  device.Close();
  return true;
}

void PrintJob::Print() {
  // A new job starts from the first page and forgets an earlier stop request.
  timers_.Stop(TimerId::Continue);
  if (phase_ == Phase::FinalMessage) FinalMessageElapsed();
  phase_ = Phase::Idle;
  popup_.ClearStopRequest();

  link_.device().Reset();
  if (!deviceChecked_) {
    deviceChecked_ = CheckDevice();
    if (!deviceChecked_) return;
  }
  if (!link_.OpenLink()) {
    popup_.Hide();
    op_.Tell(Message{LinkFailedMessage});
    TellOpenDetail(link_.lastOpen());
    return;
  }
  popup_.SetStatusText("인쇄데이터 처리중...");
  popup_.Show();
  source_.PrepareForPrinting();

  popup_.SetStatusText("");
  popup_.Show();
  popup_.SetStatusText("프린터 상태 점검...");
  if (!link_.QueryReady()) {
    op_.Tell(Message{"PC가 사용중입니다!"});
    return;
  }

  popup_.SetStatusText("");
  popup_.Show();
  popup_.SetStatusText("인쇄 데이터 전송중...");
  const PacketOutcome outcome =
      BuildAndSendPacket(link_, source_.Settings(), source_.FirstRecord(), 0);
  switch (outcome.kind) {
    case PacketOutcome::NothingToPrint:
      popup_.Hide();
      op_.Tell(Message{"인쇄 내용 없음!"});
      link_.SendEndCommand();
      link_.CloseLink();
      return;
    case PacketOutcome::TooLong:
      op_.Tell(Message{"Input is over length!!"});
      return;
    case PacketOutcome::WriteFailed:
      Fail(LinkFailedMessage);
      return;
    case PacketOutcome::Sent:
      break;
  }
  nextIndex_ = outcome.next;
  if (nextIndex_ < source_.RowCount()) {
    phase_ = Phase::Waiting;
    timers_.Arm(TimerId::Continue, FirstTickDelay);
    return;
  }
  Complete("모든 인쇄 내용을 전송했습니다. 인쇄가 끝날 때 까지 기다리십시오.", false);
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
  phase_ = Phase::Idle;
  if (popup_.state() == StatusPopup::StopRequested) return;
  popup_.ShowStopButton(true);
  if (!link_.QueryReady()) return;  // the stop button stays offered

  link_.device().Reset();
  popup_.ShowStopButton(false);
  // A preview or a save while the job waited compiled the records for the
  // editor: the printer must get its own bytes.
  source_.RecompileForPrinter();
  const PacketOutcome outcome =
      BuildAndSendPacket(link_, source_.Settings(), source_.FirstRecord(), nextIndex_);
  switch (outcome.kind) {
    case PacketOutcome::Sent:
      nextIndex_ = outcome.next;
      if (nextIndex_ < source_.RowCount()) {
        phase_ = Phase::Waiting;
        timers_.Arm(TimerId::Continue, TickInterval);
        return;
      }
      break;
    case PacketOutcome::NothingToPrint:
      // The pages still to come stopped being printable while the job waited:
      // what was to be printed has been sent.
      break;
    case PacketOutcome::TooLong:
      nextIndex_ = 0;
      link_.CloseLink();
      popup_.Hide();
      op_.Tell(Message{"Input is over length!!"});
      return;
    case PacketOutcome::WriteFailed:
      Fail(LinkFailedMessage);
      return;
  }
  nextIndex_ = 0;
  Complete("모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.", true);
}

void PrintJob::Complete(const char* message, bool closeLinkNow) {
  if (closeLinkNow) link_.CloseLink();
  closeLinkAfterMessage_ = !closeLinkNow;
  popup_.SetStatusText(message);
  phase_ = Phase::FinalMessage;
  timers_.Arm(TimerId::FinalMessage, FinalMessageTime);
}

void PrintJob::FinalMessageElapsed() {
  timers_.Stop(TimerId::FinalMessage);
  phase_ = Phase::Idle;
  popup_.Hide();
  if (closeLinkAfterMessage_) link_.CloseLink();
  closeLinkAfterMessage_ = false;
}

void PrintJob::Fail(const char* message) {
  timers_.Stop(TimerId::Continue);
  phase_ = Phase::Idle;
  nextIndex_ = 0;
  link_.CloseLink();
  popup_.Hide();
  op_.Tell(Message{message});
}

}  // namespace q5300
