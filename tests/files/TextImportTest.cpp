#include "files/TextImport.h"

#include <gtest/gtest.h>
#include <iconv.h>

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

// What a character of code page 949 is, by the C library's own table; empty when
// the code has no character.
std::u16string FromCodePage949(std::string_view bytes) {
  static const iconv_t converter = iconv_open("UTF-16LE", "CP949");
  char16_t out[8];
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* outAt = reinterpret_cast<char*>(out);
  std::size_t outLeft = sizeof out;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &in, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1)) return {};
  return std::u16string(out, (sizeof out - outLeft) / 2);
}

// A list of failures, shown a few at a time.
std::string FirstOf(const std::vector<std::string>& failures) {
  std::string shown;
  for (std::size_t i = 0; i < std::min<std::size_t>(failures.size(), 12); ++i) {
    shown += failures[i] + "\n";
  }
  return shown;
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
      {"units beside Hangul",
       "\xEC\xA0\x84\xEC\x9B\x90 30\xC2\xB0"
       "C,10\xC2\xB5"
       "F,2.5mm\xC2\xB2,\xCE\xA9",
       TextEncoding::Utf8},
      // Signs of units where units put them, with nothing else beyond ASCII: in
      // code page 949 they would be the rare syllables 째, 쨉, 짼, 쨀 and 짹.
      {"units alone",
       "30\xC2\xB0"
       "C,10\xC2\xB5"
       "F,2.5mm\xC2\xB2,\xCE\xA9",
       TextEncoding::Utf8},
      {"mm² in a header", "Wire,mm\xC2\xB2,Colour\r\nW-1,1.5,BK\r\n", TextEncoding::Utf8},
      {"m³ and ±5",
       "1m\xC2\xB3,\xC2\xB1"
       "5",
       TextEncoding::Utf8},
      // The same bytes elsewhere are Hangul: 2째 is "the second".
      {"2째", "2\xC2\xB0", TextEncoding::CodePage949},
      {"째C alone", "\xC2\xB0,C", TextEncoding::CodePage949},
      // A stray byte or a cut sequence does not outweigh the rest of the text.
      {"UTF-8 and one stray byte", "전원공급\n\xFF", TextEncoding::Utf8},
      {"a cut sequence at the end", "전원\xEA\xB3", TextEncoding::Utf8},
      {"code page 949 and one stray byte", "\xC0\xFC\xBF\xF8\xFF", TextEncoding::CodePage949},
  };
  for (const Case& c : cases) {
    const DetectedEncoding detected = DetectTextEncoding(c.bytes);
    EXPECT_EQ(detected.encoding, c.expected) << c.name;
    EXPECT_EQ(detected.markBytes, 0u) << c.name;
  }
}

// Every Hangul syllable and Hanja of code page 949 is read as itself, alone, in
// a line of ASCII, and with the rest of its row, whether the file is written in
// code page 949 or in UTF-8. Of the code page's two-byte characters, those with
// a first byte of 0xC2..0xDF and a second byte below 0xC0 are valid UTF-8 as well
// (천 is 0xC3 0xB5, "õ" in UTF-8).
TEST(TextEncoding, EveryHangulSyllableAndHanjaOfTheCodePageIsReadAsWritten) {
  std::vector<std::string> failures;
  int characters = 0;
  const auto check = [&](const std::string& name, const std::string& file,
                         const std::vector<ImportedPage>& expected) {
    const std::vector<ImportedPage> pages = ReadImportText(file).pages;
    if (pages != expected) failures.push_back(name + ": " + ::testing::PrintToString(pages));
  };
  for (int lead = 0xB0; lead <= 0xFD; ++lead) {
    if (lead == 0xC9) continue;  // the user-defined row: the symbols
    std::string rowBytes;
    std::u16string row;
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      const std::u16string character = FromCodePage949(bytes);
      if (character.empty()) continue;
      ++characters;
      rowBytes += bytes;
      row += character;
      const std::string hex = ::testing::PrintToString(bytes);
      for (const bool utf8 : {false, true}) {
        const std::string written = utf8 ? Utf8(character) : bytes;
        const std::string name = hex + (utf8 ? " in UTF-8" : " in code page 949");
        check(name + " alone", written, {{character, u"", 1}});
        check(name + " with ASCII", "W-1," + written + ",2\n", {{u"W-1", character, 2}});
      }
    }
    // The whole row, as an export of a long list would write it.
    const std::string rowName = "row " + ::testing::PrintToString(rowBytes.substr(0, 1));
    if (DetectTextEncoding(rowBytes).encoding != TextEncoding::CodePage949) {
      failures.push_back(rowName);
    }
    if (DetectTextEncoding("A," + Utf8(row) + "\n").encoding != TextEncoding::Utf8) {
      failures.push_back(rowName + " in UTF-8");
    }
  }
  EXPECT_EQ(characters, 2350 + 4888);
  EXPECT_TRUE(failures.empty()) << failures.size() << " failures\n" << FirstOf(failures);
}

