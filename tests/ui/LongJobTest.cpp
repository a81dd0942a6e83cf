// A job of several packets in the window as it runs for the operator: the
// printer's worker thread, the window's dispatcher and its Qt timers (their
// waits scaled down, or held), the status popup and its stop button.
#include <gtest/gtest.h>

#include <QPushButton>
#include <algorithm>
#include <condition_variable>
#include <mutex>

#include "WindowRig.h"
#include "printer/PacketDecoder.h"
#include "ui/StatusPopupWindow.h"

namespace q5300::ui::test {
namespace {

constexpr int kPages = 100;  // of 40 letters: packets of 41, 41 and 18 pages
const QString kSending = QStringLiteral("인쇄 데이터 전송중...");
const std::string kFinalMessage =
    "모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.";

// The virtual printer behind a door: each print packet waits at it, on the
// worker, until the test lets it in, so that the test sees the window while a
// transfer is under way.
class HeldPrinter final : public Device {
 public:
  explicit HeldPrinter(std::unique_ptr<VirtualPrinter> printer) : printer_(std::move(printer)) {}

  OpenResult Open() override { return printer_->Open(); }
  OpenResult Probe() override { return printer_->Probe(); }
  void Close() override { printer_->Close(); }
  ResetResult Reset() override { return printer_->Reset(); }
  uint32_t UsbId() override { return printer_->UsbId(); }
  int PendingUploads() override { return printer_->PendingUploads(); }
  int Read(std::span<uint8_t> buffer) override { return printer_->Read(buffer); }
  bool Lost() const override { return printer_->Lost(); }
  Written Write(std::span<const uint8_t> bytes) override {
    if (DecodeMessage(bytes).kind == MessageKind::PrintPacket) {
      std::unique_lock lock(mutex_);
      const int number = ++arrived_;
      door_.wait(lock, [&] { return admitted_ >= number; });
    }
    return printer_->Write(bytes);
  }

  // Packets that came to the door so far.
  int arrived() {
    const std::lock_guard lock(mutex_);
    return arrived_;
  }
  void LetIn(int packets = 1) {
    {
      const std::lock_guard lock(mutex_);
      admitted_ += packets;
    }
    door_.notify_all();
  }

 private:
  std::unique_ptr<VirtualPrinter> printer_;
  std::mutex mutex_;
  std::condition_variable door_;
  int arrived_ = 0;
  int admitted_ = 0;
};

// A window over a held printer with a job of `kPages` pages of 40 X.
struct LongJob {
  explicit LongJob(double timeScale)
      : rig({}, timeScale, [this](std::unique_ptr<VirtualPrinter> printer) {
          auto device = std::make_unique<HeldPrinter>(std::move(printer));
          held = device.get();
          return device;
        }) {
    Workbench& bench = rig.bench();
    while (bench.document.grid().rowCount() < kPages) bench.pages.Add();
    for (int row = 0; row < kPages; ++row) {
      bench.pages.CommitCellEdit(row, Line1Column, std::u16string(40, u'X'), false);
    }
    // Each page is longer than its 20 mm, as each edit said.
    rig.op.told.clear();
  }
  ~LongJob() {
    // A worker held at the door would never end, and the window waits for it.
    held->LetIn(1000);
  }

  StatusPopupWindow* popup() { return rig.window->statusPopup(); }
  // The packets the printer took, by their pages; only once no USB work is under way.
  std::vector<std::size_t> PacketPages() {
    std::vector<std::size_t> pages;
    for (const DecodedPacket& packet : rig.printer->packets())
      pages.push_back(packet.records.size());
    return pages;
  }

  HeldPrinter* held = nullptr;
  WindowRig rig;
};

constexpr int kLongWait = 60'000;

// What the status popup showed each time it went: its text, and whether it
// offered the stop button.
class PopupHides final : public QObject {
 public:
  using Seen = std::pair<QString, bool>;
  explicit PopupHides(StatusPopupWindow* popup) : popup_(popup) {
    popup_->installEventFilter(this);
  }
  ~PopupHides() override { popup_->removeEventFilter(this); }
  std::vector<Seen> seen;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Hide) {
      seen.emplace_back(popup_->label()->text(), !popup_->stopButton()->isHidden());
    }
    return false;
  }

 private:
  StatusPopupWindow* popup_;
};

