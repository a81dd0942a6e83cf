#include "compile/RecordLayout.h"

#include <algorithm>
#include <array>

namespace q5300 {
namespace {

// The three spare bytes, which the packet and the label file fill differently.
constexpr std::size_t RecordSpareAt = 34;

// Every field the packet and the label file carry alike, at its offset: the one
// list both the writer and the reader follow. Byte 3 (the kind of placeholder
// 0x14), the spare bytes 34..36 and byte 37 (the text length) are theirs to fill.
template <typename Record, typename Field>
constexpr void EachSharedField(Record& r, Field&& field) {
  field(0, r.reserved0);
  field(1, r.hasNumbering);
  field(2, r.numNumber);
  field(4, r.numUpper);
  field(5, r.numLower);
  field(6, r.twoLines);
  field(7, r.scriptCount);
  field(8, r.superCount);
  field(9, r.subCount);
  field(10, r.autoLength);
  field(11, r.autoFont);
  field(12, r.wideCount);
  field(13, r.frame);
  field(14, r.materialCode);
  field(18, r.lengthCode);
  field(22, r.sizeCode);
  field(25, r.repeatText);
  field(30, r.repeatCount);
  field(32, r.lengthDots);
  field(38, r.direction);
  field(40, r.fontSize);
  field(41, r.creationNo);
  field(42, r.halfWidth);
  field(43, r.repeatCode);
  field(48, r.numStart);
  field(52, r.numEnd);
}

// A field at a wrong offset would overlap another or leave a byte unwritten.
constexpr bool EveryByteOnce() {
  std::array<int, PacketRecordSize> uses{};
  const PageRecord r;
  EachSharedField(r, [&uses](std::size_t at, const auto& field) {
    for (std::size_t i = 0; i < sizeof field; ++i) ++uses[at + i];
  });
  ++uses[RecordKindAt];
  for (std::size_t i = 0; i < 3; ++i) ++uses[RecordSpareAt + i];
  ++uses[RecordTextLengthAt];
  return std::all_of(uses.begin(), uses.end(), [](int n) { return n == 1; });
}
static_assert(EveryByteOnce(), "the record's fields must fill its 56 bytes exactly");

void Put(uint8_t* at, uint8_t value) {
  *at = value;
}
void Put(uint8_t* at, char value) {
  *at = static_cast<uint8_t>(value);
}
void Put(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value >> 8);
  at[1] = static_cast<uint8_t>(value & 0xFF);
}
template <typename Byte, std::size_t N>
void Put(uint8_t* at, const std::array<Byte, N>& field) {
  for (const Byte c : field) *at++ = static_cast<uint8_t>(c);
}

void Get(const uint8_t* at, uint8_t& value) {
  value = *at;
}
void Get(const uint8_t* at, char& value) {
  value = static_cast<char>(*at);
}
void Get(const uint8_t* at, uint16_t& value) {
  value = static_cast<uint16_t>(at[0] << 8 | at[1]);
}
template <typename Byte, std::size_t N>
void Get(const uint8_t* at, std::array<Byte, N>& field) {
  for (std::size_t i = 0; i < N; ++i) field[i] = static_cast<Byte>(at[i]);
}

// A text length beyond the field is never read past the field.
std::size_t TextBytes(const PageRecord& r) {
  return std::min<std::size_t>(r.textLength, MaxTextBytes);
}

// The three kinds that share placeholder 0x14 as the printer tells them apart.
uint8_t FixedVariant(const PageRecord& r) {
  if (r.numHex2 != 0) return 2;
  if (r.numHex1 != 0) return 3;
  return r.numFixed;
}

}  // namespace

void AppendPacketRecord(std::vector<uint8_t>& out, const PageRecord& r, RecordLayout layout) {
  const bool file = layout == RecordLayout::LabelFile;
  const std::size_t n = TextBytes(r);
  const std::size_t start = out.size();
  out.resize(start + PacketRecordSize + n);
  uint8_t* const p = out.data() + start;
  EachSharedField(r, [p](std::size_t at, const auto& field) { Put(p + at, field); });
  p[RecordKindAt] = file ? r.numFixed : FixedVariant(r);
  uint8_t* const spare = p + RecordSpareAt;
  spare[0] = file ? uint8_t{0} : r.reserved1;
  spare[1] = file ? uint8_t{0} : r.reserved2;
  spare[2] = file ? static_cast<uint8_t>(n) : r.reserved3;
  p[RecordTextLengthAt] = static_cast<uint8_t>(n);
  std::copy_n(r.text.begin(), n, p + PacketRecordSize);
}

void ReadPacketRecord(std::span<const uint8_t> bytes, RecordLayout layout, PageRecord& r) {
  const uint8_t* const p = bytes.data();
  EachSharedField(r, [p](std::size_t at, auto& field) { Get(p + at, field); });
  const uint8_t kind = p[RecordKindAt];
  if (layout == RecordLayout::LabelFile) {
    r.numFixed = kind;
  } else {
    r.numHex2 = kind == 2 ? 1 : 0;
    r.numHex1 = kind == 3 ? 1 : 0;
    r.numFixed = kind == 2 || kind == 3 ? 0 : kind;
  }
  // What the label file writes there is read back as it stands.
  r.reserved1 = p[RecordSpareAt];
  r.reserved2 = p[RecordSpareAt + 1];
  r.reserved3 = p[RecordSpareAt + 2];
  const std::size_t n =
      std::min<std::size_t>({p[RecordTextLengthAt], MaxTextBytes, bytes.size() - PacketRecordSize});
  r.textLength = static_cast<uint8_t>(n);
  r.text.fill(0);
  std::copy_n(p + PacketRecordSize, n, r.text.begin());
}

}  // namespace q5300