// Hangul written in UTF-8 is UTF-8 whatever else the text holds.
TEST(TextEncoding, EveryHangulSyllableInUtf8) {
  std::vector<std::string> failures;
  for (char16_t c = 0xAC00; c <= 0xD7A3; ++c) {
    const std::string alone = Utf8(std::u16string(1, c));
    for (const std::string& file : {alone, "W-1," + alone + ",2\n", alone + alone}) {
      if (DetectTextEncoding(file).encoding != TextEncoding::Utf8) {
        failures.push_back(::testing::PrintToString(file));
      }
    }
  }
  EXPECT_TRUE(failures.empty()) << failures.size() << " failures\n" << FirstOf(failures);
}

// Lists in UTF-8 without a mark that hold letters of other alphabets beside
// their Hangul: in code page 949 those letters would be Hangul too, and the
// Hangul words garbage.
TEST(TextImport, Utf8ListsWithLettersOfOtherAlphabets) {
  struct Case {
    std::u16string text;
    std::vector<ImportedPage> pages;
  };
  const Case cases[] = {
      {u"\u0141\u00F3d\u017A,\uCF00\uC774\uBE14 1,2\n",
       {{u"\u0141?d?", u"\uCF00\uC774\uBE14 1", 2}}},
      {u"W-1,\u010D,1\n\uC804\uC6D0,\u0294,2", {{u"W-1", u"?", 1}, {u"\uC804\uC6D0", u"?", 2}}},
      {u"Hradec Kr\u00E1lov\u00E9,\uC81C\uC5B4\uBC18 \u010C\u0106,1",
       {{u"Hradec Kr?lov?", u"\uC81C\uC5B4\uBC18 ??", 1}}},
  };
  for (const Case& c : cases) {
    const std::string file = Utf8(c.text);
    EXPECT_EQ(DetectTextEncoding(file).encoding, TextEncoding::Utf8) << file;
    EXPECT_EQ(ReadImportText(file).pages, c.pages) << file;
  }
}

// UTF-8 without Hangul stays UTF-8: letters and signs of European part names
// read in code page 949 would be syllables glued to Latin letters ("Weidm체ller"),
// syllables that are not in use (횠8), or Hanja inside a number (100廓).
TEST(TextImport, EuropeanPartNamesInUtf8) {
  struct Case {
    const char* field;
    std::u16string line2;  // as the import takes it: '?' for no code page 949 form
  };
  const Case cases[] = {
      {"Weidm\xC3\xBCller", u"Weidm?ller"},
      {"Sch\xC3\xBCtz", u"Sch?tz"},
      {"\xC3\x98"
       "8",
       u"\u00D88"},
      {"100\xCE\xA9", u"100\u03A9"},
      {"4C\xC3\x97"
       "1.5",
       u"4C\u00D71.5"},
      {"0.5\xC2\xB5"
       "A",
       u"0.5?A"},
      {"AWG 18 \xC2\xB7 105\xC2\xB0"
       "C",
       u"AWG 18 \u00B7 105\u00B0C"},
      {"Gr\xC3\xB6\xC3\x9F"
       "e 3",
       u"Gr?\u00DFe 3"},
      {"Rohr \xC2\xBD Zoll, Muffe \xC3\x98"
       "8",
       u"Rohr \u00BD Zoll"},
  };
  for (const Case& c : cases) {
    const std::string file = std::string("X1:3,") + c.field + ",1\n";
    EXPECT_EQ(DetectTextEncoding(file).encoding, TextEncoding::Utf8) << c.field;
    const std::vector<ImportedPage> pages = ReadImportText(file).pages;
    ASSERT_FALSE(pages.empty()) << c.field;
    EXPECT_EQ(pages[0].line2, c.line2) << c.field;
  }
}