TEST(LongJob, RunsPacketByPacketWithTheStopButtonToItsFinalMessage) {
  LongJob job(0.05);
  ASSERT_TRUE(job.rig.shown);
  PopupHides hides(job.popup());
  job.rig.window->action(Command::Print)->trigger();
  for (int packet = 1; packet <= 3; ++packet) {
    SCOPED_TRACE(packet);
    ASSERT_TRUE(Eventually([&] { return job.held->arrived() == packet; }, kLongWait));
    // The transfer is under way: the popup says so and offers the stop button.
    EXPECT_TRUE(job.popup()->isVisible());
    EXPECT_EQ(job.popup()->label()->text(), kSending);
    EXPECT_TRUE(job.popup()->stopButton()->isVisible());
    EXPECT_TRUE(hides.seen.empty());
    job.held->LetIn();
  }
  ASSERT_TRUE(Eventually([&] { return !hides.seen.empty() && !job.rig.bench().printing.busy(); },
                         kLongWait));
  // It went once, from the final message.
  EXPECT_EQ(hides.seen,
            (std::vector<PopupHides::Seen>{{QString::fromStdString(kFinalMessage), false}}));
  EXPECT_FALSE(job.popup()->isVisible());
  EXPECT_EQ(job.PacketPages(), (std::vector<std::size_t>{41, 41, 18}));
  EXPECT_EQ(job.held->arrived(), 3);
  EXPECT_EQ(job.rig.bench().printing.phase(), PrintController::Phase::Idle);
  EXPECT_TRUE(job.rig.op.told.empty()) << job.rig.op.told.front().text;
}

TEST(LongJob, TheStopButtonEndsTheJobAtOnceOrWhenTheTransferHasEnded) {
  struct Case {
    const char* when;
    double timeScale;   // large: the job waits longer than the test runs
    int pressAtPacket;  // 0: while the job waits after its first packet
    const char* report;
  };
  const Case cases[] = {
      {"while the job waits", 1000, 0,
       "Printing stopped. Pages 1–41 sent, 42–100 not sent. The next Print can continue from "
       "page 42."},
      {"while the second packet goes out", 0.05, 2,
       "Printing stopped. Pages 1–82 sent, 83–100 not sent. The next Print can continue from "
       "page 83."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.when);
    LongJob job(c.timeScale);
    ASSERT_TRUE(job.rig.shown);
    job.rig.window->action(Command::Print)->trigger();
    ASSERT_TRUE(Eventually([&] { return job.held->arrived() == 1; }, kLongWait));
    job.held->LetIn();
    QPushButton* stop = job.popup()->stopButton();
    if (c.pressAtPacket == 0) {
      ASSERT_TRUE(Eventually(
          [&] { return job.rig.bench().printing.phase() == PrintController::Phase::Waiting; },
          kLongWait));
      ASSERT_TRUE(stop->isVisible());
      QTest::mouseClick(stop, Qt::LeftButton);
      // At once: no transfer was under way.
    } else {
      ASSERT_TRUE(Eventually([&] { return job.held->arrived() == 2; }, kLongWait));
      ASSERT_TRUE(stop->isVisible());
      QTest::mouseClick(stop, Qt::LeftButton);
      EXPECT_EQ(job.popup()->label()->text(), QString::fromUtf8(StoppingText));
      EXPECT_TRUE(job.popup()->isVisible());
      EXPECT_FALSE(stop->isVisible());
      EXPECT_TRUE(job.rig.op.told.empty());
      job.held->LetIn();
      ASSERT_TRUE(Eventually([&] { return !job.rig.op.told.empty(); }, kLongWait));
    }
    ASSERT_EQ(job.rig.op.told.size(), 1u);
    EXPECT_EQ(job.rig.op.told[0].text, c.report);
    EXPECT_FALSE(job.popup()->isVisible());
    EXPECT_EQ(job.rig.bench().printing.phase(), PrintController::Phase::Idle);
    ASSERT_TRUE(Eventually([&] { return !job.rig.bench().printing.busy(); }, kLongWait));
    EXPECT_EQ(job.PacketPages().size(), static_cast<std::size_t>(std::max(c.pressAtPacket, 1)));
  }
}

// The job waits after its first packet, with the stop button offered.
void WaitAfterFirstPacket(LongJob& job) {
  job.rig.window->action(Command::Print)->trigger();
  ASSERT_TRUE(Eventually([&] { return job.held->arrived() == 1; }, kLongWait));
  job.held->LetIn();
  ASSERT_TRUE(Eventually(
      [&] { return job.rig.bench().printing.phase() == PrintController::Phase::Waiting; },
      kLongWait));
  ASSERT_TRUE(job.popup()->stopButton()->isVisible());
}

