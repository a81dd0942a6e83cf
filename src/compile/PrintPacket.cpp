#include "compile/PrintPacket.h"

#include <algorithm>
#include <cstddef>

namespace q5300 {
namespace {

// A text length beyond the field is never read past the field.
std::size_t TextBytes(const PageRecord& r) {
  return std::min<std::size_t>(r.textLength, MaxTextBytes);
}

}  // namespace

int PrintImageSize(PageRecord* first) {
  int size = PacketHeaderSize + 1;
  for (PageRecord* r = first; r != nullptr; r = r->next) {
    if (!r->IsPrintable()) continue;
    const std::size_t n = TextBytes(*r);
    // 0xA0..0xFE, written as one comparison so that the loop vectorises.
    unsigned wideBytes = 0;
    for (std::size_t i = 0; i < n; ++i) wideBytes += static_cast<uint8_t>(r->text[i] - 0xA0) < 0x5F;
    r->wideCount = static_cast<uint8_t>(wideBytes / 2);
    // The job limit is checked against this measure, which leaves creationNo out.
    size += PacketRecordSize - 1 + static_cast<int>(n);
  }
  return size;
}

void AppendPacketHeader(std::vector<uint8_t>& out, const JobSettings& settings) {
  out.push_back(0x02);
  out.push_back('A');
  out.push_back(0);
  out.push_back(0);
  out.push_back(static_cast<uint8_t>(settings.copies & 0xFF));
  out.push_back(static_cast<uint8_t>(settings.cutMode));
  out.push_back(settings.density);
  out.push_back(static_cast<uint8_t>(settings.margin & 0xFF));
  out.push_back(settings.alignment);
  out.push_back(settings.repeatMode);
}

void FinishPacket(std::vector<uint8_t>& out) {
  out.push_back(PacketEnd);
  const auto length = static_cast<uint16_t>(out.size());
  out[2] = static_cast<uint8_t>(length >> 8);
  out[3] = static_cast<uint8_t>(length & 0xFF);
}

Packet BuildPacket(const JobSettings& settings, PageRecord* first, int start) {
  Packet packet;
  if (PrintImageSize(first) > MaxImageSize) {
    packet.kind = Packet::TooLong;
    return packet;
  }
  std::vector<uint8_t>& out = packet.bytes;
  out.reserve(PacketFill + 1);
  AppendPacketHeader(out, settings);
  int position = 0;
  for (PageRecord* r = first; r != nullptr; r = r->next) {
    const std::size_t before = out.size();
    if (position >= start && r->IsPrintable()) {
      AppendPacketRecord(out, *r);
      packet.pages.push_back({r->pageId, position, before});
    }
    ++position;
    if (out.size() > static_cast<std::size_t>(PacketFill)) {
      // This record starts the next packet.
      out.resize(before);
      packet.pages.pop_back();
      --position;
      packet.nextPageId = r->pageId;
      break;
    }
  }
  if (out.size() == static_cast<std::size_t>(PacketHeaderSize)) {
    out.clear();
    packet.nextPageId = 0;
    return packet;
  }
  FinishPacket(out);
  packet.kind = Packet::Ready;
  packet.next = position;
  return packet;
}

std::vector<uint32_t> PagesReached(const Packet& packet, std::size_t taken) {
  std::vector<uint32_t> reached;
  for (const Packet::Page& page : packet.pages) {
    if (page.offset < taken) reached.push_back(page.pageId);
  }
  return reached;
}

}  // namespace q5300
