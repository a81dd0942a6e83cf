// Wire lists as design programs export them: a header row and many columns,
// of which the operator picks line 1, line 2, the repeat count and the other
// wire end. The same list as comma- and tab-separated text, .xlsx and .ods gives
// the same pages for each layout; the preview tells a plain list from one that
// needs the choice.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/CsvImport.h"
#include "files/ImportColumns.h"
#include "files/ImportFile.h"
#include "files/ImportLayout.h"
#include "files/SheetImport.h"
#include "support/SheetFiles.h"
#include "support/UnicodeBytes.h"

namespace q5300 {

void PrintTo(const ImportedPage& page, std::ostream* out);

namespace {

using testing::OdsOf;
using testing::Utf8;
using testing::XlsxOf;

constexpr int None = ImportLayout::None;

// Wire number, source, target, cross-section, colour, count. W3 has no target,
// W4 only its first two cells.
const std::vector<std::vector<std::u16string>> kWireList = {
    {u"전선번호", u"출발", u"도착", u"단면적", u"색상", u"수량"},
    {u"W1", u"X1:1", u"K1:A1", u"1.5", u"BK", u"2"},
    {u"W2", u"X1:2", u"K1:A2", u"2.5", u"BU", u"1"},
    {u"W3", u"X1:3", u"", u"1.5", u"BN", u"3"},
    {u"W4", u"X2:1"},
};

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

std::string TextOf(const std::vector<std::vector<std::u16string>>& rows, char separator) {
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) text += separator;
      text += Utf8(row[c]);
    }
    text += "\r\n";
  }
  return text;
}

bool IsNumber(const std::u16string& text) {
  return !text.empty() && text.find_first_not_of(u"0123456789.") == std::u16string::npos;
}

// Numbers as numbers, texts inline, an empty cell left out.
std::vector<uint8_t> XlsxFile(const std::vector<std::vector<std::u16string>>& rows) {
  std::string sheet;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    sheet += "<row r=\"" + std::to_string(r + 1) + "\">";
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const std::u16string& cell = rows[r][c];
      if (cell.empty()) continue;
      const std::string reference =
          std::string(1, static_cast<char>('A' + c)) + std::to_string(r + 1);
      sheet += IsNumber(cell) ? "<c r=\"" + reference + "\"><v>" + Utf8(cell) + "</v></c>"
                              : "<c r=\"" + reference + "\" t=\"inlineStr\"><is><t>" + Utf8(cell) +
                                    "</t></is></c>";
    }
    sheet += "</row>";
  }
  return XlsxOf(sheet);
}

// Empty cells as empty elements, and the rest of the row as one repeated cell,
// as spreadsheet programs write them.
std::string OdsRows(const std::vector<std::vector<std::u16string>>& rows) {
  std::string content;
  for (const auto& row : rows) {
    content += "<table:table-row>";
    for (const std::u16string& cell : row) {
      if (cell.empty()) {
        content += "<table:table-cell/>";
      } else if (IsNumber(cell)) {
        content += "<table:table-cell office:value-type=\"float\" office:value=\"" + Utf8(cell) +
                   "\"><text:p>" + Utf8(cell) + "</text:p></table:table-cell>";
      } else {
        content += "<table:table-cell office:value-type=\"string\"><text:p>" + Utf8(cell) +
                   "</text:p></table:table-cell>";
      }
    }
    content += "<table:table-cell table:number-columns-repeated=\"1018\"/></table:table-row>";
  }
  return content;
}

struct Form {
  const char* name;
  const char* path;
  std::vector<uint8_t> bytes;
};

std::vector<Form> FormsOf(const std::vector<std::vector<std::u16string>>& rows) {
  return {
      {"comma-separated UTF-8", "list.csv", Bytes(TextOf(rows, ','))},
      {"tab-separated UTF-8", "list.txt", Bytes(TextOf(rows, '\t'))},
      {"xlsx", "list.xlsx", XlsxFile(rows)},
      {"ods", "list.ods", OdsOf(OdsRows(rows))},
  };
}

ImportLayout Layout(int line1, int line2, int repeat, uint16_t fixed, bool header,
                    int otherEnd = None) {
  return {line1, line2, repeat, fixed, header, otherEnd};
}

