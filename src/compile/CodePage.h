#pragma once

#include <string>
#include <string_view>

namespace q5300 {

// Code page 949 (Unified Hangul Code) with its user-defined row: U+E000 + k is
// 0xC9, 0xA1 + k for k = 0..0x52. Byte strings are std::string of raw bytes.

// A character without a code page 949 form becomes '?'. No terminating zero.
std::string ToPrinterCodePage(std::u16string_view text);
// Decodes up to the first zero byte. Control bytes 0x12..0x1E come back as
// U+0012..U+001E.
std::u16string FromPrinterCodePage(std::string_view bytes);

// A byte that starts a double-byte character.
constexpr bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

}  // namespace q5300
