#pragma once

#include <cstddef>
#include <string_view>

#include "files/ImportColumns.h"
#include "files/ImportRules.h"

namespace q5300 {

// The encodings of an import file's text.
enum class TextEncoding { CodePage949, Utf8, Utf16LE, Utf16BE };

struct DetectedEncoding {
  TextEncoding encoding = TextEncoding::CodePage949;
  std::size_t markBytes = 0;  // the byte order mark, not part of the text
};

// A byte order mark says UTF-8, UTF-16 LE or UTF-16 BE. Without one, UTF-16 is
// told by the zero bytes of its ASCII characters; otherwise the whole text is
// read both as UTF-8 and as code page 949, and the reading with the better
// evidence is taken: Hangul syllables count most, then Hanja and the symbols,
// and a byte sequence that is no character heavily against; the signs of units
// (mm², 30°C, 10µF) count for UTF-8 where units put them. Letters of other
// alphabets and other signs count nothing, and alike evidence goes to code page 949:
// its Hangul of the first bytes 0xC2..0xC8 and Hanja of 0xCA..0xDF with second
// bytes 0xA1..0xBF are valid UTF-8 as well ("천" is 0xC3 0xB5, "õ" in UTF-8).
DetectedEncoding DetectTextEncoding(std::string_view bytes);

// A whole import file of text: its encoding detected, converted to code page 949
// (a character without a form there becomes '?') and read as CsvImporter reads
// it, only as far as pages can still be taken.
ImportedPages ReadImportText(std::string_view bytes);
// The same for any target: the pages of a layout or a preview.
void ReadImportText(std::string_view bytes, ImportTarget& target);

}  // namespace q5300