TEST(ImportLayout, EachLayoutGivesItsPagesFromEveryForm) {
  struct Case {
    const char* name;
    ImportLayout layout;
    std::vector<ImportedPage> pages;
  };
  const Case cases[] = {
      {"wire number and source, header",
       Layout(0, 1, None, 1, true),
       {{u"W1", u"X1:1", 1}, {u"W2", u"X1:2", 1}, {u"W3", u"X1:3", 1}, {u"W4", u"X2:1", 1}}},
      {"without the header the header row is a page",
       Layout(0, 1, None, 1, false),
       {{u"전선번호", u"출발", 1},
        {u"W1", u"X1:1", 1},
        {u"W2", u"X1:2", 1},
        {u"W3", u"X1:3", 1},
        {u"W4", u"X2:1", 1}}},
      {"the repeat count from the sixth column; W4 has none",
       Layout(0, 1, 5, 1, true),
       {{u"W1", u"X1:1", 2}, {u"W2", u"X1:2", 1}, {u"W3", u"X1:3", 3}, {u"W4", u"X2:1", 1}}},
      {"a fixed count and no line 2",
       Layout(0, None, None, 4, true),
       {{u"W1", u"", 4}, {u"W2", u"", 4}, {u"W3", u"", 4}, {u"W4", u"", 4}}},
      {"line 2 from a column W3 and W4 leave empty",
       Layout(0, 2, None, 1, true),
       {{u"W1", u"K1:A1", 1}, {u"W2", u"K1:A2", 1}, {u"W3", u"", 1}, {u"W4", u"", 1}}},
      {"columns in another order",
       Layout(4, 3, None, 7, true),
       {{u"BK", u"1.5", 7}, {u"BU", u"2.5", 7}, {u"BN", u"1.5", 7}}},
      {"a page per wire end, each with the row's count",
       Layout(0, 1, 5, 1, true, 2),
       {{u"W1", u"X1:1", 2},
        {u"W1", u"K1:A1", 2},
        {u"W2", u"X1:2", 1},
        {u"W2", u"K1:A2", 1},
        {u"W3", u"X1:3", 3},
        {u"W3", u"", 3},
        {u"W4", u"X2:1", 1},
        {u"W4", u"", 1}}},
      {"line 1 from a column no row has", Layout(20, None, None, 1, true), {}},
  };
  for (const Form& form : FormsOf(kWireList)) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(form.name) + ": " + c.name);
      const Result<ImportedPages> read = ReadImport(form.bytes, form.path, c.layout);
      ASSERT_TRUE(read.ok()) << read.failure().text;
      EXPECT_EQ(read->pages, c.pages);
      EXPECT_FALSE(read->pageLimitReached);
    }
  }
}

TEST(ImportLayout, TheHeaderIsTheFirstRowWithTextInAnyColumn) {
  // A title over the list in a column that makes no page is the header still.
  const std::vector<std::vector<std::u16string>> rows = {
      {u"", u"", u"", u"Cabinet 3"}, {u"W1", u"X1:1"}, {u"W2", u"X1:2"}};
  for (const Form& form : FormsOf(rows)) {
    SCOPED_TRACE(form.name);
    const Result<ImportedPages> read =
        ReadImport(form.bytes, form.path, Layout(0, 1, None, 1, true));
    ASSERT_TRUE(read.ok()) << read.failure().text;
    EXPECT_EQ(read->pages, (std::vector<ImportedPage>{{u"W1", u"X1:1", 1}, {u"W2", u"X1:2", 1}}));
  }
}

TEST(ImportLayout, WireEndsCountBothPagesTowardTheTwoHundred) {
  // The first row makes only its first page; then every row makes two, and
  // the 200th page is the first end of row 101: its other end is left out.
  std::string text = "No,From,To\n,X0,\n";
  for (int i = 1; i <= 150; ++i) {
    text += "W" + std::to_string(i) + ",S" + std::to_string(i) + ",T" + std::to_string(i) + "\n";
  }
  const ImportLayout wireEnds = Layout(0, 1, None, 2, true, 2);
  const Result<ImportedPages> read = ReadImport(Bytes(text), "list.csv", wireEnds);
  ASSERT_TRUE(read.ok());
  ASSERT_EQ(read->pages.size(), 200u);
  EXPECT_TRUE(read->pageLimitReached);
  EXPECT_EQ(read->pages[0], (ImportedPage{u"", u"X0", 2}));
  EXPECT_EQ(read->pages[197], (ImportedPage{u"W99", u"S99", 2}));
  EXPECT_EQ(read->pages[198], (ImportedPage{u"W99", u"T99", 2}));
  EXPECT_EQ(read->pages[199], (ImportedPage{u"W100", u"S100", 2}));

  // A repeated row of a sheet alternates its two ends; a repeated row without
  // a page is counted in a moment, both of its pages too long.
  const std::string cell = "<table:table-cell office:value-type=\"string\"><text:p>";
  const std::string end = "</text:p></table:table-cell>";
  const std::string rows =
      "<table:table-row table:number-rows-repeated=\"2\">" + cell + "A" + end + cell + "B" + end +
      cell + "C" + end +
      "</table:table-row><table:table-row table:number-rows-repeated=\"1000000\">" + cell +
      std::string(41, 'x') + end + "</table:table-row>";
  const Result<ImportedPages> sheet =
      ReadOdsContent(testing::OdsContent(rows), Layout(0, 1, None, 2, false, 2));
  ASSERT_TRUE(sheet.ok());
  const std::vector<ImportedPage> alternating = {
      {u"A", u"B", 2}, {u"A", u"C", 2}, {u"A", u"B", 2}, {u"A", u"C", 2}};
  EXPECT_EQ(sheet->pages, alternating);
  EXPECT_EQ(sheet->overLongLines, 2000000);
}

