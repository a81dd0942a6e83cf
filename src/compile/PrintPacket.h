#pragma once

#include <cstdint>
#include <vector>

#include "data/JobSettings.h"
#include "data/PageRecord.h"

namespace q5300 {

class PrinterLink;

inline constexpr int MaxImageSize = 61440;  // the whole job, all printable records
inline constexpr int PacketFill = 4096 - 100;
inline constexpr int PacketHeaderSize = 10;
inline constexpr int PacketRecordSize = 56;  // followed by the text
inline constexpr int ImageTooLong = 9999;

// Size of the print image of every printable record from `first` on; refreshes
// their wideCount as the packet carries it.
int PrintImageSize(PageRecord* first);

// The page record as a packet (and the qxu file) carries it: 56 bytes, then the
// text. Appends to `out`.
void AppendPacketRecord(std::vector<uint8_t>& out, const PageRecord& record);

// One packet: the header with the job settings, the printable records at list
// positions >= start while the packet stays within PacketFill, and 'E'.
struct Packet {
  std::vector<uint8_t> bytes;  // empty when no printable record was found
  int next = 0;                // where the next packet starts
};
Packet BuildPacket(const JobSettings& settings, PageRecord* first, int start);

struct PacketOutcome {
  enum Kind {
    Sent,            // `next` is where the next packet starts
    NothingToPrint,  // no printable record at or after start; nothing written
    TooLong,         // the image exceeds MaxImageSize; nothing written
    WriteFailed,     // the printer did not take the packet
  };
  Kind kind = NothingToPrint;
  int next = 0;
};

// Builds one packet, writes it and a zero-length packet, then waits 100 ms.
PacketOutcome BuildAndSendPacket(PrinterLink& link, const JobSettings& settings, PageRecord* first,
                                 int start);

}  // namespace q5300
