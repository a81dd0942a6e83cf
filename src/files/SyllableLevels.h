#pragma once

namespace q5300 {

// The Hangul syllables Korean text uses, by how often (tools/make-syllable-levels):
// the common ones, and the ones in use but rare. No other syllable is seen in
// Korean words.
extern const char16_t* const CommonSyllables;
extern const char16_t* const RareSyllables;

// 2 for a common syllable, 1 for a rare one, 0 for one not in use, and 0 for
// what is no Hangul syllable.
int SyllableLevel(char32_t c);

}  // namespace q5300
