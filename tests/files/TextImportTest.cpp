#include "files/TextImport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/CsvImport.h"
#include "support/UnicodeBytes.h"

namespace q5300 {

void PrintTo(const ImportedPage& page, std::ostream* out);

namespace {

using testing::Utf8;

std::string Utf16LE(std::u16string_view text) {
  return testing::Utf16(text, false);
}

// Real Hangul both ways: code page 949 Hangul is not valid UTF-8, and UTF-8
// Hangul is. The samples cover the rows that come close: 0xC2..0xC9 with second
// bytes below 0xC0 read as two-byte UTF-8.
TEST(TextEncoding, HangulInCodePage949AndInUtf8) {
  struct Case {
    const char* name;
    std::string bytes;
    TextEncoding expected;
  };
  const Case cases[] = {
      {"ASCII", "A1,B2,3\r\n", TextEncoding::CodePage949},
      {"empty", "", TextEncoding::CodePage949},
      // Code page 949.
      {"전원공급", "\xC0\xFC\xBF\xF8\xB0\xF8\xB1\xDE", TextEncoding::CodePage949},
      {"제어반,단자", "\xC1\xA6\xBE\xEE\xB9\xDD,\xB4\xDC\xC0\xDA", TextEncoding::CodePage949},
      {"한글", "\xC7\xD1\xB1\xDB", TextEncoding::CodePage949},
      // Valid UTF-8 when read as such: 1ȣ, ȣȯ, ġ, ơ.
      {"1호", "1\xC8\xA3", TextEncoding::CodePage949},
      {"호환", "\xC8\xA3\xC8\xAF", TextEncoding::CodePage949},
      {"치", "\xC4\xA1", TextEncoding::CodePage949},
      {"퉤", "\xC6\xA1", TextEncoding::CodePage949},
      // The user-defined row: electrical symbols, alone and beside Hangul.
      {"first symbol", "\xC9\xA1,PE", TextEncoding::CodePage949},
      {"symbol 0x1E", "\xC9\xBF", TextEncoding::CodePage949},
      {"symbol 0x1F", "\xC9\xC0", TextEncoding::CodePage949},
      {"superscript marker",
       "x\xC9\xF2"
       "2",
       TextEncoding::CodePage949},
      {"symbol and 접지", "\xC9\xA1\xC1\xA2\xC1\xF6", TextEncoding::CodePage949},
      // UTF-8.
      {"전원공급 UTF-8", "전원공급", TextEncoding::Utf8},
      {"제어반,단자 UTF-8", "제어반,단자", TextEncoding::Utf8},
      {"1호 UTF-8", "1호", TextEncoding::Utf8},
      {"symbol UTF-8", "\xEE\x80\x80,PE", TextEncoding::Utf8},
      {"units",
       "30\xC2\xB0"
       "C,10\xC2\xB5"
       "F,2.5mm\xC2\xB2,\xCE\xA9",
       TextEncoding::Utf8},
      // A byte that cannot be UTF-8 anywhere in the file.
      {"UTF-8 and one stray byte", "전원공급\n\xFF", TextEncoding::CodePage949},
      {"a cut sequence at the end", "전원\xEA\xB3", TextEncoding::CodePage949},
  };
  for (const Case& c : cases) {
    const DetectedEncoding detected = DetectTextEncoding(c.bytes);
    EXPECT_EQ(detected.encoding, c.expected) << c.name;
    EXPECT_EQ(detected.markBytes, 0u) << c.name;
  }
}

TEST(TextEncoding, AByteOrderMarkDecides) {
  struct Case {
    std::string bytes;
    TextEncoding expected;
    std::size_t mark;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBF", TextEncoding::Utf8, 3},
      // Even before bytes that are no UTF-8.
      {"\xEF\xBB\xBF\xC7\xD1", TextEncoding::Utf8, 3},
      {"\xFF\xFE", TextEncoding::Utf16LE, 2},
      {"\xFF\xFE\x41\x00", TextEncoding::Utf16LE, 2},
      {"\xFE\xFF\x00\x41", TextEncoding::Utf16BE, 2},
      // Half a mark is none.
      {"\xEF\xBB", TextEncoding::CodePage949, 0},
      {"\xFE", TextEncoding::CodePage949, 0},
  };
  for (const Case& c : cases) {
    const DetectedEncoding detected = DetectTextEncoding(c.bytes);
    EXPECT_EQ(detected.encoding, c.expected) << ::testing::PrintToString(c.bytes);
    EXPECT_EQ(detected.markBytes, c.mark) << ::testing::PrintToString(c.bytes);
  }
}

// As anywhere else in the program, a character without a code page 949 form
// becomes '?'; so does what is no character at all.
TEST(TextImport, CharactersWithoutACodePageFormBecomeQuestionMarks) {
  struct Case {
    std::string file;
    std::vector<ImportedPage> pages;
  };
  const Case cases[] = {
      {"caf\xC3\xA9,\xF0\x9F\x94\x8C plug,2", {{u"caf?", u"? plug", 2}}},
      {"\xEF\xBB\xBF\xC7\xD1,x", {{u"??", u"x", 1}}},  // no UTF-8 after the mark
      {"\xEF\xBB\xBFok\xE2\x82", {{u"ok?", u"", 1}}},
      {"\xFF\xFE" + Utf16LE(u"a\xD800,b\xDC00\r\n\u00E9"), {{u"a?", u"b?", 1}, {u"?", u"", 1}}},
      {"\xFF\xFE" + Utf16LE(u"\U0001F50C,\uAC00") + "A", {{u"?", u"\uAC00?", 1}}},
      // A second U+FEFF is an invisible character, and code page 949 leaves it out.
      {"\xFF\xFE" + Utf16LE(u"\uFEFFx"), {{u"x", u"", 1}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadImportText(c.file).pages, c.pages) << ::testing::PrintToString(c.file);
  }
}

// The text is converted in pieces of 64 KB: characters across the pieces'
// borders come out whole, and the conversion stops with the 200th page.
TEST(TextImport, LongTextsConvertedInPieces) {
  const auto listWith = [](std::size_t longLine, std::vector<ImportedPage>& pages) {
    std::u16string text(longLine, u'x');  // too long for a page
    text += u"\n";
    pages.clear();
    for (int i = 0; i < 250; ++i) {
      const std::u16string line1 =
          u"\uC804\uC6D0 " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
      text += line1 + u",\U0001F50C\uE000,3\r\n";
      if (i < 200) pages.push_back({line1, u"?\uE000", 3});
    }
    return text;
  };
  // The first border falls at each byte of the lines after the long one.
  for (std::size_t shift = 0; shift < 24; ++shift) {
    std::vector<ImportedPage> expected;
    const std::string files[] = {
        Utf8(listWith(64 * 1024 - 24 + shift, expected)),
        "\xFF\xFE" + Utf16LE(listWith(32 * 1024 - 13 + shift, expected)),
    };
    for (const std::string& file : files) {
      const ImportedPages import = ReadImportText(file);
      EXPECT_EQ(import.pages, expected) << shift;
      EXPECT_EQ(import.overLongLines, 1) << shift;
      EXPECT_TRUE(import.pageLimitReached) << shift;
    }
  }
}

}  // namespace
}  // namespace q5300
