#include "files/CsvImport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace q5300 {
namespace {

// Two bytes each in code page 949.
std::string Hangul(int syllables) {
  std::string s;
  for (int i = 0; i < syllables; ++i) s += "\xB0\xA1";  // 가
  return s;
}
std::u16string HangulText(int syllables) {
  return std::u16string(static_cast<std::size_t>(syllables), u'\uAC00');
}

TEST(CsvImport, LinesFieldsAndRepeatCounts) {
  struct Case {
    std::string file;
    std::vector<CsvPage> pages;
    int overLong = 0;
  };
  const Case cases[] = {
      {"A1,B2,3", {{u"A1", u"B2", 3}}},
      {"A1", {{u"A1", u"", 1}}},
      {"A1,,5", {{u"A1", u"", 5}}},
      {",B2", {{u"", u"B2", 1}}},
      {"A1,B2,0\nA1,B2,abc\nA1,B2,-4\nA1,B2,",
       {{u"A1", u"B2", 1}, {u"A1", u"B2", 1}, {u"A1", u"B2", 1}, {u"A1", u"B2", 1}}},
      {"A1,B2,250\nA1,B2,99999999999999", {{u"A1", u"B2", 200}, {u"A1", u"B2", 200}}},
      {"A1,B2,7,x,y\nA1,B2, +12x", {{u"A1", u"B2", 7}, {u"A1", u"B2", 12}}},
      // No quoting: the quotes stay and the comma inside them splits.
      {"\"A,1\",B", {{u"\"A", u"1\"", 1}}},
      {" A , B ", {{u" A ", u" B ", 1}}},
      // Empty lines and lines of commas leave no gap; a repeat count alone is no page.
      {"\n\nA\n,,\n,,,\n,,5\nB\n", {{u"A", u"", 1}, {u"B", u"", 1}}},
      // A carriage return counts only before a line feed.
      {"A\r\nB\r\n", {{u"A", u"", 1}, {u"B", u"", 1}}},
      {"A\rB,C\r\n", {{u"A\rB", u"C", 1}}},
      {"A,B,\r7\r\n", {{u"A", u"B", 7}}},
      {"\xC7\xD1,\xB1\xDB,2\r\n", {{u"\uD55C", u"\uAE00", 2}}},
      // The page text is line 1, the separator byte and line 2: at most 40 bytes.
      {Hangul(20) + "\n" + Hangul(20) + "x", {{HangulText(20), u"", 1}}, 1},
      {Hangul(10) + "," + Hangul(10), {}, 1},
      {Hangul(10) + "," + Hangul(9) + "x", {{HangulText(10), HangulText(9) + u"x", 1}}},
      {std::string(40, 'a') + ",\n," + std::string(40, 'b') + "\n," + std::string(39, 'c'),
       {{std::u16string(40, u'a'), u"", 1}, {u"", std::u16string(39, u'c'), 1}},
       1},
  };
  for (const Case& c : cases) {
    const CsvImport import = ParseCsv(c.file);
    EXPECT_EQ(import.pages, c.pages) << c.file;
    EXPECT_EQ(import.overLongLines, c.overLong) << c.file;
    EXPECT_FALSE(import.pageLimitReached) << c.file;
  }
}

TEST(CsvImport, StopsAtTheTwoHundredthPage) {
  for (const int lines : {199, 200, 250}) {
    std::string file;
    for (int i = 1; i <= lines; ++i) file += "P" + std::to_string(i) + ",,2\n";
    CsvImporter importer;
    const bool wantsMore = importer.Feed(file);
    EXPECT_EQ(wantsMore, lines < 200) << lines;
    if (wantsMore) importer.Finish();
    const CsvImport& import = importer.result();
    ASSERT_EQ(import.pages.size(), static_cast<std::size_t>(std::min(lines, 200))) << lines;
    const std::string last = "P" + std::to_string(std::min(lines, 200));
    EXPECT_EQ(import.pages.back().line1, std::u16string(last.begin(), last.end()));
    EXPECT_EQ(import.pageLimitReached, lines >= 200) << lines;
  }
}

TEST(CsvImport, PiecesOfAnySizeReadAsTheWhole) {
  std::string file = "A1,B2,3\r\n\r\n" + Hangul(19) + ",x\r" + "\n,,\n\rX,Y,\r\r\n" +
                     std::string(100, 'z') + "\nlast,line,12";
  const CsvImport whole = ParseCsv(file);
  ASSERT_EQ(whole.pages.size(), 4u);
  for (const std::size_t piece : {1u, 2u, 3u, 7u, 64u}) {
    CsvImporter importer;
    for (std::size_t at = 0; at < file.size(); at += piece) {
      ASSERT_TRUE(importer.Feed(std::string_view(file).substr(at, piece)));
    }
    importer.Finish();
    EXPECT_EQ(importer.result(), whole) << piece;
  }
}

TEST(CsvImport, AnEndlessLineIsCountedWithoutBeingKept) {
  std::string file(4 << 20, 'q');
  file += ",also long\nshort";
  const CsvImport import = ParseCsv(file);
  EXPECT_EQ(import.overLongLines, 1);
  ASSERT_EQ(import.pages.size(), 1u);
  EXPECT_EQ(import.pages[0].line1, u"short");
}

}  // namespace
}  // namespace q5300
