// One wire list in every form an import takes: code page 949, UTF-8 with and
// without a mark, UTF-16 LE and BE, tab-separated text, .xlsx and .ods files
// made here and by a spreadsheet program. Each gives the pages of the code page
// 949 CSV, page by page, and previews as a plain list.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/CsvImport.h"
#include "files/ImportFile.h"
#include "files/TextImport.h"
#include "support/SheetFiles.h"
#include "support/UnicodeBytes.h"

namespace q5300 {

void PrintTo(const ImportedPage& page, std::ostream* out);

namespace {

using testing::OdsOf;
using testing::Utf16;
using testing::Utf8;
using testing::XlsxOf;

// The list in code page 949, written out byte by byte.
const std::string kCodePageCsv =
    "\xC0\xFC\xBF\xF8\xB0\xF8\xB1\xDE,L1,2\r\n"                  // 전원공급
    "\xC1\xA6\xBE\xEE\xB9\xDD MCC-1,\xB4\xDC\xC0\xDA 101,1\r\n"  // 제어반, 단자
    "\xC1\xA6\xBE\xEE\xB9\xDD MCC-1,\xB4\xDC\xC0\xDA 101,1\r\n"
    "\xC9\xA1\xC1\xA2\xC1\xF6,,3\r\n"  // the first electrical symbol, 접지
    "\"A,B\",\xC7\xD1\xB1\xDB,1\r\n"   // 한글
    "101,,5\r\n"
    "\r\n"
    ",2.5,\r\n"
    "1\xC8\xA3,x,250\r\n";  // 1호

const std::vector<ImportedPage> kPages = {
    {u"전원공급", u"L1", 2},
    {u"제어반 MCC-1", u"단자 101", 1},
    {u"제어반 MCC-1", u"단자 101", 1},
    {u"\uE000접지", u"", 3},
    {u"A,B", u"한글", 1},
    {u"101", u"", 5},
    {u"", u"2.5", 1},
    {u"1호", u"x", 200},
};

// The same list as cells of a sheet.
struct Row {
  std::u16string a, b, c;
};
const std::vector<Row> kRows = {
    {u"전원공급", u"L1", u"2"},
    {u"제어반 MCC-1", u"단자 101", u"1"},
    {u"제어반 MCC-1", u"단자 101", u"1"},
    {u"\uE000접지", u"", u"3"},
    {u"A,B", u"한글", u"1"},
    {u"101", u"", u"5"},
    {u"", u"", u""},
    {u"", u"2.5", u""},
    {u"1호", u"x", u"250"},
};

std::u16string Field(const std::u16string& text, char16_t separator) {
  if (text.find(separator) == std::u16string::npos) return text;
  return u"\"" + text + u"\"";
}

std::u16string TextOf(char16_t separator, const std::u16string& lineEnd) {
  std::u16string text;
  for (const Row& row : kRows) {
    text +=
        Field(row.a, separator) + separator + Field(row.b, separator) + separator + row.c + lineEnd;
  }
  return text;
}

std::string Escaped(const std::u16string& text) {
  std::string out;
  for (const char c : Utf8(text)) {
    if (c == '<') {
      out += "&lt;";
    } else if (c == '&') {
      out += "&amp;";
    } else {
      out += c;
    }
  }
  return out;
}

bool IsNumber(const std::u16string& text) {
  return !text.empty() && text.find_first_not_of(u"0123456789.") == std::u16string::npos;
}

// Texts of the first rows from the shared strings, of the others inline; the
// numbers as numbers; the empty row left out, as spreadsheet programs do.
std::vector<uint8_t> Xlsx() {
  std::string sheet;
  std::string strings;
  int shared = 0;
  for (std::size_t r = 0; r < kRows.size(); ++r) {
    const std::u16string cells[] = {kRows[r].a, kRows[r].b, kRows[r].c};
    std::string row;
    for (int c = 0; c < 3; ++c) {
      if (cells[c].empty()) continue;
      const std::string reference =
          std::string(1, static_cast<char>('A' + c)) + std::to_string(r + 1);
      if (IsNumber(cells[c])) {
        row += "<c r=\"" + reference + "\"><v>" + Utf8(cells[c]) + "</v></c>";
      } else if (r < 4) {
        strings += "<si><t>" + Escaped(cells[c]) + "</t></si>";
        row += "<c r=\"" + reference + "\" t=\"s\"><v>" + std::to_string(shared++) + "</v></c>";
      } else {
        row += "<c r=\"" + reference + "\" t=\"inlineStr\"><is><t>" + Escaped(cells[c]) +
               "</t></is></c>";
      }
    }
    if (!row.empty()) sheet += "<row r=\"" + std::to_string(r + 1) + "\">" + row + "</row>";
  }
  return XlsxOf(sheet, strings);
}

// The two equal rows as one repeated row, the empty row as empty cells.
std::vector<uint8_t> Ods() {
  std::string rows;
  for (std::size_t r = 0; r < kRows.size(); ++r) {
    if (r == 2) continue;
    std::string row =
        r == 1 ? "<table:table-row table:number-rows-repeated=\"2\">" : "<table:table-row>";
    for (const std::u16string& cell : {kRows[r].a, kRows[r].b, kRows[r].c}) {
      if (cell.empty()) {
        row += "<table:table-cell/>";
      } else if (IsNumber(cell)) {
        row += "<table:table-cell office:value-type=\"float\" office:value=\"" + Utf8(cell) +
               "\"><text:p>" + Utf8(cell) + "</text:p></table:table-cell>";
      } else {
        row += "<table:table-cell office:value-type=\"string\"><text:p>" + Escaped(cell) +
               "</text:p></table:table-cell>";
      }
    }
    rows += row + "<table:table-cell table:number-columns-repeated=\"1021\"/></table:table-row>";
  }
  rows +=
      "<table:table-row table:number-rows-repeated=\"1048567\"><table:table-cell "
      "table:number-columns-repeated=\"1024\"/></table:table-row>";
  return OdsOf(rows);
}

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

std::vector<uint8_t> Fixture(const std::string& name) {
  std::ifstream in(std::string(Q5300_FIXTURES) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ImportFormats, EveryFormOfTheWireListGivesThePagesOfTheCodePageCsv) {
  const ImportedPages reference = ParseCsv(kCodePageCsv);
  ASSERT_EQ(reference.pages, kPages);
  ASSERT_EQ(reference.overLongLines, 0);

  struct Case {
    const char* name;
    std::string file;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"code page 949", "list.csv", Bytes(kCodePageCsv)},
      {"UTF-8", "list.csv", Bytes(Utf8(TextOf(u',', u"\n")))},
      {"UTF-8 with a mark", "list.csv", Bytes("\xEF\xBB\xBF" + Utf8(TextOf(u',', u"\r\n")))},
      {"UTF-16 LE", "list.csv", Bytes("\xFF\xFE" + Utf16(TextOf(u',', u"\r\n"), false))},
      {"UTF-16 BE", "list.csv", Bytes("\xFE\xFF" + Utf16(TextOf(u',', u"\r\n"), true))},
      {"UTF-16 LE with tabs", "list.txt", Bytes("\xFF\xFE" + Utf16(TextOf(u'\t', u"\r\n"), false))},
      {"UTF-8 with tabs", "list.txt", Bytes(Utf8(TextOf(u'\t', u"\n")))},
      {"xlsx", "list.xlsx", Xlsx()},
      {"ods", "list.ods", Ods()},
      // Saved by a spreadsheet program: its "Unicode text", .xlsx and .ods.
      {"Unicode text of a spreadsheet program", "wirelist.txt", Fixture("wirelist-unicode.txt")},
      {"xlsx of a spreadsheet program", "wirelist.xlsx", Fixture("wirelist.xlsx")},
      {"ods of a spreadsheet program", "wirelist.ods", Fixture("wirelist.ods")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_FALSE(c.bytes.empty());
    const Result<ImportedPages> read = ReadImport(c.bytes, c.file);
    ASSERT_TRUE(read.ok()) << read.failure().text;
    ASSERT_EQ(read->pages.size(), reference.pages.size());
    for (std::size_t i = 0; i < reference.pages.size(); ++i) {
      EXPECT_EQ(read->pages[i], reference.pages[i]) << "page " << i + 1;
    }
    EXPECT_EQ(*read, reference);
    // A list of three columns without a header imports without a question.
    const Result<ImportPreview> preview = PreviewImport(c.bytes, c.file);
    ASSERT_TRUE(preview.ok()) << preview.failure().text;
    EXPECT_TRUE(preview->plain);
    EXPECT_EQ(preview->columns, 3);
    ASSERT_EQ(preview->rows.size(), kRows.size() - 1);  // the empty row is passed over
    EXPECT_EQ(preview->rows[0], (std::vector<std::u16string>{u"전원공급", u"L1", u"2"}));
  }
}

// Cells in number formats of every kind, saved by a spreadsheet program as
// .xlsx and .ods, read as that program shows them: its own CSV of each file
// ("as shown") gives the same pages, cell by cell.
TEST(ImportFormats, FormattedCellsReadAsTheSpreadsheetProgramShowsThem) {
  for (const std::string kind : {"xlsx", "ods"}) {
    SCOPED_TRACE(kind);
    const std::vector<uint8_t> shownCsv = Fixture("formats-" + kind + ".csv");
    ASSERT_FALSE(shownCsv.empty());
    const Result<ImportedPages> shown = ReadImport(shownCsv, "formats.csv");
    ASSERT_TRUE(shown.ok()) << shown.failure().text;
    ASSERT_EQ(shown->pages.size(), 37u);
    const Result<ImportedPages> read = ReadImport(Fixture("formats." + kind), "formats." + kind);
    ASSERT_TRUE(read.ok()) << read.failure().text;
    ASSERT_EQ(read->pages.size(), shown->pages.size());
    for (std::size_t i = 0; i < shown->pages.size(); ++i) {
      EXPECT_EQ(read->pages[i], shown->pages[i]) << "row " << i + 1;
    }
  }
}

}  // namespace
}  // namespace q5300