// The same two bytes are a sign in UTF-8 and one of the syllables of code page
// 949 that are valid UTF-8 as well. With nothing else to tell them apart, a
// field of the sign alone, or the sign before or after a number, is as likely
// the syllable (째 is common, 2째 is "the second", 짹5 an export of the job), and
// goes to the printer's own code page. A unit after the sign, or a word around
// it, tells UTF-8.
TEST(TextEncoding, ASignAloneReadsAsTheSyllableOfTheSameBytes) {
  struct Case {
    std::string bytes;
    TextEncoding expected;
  };
  const Case cases[] = {
      {"X1:3,\xC2\xBD,1\n", TextEncoding::CodePage949},   // 쩍 or ½
      {"\xC2\xB0", TextEncoding::CodePage949},            // 째 or °
      {"X1:3,5\xC2\xB0,1\n", TextEncoding::CodePage949},  // 5째 or 5°
      {"\xC2\xB1"
       "5",
       TextEncoding::CodePage949},  // 짹5 or ±5
      {"X1:3,5\xC2\xB0"
       "C,1\n",
       TextEncoding::Utf8},  // 5°C
      {"X1:3,90\xC2\xB0 Winkel,1\n", TextEncoding::CodePage949},
      {"Winkel 90\xC2\xB0,Stecker \xC3\x98"
       "8\n",
       TextEncoding::Utf8},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DetectTextEncoding(c.bytes).encoding, c.expected)
        << ::testing::PrintToString(c.bytes);
  }
}

// UTF-16 without a mark: its ASCII, separators and line ends are half zero
// bytes, which no text in one of the other encodings has.
TEST(TextImport, Utf16WithoutAMark) {
  const std::u16string text = u"W-101,\uC804\uC6D0,2\r\n\uC81C\uC5B4\uBC18,\uB2E8\uC790 101,1\r\n";
  const std::vector<ImportedPage> pages = {{u"W-101", u"\uC804\uC6D0", 2},
                                           {u"\uC81C\uC5B4\uBC18", u"\uB2E8\uC790 101", 1}};
  for (const bool bigEndian : {false, true}) {
    const std::string file = testing::Utf16(text, bigEndian);
    EXPECT_EQ(DetectTextEncoding(file).encoding,
              bigEndian ? TextEncoding::Utf16BE : TextEncoding::Utf16LE);
    EXPECT_EQ(ReadImportText(file).pages, pages) << bigEndian;
    // Cut short by one byte.
    EXPECT_EQ(ReadImportText(file.substr(0, file.size() - 1)).pages, pages) << bigEndian;
  }
  // A list padded with zero bytes at its end, as a file that was made larger:
  // its last line end and a zero byte are no UTF-16 line end.
  std::string padded;
  for (int i = 0; i < 999; ++i) padded += ",,\n";
  padded += '\0';
  EXPECT_EQ(DetectTextEncoding(padded).encoding, TextEncoding::CodePage949);
  // A zero byte in a text of code page 949 is a control byte like any other.
  EXPECT_EQ(ReadImportText(std::string("A,\xC7\xD1\0B,3\n", 9)).pages,
            (std::vector<ImportedPage>{{u"A", u"\uD55C?B", 3}}));
}

// UTF-16 without a mark is read on the same evidence as the others, and needs
// no zero byte; one stray zero byte makes no UTF-16 of a text in bytes.
TEST(TextImport, Utf16IsToldByItsCharactersNotByAZeroByte) {
  struct Case {
    std::string file;
    TextEncoding encoding;
    std::vector<ImportedPage> pages;
  };
  const auto le = [](std::u16string_view text) { return Utf16LE(text); };
  const auto be = [](std::u16string_view text) { return testing::Utf16(text, true); };
  const Case cases[] = {
      {std::string("W-1,OK,2\0\nW-2,PE,1\n", 19),
       TextEncoding::CodePage949,
       {{u"W-1", u"OK", 2}, {u"W-2", u"PE", 1}}},
      {std::string("\x08\xAC"), TextEncoding::Utf16LE, {{u"\uAC08", u"", 1}}},
      {be(u"\uAC08"), TextEncoding::Utf16BE, {{u"\uAC08", u"", 1}}},
      {le(u"\u00D88\n"), TextEncoding::Utf16LE, {{u"\u00D88", u"", 1}}},
      {le(u"\u0141\u00F3d\u017A\n"), TextEncoding::Utf16LE, {{u"\u0141?d?", u"", 1}}},
      {le(u"Gr\u00F6\u00DFe\n"), TextEncoding::Utf16LE, {{u"Gr?\u00DFe", u"", 1}}},
      {be(u"Gr\u00F6\u00DFe\n"), TextEncoding::Utf16BE, {{u"Gr?\u00DFe", u"", 1}}},
      {le(u"\uC804\uC6D0\uACF5\uAE09"),
       TextEncoding::Utf16LE,
       {{u"\uC804\uC6D0\uACF5\uAE09", u"", 1}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DetectTextEncoding(c.file).encoding, c.encoding) << ::testing::PrintToString(c.file);
    EXPECT_EQ(ReadImportText(c.file).pages, c.pages) << ::testing::PrintToString(c.file);
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
