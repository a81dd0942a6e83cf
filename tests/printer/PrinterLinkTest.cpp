#include "printer/PrinterLink.h"

#include <gtest/gtest.h>

#include "printer/VirtualPrinter.h"

namespace q5300 {
namespace {

using std::chrono::milliseconds;
using Bytes = std::vector<uint8_t>;

class PrinterLinkTest : public ::testing::Test {
 protected:
  // The calls the printer saw, without their times and results.
  std::vector<DeviceCall> Calls() const {
    std::vector<DeviceCall> calls;
    for (const DeviceCallRecord& r : printer.calls()) calls.push_back(r.call);
    return calls;
  }
  std::vector<Bytes> Writes() const {
    std::vector<Bytes> writes;
    for (const DeviceCallRecord& r : printer.calls()) {
      if (r.call == DeviceCall::Write) writes.push_back(r.bytes);
    }
    return writes;
  }
  void OpenAndForget() {
    ASSERT_TRUE(link.OpenLink());
    start = printer.calls().size();
  }
  // The calls since OpenAndForget.
  std::vector<DeviceCall> CallsSinceOpen() const {
    const auto all = Calls();
    return {all.begin() + static_cast<std::ptrdiff_t>(start), all.end()};
  }

  ManualClock clock;
  VirtualPrinter printer{clock};
  PrinterLink link{printer, clock};
  size_t start = 0;
};

TEST_F(PrinterLinkTest, OperationsOnAClosedLinkDoNotTouchTheDevice) {
  const auto tryAll = [&] {
    const uint8_t bytes[] = {1, 2};
    EXPECT_FALSE(link.QueryReady());
    EXPECT_FALSE(link.SendEndCommand());
    EXPECT_FALSE(link.WriteData(bytes));
    link.CloseLink();
  };
  tryAll();
  EXPECT_TRUE(printer.calls().empty());

  OpenAndForget();
  link.CloseLink();
  start = printer.calls().size();
  tryAll();
  EXPECT_TRUE(CallsSinceOpen().empty());
  EXPECT_EQ(clock.Now(), milliseconds(0));
}

TEST_F(PrinterLinkTest, OpenLinkDrainsPendingInputByteByByte) {
  printer.AddStaleInput(3);
  ASSERT_TRUE(link.OpenLink());
  EXPECT_TRUE(link.isOpen());
  using enum DeviceCall;
  EXPECT_EQ(Calls(), (std::vector{Open, PendingUploads, Read, Read, Read}));
  for (const DeviceCallRecord& r : printer.calls()) {
    if (r.call == Read) {
      EXPECT_EQ(r.bytes, Bytes{0xEE});
    }
  }
  // The stale bytes are gone: the query gets the printer's answer.
  EXPECT_TRUE(link.QueryReady());
}

TEST_F(PrinterLinkTest, AFailedOpenLeavesTheLinkAsItWasAndKeepsTheReason) {
  for (const OpenStatus refusal :
       {OpenStatus::NoDevice, OpenStatus::NoPermission, OpenStatus::Failed}) {
    printer.RefuseOpen(refusal);
    EXPECT_FALSE(link.OpenLink());
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(link.lastOpen().status, refusal);
    EXPECT_FALSE(link.lastOpen().detail.empty());
  }
  EXPECT_EQ(printer.CountCalls(DeviceCall::Open), 3);
  EXPECT_EQ(printer.calls().size(), 3u);
}

TEST_F(PrinterLinkTest, OpeningAnOpenLinkOpensTheDeviceAgain) {
  ASSERT_TRUE(link.OpenLink());
  ASSERT_TRUE(link.OpenLink());
  EXPECT_EQ(printer.CountCalls(DeviceCall::Open), 2);
}

TEST_F(PrinterLinkTest, QueryReadyAsksAndReadsNineBytes) {
  OpenAndForget();
  EXPECT_TRUE(link.QueryReady());
  using enum DeviceCall;
  EXPECT_EQ(CallsSinceOpen(), (std::vector{Write, Write, Read}));
  EXPECT_EQ(Writes(), (std::vector<Bytes>{{0x01, 'A'}, {}}));
}

TEST_F(PrinterLinkTest, OnlyAReplyStartingWithNMeansReady) {
  struct Case {
    Bytes reply;
    bool ready;
  } const cases[] = {
      {{'N', 0xFF, 'B', 0, 1, 2, 3, 4, 5}, true},
      {{'N'}, true},
      {{'B', 0, 0, 0, 0, 0, 0, 0, 0}, false},
      {{'n', 0, 0, 0, 0, 0, 0, 0, 0}, false},
      {{0x00, 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N'}, false},
  };
  OpenAndForget();
  for (const Case& c : cases) {
    printer.SetStatusReply(c.reply);
    EXPECT_EQ(link.QueryReady(), c.ready) << int(c.reply[0]);
  }
}

TEST_F(PrinterLinkTest, AReadThatDeliversNothingIsNotReady) {
  OpenAndForget();
  printer.DeliverNothing();
  EXPECT_FALSE(link.QueryReady());
  // The lost reply does not linger to answer the next query.
  printer.SetStatusReply({'B'});
  EXPECT_FALSE(link.QueryReady());
}

TEST_F(PrinterLinkTest, AFailedQueryWriteIsNeitherEndedNorAnswered) {
  OpenAndForget();
  printer.FailWrite(1);
  EXPECT_FALSE(link.QueryReady());
  using enum DeviceCall;
  EXPECT_EQ(CallsSinceOpen(), (std::vector{Write}));
}

TEST_F(PrinterLinkTest, AnUnpluggedPrinterIsNotReady) {
  OpenAndForget();
  printer.UnplugAfterWrites(0);
  EXPECT_FALSE(link.QueryReady());
  EXPECT_FALSE(link.SendEndCommand());
}

TEST_F(PrinterLinkTest, SendEndCommandWritesTwoBytesThenWaitsASecond) {
  OpenAndForget();
  clock.Advance(milliseconds(500));
  EXPECT_TRUE(link.SendEndCommand());
  EXPECT_EQ(Writes(), (std::vector<Bytes>{{0x02, 'H'}}));
  EXPECT_EQ(printer.received().back().time, milliseconds(500));
  EXPECT_EQ(clock.Now(), milliseconds(1500));

  printer.FailWrite(1);
  EXPECT_FALSE(link.SendEndCommand());
  EXPECT_EQ(clock.Now(), milliseconds(1500));
}

TEST_F(PrinterLinkTest, RawWritesPassThrough) {
  OpenAndForget();
  const uint8_t bytes[] = {0x03, 'X', 0x00};
  EXPECT_TRUE(link.WriteData(bytes));
  EXPECT_EQ(Writes(), (std::vector<Bytes>{{0x03, 'X', 0x00}}));
}

TEST_F(PrinterLinkTest, ClosesTheDeviceOnceWhateverClosesIt) {
  ASSERT_TRUE(link.OpenLink());
  link.CloseLink();
  link.CloseLink();
  EXPECT_FALSE(link.isOpen());
  EXPECT_EQ(printer.CountCalls(DeviceCall::Close), 1);

  {
    PrinterLink scoped(printer, clock);
    ASSERT_TRUE(scoped.OpenLink());
  }
  EXPECT_EQ(printer.CountCalls(DeviceCall::Close), 2);
  {
    PrinterLink scoped(printer, clock);
    ASSERT_TRUE(scoped.OpenLink());
    scoped.CloseLink();
  }
  EXPECT_EQ(printer.CountCalls(DeviceCall::Close), 3);
  { PrinterLink never(printer, clock); }
  EXPECT_EQ(printer.CountCalls(DeviceCall::Close), 3);
}

}  // namespace
}  // namespace q5300
