#include "printer/PacketDecoder.h"

#include <cstdio>

namespace q5300 {

namespace {

constexpr uint8_t EndByte = 'E';

uint16_t BigEndian16(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>((bytes[at] << 8) | bytes[at + 1]);
}

// `bytes` holds the 56 fixed bytes and the text.
DecodedRecord DecodeRecord(std::span<const uint8_t> bytes) {
  DecodedRecord r;
  ReadPacketRecord(bytes, RecordLayout::Packet, r);
  r.numVariant = bytes[RecordKindAt];
  const auto text = bytes.subspan(DecodedRecordSize, r.textLength);
  r.text.assign(text.begin(), text.end());
  return r;
}

// The 56 bytes a record would be sent as, byte 3 and the text length as they arrived.
std::vector<uint8_t> FixedBytes(const DecodedRecord& r) {
  PageRecord fields = r;
  fields.textLength = 0;
  std::vector<uint8_t> bytes;
  AppendPacketRecord(bytes, fields, RecordLayout::Packet);
  bytes[RecordKindAt] = r.numVariant;
  bytes[RecordTextLengthAt] = r.textLength;
  return bytes;
}

DecodedMessage Fault(PacketFault fault, size_t offset, std::string reason) {
  DecodedMessage m;
  m.kind = MessageKind::Malformed;
  m.fault = fault;
  m.faultOffset = offset;
  m.reason = std::move(reason);
  return m;
}

std::string Num(size_t n) {
  return std::to_string(n);
}

std::string Hex(uint8_t byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

// The records and the end byte of a packet whose length field is `bytes.size()`.
DecodedMessage DecodeBody(std::span<const uint8_t> bytes) {
  DecodedMessage m;
  m.kind = MessageKind::PrintPacket;
  DecodedPacket& p = m.packet;
  p.length = static_cast<uint16_t>(bytes.size());
  p.copies = bytes[4];
  p.cutMode = static_cast<char>(bytes[5]);
  p.density = bytes[6];
  p.margin = bytes[7];
  p.alignment = bytes[8];
  p.repeatMode = bytes[9];

  const size_t end = bytes.size();
  size_t at = DecodedHeaderSize;
  for (;;) {
    if (at == end) {
      return Fault(PacketFault::MissingEnd, at,
                   "the records fill the packet up to its last byte; the end byte 'E' is missing");
    }
    if (at == end - 1) {
      if (bytes[at] == EndByte) return m;
      return Fault(PacketFault::MissingEnd, at,
                   "byte " + Num(at) + " should be the end byte 'E' but is " + Hex(bytes[at]));
    }
    const size_t index = p.records.size();
    if (at + DecodedRecordSize > end) {
      return Fault(PacketFault::TruncatedRecord, at,
                   "record " + Num(index) + " at byte " + Num(at) + " needs " +
                       Num(DecodedRecordSize) + " bytes, the packet has " + Num(end - at) +
                       " left");
    }
    const uint8_t textLength = bytes[at + RecordTextLengthAt];
    if (textLength > MaxRecordText) {
      return Fault(PacketFault::TextTooLong, at + RecordTextLengthAt,
                   "record " + Num(index) + " at byte " + Num(at) + " announces " +
                       Num(textLength) + " text bytes, at most " + Num(MaxRecordText) +
                       " are allowed");
    }
    const size_t size = DecodedRecordSize + textLength;
    if (at + size > end) {
      return Fault(PacketFault::TruncatedRecord, at,
                   "record " + Num(index) + " at byte " + Num(at) + " needs " + Num(size) +
                       " bytes with its text, the packet has " + Num(end - at) + " left");
    }
    p.records.push_back(DecodeRecord(bytes.subspan(at, size)));
    at += size;
  }
}

DecodedMessage DecodePrintPacket(std::span<const uint8_t> bytes) {
  if (bytes.size() < DecodedHeaderSize) {
    return Fault(
        PacketFault::ShortHeader, bytes.size(),
        "a print packet needs a 10-byte header, the write has " + Num(bytes.size()) + " bytes");
  }
  const size_t length = BigEndian16(bytes, 2);
  const std::string says = "the length field says " + Num(length) + " bytes, ";
  if (length < DecodedHeaderSize + 1) {
    return Fault(PacketFault::WrongLength, 2, says + "less than a header and an end byte");
  }
  if (length > bytes.size()) {
    return Fault(PacketFault::WrongLength, 2, says + "only " + Num(bytes.size()) + " arrived");
  }
  DecodedMessage m = DecodeBody(bytes.first(length));
  if (length == bytes.size()) return m;
  // Extra bytes after a packet that is complete in itself are trailing bytes;
  // otherwise the length field is what is wrong.
  if (m.kind == MessageKind::PrintPacket) {
    return Fault(
        PacketFault::TrailingBytes, length,
        Num(bytes.size() - length) + " bytes follow the end of a " + Num(length) + "-byte packet");
  }
  return Fault(PacketFault::WrongLength, 2, says + "the write has " + Num(bytes.size()));
}

DecodedMessage DecodeTwoByteCommand(std::span<const uint8_t> bytes, MessageKind kind,
                                    const char* name) {
  if (bytes.size() > 2) {
    return Fault(PacketFault::TrailingBytes, 2,
                 Num(bytes.size() - 2) + " bytes follow the " + name);
  }
  DecodedMessage m;
  m.kind = kind;
  return m;
}

}  // namespace

bool operator==(const DecodedRecord& a, const DecodedRecord& b) {
  return a.text == b.text && FixedBytes(a) == FixedBytes(b);
}

DecodedMessage DecodeMessage(std::span<const uint8_t> bytes) {
  if (bytes.empty()) {
    DecodedMessage m;
    m.kind = MessageKind::ZeroLength;
    return m;
  }
  if (bytes.size() >= 2) {
    if (bytes[0] == 0x01 && bytes[1] == 'A') {
      return DecodeTwoByteCommand(bytes, MessageKind::StatusQuery, "status query");
    }
    if (bytes[0] == 0x02 && bytes[1] == 'H') {
      return DecodeTwoByteCommand(bytes, MessageKind::EndCommand, "end command");
    }
    if (bytes[0] == 0x02 && bytes[1] == 'A') return DecodePrintPacket(bytes);
  }
  std::string reason = "a write of ";
  reason.append(Num(bytes.size())).append(" bytes starting ").append(Hex(bytes[0]));
  if (bytes.size() >= 2) reason.append(" ").append(Hex(bytes[1]));
  reason.append(" is no command the printer knows");
  return Fault(PacketFault::UnknownCommand, 0, reason);
}

}  // namespace q5300