const std::string kStoppedAfterFirst =
    "Printing stopped. Pages 1–41 sent, 42–100 not sent. The next Print can continue from page "
    "42.";

TEST(LongJob, AStopClickStopsWhateverCellEditItInterrupts) {
  LongJob job(1000);
  ASSERT_TRUE(job.rig.shown);
  WaitAfterFirstPacket(job);
  // Every page is over its length: this edit, once ended, gets "입력 길이 초과!".
  ASSERT_TRUE(job.rig.OpenEditor(5, Line1Column));
  QTest::keyClicks(job.rig.grid()->editor(), QStringLiteral("WW"));
  QTest::mouseClick(job.popup()->stopButton(), Qt::LeftButton);
  EXPECT_EQ(job.rig.bench().printing.phase(), PrintController::Phase::Idle);
  EXPECT_EQ(job.rig.op.TakeTexts(), std::vector<std::string>{kStoppedAfterFirst});
  // The cell edit goes on where it was.
  EXPECT_NE(job.rig.grid()->editor(), nullptr);
}

TEST(LongJob, ReturnAndEscapeNeverPutAwayThePopupOfARunningJob) {
  LongJob job(1000);
  ASSERT_TRUE(job.rig.shown);
  WaitAfterFirstPacket(job);
  QPushButton* stop = job.popup()->stopButton();
  // A press on the button that slides off is no click.
  QTest::mousePress(stop, Qt::LeftButton);
  QTest::mouseRelease(stop, Qt::LeftButton, {}, QPoint(-20, -20));
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Enter}) {
    QTest::keyClick(job.popup(), key);
    EXPECT_TRUE(job.popup()->isVisible());
    EXPECT_TRUE(stop->isVisible());
  }
  EXPECT_EQ(job.rig.bench().printing.phase(), PrintController::Phase::Waiting);
  // A button that looks like one, reached by Tab.
  EXPECT_FALSE(stop->isFlat());
  EXPECT_EQ(stop->focusPolicy(), Qt::TabFocus);
  QTest::mouseClick(stop, Qt::LeftButton);
  EXPECT_EQ(job.rig.op.TakeTexts(), std::vector<std::string>{kStoppedAfterFirst});
}

// Closing the window while a job runs asks first; quitting stops the job, gives
// its report, and the program ends with a status that says pages were not sent.
TEST(LongJob, ClosingTheWindowWhileAJobRunsAsksAndReports) {
  for (const bool held : {false, true}) {
    SCOPED_TRACE(held ? "while a packet is held" : "while the job waits");
    LongJob job(held ? 0.05 : 1000);
    ASSERT_TRUE(job.rig.shown);
    WaitAfterFirstPacket(job);
    if (held) {
      ASSERT_TRUE(Eventually([&] { return job.held->arrived() == 2; }, kLongWait));
    }
    job.rig.op.choices = {1};  // go back
    EXPECT_FALSE(job.rig.window->close());
    ASSERT_EQ(job.rig.op.offered.size(), 1u);
    EXPECT_EQ(job.rig.op.offered[0],
              (std::vector<std::string>{"Stop printing and quit", "Go back"}));
    EXPECT_TRUE(job.rig.window->isVisible());
    EXPECT_TRUE(job.rig.op.told.empty());

    job.rig.op.choices = {0};
    job.rig.op.saveAnswers = {SaveAnswer::Discard};
    if (!held) {
      EXPECT_TRUE(job.rig.window->close());
      EXPECT_EQ(job.rig.op.TakeTexts(), std::vector<std::string>{"Printing stopped. Pages "
                                                                 "1–41 sent, 42–100 not sent."});
    } else {
      // The packet under way ends first; the window closes once it has.
      EXPECT_FALSE(job.rig.window->close());
      EXPECT_TRUE(job.rig.op.told.empty());
      job.held->LetIn();
      ASSERT_TRUE(Eventually([&] { return !job.rig.window->isVisible(); }, kLongWait));
      EXPECT_EQ(job.rig.op.TakeTexts(),
                std::vector<std::string>{"Printing stopped. Pages 1–82 sent, 83–100 not sent."});
    }
    EXPECT_FALSE(job.rig.window->isVisible());
    EXPECT_EQ(job.rig.window->exitStatus(), 1);
  }
}

}  // namespace
}  // namespace q5300::ui::test
