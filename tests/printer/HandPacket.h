#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace q5300::test {

// A page record laid out by hand, independent of the packet builder.
struct HandRecord {
  std::array<uint8_t, 56> fixed{};
  std::vector<uint8_t> text;

  static HandRecord WithText(std::string_view text) {
    HandRecord r;
    r.text.assign(text.begin(), text.end());
    r.fixed[37] = static_cast<uint8_t>(text.size());
    return r;
  }
};

inline void SetLengthField(std::vector<uint8_t>& packet, size_t length) {
  packet[2] = static_cast<uint8_t>(length >> 8);
  packet[3] = static_cast<uint8_t>(length & 0xFF);
}

// Header with copies 3, cut 'C', density 8, margin 2, alignment 1, repeat mode 0;
// the records; 'E'; the length field set to the total.
inline std::vector<uint8_t> HandPacket(std::span<const HandRecord> records) {
  std::vector<uint8_t> bytes = {0x02, 'A', 0, 0, 3, 'C', 8, 2, 1, 0};
  for (const HandRecord& r : records) {
    bytes.insert(bytes.end(), r.fixed.begin(), r.fixed.end());
    bytes.insert(bytes.end(), r.text.begin(), r.text.end());
  }
  bytes.push_back('E');
  SetLengthField(bytes, bytes.size());
  return bytes;
}

}  // namespace q5300::test
