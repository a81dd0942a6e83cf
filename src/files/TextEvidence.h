#pragma once

#include <cstdint>

// How much one character of a reading says for that reading of a text.
namespace q5300 {

// The four readings of a text without a byte order mark.
enum class Reading { CodePage949, Utf8, Utf16 };

// One character of a reading, as the scoring sees it.
struct ReadCharacter {
  // What the bytes are in code page 949, where Unicode alone does not tell.
  enum class Kind : uint8_t {
    Unicode,        // `c` says it all
    Invalid,        // no character
    Edge,           // before the first or after the last character
    AddedSyllable,  // one of the code page's additions to KS X 1001
    UserDefined,    // the printer's symbols
    CodePageSign,   // KS X 1001's rows of signs and letters
  };
  char32_t c = 0;
  Kind kind = Kind::Unicode;

  static constexpr ReadCharacter Edge() { return {0, Kind::Edge}; }
  static constexpr ReadCharacter Invalid() { return {0, Kind::Invalid}; }
};

// The syllables of KS X 1001, the part of code page 949 that Korean uses: the
// `index`th of its 2350 (94 to a row from 0xB0A1, in the order of Unicode), and
// whether a syllable is one of them.
char16_t KsSyllable(int index);
bool IsKsSyllable(char32_t c);

// The evidence of `current` between its neighbours; positive for a character a
// wire list plausibly holds there, negative for one it does not.
int Evidence(Reading reading, const ReadCharacter& before, const ReadCharacter& current,
             const ReadCharacter& after);

}  // namespace q5300
