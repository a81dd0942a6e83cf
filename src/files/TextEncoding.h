#pragma once

#include <cstddef>
#include <string_view>

namespace q5300 {

// The encodings of an import file's text.
enum class TextEncoding { CodePage949, Utf8, Utf16LE, Utf16BE };

struct DetectedEncoding {
  TextEncoding encoding = TextEncoding::CodePage949;
  std::size_t markBytes = 0;  // the byte order mark, not part of the text
};

// A byte order mark says UTF-8, UTF-16 LE or UTF-16 BE. Without one, the whole
// text is read in each of the four encodings, and the reading whose characters
// make the most plausible wire list is taken (see TextEvidence.h): Hangul counts
// by how common its syllables are, letters of other alphabets and signs count
// where they stand in a word or a number, and a byte sequence that is no
// character, or a control character, counts heavily against. Alike evidence goes
// to code page 949, the printer's own; UTF-16 must outdo the others.
DetectedEncoding DetectTextEncoding(std::string_view bytes);

}  // namespace q5300