TEST(ImportLayout, ARepeatedSheetCellReachesTheColumnsItCovers) {
  // One cell repeated over columns 2 to 5 gives the sixth column its count.
  const std::string rows =
      "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>W1</text:p>"
      "</table:table-cell><table:table-cell table:number-columns-repeated=\"4\" "
      "office:value-type=\"float\" office:value=\"5\"><text:p>5</text:p></table:table-cell>"
      "</table:table-row>";
  const Result<ImportedPages> read =
      ReadOdsContent(testing::OdsContent(rows), Layout(0, None, 4, 1, false));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read->pages, (std::vector<ImportedPage>{{u"W1", u"", 5}}));
}

TEST(ImportLayout, InvalidLayoutsAreRefusedWithTheReason) {
  struct Case {
    ImportLayout layout;
    const char* reason;  // empty: taken
  };
  const Case cases[] = {
      {Layout(None, 1, 2, 1, false), "Line 1 is to come from column 0"},
      {Layout(64, 1, 2, 1, false),
       "Line 1 is to come from column 65, but an import reads columns 1 to 64"},
      {Layout(0, -2, 2, 1, false), "Line 2 is to come from column -1"},
      {Layout(0, 64, 2, 1, false), "Line 2 is to come from column 65"},
      {Layout(0, 1, 64, 1, false), "The repeat count is to come from column 65"},
      {Layout(0, 1, -5, 1, false), "The repeat count is to come from column -4"},
      {Layout(0, 1, 2, 1, false, 64), "The other wire end is to come from column 65"},
      {Layout(0, 1, None, 0, false), "Every page is to be repeated 0 times"},
      {Layout(0, 1, None, 201, false), "Every page is to be repeated 201 times"},
      // A page per wire end needs line 2, from a column of its own.
      {Layout(0, None, 2, 1, false, 4), "A page per wire end takes line 2 from each end's column"},
      {Layout(0, 1, 2, 1, false, 1),
       "The other wire end is to come from column 2, which line 2 comes from already"},
      {Layout(63, 61, None, 200, true, 62), ""},
      {Layout(0, 1, 2, 1, false), ""},
  };
  for (const Case& c : cases) {
    const Status checked = CheckImportLayout(c.layout);
    const Result<ImportedPages> read = ReadImport(Bytes("a,b,3\n"), "list.csv", c.layout);
    if (*c.reason == '\0') {
      EXPECT_TRUE(checked.ok()) << checked.failure().text;
      EXPECT_TRUE(read.ok());
    } else {
      ASSERT_FALSE(checked.ok()) << c.reason;
      EXPECT_NE(checked.failure().text.find(c.reason), std::string::npos) << checked.failure().text;
      ASSERT_FALSE(read.ok()) << c.reason;
      EXPECT_EQ(read.failure().text, checked.failure().text);
    }
  }
}

