#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "data/PageRecord.h"

namespace q5300 {

// The page record the printer receives and the qxu label file keeps: 56 bytes,
// big-endian integers, then the text.
inline constexpr int PacketRecordSize = 56;
// Where a reader looks before it reads a record: the kind of placeholder 0x14
// (the packet's raw byte), and the text length, which says how long the record is.
inline constexpr std::size_t RecordKindAt = 3;
inline constexpr std::size_t RecordTextLengthAt = 37;

// Where a record goes: to the printer, or into a qxu label file. The file keeps
// numFixed as it is in byte 3 and writes 0, 0 and the text length into the spare
// bytes 34..36; the packet folds the three kinds of placeholder 0x14 into byte 3
// and carries the spare bytes as they stand.
enum class RecordLayout { Packet, LabelFile };

// The page record: 56 bytes, then the text (no more of it than a page holds).
void AppendPacketRecord(std::vector<uint8_t>& out, const PageRecord& record,
                        RecordLayout layout = RecordLayout::Packet);

// Reads what the record carries into `record` and leaves its other fields as
// they are. Byte 3 of a packet gives numHex2 (2), numHex1 (3) or numFixed (any
// other value); byte 3 of a label file gives numFixed. `bytes` holds the 56
// bytes and the text they announce, which the caller has checked is at most 40.
void ReadPacketRecord(std::span<const uint8_t> bytes, RecordLayout layout, PageRecord& record);

}  // namespace q5300
