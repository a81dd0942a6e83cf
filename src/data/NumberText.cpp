#include "data/NumberText.h"

#include <cstdint>
#include <limits>

namespace q5300 {

std::array<char, 5> FormatFixedDigits(int16_t value, int width) {
  std::array<char, 5> out{};
  if (width < 1) return out;
  if (width > 5) width = 5;
  int v = value;
  int lowest = 0;
  if (v < 0) {
    out[0] = '-';
    v = -v;
    lowest = 1;
  }
  for (int i = width - 1; i >= lowest; --i) {
    out[static_cast<std::size_t>(i)] = static_cast<char>('0' + v % 10);
    v /= 10;
  }
  return out;
}

int16_t ParseDecimal(std::string_view text) {
  // Arithmetic in 16 bits, wrapping, as the printer's own counters do.
  const auto end = text.find('\0');
  if (end != std::string_view::npos) text = text.substr(0, end);
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  uint16_t v = 0;
  for (const char c : text) {
    v = static_cast<uint16_t>(v * 10u + static_cast<uint16_t>(static_cast<unsigned char>(c) - 48u));
  }
  if (negative) v = static_cast<uint16_t>(0u - v);
  return static_cast<int16_t>(v);
}

namespace {
template <typename Char>
long ReadLeading(std::basic_string_view<Char> text) {
  std::size_t i = 0;
  auto blank = [](Char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; };
  while (i < text.size() && blank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  // Wide enough for ten times the limit plus a digit; long is not on Windows.
  int64_t v = 0;
  constexpr int64_t kLimit = std::numeric_limits<int>::max();
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    v = v * 10 + (text[i] - '0');
    if (v > kLimit) v = kLimit;
  }
  return static_cast<long>(negative ? -v : v);
}
}  // namespace

long ReadLeadingInteger(std::u16string_view text) { return ReadLeading(text); }
long ReadLeadingInteger(std::string_view text) { return ReadLeading(text); }

}  // namespace q5300
