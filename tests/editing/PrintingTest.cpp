// The print job from the Print command to the last packet, against the virtual
// printer on a manual clock: what the printer received, byte for byte, and when.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "support/RecordChain.h"
#include "compile/PrintPacket.h"
#include "editing/JobPages.h"
#include "printer/TempDir.h"
#include "support/WorkbenchRig.h"

namespace q5300 {
namespace {

using std::chrono::milliseconds;

const std::vector<uint8_t> kZeroLength;
const std::vector<uint8_t> kStatusQuery = {0x01, 'A'};
const std::vector<uint8_t> kEndCommand = {0x02, 'H'};

class PrintingTest : public ::testing::Test, public testing::WorkbenchParts {
 protected:
  void SetUp() override {
    bench.StartUp();
    op.told.clear();
  }

  // Pages with these first lines (the job starts with one empty page).
  void MakePages(int count, const std::u16string& line) {
    while (grid().rowCount() < count) bench.pages.Add();
    Edit([&](JobEdit& e) {
      for (int row = 0; row < count; ++row) e.PageAt(row)->line1 = line;
    });
  }

  void RunTimers() { ASSERT_TRUE(WorkbenchParts::RunTimers()) << "the timers never stop"; }

  // The writes the printer took, as (time, bytes), from the index `from` on.
  std::vector<std::pair<milliseconds, std::vector<uint8_t>>> Writes(size_t from = 0) const {
    std::vector<std::pair<milliseconds, std::vector<uint8_t>>> out;
    for (size_t i = from; i < printer.received().size(); ++i) {
      out.emplace_back(printer.received()[i].time, printer.received()[i].bytes);
    }
    return out;
  }

