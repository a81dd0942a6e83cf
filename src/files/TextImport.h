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

// A byte order mark says UTF-8, UTF-16 LE or UTF-16 BE. Without one, a text that
// is valid UTF-8 and has bytes above 0x7F is UTF-8 and anything else code page
// 949, with one exception. Code page 949 writes the Hangul of its rows 0xC4..0xC8
// and the electrical symbols of its user-defined row 0xC9 with second bytes
// 0xA1..0xBF, which read as valid UTF-8 for letters from U+0100 to U+02AF (Latin
// letters of other alphabets, phonetic letters): "1호" is 0x31 0xC8 0xA3, "1ȣ" in
// UTF-8. A text whose UTF-8 reading holds one of them is code page 949.
DetectedEncoding DetectTextEncoding(std::string_view bytes);

// A whole import file of text: its encoding detected, converted to code page 949
// (a character without a form there becomes '?') and read as CsvImporter reads
// it, only as far as pages can still be taken.
ImportedPages ReadImportText(std::string_view bytes);
// The same for any target: the pages of a layout or a preview.
void ReadImportText(std::string_view bytes, ImportTarget& target);

}  // namespace q5300
