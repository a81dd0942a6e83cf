#include "support/RecordChain.h"
#include "compile/PrintPacket.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compile/RebuildRecords.h"
#include "data/PageRecord.h"
#include "data/FixedField.h"

namespace q5300 {
namespace {

using ByteVector = std::vector<uint8_t>;

// A job of n ticked pages with the same text; page i has creationNo i + 1.
void MakeJob(testing::RecordChain& pages, int n, std::string_view text) {
  PageDefaults defaults;
  defaults.autoLength = true;
  for (int i = 0; i < n; ++i) {
    PageRecord& r = *pages.AppendRecord(defaults, JobSettings{});
    StorePageText(r, text);
    r.creationNo = static_cast<uint8_t>(i + 1);
  }
}

// The creationNo of every record in a packet, after checking the framing.
std::vector<int> RecordsIn(const ByteVector& packet) {
  std::vector<int> pages;
  EXPECT_GE(packet.size(), 11u);
  EXPECT_EQ(packet.size(), std::size_t{packet[2]} << 8 | packet[3]);
  std::size_t at = PacketHeaderSize;
  while (at + 1 < packet.size()) {
    const std::size_t n = packet[at + 37];
    pages.push_back(packet[at + 41]);
    at += PacketRecordSize + n;
  }
  EXPECT_EQ(at + 1, packet.size());
  EXPECT_EQ(packet.back(), 'E');
  return pages;
}

// Every field a value of its own, so a field at the wrong offset shows.
PageRecord DistinctRecord() {
  PageRecord r;
  r.reserved0 = 0xA0;
  r.hasNumbering = 1;
  r.numNumber = 2;
  r.numFixed = 4;
  r.numUpper = 5;
  r.numLower = 6;
  r.twoLines = 7;
  r.scriptCount = 8;
  r.superCount = 9;
  r.subCount = 10;
  r.autoLength = 11;
  r.autoFont = 12;
  r.wideCount = 13;
  r.frame = 'F';
  SetField(r.materialCode, "LAB");
  SetField(r.lengthCode, "125");
  SetField(r.sizeCode, "12");
  SetField(r.repeatText, "199");
  r.repeatCount = 0x0102;
  r.lengthDots = 0x0304;
  r.reserved1 = 0x11;
  r.reserved2 = 0x12;
  r.reserved3 = 0x13;
  r.direction = {'1', '3'};
  r.fontSize = 6;
  r.creationNo = 0xC8;
  r.halfWidth = 1;
  SetField(r.repeatCode, "0199");
  SetField(r.numStart, "12");
  SetField(r.numEnd, "345");
  StorePageText(r, "x\xB0\xA1");
  // Not carried by the printer's record.
  r.numDigits = 0x77;
  r.reserved4 = 'N';
  r.line1Width = r.line2Width = r.limitDots = r.labelTotal = r.numCount = 0x7777;
  r.isChecked = r.isCurrent = 1;
  return r;
}

const ByteVector DistinctRecordBytes = {
    0xA0, 1,    2,    4,   5, 6, 7, 8, 9, 10, 11, 12, 13, 'F',  // 0..13
    'L',  'A',  'B',  0,                                        // 14 materialCode
    '1',  '2',  '5',  0,                                        // 18 lengthCode
    '1',  '2',  0,                                              // 22 sizeCode
    '1',  '9',  '9',  0,   0,                                   // 25 repeatText
    0x01, 0x02,                                                 // 30 repeatCount
    0x03, 0x04,                                                 // 32 lengthDots
    0x11, 0x12, 0x13,                                           // 34 reserved1..3
    3,                                                          // 37 textLength
    '1',  '3',                                                  // 38 direction
    6,    0xC8, 1,             // 40 fontSize, creationNo, halfWidth
    '0',  '1',  '9',  '9', 0,  // 43 repeatCode
    '1',  '2',  0,    0,       // 48 numStart
    '3',  '4',  '5',  0,       // 52 numEnd
    'x',  0xB0, 0xA1,          // 56 text
};

TEST(AppendPacketRecord, EveryFieldAtItsOffset) {
  ByteVector out = {0xEE};
  AppendPacketRecord(out, DistinctRecord());
  ByteVector expected = {0xEE};
  expected.insert(expected.end(), DistinctRecordBytes.begin(), DistinctRecordBytes.end());
  EXPECT_EQ(out, expected);
}

TEST(AppendPacketRecord, LabelFileDiffersInTheKindAndTheSpareBytes) {
  PageRecord r = DistinctRecord();
  r.numHex2 = 1;
  ByteVector packet, file;
  AppendPacketRecord(packet, r, RecordLayout::Packet);
  AppendPacketRecord(file, r, RecordLayout::LabelFile);
  ByteVector expected = DistinctRecordBytes;
  expected[3] = 2;
  EXPECT_EQ(packet, expected);
  expected[3] = 4;  // numFixed as it is
  expected[34] = 0;
  expected[35] = 0;
  expected[36] = 3;  // the text length
  EXPECT_EQ(file, expected);
}

TEST(AppendPacketRecord, PlaceholderKindInByte3) {
  const struct {
    int numHex2, numHex1, numFixed;
    int packetByte;
  } cases[] = {
      {1, 0, 1, 2}, {1, 1, 0, 2}, {0, 1, 1, 3}, {0, 0, 1, 1}, {0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    PageRecord r = DistinctRecord();
    r.numHex2 = static_cast<uint8_t>(c.numHex2);
    r.numHex1 = static_cast<uint8_t>(c.numHex1);
    r.numFixed = static_cast<uint8_t>(c.numFixed);
    ByteVector packet, file;
    AppendPacketRecord(packet, r, RecordLayout::Packet);
    AppendPacketRecord(file, r, RecordLayout::LabelFile);
    EXPECT_EQ(packet[3], c.packetByte) << c.numHex2 << c.numHex1 << c.numFixed;
    EXPECT_EQ(file[3], c.numFixed) << c.numHex2 << c.numHex1 << c.numFixed;
  }
}

TEST(BuildPacket, OnePage) {
  JobSettings settings;
  settings.copies = 3;
  settings.cutMode = PrintCutLine;
  settings.density = 16;
  settings.margin = 20;
  settings.alignment = 1;
  settings.repeatMode = Sequential;
  testing::RecordChain pages;
  MakeJob(pages, 1, "AB");
  pages.first()->lengthDots = 128;

  const Packet packet = BuildPacket(settings, pages.first(), 0);
  ASSERT_EQ(packet.kind, Packet::Ready);
  EXPECT_EQ(packet.next, 1);
  const ByteVector header = {0x02, 'A', 0x00, 69, 3, 'L', 16, 20, 1, 0};
  ASSERT_EQ(packet.bytes.size(), 69u);
  EXPECT_EQ(ByteVector(packet.bytes.begin(), packet.bytes.begin() + 10), header);
  const uint8_t* record = packet.bytes.data() + PacketHeaderSize;
  EXPECT_EQ(record[30], 0x00);
  EXPECT_EQ(record[31], 0x01);  // one repeat
  EXPECT_EQ(record[32], 0x00);
  EXPECT_EQ(record[33], 0x80);  // 128 dots
  EXPECT_EQ(record[37], 2);
  EXPECT_EQ(record[56], 'A');
  EXPECT_EQ(record[57], 'B');
  EXPECT_EQ(packet.bytes[68], 'E');
}

TEST(BuildPacket, TwoHundredPagesGoOutInFivePackets) {
  testing::RecordChain pages;
  MakeJob(pages, 200, std::string(40, 'W'));
  const int starts[] = {0, 41, 82, 123, 164};
  const int nexts[] = {41, 82, 123, 164, 200};
  int start = 0;
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(start, starts[i]);
    const Packet packet = BuildPacket(JobSettings{}, pages.first(), start);
    ASSERT_EQ(packet.kind, Packet::Ready);
    EXPECT_EQ(packet.next, nexts[i]);
    std::vector<int> expected;
    for (int p = starts[i]; p < nexts[i]; ++p) expected.push_back(p + 1);
    EXPECT_EQ(RecordsIn(packet.bytes), expected);
    if (i < 4) {
      EXPECT_EQ(packet.bytes.size(), 3947u);
    }
    start = packet.next;
  }
  EXPECT_EQ(BuildPacket(JobSettings{}, pages.first(), start).kind, Packet::NothingToPrint);
}

TEST(BuildPacket, PagesThatAreNotPrintedTakeAPositionButNoBytes) {
  testing::RecordChain pages;
  MakeJob(pages, 3, "AB");
  pages.At(1)->isChecked = 0;
  Packet packet = BuildPacket(JobSettings{}, pages.first(), 0);
  EXPECT_EQ(RecordsIn(packet.bytes), (std::vector<int>{1, 3}));
  EXPECT_EQ(packet.next, 3);

  pages.At(1)->isChecked = 1;
  StorePageText(*pages.At(1), "");
  packet = BuildPacket(JobSettings{}, pages.first(), 1);
  EXPECT_EQ(RecordsIn(packet.bytes), (std::vector<int>{3}));
  EXPECT_EQ(packet.next, 3);
}

// A packet takes pages while its bytes before the end byte stay within the fill
// size, up to it exactly; the first page past it starts the next packet.
TEST(BuildPacket, AFullPacketEndsAtThePageThatDidNotFit) {
  const struct {
    const char* name;
    std::vector<std::size_t> shortTexts;  // pages whose text is shorter than 40 bytes
    int unticked;                         // a page passed over, or -1
    std::size_t records;
    int next;
    std::size_t size;
  } cases[] = {
      // Page 41 is passed over; page 42 would bring the packet to 4042 bytes.
      {"one byte short and more", {}, 41, 41, 42, PacketHeaderSize + 41 * 96 + 1},
      // 40 pages of 40 bytes and 2 of 17 come to 3986 bytes of records: with
      // the header, the fill size to the byte.
      {"to the byte", {40, 41}, -1, 42, 42, PacketFill + 1},
  };
  for (const auto& c : cases) {
    testing::RecordChain pages;
    MakeJob(pages, 100, std::string(40, 'W'));
    for (const std::size_t page : c.shortTexts) {
      StorePageText(*pages.At(static_cast<int>(page)), std::string(17, 'W'));
    }
    if (c.unticked >= 0) pages.At(c.unticked)->isChecked = 0;
    const Packet packet = BuildPacket(JobSettings{}, pages.first(), 0);
    EXPECT_EQ(RecordsIn(packet.bytes).size(), c.records) << c.name;
    EXPECT_EQ(packet.next, c.next) << c.name;
    EXPECT_EQ(packet.bytes.size(), c.size) << c.name;
  }
}

TEST(BuildPacket, NothingToPrint) {
  testing::RecordChain unticked;
  MakeJob(unticked, 3, "AB");
  for (PageRecord& r : unticked) r.isChecked = 0;
  testing::RecordChain empty;
  MakeJob(empty, 3, "");
  testing::RecordChain printed;
  MakeJob(printed, 3, "AB");
  const struct {
    const char* name;
    PageRecord* first;
    int start;
  } cases[] = {
      {"none ticked", unticked.first(), 0},
      {"no text", empty.first(), 0},
      {"start past the end", printed.first(), 3},
      {"no pages", nullptr, 0},
  };
  for (const auto& c : cases) {
    const Packet packet = BuildPacket(JobSettings{}, c.first, c.start);
    EXPECT_EQ(packet.kind, Packet::NothingToPrint) << c.name;
    EXPECT_TRUE(packet.bytes.empty()) << c.name;
  }
}

TEST(PrintImageSize, TheJobLimit) {
  testing::RecordChain pages;
  MakeJob(pages, 646, std::string(40, 'W'));
  EXPECT_EQ(PrintImageSize(pages.first()), 61381);
  EXPECT_EQ(BuildPacket(JobSettings{}, pages.first(), 0).kind, Packet::Ready);

  PageRecord& extra = *pages.AppendRecord(PageDefaults{}, JobSettings{});
  StorePageText(extra, std::string(40, 'W'));
  EXPECT_EQ(PrintImageSize(pages.first()), 61476);
  const Packet packet = BuildPacket(JobSettings{}, pages.first(), 0);
  EXPECT_EQ(packet.kind, Packet::TooLong);
  EXPECT_TRUE(packet.bytes.empty());

  extra.isChecked = 0;  // only printable pages count
  EXPECT_EQ(PrintImageSize(pages.first()), 61381);
}

TEST(PrintImageSize, RefreshesTheDoubleByteCountOfPrintablePages) {
  testing::RecordChain pages;
  MakeJob(pages, 2, "");
  for (PageRecord& r : pages) {
    StorePageText(r, "\xA0\xA0\xFF\xFF");  // 0xA0 counts here, 0xFF does not
    r.wideCount = 9;
  }
  pages.At(1)->isChecked = 0;
  EXPECT_EQ(PrintImageSize(pages.first()), 10 + 55 + 4 + 1);
  EXPECT_EQ(pages.At(0)->wideCount, 1);
  EXPECT_EQ(pages.At(1)->wideCount, 9);
}

}  // namespace
}  // namespace q5300
