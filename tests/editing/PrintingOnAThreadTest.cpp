// A print job whose USB work runs on the worker's thread, as in the window:
// the reports come back through a queue the test runs, and a gate at the
// printer holds a write while the test presses Stop or Print.
#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "printer/PacketDecoder.h"
#include "support/QueueDispatcher.h"
#include "support/WorkbenchRig.h"
#include "support/WriteGate.h"

namespace q5300 {
namespace {

using std::chrono::milliseconds;

// The reports of the worker thread, kept until the test runs them: they outlive
// the workbench whose worker posts them.
struct WorkerReports {
  testing::QueueDispatcher dispatcher;
};

class PrintingOnAThread : public ::testing::Test,
                          protected WorkerReports,
                          public testing::WorkbenchParts {
 protected:
  void SetUp() override {
    bench.StartUp();
    bench.printing.RunOnThread(dispatcher);
    op.told.clear();
  }

  // Pages with these first lines (the job starts with one empty page).
  void MakePages(int count, const std::u16string& line) {
    while (grid().rowCount() < count) bench.pages.Add();
    Edit([&](JobEdit& e) {
      for (int row = 0; row < count; ++row) e.PageAt(row)->line1 = line;
    });
  }
};

TEST_F(PrintingOnAThread, APrintPressedWhileThePrinterWorksIsCarriedOutAfter) {
  MakePages(3, u"AB");
  bench.printing.Print();
  EXPECT_TRUE(bench.printing.busy());
  bench.printing.Print();  // while the printer is being opened
  EXPECT_TRUE(op.asked.empty());
  ASSERT_TRUE(
      dispatcher.RunUntil([&] { return printer.packets().size() == 2 && !bench.printing.busy(); }));
  EXPECT_EQ(bench.printing.phase(), PrintController::Phase::FinalMessage);
  EXPECT_TRUE(op.told.empty());
}

// A slow printer: the status query before the second packet is held at the
// printer, and answered "ready" only after the stop. No byte of the packet
// goes, and the job has ended at the press.
TEST_F(PrintingOnAThread, AStopWhileTheStatusQueryIsHeldEndsTheJobAtOnce) {
  MakePages(100, std::u16string(40, u'X'));
  bench.printing.Print();
  ASSERT_TRUE(dispatcher.RunUntil(
      [&] { return bench.printing.phase() == PrintController::Phase::Waiting; }));
  auto gate = std::make_shared<testing::WriteGate>();
  const testing::WriteGate::OpenAtEnd guard{gate};
  printer.SetArrivalObserver([gate](std::span<const uint8_t> bytes) {
    if (bytes.size() == 2 && bytes[0] == 0x01 && bytes[1] == 'A') gate->Hold();
  });
  timers.Stop(TimerId::Continue);
  bench.printing.TimerFired(TimerId::Continue);
  ASSERT_TRUE(gate->WaitForArrivals(1));
  bench.popup().StopPressed();
  EXPECT_EQ(bench.printing.phase(), PrintController::Phase::Idle);
  EXPECT_FALSE(bench.popup().visible());
  EXPECT_EQ(op.TakeTexts(), std::vector<std::string>{"Printing stopped. Pages 1–41 sent, 42–100 "
                                                     "not sent. The next Print can continue "
                                                     "from page 42."});
  gate->Open();
  ASSERT_TRUE(dispatcher.RunUntil([&] { return !bench.printing.busy(); }));
  EXPECT_EQ(printer.packets().size(), 1u);
  EXPECT_FALSE(printer.isOpen());
  EXPECT_FALSE(timers.IsArmed(TimerId::Continue));
  EXPECT_TRUE(op.told.empty());
}

// The packet's bytes are at the printer when the stop comes: the popup says
// that the job stops, and it ends when the transfer has, with the packet sent.
TEST_F(PrintingOnAThread, AStopWhileAPacketIsHeldEndsTheJobWhenTheTransferEnds) {
  MakePages(100, std::u16string(40, u'X'));
  bench.printing.Print();
  ASSERT_TRUE(dispatcher.RunUntil(
      [&] { return bench.printing.phase() == PrintController::Phase::Waiting; }));
  auto gate = std::make_shared<testing::WriteGate>();
  const testing::WriteGate::OpenAtEnd guard{gate};
  printer.SetArrivalObserver([gate](std::span<const uint8_t> bytes) {
    if (DecodeMessage(bytes).kind == MessageKind::PrintPacket) gate->Hold();
  });
  timers.Stop(TimerId::Continue);
  bench.printing.TimerFired(TimerId::Continue);
  ASSERT_TRUE(dispatcher.RunUntil([&] { return bench.printing.writing(); }));
  ASSERT_TRUE(gate->WaitForArrivals(1));
  bench.popup().StopPressed();
  EXPECT_TRUE(bench.popup().visible());
  EXPECT_EQ(bench.popup().text(), StoppingText);
  EXPECT_FALSE(bench.popup().stopButtonVisible());
  EXPECT_TRUE(op.told.empty());
  gate->Open();
  ASSERT_TRUE(dispatcher.RunUntil([&] { return !op.told.empty(); }));
  EXPECT_FALSE(bench.popup().visible());
  EXPECT_EQ(op.TakeTexts(), std::vector<std::string>{"Printing stopped. Pages 1–82 sent, 83–100 "
                                                     "not sent. The next Print can continue "
                                                     "from page 83."});
  EXPECT_FALSE(timers.IsArmed(TimerId::Continue));
  EXPECT_EQ(printer.packets().size(), 2u);
}

// Print pressed while a packet is held, which then fails: the job's boxes
// ("시리얼 포트 오류!", its report) come first, and only then the question
// about the next job.
TEST_F(PrintingOnAThread, AJobsReportComesBeforeTheQuestionAboutTheNext) {
  MakePages(100, std::u16string(40, u'X'));
  bench.printing.Print();
  ASSERT_TRUE(dispatcher.RunUntil(
      [&] { return bench.printing.phase() == PrintController::Phase::Waiting; }));
  printer.FailWrite(3);  // the query, its end, the packet
  timers.Stop(TimerId::Continue);
  bench.printing.TimerFired(TimerId::Continue);
  bench.printing.Print();  // while the printer works: carried out once the job has settled
  // Each box is modal: the window's event loop runs the reports that come meanwhile.
  op.whileTelling = [&] { dispatcher.RunUntil([&] { return !bench.printing.busy(); }); };
  std::size_t toldBeforeQuestion = 0;
  op.whileChoosing = [&] { toldBeforeQuestion = op.told.size(); };
  ASSERT_TRUE(dispatcher.RunUntil([&] { return !op.asked.empty(); }));
  op.whileTelling = {};
  EXPECT_EQ(toldBeforeQuestion, 2u);
  EXPECT_EQ(op.TakeTexts(), (std::vector<std::string>{"시리얼 포트 오류!",
                                                      "Pages 1–41 sent, 42–100 not sent. The next "
                                                      "Print can continue from page 42."}));
}

}  // namespace
}  // namespace q5300
