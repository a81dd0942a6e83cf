#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace q5300 {

// One page record as the printer receives it: 56 bytes, then the text.
struct DecodedRecord {
  uint8_t reserved0 = 0;
  uint8_t hasNumbering = 0;
  uint8_t numNumber = 0;
  uint8_t numVariant = 0;  // placeholder 0x14: 2 "00~FF", 3 "0~F", else numFixed
  uint8_t numUpper = 0;
  uint8_t numLower = 0;
  uint8_t twoLines = 0;
  uint8_t scriptCount = 0;
  uint8_t superCount = 0;
  uint8_t subCount = 0;
  uint8_t autoLength = 0;
  uint8_t autoFont = 0;
  uint8_t wideCount = 0;
  char frame = 0;
  std::array<char, 4> materialCode{};
  std::array<char, 4> lengthCode{};
  std::array<char, 3> sizeCode{};
  std::array<char, 5> repeatText{};
  uint16_t repeatCount = 0;
  uint16_t lengthDots = 0;
  uint8_t reserved1 = 0;
  uint8_t reserved2 = 0;
  uint8_t reserved3 = 0;
  uint8_t textLength = 0;
  std::array<char, 2> direction{};
  uint8_t fontSize = 0;
  uint8_t creationNo = 0;
  uint8_t halfWidth = 0;
  std::array<char, 5> repeatCode{};
  std::array<char, 4> numStart{};
  std::array<char, 4> numEnd{};
  std::vector<uint8_t> text;  // textLength bytes, code page 949 with control bytes

  friend bool operator==(const DecodedRecord&, const DecodedRecord&) = default;
};

// A print packet: the header with the job settings and the page records.
struct DecodedPacket {
  uint16_t length = 0;  // header and end byte included
  uint8_t copies = 0;
  char cutMode = 0;
  uint8_t density = 0;
  uint8_t margin = 0;
  uint8_t alignment = 0;
  uint8_t repeatMode = 0;
  std::vector<DecodedRecord> records;

  friend bool operator==(const DecodedPacket&, const DecodedPacket&) = default;
};

// What a write to the printer holds.
enum class MessageKind {
  ZeroLength,   // the empty packet that completes a transfer
  StatusQuery,  // 0x01 'A'
  EndCommand,   // 0x02 'H'
  PrintPacket,  // 0x02 'A' ... 'E'
  Malformed,
};

enum class PacketFault {
  None,
  UnknownCommand,  // neither a status query, an end command nor a print packet
  ShortHeader,     // fewer than the 10 header bytes
  WrongLength,     // the length field disagrees with the bytes that arrived
  TruncatedRecord,
  TextTooLong,    // a record announces more than 40 text bytes
  MissingEnd,     // no 'E' where the records end
  TrailingBytes,  // bytes after a complete message
};

struct DecodedMessage {
  MessageKind kind = MessageKind::Malformed;
  DecodedPacket packet;  // for PrintPacket
  PacketFault fault = PacketFault::None;
  size_t faultOffset = 0;  // where in the write the fault was found
  std::string reason;      // for a person: what is wrong, with the numbers
};

inline constexpr size_t DecodedHeaderSize = 10;
inline constexpr size_t DecodedRecordSize = 56;
inline constexpr uint8_t MaxRecordText = 40;

// Decodes one write to the printer. Never fails: a write that is not a valid
// message comes back as Malformed with the fault and its reason.
DecodedMessage DecodeMessage(std::span<const uint8_t> bytes);

const char* FaultName(PacketFault fault);

}  // namespace q5300
