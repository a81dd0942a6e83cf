#include "compile/RecordLayout.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "files/DistinctRecord.h"
#include "support/RecordText.h"

namespace q5300 {
namespace {

using testing::DistinctRecord;
using testing::RecordText;

// The fields the record does not carry, each set to a value the sent page does
// not have, and the text field filled past any text: a reader that touched
// them, or left old text behind, shows.
void MarkUncarried(PageRecord& r) {
  r.numHex2 = 0xE1;
  r.numHex1 = 0xE2;
  r.numDigits = 0xE3;
  r.reserved4 = 'Z';
  r.line1Width = 0xE4E5;
  r.line2Width = 0xE6E7;
  r.limitDots = 0xE8E9;
  r.labelTotal = 0xEAEB;
  r.numCount = 0xECED;
  r.isChecked = 0xEE;
  r.isCurrent = 0xEF;
}

// A page with every field its own value goes out through the writer and comes
// back through the reader: every field the record carries arrives, as the form
// carries it, and every other field of the page read into stays as it was.
TEST(RecordLayout, EveryFieldComesBackThroughTheReader) {
  const struct {
    const char* name;
    RecordLayout layout;
    std::function<void(PageRecord&)> asCarried;  // what the form makes of the sent page
  } cases[] = {
      {"packet", RecordLayout::Packet,
       [](PageRecord& r) {
         // The sent page has numHex2 set: byte 3 says 2, which reads as numHex2 alone.
         r.numHex2 = 1;
         r.numHex1 = 0;
         r.numFixed = 0;
       }},
      {"label file", RecordLayout::LabelFile,
       [](PageRecord& r) {
         // numFixed as it is; the spare bytes 0, 0 and the text length.
         r.numHex2 = 0xE1;
         r.numHex1 = 0xE2;
         r.reserved1 = 0;
         r.reserved2 = 0;
         r.reserved3 = 3;
       }},
  };
  for (const auto& c : cases) {
    const PageRecord sent = DistinctRecord();
    ASSERT_EQ(sent.textLength, 3);
    std::vector<uint8_t> bytes;
    AppendPacketRecord(bytes, sent, c.layout);
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(PacketRecordSize) + 3) << c.name;

    PageRecord back;
    MarkUncarried(back);
    back.text.fill(0xEE);
    ReadPacketRecord(bytes, c.layout, back);

    PageRecord expected = sent;
    MarkUncarried(expected);
    c.asCarried(expected);
    EXPECT_EQ(RecordText(back), RecordText(expected)) << c.name;

    // What was read is written again as it came.
    std::vector<uint8_t> again;
    AppendPacketRecord(again, back, c.layout);
    EXPECT_EQ(again, bytes) << c.name;
  }
}

// The packet's byte 3 is read back into the flag it stands for, so that a page
// read from a packet is sent as it came.
TEST(RecordLayout, ThePlaceholderKindOfAPacketReadsBackAsItsFlag) {
  const struct {
    uint8_t byte;
    uint8_t numFixed, numHex2, numHex1;
  } cases[] = {{0, 0, 0, 0}, {1, 1, 0, 0}, {2, 0, 1, 0}, {3, 0, 0, 1}, {4, 4, 0, 0}};
  for (const auto& c : cases) {
    std::vector<uint8_t> bytes;
    AppendPacketRecord(bytes, PageRecord{});
    bytes[RecordKindAt] = c.byte;
    PageRecord back;
    ReadPacketRecord(bytes, RecordLayout::Packet, back);
    EXPECT_EQ(back.numFixed, c.numFixed) << int{c.byte};
    EXPECT_EQ(back.numHex2, c.numHex2) << int{c.byte};
    EXPECT_EQ(back.numHex1, c.numHex1) << int{c.byte};
    std::vector<uint8_t> again;
    AppendPacketRecord(again, back);
    EXPECT_EQ(again, bytes) << int{c.byte};
  }
}

// The reader takes no more text than the field holds and no more than the bytes
// it is given, whatever the length byte says; its callers need not check first.
TEST(RecordLayout, TheReaderKeepsTheTextWithinItsFieldAndTheBytesGiven) {
  const struct {
    uint8_t lengthByte;
    std::size_t textBytes;  // given after the 56 bytes
    uint8_t read;
  } cases[] = {{40, 40, 40}, {41, 41, 40}, {255, 255, 40}, {30, 10, 10}, {5, 0, 0}};
  for (const RecordLayout layout : {RecordLayout::Packet, RecordLayout::LabelFile}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << int{c.lengthByte} << " of " << c.textBytes);
      std::vector<uint8_t> bytes;
      AppendPacketRecord(bytes, PageRecord{}, layout);
      bytes[RecordTextLengthAt] = c.lengthByte;
      for (std::size_t i = 0; i < c.textBytes; ++i)
        bytes.push_back(static_cast<uint8_t>('A' + i % 26));
      PageRecord back;
      back.text.fill(0xEE);
      back.isChecked = back.isCurrent = 0x5A;
      ReadPacketRecord(bytes, layout, back);
      EXPECT_EQ(back.textLength, c.read);
      for (std::size_t i = 0; i < back.text.size(); ++i) {
        const uint8_t expected = i < c.read ? static_cast<uint8_t>('A' + i % 26) : 0;
        EXPECT_EQ(back.text[i], expected) << i;
      }
      // Fields the record does not carry are left as they were.
      EXPECT_EQ(back.isChecked, 0x5A);
      EXPECT_EQ(back.isCurrent, 0x5A);
    }
  }
}

}  // namespace
}  // namespace q5300
