#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace q5300 {

// `value` as exactly `width` (1..5) decimal digits with leading zeros, the other
// bytes zero. A negative value takes '-' in byte 0. Digits beyond the width are dropped.
std::array<char, 5> FormatFixedDigits(int16_t value, int width);

// A 16-bit value read from a zero-terminated text: an optional leading '-', then
// each character adds its code minus 48 (characters are not validated).
int16_t ParseDecimal(std::string_view text);

// Reads like C's atoi: leading blanks, one sign, the leading digits; no digits give 0.
// Saturates instead of overflowing.
long ReadLeadingInteger(std::u16string_view text);
long ReadLeadingInteger(std::string_view text);

}  // namespace q5300
