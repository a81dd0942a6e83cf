#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace q5300 {

// Fixed-size text fields of the records: ASCII or code page 949 bytes, the rest zero.

template <typename Byte, std::size_t N>
void SetField(std::array<Byte, N>& field, std::string_view text) {
  field.fill(Byte{0});
  const std::size_t n = std::min(text.size(), N);
  for (std::size_t i = 0; i < n; ++i) field[i] = static_cast<Byte>(text[i]);
}

// The text up to the first zero byte (or the whole field when it has none).
template <typename Byte, std::size_t N>
std::string_view FieldText(const std::array<Byte, N>& field) {
  const auto* data = reinterpret_cast<const char*>(field.data());
  std::size_t n = 0;
  while (n < N && data[n] != 0) ++n;
  return {data, n};
}

template <std::size_t N>
constexpr std::array<char, N> FixedText(std::string_view text) {
  std::array<char, N> field{};
  for (std::size_t i = 0; i < text.size() && i < N; ++i) field[i] = text[i];
  return field;
}

}  // namespace q5300