  // The packet from list position `start`, built from the job as it stands.
  std::vector<uint8_t> ExpectedPacket(int start) const {
    CompiledJob compiled = bench.document.Compile(RebuildMode::PrinterMode);
    return BuildPacket(job().settings, compiled.first(), start).bytes;
  }
};

TEST_F(PrintingTest, AHundredPagesGoOutInThreePacketsOnTheTimer) {
  MakePages(100, std::u16string(40, u'X'));
  const milliseconds t0 = clock.Now();
  bench.printing.Print();

  EXPECT_TRUE(timers.IsArmed(TimerId::Continue));
  // The timer is armed once the packet and its 100 ms pause are through.
  EXPECT_EQ(*timers.deadline(TimerId::Continue), t0 + milliseconds(100 + 7551));
  EXPECT_EQ(bench.popup().text(), "인쇄 데이터 전송중...");
  EXPECT_TRUE(bench.popup().visible());
  const milliseconds t1 = *timers.deadline(TimerId::Continue);

  RunTimers();
  const auto writes = Writes();
  // Status query, first packet; at each tick a status query and the next packet;
  // every transfer ends with a zero-length write.
  const std::vector<std::pair<milliseconds, std::vector<uint8_t>>> expected = {
      {t0, kStatusQuery},
      {t0, kZeroLength},
      {t0, ExpectedPacket(0)},
      {t0, kZeroLength},
      {t1, kStatusQuery},
      {t1, kZeroLength},
      {t1, ExpectedPacket(41)},
      {t1, kZeroLength},
      {t1 + milliseconds(100 + 6551), kStatusQuery},
      {t1 + milliseconds(100 + 6551), kZeroLength},
      {t1 + milliseconds(100 + 6551), ExpectedPacket(82)},
      {t1 + milliseconds(100 + 6551), kZeroLength},
  };
  EXPECT_EQ(writes, expected);
  const auto packets = printer.packets();
  ASSERT_EQ(packets.size(), 3u);
  EXPECT_EQ(packets[0].records.size(), 41u);
  EXPECT_EQ(packets[1].records.size(), 41u);
  EXPECT_EQ(packets[2].records.size(), 18u);

  // The final message stood five seconds; the link closed before it.
  EXPECT_FALSE(bench.popup().visible());
  EXPECT_EQ(bench.popup().text(),
            "모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.");
  EXPECT_FALSE(printer.isOpen());
  EXPECT_EQ(clock.Now(), t1 + milliseconds(100 + 6551 + 100 + 5000));
  EXPECT_TRUE(op.told.empty());
  EXPECT_EQ(bench.printing.phase(), PrintController::Phase::Idle);
  // The device is reset before the job and again before each continued packet.
  EXPECT_EQ(printer.CountCalls(DeviceCall::Reset), 3);
}

TEST_F(PrintingTest, AOnePacketJobNeverArmsTheContinuationTimer) {
  MakePages(3, u"AB");
  bench.printing.Print();
  EXPECT_FALSE(timers.IsArmed(TimerId::Continue));
  EXPECT_EQ(bench.popup().text(),
            "모든 인쇄 내용을 전송했습니다. 인쇄가 끝날 때 까지 기다리십시오.");
  EXPECT_TRUE(bench.popup().visible());
  EXPECT_TRUE(printer.isOpen());  // until the final message has stood
  const milliseconds sent = clock.Now();
  RunTimers();
  EXPECT_EQ(clock.Now(), sent + milliseconds(5000));
  EXPECT_FALSE(bench.popup().visible());
  EXPECT_FALSE(printer.isOpen());
  ASSERT_EQ(printer.packets().size(), 1u);
  EXPECT_EQ(printer.packets()[0].records.size(), 3u);
}

TEST_F(PrintingTest, PrintDuringTheFinalMessageEndsThePreviousJobFirst) {
  MakePages(3, u"AB");
  bench.printing.Print();
  ASSERT_EQ(bench.printing.phase(), PrintController::Phase::FinalMessage);
  ASSERT_TRUE(printer.isOpen());
  clock.Advance(milliseconds(2000));
  const size_t callsBefore = printer.calls().size();
  bench.printing.Print();
  // The first job's link is closed before the second job opens its own.
  const auto is = [](DeviceCall call) {
    return [call](const DeviceCallRecord& record) { return record.call == call; };
  };
  const auto from = printer.calls().begin() + static_cast<std::ptrdiff_t>(callsBefore);
  const auto open = std::find_if(from, printer.calls().end(), is(DeviceCall::Open));
  ASSERT_NE(open, printer.calls().end());
  EXPECT_NE(std::find_if(from, open, is(DeviceCall::Close)), open);
  // The second job's message stands its full five seconds.
  const milliseconds sent = clock.Now();
  EXPECT_TRUE(bench.popup().visible());
  RunTimers();
  EXPECT_EQ(clock.Now(), sent + milliseconds(5000));
  EXPECT_FALSE(bench.popup().visible());
  EXPECT_FALSE(printer.isOpen());
  EXPECT_EQ(printer.packets().size(), 2u);
  EXPECT_EQ(printer.CountCalls(DeviceCall::Open) - printer.CountCalls(DeviceCall::Close), 0);
  EXPECT_TRUE(op.told.empty());
}

TEST_F(PrintingTest, NoPrintablePageSendsOnlyTheEndCommand) {
  MakePages(2, u"AB");
  SetChecked(0, false);
  SetCell(1, Line1Column, u"");
  bench.printing.Print();
  EXPECT_EQ(op.TakeTexts(), std::vector<std::string>{"인쇄 내용 없음!"});
  EXPECT_EQ(Writes(), (decltype(Writes()){{Writes()[0].first, kStatusQuery},
                                          {Writes()[0].first, kZeroLength},
                                          {Writes()[0].first, kEndCommand}}));
  EXPECT_FALSE(printer.isOpen());
  EXPECT_FALSE(bench.popup().visible());
  EXPECT_FALSE(timers.IsArmed(TimerId::Continue));
}

// Every way a job of 100 pages (three packets: pages 1–41, 42–82, 83–100) can
// end before its last page: the job ends at once, the link is closed, and the
// operator learns which pages went out and where the next Print goes on.
TEST_F(PrintingTest, AJobThatEndsEarlySaysWhichPagesWereSent) {
  const std::string report =
      "Pages 1–41 sent, 42–100 not sent. The next Print can continue from page 42.";
  struct Case {
    const char* name;
    std::function<void()> fault;  // applied after the first packet
    std::vector<std::string> told;
  } const cases[] = {
      {"unplugged between packets",
       [this] { printer.UnplugAfterWrites(0); },
       {"The printer is no longer connected. " + report}},
      {"unplugged right after the status query",
       [this] { printer.UnplugAfterWrites(2); },  // after the query
       {"The printer is no longer connected. " + report}},
      {"the stop button while the job waits",
       [this] { bench.popup().StopPressed(); },
       {"Printing stopped. " + report}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MakePages(100, std::u16string(40, u'X'));
    const size_t packetsBefore = printer.packets().size();
    bench.printing.Print();
    c.fault();
    RunTimers();
    EXPECT_EQ(op.TakeTexts(), c.told);
    EXPECT_EQ(printer.packets().size(), packetsBefore + 1);
    EXPECT_EQ(bench.printing.unfinishedFrom(), 41);
    EXPECT_EQ(bench.printing.phase(), PrintController::Phase::Idle);
    EXPECT_FALSE(printer.isOpen());
    EXPECT_FALSE(bench.popup().visible());
    EXPECT_FALSE(timers.IsArmed(TimerId::Continue));
    // The next case starts afresh, with the printer back.
    printer.Replug();
    bench.printing.ForgetUnfinished();
  }
}

TEST_F(PrintingTest, TheNextPrintOffersToGoOnFromTheFirstPageNotSent) {
  struct Case {
    std::size_t answer;
    std::vector<int> firstPagesOfPackets;  // creation numbers
  } const cases[] = {{0, {42, 83}}, {1, {1, 42, 83}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    MakePages(100, std::u16string(40, u'X'));
    bench.printing.Print();
    bench.popup().StopPressed();
    op.told.clear();
    op.asked.clear();
    op.offered.clear();
    const size_t from = printer.packets().size();

    op.choices = {c.answer};
    bench.printing.Print();
    RunTimers();
    ASSERT_EQ(op.asked.size(), 1u);
    EXPECT_EQ(op.asked[0].text,
              "The last print job stopped before its end: Pages 1–41 sent, 42–100 not sent.\n\n"
              "Continue from page 42?");
    EXPECT_EQ(op.offered[0], (std::vector<std::string>{"Continue from page 42",
                                                       "Start again from page 1", "Cancel"}));
    std::vector<int> firstPages;
    for (size_t i = from; i < printer.packets().size(); ++i) {
      firstPages.push_back(printer.packets()[i].records.front().creationNo);
    }
    EXPECT_EQ(firstPages, c.firstPagesOfPackets);
    EXPECT_TRUE(op.told.empty());
    EXPECT_FALSE(bench.printing.unfinishedFrom());
  }
  // A job that went out whole offers nothing.
  op.asked.clear();
  bench.printing.Print();
  RunTimers();
  EXPECT_TRUE(op.asked.empty());
}

TEST_F(PrintingTest, PrintWhileAJobWaitsOffersToGoOnRatherThanPrintTwice) {
  MakePages(100, std::u16string(40, u'X'));
  bench.printing.Print();
  op.choices = {0};
  bench.printing.Print();  // pressed again while the job waits for its first tick
  RunTimers();
  ASSERT_EQ(op.asked.size(), 1u);
  EXPECT_EQ(op.asked[0].text,
            "The print job waits to send its next packet: Pages 1–41 sent, 42–100 not sent.\n\n"
            "Continue from page 42?");
  std::vector<int> firstPages;
  for (const DecodedPacket& p : printer.packets())
    firstPages.push_back(p.records.front().creationNo);
  EXPECT_EQ(firstPages, (std::vector<int>{1, 42, 83}));
}

TEST_F(PrintingTest, AJobReplacedByAnotherOffersNothing) {
  MakePages(100, std::u16string(40, u'X'));
  bench.printing.Print();
  bench.popup().StopPressed();
  ASSERT_TRUE(bench.printing.unfinishedFrom());
  test::TempDir dir;
  const std::string file = (dir.path() / "other.csv").string();
  std::ofstream(file) << "A,B,1\n";
  ASSERT_TRUE(bench.files.ImportFile(file));
  op.asked.clear();
  bench.printing.Print();
  EXPECT_TRUE(op.asked.empty());
  EXPECT_FALSE(bench.printing.unfinishedFrom());
}

TEST_F(PrintingTest, AJobBroughtBackByUndoOffersNothingOfTheJobItReplaced) {
  MakePages(100, std::u16string(40, u'X'));
  test::TempDir dir;
  const std::string file = (dir.path() / "other.csv").string();
  {
    std::ofstream out(file);
    for (int i = 0; i < 100; ++i) out << "Imported " << i << ",B,1\n";
  }
  ASSERT_TRUE(bench.files.ImportFile(file));
  bench.printing.Print();
  bench.popup().StopPressed();
  ASSERT_TRUE(bench.printing.unfinishedFrom());

  bench.document.Undo();
  ASSERT_EQ(grid().CellText(0, Line1Column), std::u16string(40, u'X'));
  op.asked.clear();
  bench.printing.Print();
  EXPECT_TRUE(op.asked.empty());
  EXPECT_FALSE(bench.printing.unfinishedFrom());
}

TEST_F(PrintingTest, ABusyPrinterAtATickIsAskedAgainUntilItIsReady) {
  const std::vector<uint8_t> busy = {'B', 0, 0, 0, 0, 0, 0, 0, 0};
  MakePages(100, std::u16string(40, u'X'));
  bench.printing.Print();
  printer.SetStatusReply(busy);
  for (int tick = 0; tick < 3; ++tick) {
    const auto due = timers.WaitForNext();
    ASSERT_EQ(due, TimerId::Continue);
    bench.printing.TimerFired(*due);
    // Still waiting: the popup says why and keeps the stop button; no message box.
    EXPECT_EQ(bench.printing.phase(), PrintController::Phase::Waiting);
    EXPECT_EQ(timers.deadline(TimerId::Continue), clock.Now() + TickInterval);
    EXPECT_EQ(bench.popup().text(), "PC가 사용중입니다! 준비되면 계속 인쇄합니다...");
    EXPECT_TRUE(bench.popup().visible());
    EXPECT_TRUE(bench.popup().stopButtonVisible());
  }
  EXPECT_TRUE(op.told.empty());
  EXPECT_EQ(printer.packets().size(), 1u);
  printer.SetStatusReply(VirtualPrinter::ReadyReply());
  RunTimers();
  EXPECT_EQ(printer.packets().size(), 3u);
  EXPECT_TRUE(op.told.empty());
  EXPECT_FALSE(bench.printing.unfinishedFrom());

  // Busy, then stopped: the job ends with what it sent.
  bench.printing.Print();
  printer.SetStatusReply(busy);
  bench.printing.TimerFired(*timers.WaitForNext());
  bench.popup().StopPressed();
  EXPECT_EQ(op.TakeTexts(), std::vector<std::string>{"Printing stopped. Pages 1–41 sent, 42–100 "
                                                     "not sent. The next Print can continue "
                                                     "from page 42."});
  EXPECT_FALSE(timers.IsArmed(TimerId::Continue));
}

TEST_F(PrintingTest, APacketTakenWholeCountsAsSentWhenItsZeroLengthEndFails) {
  MakePages(100, std::u16string(40, u'X'));
  printer.FailWrite(4);  // status query, its zero-length write, the packet, its zero-length end
  bench.printing.Print();
  RunTimers();
  EXPECT_TRUE(op.told.empty());
  ASSERT_EQ(printer.packets().size(), 3u);
  EXPECT_EQ(printer.packets()[1].records.front().creationNo, 42);
}

TEST_F(PrintingTest, TheJobNamesThePrinterItWentTo) {
  MakePages(1, u"AB");
  EXPECT_EQ(bench.printing.printerNote(), "");
  bench.printing.Print();
  EXPECT_EQ(bench.printing.printerNote(), "Printer: the virtual printer.");
}

TEST_F(PrintingTest, TheDeviceCheckRunsOnTheFirstPrintOnlyAndClosesWhatItOpened) {
  MakePages(1, u"AB");
  // The start-up check only looks: nothing on the printer is opened or changed.
  EXPECT_EQ(printer.CountCalls(DeviceCall::Probe), 1);
  EXPECT_EQ(printer.CountCalls(DeviceCall::Open), 0);
  EXPECT_EQ(printer.CountCalls(DeviceCall::Close), 0);
  bench.printing.Print();
  RunTimers();
  // The check (open, id, close), then the link.
  EXPECT_EQ(printer.CountCalls(DeviceCall::Open), 2);
  EXPECT_EQ(printer.CountCalls(DeviceCall::UsbId), 1);
  bench.printing.Print();
  RunTimers();
  EXPECT_EQ(printer.CountCalls(DeviceCall::Open), 3);
  EXPECT_EQ(printer.CountCalls(DeviceCall::UsbId), 1);
  EXPECT_EQ(printer.CountCalls(DeviceCall::Reset), 2);
  EXPECT_EQ(printer.CountCalls(DeviceCall::Open), printer.CountCalls(DeviceCall::Close));
}

TEST_F(PrintingTest, NoPrinterAtTheFirstPrintStopsBeforeAnythingIsSent) {
  MakePages(1, u"AB");
  printer.RefuseOpen(OpenStatus::NoPermission);
  bench.printing.Print();
  ASSERT_EQ(op.told.size(), 2u);
  EXPECT_EQ(op.told[0].text.substr(0, 37), "Unsuccessfully to open the serial por");
  EXPECT_EQ(op.told[0].caption, "Q5300 Application");
  // A printer that is there but may not be opened: the operator learns why.
  EXPECT_NE(op.told[1].text.find("may not open"), std::string::npos);
  EXPECT_EQ(printer.CountCalls(DeviceCall::Write), 0);
  // The check did not pass, so the next job checks again: it reads the
  // printer's identity before its link opens.
  printer.RefuseOpen(OpenStatus::Opened);
  op.told.clear();
  bench.printing.Print();
  RunTimers();
  EXPECT_EQ(printer.CountCalls(DeviceCall::UsbId), 1);
  EXPECT_EQ(printer.CountCalls(DeviceCall::Open), 3);
}

TEST_F(PrintingTest, APrinterThatIsNotReadyKeepsThePopupAndTheLink) {
  MakePages(1, u"AB");
  printer.SetStatusReply({'B', 0, 0, 0, 0, 0, 0, 0, 0});
  bench.printing.Print();
  EXPECT_EQ(op.TakeTexts(), std::vector<std::string>{"PC가 사용중입니다!"});
  EXPECT_EQ(bench.popup().text(), "프린터 상태 점검...");
  EXPECT_TRUE(bench.popup().visible());
  EXPECT_TRUE(printer.isOpen());
  EXPECT_TRUE(printer.packets().empty());
}

// The packet whose write fails: 0 the first, sent by the Print command; 1 the
// second, sent at the first tick.
class FailedWriteTest : public PrintingTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(FailedWriteTest, AFailedWriteEndsTheJobAndTellsTheOperator) {
  const size_t failedPacket = GetParam();
  MakePages(100, std::u16string(40, u'X'));
  // Each packet's write follows a status query and its zero-length write.
  if (failedPacket == 0) printer.FailWrite(3);
  bench.printing.Print();
  if (failedPacket == 1) printer.FailWrite(3);
  RunTimers();
  // The pages that went out before the failure are named, none after a first
  // packet that failed, and the next Print can go on there.
  const std::vector<std::string> told = {
      "시리얼 포트 오류!",
      failedPacket == 1
          ? "Pages 1–41 sent, 42–100 not sent. The next Print can continue from page 42."
          : "Pages 1–100 not sent."};
  EXPECT_EQ(op.TakeTexts(), told);
  EXPECT_EQ(bench.printing.unfinishedFrom(),
            failedPacket == 1 ? std::optional<int>(41) : std::nullopt);
  EXPECT_EQ(printer.packets().size(), failedPacket);
  EXPECT_FALSE(printer.isOpen());
  EXPECT_FALSE(bench.popup().visible());
  EXPECT_FALSE(timers.IsArmed(TimerId::Continue));
  EXPECT_EQ(bench.printing.phase(), PrintController::Phase::Idle);
}

INSTANTIATE_TEST_SUITE_P(FirstOrSecondPacket, FailedWriteTest, ::testing::Values(0u, 1u));

TEST_F(PrintingTest, ATickThatFindsNothingLeftEndsTheJobAsComplete) {
  MakePages(100, std::u16string(40, u'X'));
  bench.printing.Print();
  // The operator unticks the pages still to come while the job waits.
  for (int row = 41; row < 100; ++row) bench.pages.RowChecked(row, false);
  RunTimers();
  EXPECT_EQ(printer.packets().size(), 1u);
  EXPECT_TRUE(op.told.empty());
  EXPECT_EQ(bench.popup().text(),
            "모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.");
  EXPECT_FALSE(bench.popup().visible());
  EXPECT_FALSE(printer.isOpen());
}

TEST_F(PrintingTest, APreviewWhileTheJobWaitsDoesNotChangeWhatThePrinterGets) {
  // 38 letters and a superscript marker: 39 bytes for the printer, 40 in the editor.
  MakePages(100, std::u16string(38, u'X') + u"\uE051");
  bench.printing.Print();
  bench.pages.Preview();  // compiles the records for the editor
  RunTimers();
  const auto packets = printer.packets();
  ASSERT_EQ(packets.size(), 3u);
  std::vector<uint8_t> printed(38, 'X');
  printed.push_back(0x1C);
  for (const DecodedPacket& packet : packets) {
    for (const DecodedRecord& record : packet.records) ASSERT_EQ(record.text, printed);
  }
}

// A job of more records than any window can make, to reach the image limit.
class ListSource : public PrintSource {
 public:
  explicit ListSource(int records) {
    for (int i = 0; i < records; ++i) Add();
  }
  void Add() {
    PageRecord* r = pages.AppendRecord(PageDefaults{}, settings);
    r->text.fill('X');
    r->text[40] = 0;
    r->textLength = 40;
  }
  PageOrder Order() const override { return OrderOf(pages.first()); }
  // The records hold the printer's bytes already.
  CompiledJob CompileForPacket() const override {
    return CompiledJob(std::vector<PageRecord>(pages.begin(), pages.end()));
  }
  const JobSettings& Settings() const override { return settings; }

  JobSettings settings;
  testing::RecordChain pages;
};

class ImageLimitTest : public ::testing::Test {
 protected:
  void Run() {
    for (auto id = timers.WaitForNext(); id; id = timers.WaitForNext()) job.TimerFired(*id);
  }
  testing::FakeOperator op;
  ManualClock clock;
  TimerQueue timers{clock};
  VirtualPrinter printer{clock};
  PrinterLink link{printer, clock};
  StatusPopup popup;
  ListSource source{647};
  PrintController job{link, popup, timers, op, source};
};

TEST_F(ImageLimitTest, AnImageOverTheLimitIsNotSent) {
  popup.SetUp();
  job.Print();
  EXPECT_EQ(op.TakeTexts(), std::vector<std::string>{"Input is over length!!"});
  EXPECT_TRUE(printer.packets().empty());
  EXPECT_EQ(popup.text(), "인쇄 데이터 전송중...");
  EXPECT_TRUE(popup.visible());
}

TEST_F(ImageLimitTest, AJobThatGrowsOverTheLimitWhileItWaitsEndsWithTheMessage) {
  popup.SetUp();
  source.pages.RemoveLast();  // 646 records: just within
  job.Print();
  ASSERT_TRUE(timers.IsArmed(TimerId::Continue));
  source.Add();
  Run();
  EXPECT_EQ(op.TakeTexts(),
            (std::vector<std::string>{"Input is over length!!",
                                      "Pages 1–41 sent, 42–647 not sent. The next Print can "
                                      "continue from page 42."}));
  EXPECT_EQ(printer.packets().size(), 1u);
  EXPECT_FALSE(popup.visible());
  EXPECT_FALSE(link.isOpen());
  EXPECT_EQ(job.phase(), PrintController::Phase::Idle);
}

}  // namespace
}  // namespace q5300
