#include "files/TextEvidence.h"

#include <unicode/ucnv.h>

#include <array>
#include <bitset>
#include <string_view>

#include "files/SyllableLevels.h"

namespace q5300 {
namespace {

// The weights. A byte sequence that is no character outweighs anything a few
// characters say; a control character (the zero bytes of UTF-16 read in bytes)
// nearly so, for each of its bytes, so that a run of zero bytes says no more
// for UTF-16 than for the others. A sign where a unit puts it counts as much as
// a character of UTF-8 does; a sign or letter inside a word or number as much as
// a common syllable.
constexpr int kNoCharacter = -10;
constexpr int kControl = -4;
constexpr int kUtf8WideCharacter = 5;  // three bytes of UTF-8 in their strict form
constexpr int kUnitSign = 5;
constexpr int kInWord = 3;
constexpr int kHanja = 2;
constexpr int kUserDefined = 2;
constexpr int kAddedSyllable = -4;
constexpr int kOutOfPlace = -6;  // a syllable inside a Latin word
constexpr int kHanjaInWord = -4;
// What no list holds, read in UTF-16 (the pairs of ASCII bytes of a text in
// bytes are such): nearly as much against as the control bytes of the other
// readings, for each of its two bytes.
constexpr int kUnlikelyInUtf16 = -6;

constexpr int kSyllables = 0xD7A4 - 0xAC00;

bool IsHangulSyllable(char32_t c) {
  return c >= 0xAC00 && c <= 0xD7A3;
}

bool IsHanja(char32_t c) {
  return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0x3400 && c <= 0x4DBF);
}

bool IsAsciiLetter(const ReadCharacter& c) {
  return c.kind == ReadCharacter::Kind::Unicode &&
         ((c.c >= 'A' && c.c <= 'Z') || (c.c >= 'a' && c.c <= 'z'));
}

bool IsAsciiDigit(const ReadCharacter& c) {
  return c.kind == ReadCharacter::Kind::Unicode && c.c >= '0' && c.c <= '9';
}

bool IsAsciiAlnum(const ReadCharacter& c) {
  return IsAsciiLetter(c) || IsAsciiDigit(c);
}

bool IsControl(char32_t c) {
  return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c <= 0x9F);
}

// A letter of a European alphabet: Latin beyond ASCII, Greek, Cyrillic.
bool IsEuropeanLetter(char32_t c) {
  return (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x386 && c <= 0x3FF) ||
         (c >= 0x400 && c <= 0x4FF);
}

// The signs of numbers and units in a parts list.
bool IsSign(char32_t c) {
  static constexpr char32_t kSigns[] = {
      0xB0,   0xB1,   0xB2,   0xB3,   0xB5,   0xB7,   0xB9,   0xBC,   0xBD,   0xBE,
      0xD7,   0xD8,   0xF7,   0xF8,   0x3A9,  0x3BC,  0x2030, 0x2032, 0x2033, 0x2126,
      0x2205, 0x2211, 0x221A, 0x221E, 0x2248, 0x2260, 0x2264, 0x2265, 0x2300, 0x2103,
  };
  for (const char32_t sign : kSigns) {
    if (c == sign) return true;
  }
  return false;
}

// Where a unit puts its sign: m² and m³, 30°C and 50°F, 10µF.
bool IsUnitSign(char32_t c, const ReadCharacter& before, const ReadCharacter& after) {
  switch (c) {
    case 0xB2:  // ²
    case 0xB3:  // ³
      return before.kind == ReadCharacter::Kind::Unicode && before.c == 'm';
    case 0xB0:  // °
      return after.kind == ReadCharacter::Kind::Unicode && (after.c == 'C' || after.c == 'F');
    case 0xB5:   // µ
    case 0x3BC:  // μ
      return IsAsciiLetter(after);
    default:
      return false;
  }
}

// A Hangul syllable among Latin letters and digits: between two of them, of
// which one is a letter ("Weidm체ller", "105째C"), or a rare one between two
// digits.
bool SyllableOutOfPlace(int level, const ReadCharacter& before, const ReadCharacter& after) {
  if (!IsAsciiAlnum(before) || !IsAsciiAlnum(after)) return false;
  return IsAsciiLetter(before) || IsAsciiLetter(after) || level == 0;
}

// A syllable of KS X 1001 counts at least 1, a common one more; the syllables
// beyond it (code page 949's additions, and in UTF-16 any other) count against.
int HangulEvidence(int level, bool ks, const ReadCharacter& before, const ReadCharacter& after) {
  int evidence = ks ? 1 + level : kAddedSyllable;
  if (SyllableOutOfPlace(level, before, after)) evidence += kOutOfPlace;
  return evidence;
}

}  // namespace

