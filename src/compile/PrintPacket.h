#pragma once

#include <cstdint>
#include <vector>

#include "compile/RecordLayout.h"
#include "data/JobSettings.h"
#include "data/PageRecord.h"

namespace q5300 {

inline constexpr int MaxImageSize = 61440;  // the whole job, all printable records
inline constexpr int PacketFill = 4096 - 100;
inline constexpr int PacketHeaderSize = 10;
inline constexpr int ImageTooLong = 9999;
inline constexpr uint8_t PacketEnd = 'E';

// Size of the print image of every printable record from `first` on; refreshes
// their wideCount as the packet carries it.
int PrintImageSize(PageRecord* first);

// The ten header bytes with the job settings; the length bytes stay 0 until
// FinishPacket.
void AppendPacketHeader(std::vector<uint8_t>& out, const JobSettings& settings);
// Appends 'E' and puts the total length, 'E' included, into bytes 2 and 3.
void FinishPacket(std::vector<uint8_t>& out);

// One packet: the header with the job settings, the printable records at list
// positions >= start while the packet stays within PacketFill, and 'E'. List
// positions count every record, printable or not.
struct Packet {
  enum Kind {
    Ready,           // `bytes` is the packet; `next` is where the next one starts
    NothingToPrint,  // no printable record at or after start
    TooLong,         // the whole image exceeds MaxImageSize
  };
  // A page the packet carries: which, and where its record begins in `bytes`.
  struct Page {
    uint32_t pageId = 0;
    int position = 0;
    std::size_t offset = 0;
  };
  Kind kind = NothingToPrint;
  std::vector<uint8_t> bytes;
  int next = 0;  // the first record left out, or the number of records when none was
  uint32_t nextPageId = 0;  // the page at `next`; 0 when none was left out
  std::vector<Page> pages;
};

// The pages of `packet` of which some bytes were among the first `taken`: a
// printer that took that much may have printed them, whole or in part.
std::vector<uint32_t> PagesReached(const Packet& packet, std::size_t taken);
Packet BuildPacket(const JobSettings& settings, PageRecord* first, int start);

}  // namespace q5300
