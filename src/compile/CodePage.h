#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace q5300 {

// Code page 949 (Unified Hangul Code) with its user-defined row: U+E000 + k is
// 0xC9, 0xA1 + k for k = 0..0x52. Byte strings are std::string of raw bytes.
// Safe to call from several threads: each thread converts with its own converter.

// A character without a code page 949 form becomes '?'. No terminating zero.
std::string ToPrinterCodePage(std::u16string_view text);
// The same conversion into `out`, as much of it as fits (the last byte may be the
// first half of a double-byte character); returns the number of bytes written.
std::size_t ToPrinterCodePage(std::u16string_view text, std::span<char> out);
// Decodes up to the first zero byte. Control bytes 0x12..0x1E come back as
// U+0012..U+001E. A byte sequence that is no character of the code page becomes
// U+FFFD; a lead byte followed by a byte that cannot end a double-byte character
// decodes alone, so the next byte (a control byte, say) keeps its meaning.
std::u16string FromPrinterCodePage(std::string_view bytes);

// A byte that starts a double-byte character.
constexpr bool IsLeadByte(unsigned char b) {
  return b >= 0x81 && b <= 0xFE;
}

// The length of the longest prefix of `bytes` of at most `limit` bytes that
// ends on a whole character: a cut never keeps a lead byte without its second byte.
std::size_t WholeCharacterPrefix(std::string_view bytes, std::size_t limit);

}  // namespace q5300