TEST(ImportPreview, APlainListAndOneThatNeedsALayout) {
  struct Case {
    const char* name;
    std::vector<std::vector<std::u16string>> rows;
    int columns;
    bool plain;
  };
  const Case cases[] = {
      {"three columns", {{u"전원공급", u"L1", u"2"}, {u"W1", u"", u"1"}, {u"W2"}}, 3, true},
      {"a count with blanks and a sign", {{u"A", u"B", u" +12"}, {u"C"}}, 3, true},
      {"a count that reads as 2", {{u"A", u"B", u"2x"}}, 3, true},
      {"two columns", {{u"A", u"B"}, {u"C"}}, 2, true},
      {"a header of three", {{u"Line 1", u"Line 2", u"Count"}, {u"A", u"B", u"2"}}, 3, false},
      {"a Korean header", {{u"1행", u"2행", u"수량"}, {u"A", u"B", u"2"}}, 3, false},
      {"a fourth column", {{u"A", u"B", u"2"}, {u"C", u"D", u"1", u"E"}}, 4, false},
      {"empty cells after the third", {{u"A", u"B", u"2", u"", u""}, {u"C"}}, 3, true},
      {"the wire list", kWireList, 6, false},
  };
  for (const Case& c : cases) {
    for (const Form& form : FormsOf(c.rows)) {
      SCOPED_TRACE(std::string(c.name) + ", " + form.name);
      const Result<ImportPreview> preview = PreviewImport(form.bytes, form.path);
      ASSERT_TRUE(preview.ok()) << preview.failure().text;
      EXPECT_EQ(preview->columns, c.columns);
      EXPECT_EQ(preview->plain, c.plain);
      // Every row as many cells as the file has columns.
      std::vector<std::vector<std::u16string>> expected = c.rows;
      for (auto& row : expected) row.resize(static_cast<std::size_t>(c.columns));
      EXPECT_EQ(preview->rows, expected);
    }
  }
}

TEST(ImportPreview, TheRowsTheImportReadsDecideWhileOnlyTheFirstRowsAreKept) {
  // A fourth column far down the file, past the rows shown: it counts while the
  // default import would still read its row, up to the 200th page. Lines too
  // long for a page make no page and do not bring that nearer.
  const auto listWithFourthColumnAfter = [](int rows, bool overLong) {
    std::string text = "\n";
    for (int i = 1; i <= rows; ++i) {
      text += "W" + std::to_string(i) + (overLong ? std::string(40, 'x') : "") + ",X,1\n";
    }
    return text + "W,X,1,extra\n";
  };
  struct Case {
    int rows;
    bool overLong;
    bool plain;
  };
  for (const Case c : {Case{150, false, false}, Case{199, false, false}, Case{200, false, true},
                       Case{300, false, true}, Case{300, true, false}}) {
    const Result<ImportPreview> preview =
        PreviewImport(Bytes(listWithFourthColumnAfter(c.rows, c.overLong)), "list.csv", 2);
    ASSERT_TRUE(preview.ok());
    EXPECT_EQ(preview->plain, c.plain) << c.rows << " " << c.overLong;
    EXPECT_EQ(preview->columns, c.plain ? 3 : 4) << c.rows << " " << c.overLong;
  }
  const Result<ImportPreview> preview =
      PreviewImport(Bytes(listWithFourthColumnAfter(150, false)), "list.csv", 2);
  ASSERT_TRUE(preview.ok());
  const std::vector<std::vector<std::u16string>> first = {{u"W1", u"X", u"1", u""},
                                                          {u"W2", u"X", u"1", u""}};
  EXPECT_EQ(preview->rows, first);

  // Columns past 64 are not read; a cell shows what a page would get.
  std::string wide = "a\x01" + std::string(50, 'b');
  for (int c = 1; c < 70; ++c) wide += "," + std::to_string(c);
  const Result<ImportPreview> many = PreviewImport(Bytes(wide), "list.csv");
  ASSERT_TRUE(many.ok());
  EXPECT_EQ(many->columns, MaxImportColumns);
  ASSERT_EQ(many->rows.size(), 1u);
  ASSERT_EQ(many->rows[0].size(), 64u);
  EXPECT_EQ(many->rows[0][0], u"a?" + std::u16string(39, u'b'));
  EXPECT_EQ(many->rows[0][63], u"63");

  // A spreadsheet's cells past the 64th are not read either.
  const std::string cell =
      "<table:table-cell office:value-type=\"string\"><text:p>x</text:p></table:table-cell>";
  const Result<ImportPreview> sheet = PreviewImport(
      OdsOf("<table:table-row><table:table-cell table:number-columns-repeated=\"100\" "
            "office:value-type=\"string\"><text:p>x</text:p></table:table-cell>" +
            cell + "</table:table-row>"),
      "list.ods");
  ASSERT_TRUE(sheet.ok());
  EXPECT_EQ(sheet->columns, MaxImportColumns);

  // What the import refuses, the preview refuses.
  EXPECT_FALSE(PreviewImport(Bytes("a,b"), "list.xlsx").ok());
}

}  // namespace
}  // namespace q5300
