#include "files/CsvExport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/ImportFile.h"

namespace q5300 {

void PrintTo(const ImportedPage& page, std::ostream* out);

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(CsvExport, OneLinePerPageInEitherEncoding) {
  const std::vector<ImportedPage> pages = {
      {u"A1", u"B2", 3}, {u"한글", u"", 200}, {u"", u"\uE000", 1}, {u"say \"hi\"", u"a,b", 12}};
  EXPECT_EQ(CsvExportText(pages, CsvEncoding::Utf8),
            "\xEF\xBB\xBF"
            "A1,B2,3\r\n"
            "한글,,200\r\n"
            ",\xEE\x80\x80,1\r\n"
            "\"say \"\"hi\"\"\",\"a,b\",12\r\n");
  EXPECT_EQ(CsvExportText(pages, CsvEncoding::CodePage949),
            "A1,B2,3\r\n"
            "\xC7\xD1\xB1\xDB,,200\r\n"
            ",\xC9\xA1,1\r\n"
            "\"say \"\"hi\"\"\",\"a,b\",12\r\n");
  EXPECT_EQ(CsvExportText(std::span<const ImportedPage>(), CsvEncoding::Utf8), "\xEF\xBB\xBF");
}

// What goes out comes back in as the same pages, whatever the texts hold.
TEST(CsvExport, TheImportReadsTheExportAsTheSamePages) {
  std::vector<ImportedPage> symbols;
  for (char16_t k = 0; k < 0x53; ++k) {
    symbols.push_back({std::u16string(1, static_cast<char16_t>(0xE000 + k)), u"", 1});
  }
  std::vector<ImportedPage> full;
  for (int i = 1; i <= 200; ++i) {
    full.push_back({u"\uC804\uC6D0 MCC-" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)),
                    u"L" + std::u16string(1, static_cast<char16_t>(u'0' + i % 3)),
                    static_cast<uint16_t>(i)});
  }
  const std::vector<std::vector<ImportedPage>> jobs = {
      {{u"전원공급", u"L1", 2}, {u"제어반 MCC-1", u"단자 101", 1}},
      // Texts that must be quoted to come back whole.
      {{u"A,B", u"\"C\"", 4}, {u"\"", u",", 1}, {u"x\"y", u"\"\"", 1}, {u" \"lead", u"", 7}},
      // Blanks, separators of other files, a lone quote in the middle.
      {{u" a ", u"\tb", 1}, {u"1;2", u"x\"", 1}},
      // Only code page 949's user-defined row, which also reads as UTF-8.
      symbols,
      {{u"1호", u"", 1}, {u"호환", u"창", 1}},
      // Syllables and Hanja whose code page 949 bytes are valid UTF-8 too.
      {{u"천", u"청", 1}, {u"W-1", u"체", 2}},
      {{u"\u9240", u"\u9240", 1}},
      // Separators a list may be found to have, in a text alone.
      {{u"a;b;c;d", u"", 1}},
      {{u"w\tx\ty\tz", u"", 1}},
      // A syllable before a digit, where a sign of UTF-8 could stand (±5).
      {{u"짹5", u"", 1}},
      {{u"1m\uC480", u"\uC9F9", 1}, {u"\uC9F9", u"\uC9F9 2", 1}},
      // Two lines that fill a page.
      {{std::u16string(19, u'가'), std::u16string(1, u'x'), 1}, {u"", std::u16string(39, u'y'), 1}},
      full,
  };
  for (const CsvEncoding encoding : {CsvEncoding::Utf8, CsvEncoding::CodePage949}) {
    for (std::size_t j = 0; j < jobs.size(); ++j) {
      std::vector<ImportedPage> expected = jobs[j];
      // A tab is a control character, which the import takes as '?'.
      for (ImportedPage& page : expected) {
        for (std::u16string* line : {&page.line1, &page.line2}) {
          for (char16_t& c : *line) c = c == u'\t' ? u'?' : c;
        }
      }
      const std::string text = CsvExportText(jobs[j], encoding);
      const Result<ImportedPages> read = ReadImport(Bytes(text), "job.csv");
      ASSERT_TRUE(read.ok()) << read.failure().text;
      EXPECT_EQ(read->pages, expected) << "job " << j << ", " << static_cast<int>(encoding);
      EXPECT_EQ(read->overLongLines, 0);
      EXPECT_EQ(read->unclosedQuoteLine, 0);
    }
  }
}

// A CSV file holds no numbering: the export says how many numbered pages it
// wrote as one line each.
TEST(CsvExport, NumberedPagesAreCountedAsNotCarried) {
  std::vector<CsvPage> pages(3);
  pages[0].line1 = u"-X1:\uE04D";
  pages[0].numbering = CsvPage::Numbering::Number;
  pages[0].numberingStart = "1";
  pages[0].numberingEnd = "30";
  pages[1].line1 = u"W-1";
  pages[2].line1 = u"\uE050";
  pages[2].numbering = CsvPage::Numbering::LowerLetter;
  EXPECT_EQ(NumberedPagesNotCarried(pages), 2);
  EXPECT_EQ(CsvExportText(pages, CsvEncoding::CodePage949),
            "-X1:\xC9\xEE,,1\r\nW-1,,1\r\n\xC9\xF1,,1\r\n");
}

// The encoding names of the command line.
TEST(CsvExport, EncodingNames) {
  EXPECT_EQ(CsvEncodingNamed("utf-8"), CsvEncoding::Utf8);
  EXPECT_EQ(CsvEncodingNamed("UTF8"), CsvEncoding::Utf8);
  EXPECT_EQ(CsvEncodingNamed("cp949"), CsvEncoding::CodePage949);
  EXPECT_EQ(CsvEncodingNamed("Windows-949"), CsvEncoding::CodePage949);
  EXPECT_EQ(CsvEncodingNamed("latin1"), std::nullopt);
  EXPECT_EQ(CsvEncodingNamed(""), std::nullopt);
}

}  // namespace
}  // namespace q5300
