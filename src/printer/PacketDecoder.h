#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "compile/RecordLayout.h"
#include "data/JobSettings.h"
#include "data/PageRecord.h"

namespace q5300 {

// One page record as the printer receives it: the page's fields as the record
// carries them, and what the printer itself reads from it.
struct DecodedRecord : PageRecord {
  uint8_t numVariant = 0;  // byte 3 as it arrived: 2 "00~FF", 3 "0~F", else numFixed
  // The textLength bytes that arrived, code page 949 with control bytes (the
  // page's own text field holds them too, padded with zeros).
  std::vector<uint8_t> text;

  // The same when they carry the same bytes.
  friend bool operator==(const DecodedRecord& a, const DecodedRecord& b);
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
inline constexpr size_t DecodedRecordSize = PacketRecordSize;
inline constexpr uint8_t MaxRecordText = MaxTextBytes;

// Decodes one write to the printer. Never fails: a write that is not a valid
// message comes back as Malformed with the fault and its reason.
DecodedMessage DecodeMessage(std::span<const uint8_t> bytes);

}  // namespace q5300
