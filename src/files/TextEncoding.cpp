#include "files/TextEncoding.h"

#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "files/TextEvidence.h"

namespace q5300 {
namespace {

using Kind = ReadCharacter::Kind;

// UTF-16 must say more than the best reading in bytes by this: the two bytes
// of a syllable of code page 949 are a syllable in UTF-16 big endian too, and
// one of them alone is read as the code page's, however common the other is.
constexpr int64_t kUtf16Margin = 2;
// A text in UTF-16 without a zero byte has no ASCII at all, no line end among
// it: only a short one is read so.
constexpr std::size_t kShortText = 4096;

bool IsLetterTrail(uint8_t trail) {
  return (trail >= 0x41 && trail <= 0x5A) || (trail >= 0x61 && trail <= 0x7A);
}

// Each reader takes the next character of its reading from `at` on and moves
// `at` past it.
struct CodePageReader {
  static constexpr Reading kReading = Reading::CodePage949;
  static constexpr bool kBytewise = true;

  static ReadCharacter Next(const uint8_t* data, std::size_t length, std::size_t& at) {
    const uint8_t lead = data[at];
    if (lead < 0x80) {
      ++at;
      return {lead};
    }
    if (lead == 0x80 || lead == 0xFF || at + 1 == length) {
      ++at;
      return ReadCharacter::Invalid();
    }
    const uint8_t trail = data[at + 1];
    const ReadCharacter c = Of(lead, trail);
    // A byte that starts no character is passed over alone, as the conversion
    // does with it.
    at += c.kind == Kind::Invalid && trail < 0x80 ? 1 : 2;
    return c;
  }

  static ReadCharacter Of(uint8_t lead, uint8_t trail) {
    if (trail >= 0xA1 && trail <= 0xFE) {
      if (lead >= 0xB0 && lead <= 0xC8) {
        return {KsSyllable((lead - 0xB0) * 94 + (trail - 0xA1))};
      }
      if (lead == 0xC9 || lead == 0xFE) return {0, Kind::UserDefined};
      if (lead >= 0xCA && lead <= 0xFD) return {0x4E00};  // a Hanja
      if (lead >= 0xA1 && lead <= 0xAF) return {0, Kind::CodePageSign};
    }
    // The additional syllables: 0x81..0xA0 with any second byte, 0xA1..0xC6
    // with the second bytes below 0xA1 (0xC6 up to 0x52).
    if (lead >= 0x81 && lead <= 0xA0 && (IsLetterTrail(trail) || trail >= 0x81)) {
      return {0, Kind::AddedSyllable};
    }
    if (lead >= 0xA1 && lead <= 0xC5 &&
        (IsLetterTrail(trail) || (trail >= 0x81 && trail <= 0xA0))) {
      return {0, Kind::AddedSyllable};
    }
    if (lead == 0xC6 && trail >= 0x41 && trail <= 0x52) return {0, Kind::AddedSyllable};
    return ReadCharacter::Invalid();
  }
};

struct Utf8Reader {
  static constexpr Reading kReading = Reading::Utf8;
  static constexpr bool kBytewise = true;

  static ReadCharacter Next(const uint8_t* data, std::size_t length, std::size_t& at) {
    if (data[at] < 0x80) return {data[at++]};
    UChar32 c;
    // U8_NEXT takes an int32_t length: a character needs 4 bytes at most.
    const auto window = static_cast<int32_t>(std::min<std::size_t>(length - at, 4));
    int32_t i = 0;
    U8_NEXT(data + at, i, window, c);
    at += static_cast<std::size_t>(i);
    if (c < 0) return ReadCharacter::Invalid();
    return {static_cast<char32_t>(c)};
  }
};

template <bool kBigEndian>
struct Utf16Reader {
  static constexpr Reading kReading = Reading::Utf16;
  static constexpr bool kBytewise = false;

  static char16_t Unit(const uint8_t* data, std::size_t at) {
    return kBigEndian ? static_cast<char16_t>(data[at] << 8 | data[at + 1])
                      : static_cast<char16_t>(data[at + 1] << 8 | data[at]);
  }

  static ReadCharacter Next(const uint8_t* data, std::size_t length, std::size_t& at) {
    if (at + 1 >= length) {
      at = length;
      return ReadCharacter::Invalid();  // half a unit
    }
    const char16_t unit = Unit(data, at);
    at += 2;
    if (U16_IS_LEAD(unit) && at + 1 < length && U16_IS_TRAIL(Unit(data, at))) {
      const char16_t trail = Unit(data, at);
      at += 2;
      return {static_cast<char32_t>(U16_GET_SUPPLEMENTARY(unit, trail))};
    }
    if (U16_IS_SURROGATE(unit)) return ReadCharacter::Invalid();
    return {unit};
  }
};

bool IsPlainAscii(uint8_t c) {
  return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n' || c == '\r';
}

bool IsPlainAscii(const ReadCharacter& c) {
  return c.kind == Kind::Unicode && c.c < 0x80 && IsPlainAscii(static_cast<uint8_t>(c.c));
}

// The end of the run of plain ASCII bytes from `at`.
std::size_t AsciiRunEnd(const uint8_t* data, std::size_t length, std::size_t at) {
  while (at < length && IsPlainAscii(data[at])) ++at;
  return at;
}

// The evidence of the whole text in one reading: each character between its
// neighbours.
template <class Reader>
int64_t Score(const uint8_t* data, std::size_t length) {
  std::size_t at = 0;
  const auto next = [&]() {
    return at < length ? Reader::Next(data, length, at) : ReadCharacter::Edge();
  };
  ReadCharacter before = ReadCharacter::Edge();
  ReadCharacter current = next();
  ReadCharacter after = next();
  int64_t score = 0;
  while (current.kind != Kind::Edge) {
    // ASCII between ASCII says nothing in a reading of bytes: on to the end of
    // the run, keeping its last two characters as neighbours.
    if (Reader::kBytewise && IsPlainAscii(current) && IsPlainAscii(after) && at < length &&
        IsPlainAscii(data[at])) {
      const std::size_t end = AsciiRunEnd(data, length, at);
      before = {data[end - 2]};
      current = {data[end - 1]};
      at = end;
      after = next();
      continue;
    }
    score += Evidence(Reader::kReading, before, current, after);
    before = current;
    current = after;
    after = next();
  }
  return score;
}

}  // namespace

DetectedEncoding DetectTextEncoding(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return {TextEncoding::Utf8, 3};
  if (bytes.starts_with("\xFF\xFE")) return {TextEncoding::Utf16LE, 2};
  if (bytes.starts_with("\xFE\xFF")) return {TextEncoding::Utf16BE, 2};

  const auto* const data = reinterpret_cast<const uint8_t*>(bytes.data());
  const std::size_t length = bytes.size();
  const int64_t codePage = Score<CodePageReader>(data, length);
  const int64_t utf8 = Score<Utf8Reader>(data, length);
  // Alike evidence (none, or the same for both) goes to the printer's own code.
  DetectedEncoding best =
      utf8 > codePage ? DetectedEncoding{TextEncoding::Utf8, 0} : DetectedEncoding{};
  const int64_t bestScore = std::max(utf8, codePage);
  if (length < 2 || (length > kShortText && std::memchr(data, 0, length) == nullptr)) return best;
  const int64_t little = Score<Utf16Reader<false>>(data, length);
  const int64_t big = Score<Utf16Reader<true>>(data, length);
  if (std::max(little, big) > bestScore + kUtf16Margin) {
    return {little >= big ? TextEncoding::Utf16LE : TextEncoding::Utf16BE, 0};
  }
  return best;
}

}  // namespace q5300
