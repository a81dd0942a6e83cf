#include "printer/PacketDecoder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "printer/HandPacket.h"

namespace q5300 {
namespace {

using test::HandPacket;
using test::HandRecord;
using test::SetLengthField;
using namespace std::string_view_literals;

void Put(HandRecord& r, size_t offset, std::string_view bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) r.fixed[offset + i] = static_cast<uint8_t>(bytes[i]);
}

template <size_t N>
std::array<char, N> Chars(std::string_view text) {
  std::array<char, N> chars{};
  for (size_t i = 0; i < text.size(); ++i) chars[i] = text[i];
  return chars;
}

// Every field with a value of its own, so that a field read from the wrong
// offset shows.
HandRecord NumberedPage() {
  HandRecord r = HandRecord::WithText("AB");
  const uint8_t small[] = {0, 1, 1, 2, 0, 1, 1, 2, 1, 1, 1, 0, 3, 'F'};
  for (size_t i = 0; i < std::size(small); ++i) r.fixed[i] = small[i];
  Put(r, 14, "TUB");
  Put(r, 18, "Au");
  Put(r, 22, "4");
  Put(r, 25, "258");
  Put(r, 30, "\x01\x02\x00\x80"sv);
  Put(r, 34, "\x07\x08\x09");
  Put(r, 38, "04\x04\x05\x01");
  Put(r, 43, "0258");
  Put(r, 48, "0001");
  Put(r, 52, "0099");
  return r;
}

DecodedRecord NumberedPageDecoded() {
  DecodedRecord d;
  d.hasNumbering = 1;
  d.numNumber = 1;
  d.numVariant = 2;
  d.numLower = 1;
  d.twoLines = 1;
  d.scriptCount = 2;
  d.superCount = 1;
  d.subCount = 1;
  d.autoLength = 1;
  d.wideCount = 3;
  d.frame = 'F';
  d.materialCode = Chars<4>("TUB");
  d.lengthCode = Chars<4>("Au");
  d.sizeCode = Chars<3>("4");
  d.repeatText = Chars<5>("258");
  d.repeatCount = 258;
  d.lengthDots = 128;
  d.reserved1 = 7;
  d.reserved2 = 8;
  d.reserved3 = 9;
  d.textLength = 2;
  d.direction = Chars<2>("04");
  d.fontSize = 4;
  d.creationNo = 5;
  d.halfWidth = 1;
  d.repeatCode = Chars<5>("0258");
  d.numStart = Chars<4>("0001");
  d.numEnd = Chars<4>("0099");
  d.text = {'A', 'B'};
  return d;
}

// A full 40-byte text holding 'E' and control bytes, after a reserved byte of
// 'E': neither may be taken for the end of the packet.
HandRecord FullPage() {
  std::string text(40, 'E');
  text[5] = '\x1A';
  text[6] = '\x12';
  HandRecord r = HandRecord::WithText(text);
  r.fixed[0] = 'E';
  return r;
}

TEST(PacketDecoderTest, DecodesEveryFieldOfAHandBuiltPacket) {
  const HandRecord records[] = {NumberedPage(), FullPage()};
  const std::vector<uint8_t> bytes = HandPacket(records);
  ASSERT_EQ(bytes.size(), 10u + 58 + 96 + 1);

  const DecodedMessage m = DecodeMessage(bytes);
  ASSERT_EQ(m.kind, MessageKind::PrintPacket) << m.reason;
  const DecodedPacket& p = m.packet;
  EXPECT_EQ(p.length, bytes.size());
  EXPECT_EQ(p.copies, 3);
  EXPECT_EQ(p.cutMode, 'C');
  EXPECT_EQ(p.density, 8);
  EXPECT_EQ(p.margin, 2);
  EXPECT_EQ(p.alignment, 1);
  EXPECT_EQ(p.repeatMode, 0);
  ASSERT_EQ(p.records.size(), 2u);
  EXPECT_EQ(p.records[0], NumberedPageDecoded());
  EXPECT_EQ(p.records[1].reserved0, 'E');
  EXPECT_EQ(p.records[1].textLength, 40);
  EXPECT_EQ(p.records[1].text, FullPage().text);
}

// Two decoded records are the same only when every byte that arrived is.
TEST(PacketDecoderTest, RecordsDifferingInAnyByteAreNotTheSame) {
  const HandRecord one[] = {NumberedPage()};
  const std::vector<uint8_t> bytes = HandPacket(one);
  const DecodedRecord first = DecodeMessage(bytes).packet.records.at(0);
  EXPECT_EQ(DecodeMessage(bytes).packet.records.at(0), first);
  for (size_t i = 0; i < DecodedRecordSize + first.text.size(); ++i) {
    if (i == RecordTextLengthAt) continue;  // another length is another packet
    std::vector<uint8_t> changed = bytes;
    changed[DecodedHeaderSize + i] ^= 0x01;
    const DecodedMessage m = DecodeMessage(changed);
    ASSERT_EQ(m.kind, MessageKind::PrintPacket) << "byte " << i << ": " << m.reason;
    EXPECT_NE(m.packet.records.at(0), first) << "byte " << i;
  }
}

TEST(PacketDecoderTest, TellsTheShortMessagesApart) {
  struct Case {
    std::vector<uint8_t> bytes;
    MessageKind kind;
  } const cases[] = {
      {{}, MessageKind::ZeroLength},
      {{0x01, 'A'}, MessageKind::StatusQuery},
      {{0x02, 'H'}, MessageKind::EndCommand},
  };
  for (const Case& c : cases) {
    const DecodedMessage m = DecodeMessage(c.bytes);
    EXPECT_EQ(m.kind, c.kind) << m.reason;
    EXPECT_EQ(m.fault, PacketFault::None);
  }
}

TEST(PacketDecoderTest, ReportsEachKindOfMalformedWrite) {
  const HandRecord one[] = {NumberedPage()};
  const std::vector<uint8_t> valid = HandPacket(one);  // 69 bytes
  const size_t end = valid.size() - 1;
  using Edit = std::function<void(std::vector<uint8_t>&)>;
  struct Case {
    const char* name;
    std::vector<uint8_t> start;
    Edit edit;
    PacketFault fault;
    size_t offset;
  } const cases[] = {
      {"unknown first byte", {0x03, 'A'}, {}, PacketFault::UnknownCommand, 0},
      {"unknown second byte", {0x02, 'Z', 0, 0}, {}, PacketFault::UnknownCommand, 0},
      {"single byte", {0x01}, {}, PacketFault::UnknownCommand, 0},
      {"query with a byte more", {0x01, 'A', 0}, {}, PacketFault::TrailingBytes, 2},
      {"end command with a byte more", {0x02, 'H', 'E'}, {}, PacketFault::TrailingBytes, 2},
      {"header cut short", {0x02, 'A', 0, 11, 1}, {}, PacketFault::ShortHeader, 5},
      {"length field one too many", valid, [](auto& b) { SetLengthField(b, b.size() + 1); },
       PacketFault::WrongLength, 2},
      {"length field one too few", valid, [](auto& b) { SetLengthField(b, b.size() - 1); },
       PacketFault::WrongLength, 2},
      {"length field below a header", valid, [](auto& b) { SetLengthField(b, 10); },
       PacketFault::WrongLength, 2},
      {"bytes after the end byte", valid,
       [](auto& b) {
         b.insert(b.end(), {0x01, 'A'});
       },
       PacketFault::TrailingBytes, end + 1},
      {"record cut inside its fixed part", valid,
       [](auto& b) {
         b.resize(10 + 30);
         b.push_back('E');
         SetLengthField(b, b.size());
       },
       PacketFault::TruncatedRecord, 10},
      {"text longer than 40", valid,
       [](auto& b) {
         b[10 + 37] = 41;
         b.insert(b.end() - 1, 39, 'x');
         SetLengthField(b, b.size());
       },
       PacketFault::TextTooLong, 10 + 37},
      {"text longer than the packet", valid, [](auto& b) { b[10 + 37] = 4; },
       PacketFault::TruncatedRecord, 10},
      {"end byte replaced", valid, [](auto& b) { b.back() = 'X'; }, PacketFault::MissingEnd, end},
      {"end byte left out", valid,
       [](auto& b) {
         b.pop_back();
         SetLengthField(b, b.size());
       },
       PacketFault::MissingEnd, end},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> bytes = c.start;
    if (c.edit) c.edit(bytes);
    const DecodedMessage m = DecodeMessage(bytes);
    EXPECT_EQ(m.kind, MessageKind::Malformed) << c.name;
    EXPECT_EQ(m.fault, c.fault) << c.name << ": " << m.reason;
    EXPECT_EQ(m.faultOffset, c.offset) << c.name;
    EXPECT_FALSE(m.reason.empty()) << c.name;
  }
}

}  // namespace
}  // namespace q5300