namespace {

constexpr int kKsSyllables = 2350;

const std::array<char16_t, kKsSyllables>& KsSyllables() {
  static const std::array<char16_t, kKsSyllables> syllables = [] {
    std::array<char16_t, kKsSyllables> table{};
    char bytes[2 * kKsSyllables];
    for (int i = 0; i < kKsSyllables; ++i) {
      bytes[2 * i] = static_cast<char>(0xB0 + i / 94);
      bytes[2 * i + 1] = static_cast<char>(0xA1 + i % 94);
    }
    UErrorCode status = U_ZERO_ERROR;
    UConverter* const converter = ucnv_open("windows-949", &status);
    if (U_SUCCESS(status)) {
      ucnv_toUChars(converter, table.data(), kKsSyllables, bytes, sizeof bytes, &status);
      ucnv_close(converter);
    }
    return table;
  }();
  return syllables;
}

}  // namespace

char16_t KsSyllable(int index) {
  return KsSyllables()[static_cast<std::size_t>(index)];
}

bool IsKsSyllable(char32_t c) {
  static const std::bitset<kSyllables> ks = [] {
    std::bitset<kSyllables> set;
    for (const char16_t s : KsSyllables()) {
      if (IsHangulSyllable(s)) set.set(s - 0xAC00);
    }
    return set;
  }();
  return IsHangulSyllable(c) && ks.test(c - 0xAC00);
}

int SyllableLevel(char32_t c) {
  if (!IsHangulSyllable(c)) return 0;
  static const std::array<uint8_t, kSyllables> levels = [] {
    std::array<uint8_t, kSyllables> table{};
    for (const auto& [syllables, level] :
         {std::pair{CommonSyllables, 2}, std::pair{RareSyllables, 1}}) {
      for (const char16_t s : std::u16string_view(syllables)) {
        if (IsHangulSyllable(s)) table[s - 0xAC00] = static_cast<uint8_t>(level);
      }
    }
    return table;
  }();
  return levels[c - 0xAC00];
}

int Evidence(Reading reading, const ReadCharacter& before, const ReadCharacter& current,
             const ReadCharacter& after) {
  using Kind = ReadCharacter::Kind;
  const char32_t c = current.c;
  switch (current.kind) {
    case Kind::Invalid:
      return kNoCharacter;
    case Kind::Edge:
      return 0;
    case Kind::AddedSyllable:
      return HangulEvidence(0, false, before, after);
    case Kind::UserDefined:
      return kUserDefined;
    case Kind::CodePageSign:
      // Signs and letters of KS X 1001: their bytes are no UTF-8, and they say
      // nothing of their own.
      return 0;
    case Kind::Unicode:
      break;
  }
  const bool utf16 = reading == Reading::Utf16;
  if (IsControl(c)) return utf16 ? 2 * kControl : kControl;
  if (c < 0x80) return 0;
  if (IsHangulSyllable(c)) {
    if (reading == Reading::Utf8) return kUtf8WideCharacter;
    return HangulEvidence(SyllableLevel(c), IsKsSyllable(c), before, after);
  }
  if (IsHanja(c)) {
    if (reading == Reading::Utf8) return kUtf8WideCharacter;
    // A Hanja inside a Latin word or a number ("100廓") is a sign read wrong.
    const int own = utf16 ? kUnlikelyInUtf16 / 2 : kHanja;
    return IsAsciiAlnum(before) || IsAsciiAlnum(after) ? own + kHanjaInWord : own;
  }
  if (c >= 0xE000 && c <= 0xF8FF) {
    if (reading == Reading::Utf8) return kUtf8WideCharacter;
    // In UTF-16 only the printer's own symbols and markers.
    return c <= 0xE052 ? kUserDefined : kUnlikelyInUtf16;
  }
  if (c >= 0x3131 && c <= 0x318E) return reading == Reading::Utf8 ? kUtf8WideCharacter : 0;
  // Letters and signs count where a word or a number puts them; alone they
  // say nothing, but that UTF-16 has them at all.
  const int alone = utf16 ? 1 : 0;
  if (IsSign(c)) {
    if (IsUnitSign(c, before, after)) return kUnitSign;
    if (IsAsciiAlnum(before) && IsAsciiAlnum(after)) return kInWord;
  }
  if (IsEuropeanLetter(c)) {
    return IsAsciiLetter(before) || IsAsciiLetter(after) ? kInWord : alone;
  }
  if (IsSign(c)) return alone;
  return utf16 ? kUnlikelyInUtf16 : 0;
}

}  // namespace q5300
