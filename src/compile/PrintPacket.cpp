#include "compile/PrintPacket.h"

#include <algorithm>
#include <cstddef>

namespace q5300 {
namespace {

// A text length beyond the field is never read past the field.
std::size_t TextBytes(const PageRecord& r) {
  return std::min<std::size_t>(r.textLength, MaxTextBytes);
}

template <typename Field>
void PutField(uint8_t* at, const Field& field) {
  for (const auto c : field) *at++ = static_cast<uint8_t>(c);
}

void PutBigEndian(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value >> 8);
  at[1] = static_cast<uint8_t>(value & 0xFF);
}

// The three kinds that share placeholder 0x14 as the printer tells them apart.
uint8_t FixedVariant(const PageRecord& r) {
  if (r.numHex2 != 0) return 2;
  if (r.numHex1 != 0) return 3;
  return r.numFixed;
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

void AppendPacketRecord(std::vector<uint8_t>& out, const PageRecord& r, RecordLayout layout) {
  const bool file = layout == RecordLayout::LabelFile;
  const std::size_t n = TextBytes(r);
  const std::size_t start = out.size();
  out.resize(start + PacketRecordSize + n);
  uint8_t* const p = out.data() + start;
  p[0] = r.reserved0;
  p[1] = r.hasNumbering;
  p[2] = r.numNumber;
  p[3] = file ? r.numFixed : FixedVariant(r);
  p[4] = r.numUpper;
  p[5] = r.numLower;
  p[6] = r.twoLines;
  p[7] = r.scriptCount;
  p[8] = r.superCount;
  p[9] = r.subCount;
  p[10] = r.autoLength;
  p[11] = r.autoFont;
  p[12] = r.wideCount;
  p[13] = static_cast<uint8_t>(r.frame);
  PutField(p + 14, r.materialCode);
  PutField(p + 18, r.lengthCode);
  PutField(p + 22, r.sizeCode);
  PutField(p + 25, r.repeatText);
  PutBigEndian(p + 30, r.repeatCount);
  PutBigEndian(p + 32, r.lengthDots);
  p[34] = file ? uint8_t{0} : r.reserved1;
  p[35] = file ? uint8_t{0} : r.reserved2;
  p[36] = file ? static_cast<uint8_t>(n) : r.reserved3;
  p[37] = static_cast<uint8_t>(n);
  PutField(p + 38, r.direction);
  p[40] = r.fontSize;
  p[41] = r.creationNo;
  p[42] = r.halfWidth;
  PutField(p + 43, r.repeatCode);
  PutField(p + 48, r.numStart);
  PutField(p + 52, r.numEnd);
  std::copy_n(r.text.begin(), n, p + PacketRecordSize);
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
