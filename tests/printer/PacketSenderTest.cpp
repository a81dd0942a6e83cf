// The packet builder and the printer, end to end: what a packet built and sent writes
// is what the virtual printer decodes.
#include <gtest/gtest.h>

#include <string>

#include "support/RecordChain.h"
#include "compile/PrintPacket.h"
#include "data/FixedField.h"
#include "data/PageRecord.h"
#include "printer/PacketSender.h"
#include "printer/PrinterLink.h"
#include "printer/VirtualPrinter.h"

namespace q5300 {
namespace {

// One packet built from list position `start` and sent, as the print job does.
PacketOutcome BuildAndSend(PrinterLink& link, const JobSettings& settings, PageRecord* first,
                           int start) {
  return SendPacket(link, BuildPacket(settings, first, start), start);
}

using std::chrono::milliseconds;

class PacketSenderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(link.OpenLink()); }

  // n ticked pages, each with `text` (all of it, no cut).
  void AddPages(int n, const std::string& text) {
    for (int i = 0; i < n; ++i) {
      PageRecord* r = pages.AppendRecord(PageDefaults{}, settings);
      SetField(r->text, text);
      r->textLength = static_cast<uint8_t>(text.size());
      r->creationNo = static_cast<uint8_t>(i + 1);
    }
  }

  JobSettings settings;
  testing::RecordChain pages;
  ManualClock clock;
  VirtualPrinter printer{clock};
  PrinterLink link{printer, clock};
};

TEST_F(PacketSenderTest, ThePrinterDecodesWhatTheBuilderSends) {
  settings.copies = 3;
  settings.cutMode = 'L';
  settings.density = 12;
  settings.margin = 5;
  settings.alignment = 1;
  settings.repeatMode = Sequential;
  AddPages(1, "AB");
  PageRecord& page = *pages.first();
  page.lengthDots = 128;
  page.numHex1 = 1;
  SetRepeat(page, 7);

  const milliseconds before = clock.Now();
  const PacketOutcome outcome = BuildAndSend(link, settings, pages.first(), 0);
  EXPECT_EQ(outcome.kind, PacketOutcome::Sent);
  EXPECT_EQ(outcome.next, 1);
  EXPECT_EQ(clock.Now() - before, milliseconds(100));

  const auto& received = printer.received();
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[1].message.kind, MessageKind::ZeroLength);
  ASSERT_EQ(received[0].message.kind, MessageKind::PrintPacket) << received[0].message.reason;
  const DecodedPacket& packet = received[0].message.packet;
  EXPECT_EQ(packet.length, 69);
  EXPECT_EQ(packet.copies, 3);
  EXPECT_EQ(packet.cutMode, 'L');
  EXPECT_EQ(packet.density, 12);
  EXPECT_EQ(packet.margin, 5);
  EXPECT_EQ(packet.alignment, 1);
  EXPECT_EQ(packet.repeatMode, 0);
  ASSERT_EQ(packet.records.size(), 1u);
  const DecodedRecord& record = packet.records[0];
  EXPECT_EQ(record.text, (std::vector<uint8_t>{'A', 'B'}));
  EXPECT_EQ(record.lengthDots, 128);
  EXPECT_EQ(record.repeatCount, 7);
  EXPECT_EQ(FieldText(record.repeatCode), "0007");
  EXPECT_EQ(record.numVariant, 3);  // one hexadecimal digit
  EXPECT_EQ(FieldText(record.materialCode), "TUB");
}

TEST_F(PacketSenderTest, AHundredPagesGoOutInThreePackets) {
  AddPages(100, std::string(40, 'X'));
  int start = 0;
  std::vector<size_t> recordsPerPacket;
  std::vector<int> firstPages;
  for (int guard = 0; guard < 5 && start < 100; ++guard) {
    const PacketOutcome outcome = BuildAndSend(link, settings, pages.first(), start);
    ASSERT_EQ(outcome.kind, PacketOutcome::Sent);
    start = outcome.next;
  }
  for (const DecodedPacket& p : printer.packets()) {
    recordsPerPacket.push_back(p.records.size());
    firstPages.push_back(p.records.front().creationNo);
  }
  EXPECT_EQ(recordsPerPacket, (std::vector<size_t>{41, 41, 18}));
  EXPECT_EQ(firstPages, (std::vector<int>{1, 42, 83}));
}

TEST_F(PacketSenderTest, AFailedWriteIsReportedAndNotCountedAsSent) {
  AddPages(2, "AB");
  printer.FailWrite(1);
  const milliseconds before = clock.Now();
  const PacketOutcome outcome = BuildAndSend(link, settings, pages.first(), 1);
  EXPECT_EQ(outcome.kind, PacketOutcome::WriteFailed);
  EXPECT_EQ(outcome.next, 1);  // the same packet is still to be sent
  EXPECT_EQ(clock.Now(), before);
  EXPECT_TRUE(printer.packets().empty());
}

TEST_F(PacketSenderTest, APacketTakenWholeIsSentEvenWhenItsZeroLengthEndFails) {
  AddPages(2, "AB");
  printer.FailWrite(2);  // the packet is taken, the zero-length write after it is not
  const PacketOutcome outcome = BuildAndSend(link, settings, pages.first(), 0);
  EXPECT_EQ(outcome.kind, PacketOutcome::Sent);
  EXPECT_EQ(outcome.next, 2);
  EXPECT_TRUE(outcome.endFailed);
  EXPECT_EQ(printer.packets().size(), 1u);
}

TEST_F(PacketSenderTest, NothingIsWrittenWhenThereIsNothingToSendOrTooMuch) {
  AddPages(3, "");
  EXPECT_EQ(BuildAndSend(link, settings, pages.first(), 0).kind,
            PacketOutcome::NothingToPrint);
  pages.Clear();
  AddPages(647, std::string(40, 'X'));
  EXPECT_EQ(BuildAndSend(link, settings, pages.first(), 0).kind, PacketOutcome::TooLong);
  EXPECT_EQ(printer.CountCalls(DeviceCall::Write), 0);
}

}  // namespace
}  // namespace q5300
