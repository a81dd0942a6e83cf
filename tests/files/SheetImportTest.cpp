#include "files/SheetImport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "files/ImportFile.h"
#include "files/SheetCells.h"
#include "files/ZipArchive.h"
#include "support/SheetFiles.h"

namespace q5300 {

void PrintTo(const ImportedPage& page, std::ostream* out);

namespace {

using testing::OdsOf;
using testing::XlsxOf;
using testing::XlsxParts;
using testing::ZipOf;
using testing::ZipPart;

std::string Inline(const std::string& reference, const std::string& text) {
  return "<c r=\"" + reference + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}
std::string Number(const std::string& reference, const std::string& value) {
  return "<c r=\"" + reference + "\"><v>" + value + "</v></c>";
}
std::string Row(const std::string& cells) {
  return "<row>" + cells + "</row>";
}

TEST(SheetCells, NumbersAsTheGeneralFormatShowsThem) {
  const std::pair<const char*, const char*> cases[] = {
      {"3", "3"},
      {"3.0", "3"},
      {"007", "7"},
      {"-12", "-12"},
      {"-0", "0"},
      {"2.5", "2.5"},
      {"0.30000000000000004", "0.3"},
      {"1E+20", "1E+20"},
      {"1.5e-7", "1.5E-07"},
      {"123456789012345", "123456789012345"},
      {"123456789012345678", "1.23456789012346E+17"},
      {"", ""},
      {"12abc", "12abc"},
      {"inf", "inf"},
  };
  for (const auto& [value, shown] : cases) EXPECT_EQ(GeneralNumber(value), shown) << value;
}

TEST(XlsxImport, CellsOfTheFirstSheet) {
  struct Case {
    const char* name;
    std::string sheet;
    std::string strings;
    std::vector<ImportedPage> pages;
    int overLong = 0;
  };
  const Case cases[] = {
      {"shared strings in runs, without their reading aid",
       Row("<c r=\"A1\" t=\"s\"><v>1</v></c><c r=\"B1\" t=\"s\"><v> 0 </v></c>"),
       "<si><t>L2</t></si><si><r><t>제어</t></r><r><rPr><b/></rPr><t xml:space=\"preserve\">반 "
       "</t></r><rPh sb=\"0\" eb=\"2\"><t>ZZ</t></rPh><phoneticPr fontId=\"1\"/></si>",
       {{u"제어반 ", u"L2", 1}}},
      {"numbers",
       Row(Number("A1", "0.30000000000000004") + Number("B1", "101") + Number("C1", "3.0")) +
           Row(Number("A2", "1E+20") + Number("C2", "2.7")),
       "",
       {{u"0.3", u"101", 3}, {u"1E+20", u"", 2}}},
      {"a repeat count as text",
       Row(Inline("A1", "x") + Inline("C1", " 12 pcs")) + Row(Inline("A2", "y") + "<c r=\"C2\"/>"),
       "",
       {{u"x", u"", 12}, {u"y", u"", 1}}},
      {"truth values, formulas and errors",
       Row("<c r=\"A1\" t=\"b\"><v>1</v></c><c r=\"B1\" "
           "t=\"str\"><f>A1&amp;\"x\"</f><v>Lx</v></c>") +
           Row("<c r=\"A2\" t=\"e\"><v>#N/A</v></c><c r=\"B2\" t=\"b\"><v>0</v></c>"),
       "",
       {{u"TRUE", u"Lx", 1}, {u"#N/A", u"FALSE", 1}}},
      {"escaped characters",
       Row(Inline("A1", "a_x000D_b_x005F_x0041_") + Inline("B1", "_xD83D__xDD0C_ _xac00_")),
       "",
       {{u"a?b_x0041_", u"? \uAC00", 1}}},
      {"cells without a reference follow the one before",
       Row("<c t=\"inlineStr\"><is><t>A</t></is></c><c t=\"inlineStr\"><is><t>B</t></is></c><c><v>"
           "4</v></c><c><v>9</v></c>") +
           Row(Inline("B2", "b") + "<c><v>5</v></c>"),
       "",
       {{u"A", u"B", 4}, {u"", u"b", 5}}},
      {"columns past C, rows with a repeat count only, rows in the file's order",
       "<row r=\"5\">" + Inline("D5", "d") + Inline("AA5", "aa") + Number("C5", "7") + "</row>" +
           "<row r=\"2\">" + Inline("B2", "second") + Inline("XFD2", "last column") + "</row>",
       "",
       {{u"", u"second", 1}}},
      {"text too long for a page",
       Row(Inline("A1", std::string(20, 'a')) + Inline("B1", std::string(20, 'b'))) +
           Row(Inline("A2", std::string(300, 'c'))) + Row(Inline("A3", "ok")),
       "",
       {{u"ok", u"", 1}},
       2},
      // Each pair of escaped surrogates is one character of 14 bytes: 41 of them
      // are as long as any other 41 characters, and 40 still fit.
      {"escaped characters past a page's 40",
       Row("<c r=\"A1\" t=\"s\"><v>0</v></c>") + Row("<c r=\"A2\" t=\"s\"><v>1</v></c>"),
       "<si><t>" + [] {
         std::string pairs;
         for (int i = 0; i < 41; ++i) pairs += "_xD83D__xDE00_";
         return pairs;
       }() + "</t></si><si><t>" + [] {
         std::string pairs;
         for (int i = 0; i < 40; ++i) pairs += "_xD83D__xDE00_";
         return pairs;
       }() + "</t></si>",
       {{std::u16string(40, u'?'), u"", 1}},
       1},
      {"entities and markup in text",
       Row(Inline("A1", "&lt;L&amp;N&gt; &#xAC00;") + Inline("B1", "<![CDATA[<x>]]>")),
       "",
       {{u"<L&N> \uAC00", u"<x>", 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Result<ImportedPages> read = ReadSheetFile(XlsxOf(c.sheet, c.strings));
    ASSERT_TRUE(read.ok()) << read.failure().text;
    EXPECT_EQ(read->pages, c.pages);
    EXPECT_EQ(read->overLongLines, c.overLong);
  }
}

TEST(OdsImport, CellsOfTheFirstTable) {
  struct Case {
    const char* name;
    std::string rows;
    std::vector<ImportedPage> pages;
    int overLong = 0;
    std::string styles = "";
  };
  const std::string text = "<table:table-cell office:value-type=\"string\">";
  const std::string end = "</table:table-cell>";
  const auto row = [](const std::string& cells, const std::string& attributes = "") {
    return "<table:table-row" + attributes + ">" + cells + "</table:table-row>";
  };
  const Case cases[] = {
      {"paragraphs, spaces, tabs and breaks",
       row(text + "<text:p>L1</text:p><text:p>L2</text:p>" + end + text +
           "<text:p>a<text:s text:c=\"3\"/>b<text:s/>c<text:tab/>d<text:line-break/>e "
           "<text:span text:style-name=\"T1\">f<text:s/></text:span></text:p>" +
           end),
       {{u"L1?L2", u"a   b c?d?e f ", 1}}},
      {"a comment on a cell is not its text",
       row(text +
           "<office:annotation><dc:creator xmlns:dc=\"urn:dc\">me</dc:creator><text:p>"
           "note</text:p></office:annotation><text:p>X</text:p>" +
           end),
       {{u"X", u"", 1}}},
      // The number in its data style; the other types without one as shown.
      {"numbers by value in their format, other types as shown",
       row("<table:table-cell table:style-name=\"ce1\" office:value-type=\"float\" "
           "office:value=\"3\"><text:p>3</text:p>" +
           end +
           "<table:table-cell office:value-type=\"percentage\" office:value=\"0.5\"><text:p>50%"
           "</text:p>" +
           end + "<table:table-cell office:value-type=\"float\" office:value=\"2\"/>"),
       {{u"3.00", u"50%", 2}},
       0,
       "<number:number-style style:name=\"N2\"><number:number number:decimal-places=\"2\" "
       "number:min-integer-digits=\"1\"/></number:number-style><style:style style:name=\"ce1\" "
       "style:family=\"table-cell\" style:data-style-name=\"N2\"/>"},
      {"truth values as an .xlsx file gives them",
       row("<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\">"
           "<text:p>1</text:p>" +
           end +
           "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"false\">"
           "<text:p>0</text:p>" +
           end),
       {{u"TRUE", u"FALSE", 1}}},
      {"a cell repeated over columns, and merged cells",
       row("<table:table-cell table:number-columns-repeated=\"2\" office:value-type=\"string\">"
           "<text:p>W</text:p>" +
           end + "<table:table-cell office:value-type=\"float\" office:value=\"4\"/>") +
           row("<table:table-cell table:number-columns-spanned=\"2\" office:value-type=\"string\">"
               "<text:p>M</text:p>" +
               end +
               "<table:covered-table-cell office:value-type=\"string\"><text:p>hidden</text:p>"
               "</table:covered-table-cell>"
               "<table:table-cell office:value-type=\"float\" office:value=\"2\"/>"),
       {{u"W", u"W", 4}, {u"M", u"hidden", 2}}},
      {"repeated rows",
       row(text + "<text:p>R</text:p>" + end, " table:number-rows-repeated=\"3\"") +
           row(text + "<text:p>" + std::string(41, 'x') + "</text:p>" + end,
               " table:number-rows-repeated=\"1000000\"") +
           row("<table:table-cell table:number-columns-repeated=\"16384\"/>",
               " table:number-rows-repeated=\"99999999999999999999\"") +
           row(text + "<text:p>S</text:p>" + end),
       {{u"R", u"", 1}, {u"R", u"", 1}, {u"R", u"", 1}, {u"S", u"", 1}},
       1000000},
      {"rows in groups and header rows; a table inside a cell is not the sheet's",
       "<table:table-header-rows>" + row(text + "<text:p>head</text:p>" + end) +
           "</table:table-header-rows><table:table-row-group>" +
           row(text + "<text:p>in</text:p><table:table><table:table-row>" + text +
               "<text:p>inner</text:p>" + end + "</table:table-row></table:table>" + end + text +
               "<text:p>two</text:p>" + end) +
           "</table:table-row-group>",
       {{u"head", u"", 1}, {u"in", u"two", 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Result<ImportedPages> read = ReadSheetFile(OdsOf(c.rows, c.styles));
    ASSERT_TRUE(read.ok()) << read.failure().text;
    EXPECT_EQ(read->pages, c.pages);
    EXPECT_EQ(read->overLongLines, c.overLong);
  }
}

std::string Styled(const std::string& reference, int style, const std::string& value) {
  return "<c r=\"" + reference + "\" s=\"" + std::to_string(style) + "\"><v>" + value +
         "</v></c>";
}

// Cell styles 0 to 9 with these number formats: custom codes and built-in ids;
// neither the styles of named styles nor those of conditional formatting are a
// cell's.
const std::string kXlsxStyles =
    "<numFmts count=\"4\"><numFmt numFmtId=\"164\" formatCode=\"000\"/><numFmt numFmtId=\"165\" "
    "formatCode=\"yyyy-mm-dd hh:mm\"/><numFmt numFmtId=\"166\" formatCode=\"&quot;W&quot;\\-0;"
    "\\(0\\);&quot;none&quot;\"/><numFmt numFmtId=\"167\" formatCode=\"[&gt;100]0;0.00\"/></numFmts>"
    "<cellXfs count=\"10\"><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"14\"/>"
    "<xf numFmtId=\"165\"/><xf numFmtId=\"10\"/><xf numFmtId=\"4\"/><xf numFmtId=\"49\"/>"
    "<xf numFmtId=\"166\"/><xf numFmtId=\"167\"/><xf numFmtId=\"999\"/></cellXfs>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"1\"/></cellStyleXfs><dxfs count=\"1\"><dxf>"
    "<numFmt numFmtId=\"164\" formatCode=\"0.0\"/></dxf></dxfs>";

TEST(XlsxImport, NumbersInTheirCellsFormats) {
  struct Case {
    const char* name;
    std::string sheet;
    std::vector<ImportedPage> pages;
    std::string workbook = "";
  };
  const Case cases[] = {
      {"wire numbers with leading zeros, a repeat count in a format",
       Row(Styled("A1", 1, "7") + Styled("B1", 1, "1234") + Styled("C1", 1, "3")),
       {{u"007", u"1234", 3}}},
      {"dates and times, percent and thousands",
       Row(Styled("A1", 2, "45356") + Styled("B1", 3, "45356.60434")) +
           Row(Styled("A2", 4, "0.1234") + Styled("B2", 5, "1234567.891")),
       {{u"3/5/2024", u"2024-03-05 14:30", 1}, {u"12.34%", u"1,234,567.89", 1}}},
      {"sections for positive, negative and zero numbers",
       Row(Styled("A1", 7, "12") + Styled("B1", 7, "-12")) + Row(Styled("A2", 7, "0")),
       {{u"W-12", u"(12)", 1}, {u"none", u"", 1}}},
      {"text, strings, unknown formats and styles: the general format; a condition",
       Row(Styled("A1", 6, "7") + "<c r=\"B1\" s=\"1\" t=\"inlineStr\"><is><t>0123</t></is></c>") +
           Row(Styled("A2", 8, "3.5") + Styled("B2", 9, "2.50")) +
           Row(Styled("A3", 10, "4.25") + Styled("B3", 0, "0.30000000000000004")) +
           Row("<c r=\"A4\" s=\"1\" t=\"e\"><v>#DIV/0!</v></c><c r=\"B4\" s=\"x\"><v>5</v></c>"),
       {{u"7", u"0123", 1}, {u"3.50", u"2.5", 1}, {u"4.25", u"0.3", 1}, {u"#DIV/0!", u"5", 1}}},
      {"days counted from 1904",
       Row(Styled("A1", 3, "43894.5") + Styled("B1", 2, "0")),
       {{u"2024-03-05 12:00", u"1/1/1904", 1}},
       "date1904=\"1\""},
      {"a date written out", Row("<c r=\"A1\" s=\"2\" t=\"d\"><v>2024-03-05T12:00:00</v></c>"),
       {{u"3/5/2024", u"", 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Result<ImportedPages> read = ReadSheetFile(XlsxOf(c.sheet, "", kXlsxStyles, c.workbook));
    ASSERT_TRUE(read.ok()) << read.failure().text;
    EXPECT_EQ(read->pages, c.pages);
  }
}

TEST(OdsImport, NumbersInTheirDataStyles) {
  // Data styles as a spreadsheet program writes them, one for each kind.
  const std::string styles =
      "<number:number-style style:name=\"N1\"><number:number number:decimal-places=\"0\" "
      "number:min-integer-digits=\"3\"/></number:number-style>"
      "<number:number-style style:name=\"N2\"><number:number number:decimal-places=\"2\" "
      "number:min-decimal-places=\"1\" number:min-integer-digits=\"1\" number:grouping=\"true\"/>"
      "</number:number-style>"
      "<number:percentage-style style:name=\"N3\"><number:number number:decimal-places=\"1\" "
      "number:min-integer-digits=\"1\"/><number:text>%</number:text></number:percentage-style>"
      "<number:number-style style:name=\"N4\"><number:scientific-number "
      "number:decimal-places=\"2\" number:min-integer-digits=\"1\" "
      "number:min-exponent-digits=\"2\"/></number:number-style>"
      "<number:date-style style:name=\"N5\"><number:year number:style=\"long\"/><number:text>-"
      "</number:text><number:month number:style=\"long\"/><number:text>-</number:text>"
      "<number:day number:style=\"long\"/><number:text> </number:text><number:hours "
      "number:style=\"long\"/><number:text>:</number:text><number:minutes "
      "number:style=\"long\"/></number:date-style>"
      "<number:time-style style:name=\"N6\"><number:hours number:truncate-on-overflow=\"false\"/>"
      "<number:text>:</number:text><number:minutes number:style=\"long\"/></number:time-style>"
      "<number:number-style style:name=\"N7P0\"><number:text>W-</number:text><number:number "
      "number:decimal-places=\"0\" number:min-integer-digits=\"2\"/></number:number-style>"
      "<number:number-style style:name=\"N7\"><number:text>(</number:text><number:number "
      "number:decimal-places=\"0\" number:min-integer-digits=\"1\"/><number:text>)"
      "</number:text><style:map style:condition=\"value()&gt;=0\" "
      "style:apply-style-name=\"N7P0\"/></number:number-style>"
      "<number:currency-style style:name=\"N8\"><number:currency-symbol>\xE2\x82\xAC"
      "</number:currency-symbol><number:text> </number:text><number:number "
      "number:decimal-places=\"2\" number:min-integer-digits=\"1\"/></number:currency-style>"
      // A condition other than the sign: a section of its own.
      "<number:number-style style:name=\"N9\"><number:number number:decimal-places=\"0\"/>"
      "<style:map style:condition=\"value()&gt;100\" style:apply-style-name=\"N1\"/>"
      "</number:number-style>";
  std::string cellStyles;
  for (int i = 1; i <= 9; ++i) {
    cellStyles += "<style:style style:name=\"ce" + std::to_string(i) +
                  "\" style:family=\"table-cell\" style:data-style-name=\"N" + std::to_string(i) +
                  "\"/>";
  }
  const auto cell = [](int style, const std::string& attributes) {
    return "<table:table-cell table:style-name=\"ce" + std::to_string(style) + "\" " +
           attributes + "><text:p>as written</text:p></table:table-cell>";
  };
  const auto row = [](const std::string& cells) {
    return "<table:table-row>" + cells + "</table:table-row>";
  };
  const std::string rows =
      row(cell(1, "office:value-type=\"float\" office:value=\"7\"") +
          cell(2, "office:value-type=\"float\" office:value=\"1234.5\"") +
          cell(1, "office:value-type=\"float\" office:value=\"2\"")) +
      row(cell(3, "office:value-type=\"percentage\" office:value=\"0.125\"") +
          cell(4, "office:value-type=\"float\" office:value=\"12345\"")) +
      row(cell(5, "office:value-type=\"date\" office:date-value=\"2024-03-05T14:30:00\"") +
          cell(6, "office:value-type=\"time\" office:time-value=\"PT732H05M00S\"")) +
      row(cell(7, "office:value-type=\"float\" office:value=\"5\"") +
          cell(7, "office:value-type=\"float\" office:value=\"-5\"")) +
      row(cell(7, "office:value-type=\"float\" office:value=\"0\"") +
          cell(7, "office:value-type=\"float\" office:value=\"-0.4\"")) +
      row(cell(8, "office:value-type=\"currency\" office:currency=\"EUR\" office:value=\"3\"") +
          cell(9, "office:value-type=\"float\" office:value=\"3.5\"")) +
      // A cell style unknown, a date in the general format: as written.
      row(cell(99, "office:value-type=\"float\" office:value=\"2.50\"") +
          "<table:table-cell table:style-name=\"Default\" office:value-type=\"date\" "
          "office:date-value=\"2024-03-05\">"
          "<text:p>05.03.24</text:p></table:table-cell>") +
      // The column's default cell style, and a cell of its own over it.
      row("<table:table-cell/><table:table-cell office:value-type=\"float\" office:value=\"4\"/>"
          "<table:table-cell table:style-name=\"Default\" office:value-type=\"float\" "
          "office:value=\"4\"/>");
  // The named style "Default" lives in styles.xml with the data styles it names.
  const std::string named =
      "<number:number-style style:name=\"N0\"><number:number number:min-integer-digits=\"1\"/>"
      "</number:number-style><number:number-style style:name=\"N10\"><number:number "
      "number:decimal-places=\"1\" number:min-integer-digits=\"1\"/></number:number-style>"
      "<style:style style:name=\"Default\" style:family=\"table-cell\" "
      "style:data-style-name=\"N0\"/><style:style style:name=\"Tenths\" "
      "style:family=\"table-cell\" style:data-style-name=\"N10\"/>";
  const std::string columns =
      "<table:table-column table:default-cell-style-name=\"Default\"/><table:table-column "
      "table:default-cell-style-name=\"Tenths\" table:number-columns-repeated=\"2\"/>";
  const Result<ImportedPages> read =
      ReadSheetFile(OdsOf(rows, styles + cellStyles, named, columns));
  ASSERT_TRUE(read.ok()) << read.failure().text;
  const std::vector<ImportedPage> pages = {
      {u"007", u"1,234.5", 2},        {u"12.5%", u"1.23E+04", 1},
      {u"2024-03-05 14:30", u"732:05", 1}, {u"W-05", u"(5)", 1}, {u"W-00", u"(0)", 1},
      {u"\u20AC 3.00", u"4", 1},    {u"2.5", u"05.03.24", 1},
      {u"", u"4.0", 4},
  };
  EXPECT_EQ(read->pages, pages);
}

// A data style too long for a format code shows its number in the general
// format, however many parts it has.
TEST(OdsImport, DataStylesPastTheBoundShowTheGeneralFormat) {
  std::string texts;
  for (int i = 0; i < 20000; ++i) texts += "<number:text>x</number:text>";
  std::string embedded;
  for (int i = 0; i < 20000; ++i) {
    embedded += "<number:embedded-text number:position=\"1\">-</number:embedded-text>";
  }
  const std::string styles =
      "<number:number-style style:name=\"N1\"><number:number number:decimal-places=\"1\"/>" +
      texts + "</number:number-style><number:number-style style:name=\"N2\"><number:number "
      "number:decimal-places=\"1\" number:min-integer-digits=\"3\">" + embedded +
      "</number:number></number:number-style><style:style style:name=\"ce1\" "
      "style:family=\"table-cell\" style:data-style-name=\"N1\"/><style:style "
      "style:name=\"ce2\" style:family=\"table-cell\" style:data-style-name=\"N2\"/>";
  const Result<ImportedPages> read = ReadSheetFile(OdsOf(
      "<table:table-row><table:table-cell table:style-name=\"ce1\" office:value-type=\"float\" "
      "office:value=\"7\"/><table:table-cell table:style-name=\"ce2\" "
      "office:value-type=\"float\" office:value=\"7\"/></table:table-row>",
      styles));
  ASSERT_TRUE(read.ok()) << read.failure().text;
  EXPECT_EQ(read->pages, (std::vector<ImportedPage>{{u"7", u"7", 1}}));
}

// A sheet has 1,048,576 rows at most: a row past them is not read, however
// many empty rows a file puts before it.
TEST(XlsxImport, RowsPastTheLastOfASheetAreNotRead) {
  for (const long empty : {MaxSheetRows - 1, MaxSheetRows}) {
    std::string rows;
    rows.reserve(static_cast<std::size_t>(empty) * 6 + 100);
    for (long i = 0; i < empty; ++i) rows += "<row/>";
    rows += Row(Inline("A1", "W-1"));
    const Result<ImportedPages> read = ReadSheetFile(XlsxOf(rows));
    ASSERT_TRUE(read.ok()) << read.failure().text;
    EXPECT_EQ(read->pages.size(), empty < MaxSheetRows ? 1u : 0u) << empty;
  }
}

// A formula saved without its result reads as an empty cell, and is counted;
// one saved with it reads as its result.
TEST(SheetImport, CountsFormulasSavedWithoutTheirResults) {
  const Result<ImportedPages> xlsx = ReadSheetFile(XlsxOf(
      Row("<c r=\"A1\"><f>1+1</f></c><c r=\"B1\" t=\"str\"><f>\"x\"&amp;A1</f></c>"
          "<c r=\"C1\"><f>2</f><v>2</v></c><c r=\"D1\"><f>9</f></c>") +
      Row(Inline("A2", "x") + "<c r=\"B2\" t=\"str\"><f>\"\"</f><v></v></c>") +
      // An empty value, as some writers save a formula they did not work out.
      Row("<c r=\"A3\"><f>SUM(C1)</f><v></v></c>")));
  ASSERT_TRUE(xlsx.ok()) << xlsx.failure().text;
  EXPECT_EQ(xlsx->pages, (std::vector<ImportedPage>{{u"x", u"", 1}}));
  EXPECT_EQ(xlsx->formulasWithoutResult, 3);

  const std::string formula = "<table:table-cell table:formula=\"of:=1+1\"";
  const Result<ImportedPages> ods = ReadSheetFile(OdsOf(
      "<table:table-row>" + formula + "/>" + formula +
      " table:number-columns-repeated=\"4\"/></table:table-row><table:table-row>" + formula +
      " office:value-type=\"float\" office:value=\"2\"><text:p>2</text:p></table:table-cell>" +
      formula + "><text:p>shown</text:p></table:table-cell></table:table-row>"));
  ASSERT_TRUE(ods.ok()) << ods.failure().text;
  EXPECT_EQ(ods->pages, (std::vector<ImportedPage>{{u"2", u"shown", 1}}));
  EXPECT_EQ(ods->formulasWithoutResult, 2);
}

// The 200th page ends the reading: what comes after it in the sheet is never
// looked at, not even a shared string that is not there.
TEST(SheetImport, StopsAtTheTwoHundredthPage) {
  std::string sheet;
  std::string strings;
  std::string rows;
  for (int i = 1; i <= 250; ++i) {
    const std::string n = std::to_string(i);
    if (i <= 200) strings += "<si><t>P" + n + "</t></si>";
    sheet += "<row r=\"" + n + "\"><c r=\"A" + n + "\" t=\"s\"><v>" + std::to_string(i - 1) +
             "</v></c></row>";
    rows += "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>P" + n +
            "</text:p></table:table-cell></table:table-row>";
  }
  sheet += "<row><c r=\"A1\" t=\"s\"><v>not a number</v></c></row><broken";
  for (const auto& file : {XlsxOf(sheet, strings), OdsOf(rows + "<broken")}) {
    const Result<ImportedPages> read = ReadSheetFile(file);
    ASSERT_TRUE(read.ok()) << read.failure().text;
    ASSERT_EQ(read->pages.size(), 200u);
    EXPECT_EQ(read->pages.back().line1, u"P200");
    EXPECT_TRUE(read->pageLimitReached);
  }
}

// Rebuilds a container with one part changed.
std::vector<uint8_t> XlsxWith(const std::string& name, const std::string& bytes,
                              bool compressed = true, const std::string& password = "") {
  std::vector<ZipPart> parts =
      XlsxParts(Row(Inline("A1", "x") + "<c r=\"B1\" t=\"s\"><v>0</v></c>"), "<si><t>s</t></si>");
  bool found = false;
  for (ZipPart& part : parts) {
    if (part.name != name) continue;
    part.bytes = bytes;
    part.compressed = compressed;
    part.password = password;
    found = true;
  }
  if (!found) parts.push_back({name, bytes, compressed, password});
  return ZipOf(parts);
}

std::vector<uint8_t> Without(const std::string& name) {
  std::vector<ZipPart> parts = XlsxParts(Row(Inline("A1", "x")));
  std::erase_if(parts, [&](const ZipPart& part) { return part.name == name; });
  return ZipOf(parts);
}

std::string Sheet(const std::string& inside) {
  return std::string("<worksheet xmlns=\"") + testing::kSpreadsheetMl + "\">" + inside +
         "</worksheet>";
}

TEST(SheetImport, RefusesWhatIsNoSpreadsheetOrWouldUnpackWithoutBound) {
  // Each entity ten of the one before: &j; would be ten billion bytes.
  std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE sst [<!ENTITY a \"aaaaaaaaaa\">";
  for (char c = 'b'; c <= 'j'; ++c) {
    std::string tenfold;
    for (int i = 0; i < 10; ++i) tenfold += std::string("&") + static_cast<char>(c - 1) + ";";
    laughs += std::string("<!ENTITY ") + c + " \"" + tenfold + "\">";
  }
  laughs +=
      std::string("]><sst xmlns=\"") + testing::kSpreadsheetMl + "\"><si><t>&j;</t></si></sst>";

  std::string deep;
  for (int i = 0; i < 100; ++i) deep += "<row>";
  std::vector<ZipPart> manyEntries;
  for (int i = 0; i <= ZipArchive::MaxEntries; ++i) {
    manyEntries.push_back({"e" + std::to_string(i), "", false});
  }
  std::vector<uint8_t> truncated = XlsxWith("xl/worksheets/sheet1.xml", Sheet("<sheetData/>"));
  truncated.resize(truncated.size() / 2);

  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    std::string reason;
  };
  const Case cases[] = {
      {"a part that unpacks to more than 64 MB",
       XlsxWith("xl/worksheets/sheet1.xml",
                Sheet("<sheetData>" + std::string(MaxSheetPartBytes, ' ') + "</sheetData>")),
       "unpacks to 67108976 bytes, more than the 64 MB it may have"},
      {"more entries than a spreadsheet has", ZipOf(manyEntries), "holds 10001 entries"},
      // Items the parser would scan again with every piece it is given.
      {"an attribute of 2 MB",
       XlsxWith("xl/worksheets/sheet1.xml",
                Sheet("<sheetData><row r=\"" + std::string(2 << 20, '1') + "\"/></sheetData>")),
       "The first sheet holds one item of markup (a tag, a comment or an instruction) longer "
       "than 1048576 bytes"},
      {"a comment of 2 MB",
       XlsxWith("xl/sharedStrings.xml",
                "<sst xmlns=\"" + std::string(testing::kSpreadsheetMl) + "\"><!--" +
                    std::string(2 << 20, 'c') + "--></sst>"),
       "The shared strings holds one item of markup"},
      {"an instruction of 2 MB in an .ods",
       testing::OdsOf("<?x " + std::string(2 << 20, 'p') + "?>"),
       "holds one item of markup"},
      {"elements nested too deep",
       XlsxWith("xl/worksheets/sheet1.xml", Sheet("<sheetData>" + deep)),
       "The first sheet nests its elements deeper than 100 levels."},
      {"entities that expand a billion times", XlsxWith("xl/sharedStrings.xml", laughs),
       "The shared strings declares a document type"},
      {"an encrypted part",
       XlsxWith("xl/worksheets/sheet1.xml", Sheet("<sheetData/>"), true, "secret"),
       "protected with a password"},
      {"a shared string that is not there",
       XlsxWith("xl/worksheets/sheet1.xml",
                Sheet("<sheetData><row><c r=\"A1\" t=\"s\"><v>5</v></c></row></sheetData>")),
       "refers to shared string 5, but there are 1"},
      {"a shared string named by no number",
       XlsxWith("xl/worksheets/sheet1.xml",
                Sheet("<sheetData><row><c r=\"A1\" t=\"s\"><v>x1</v></c></row></sheetData>")),
       "by \"x1\", which is no number"},
      {"XML that is not well-formed",
       XlsxWith("xl/worksheets/sheet1.xml", Sheet("<sheetData><row></sheetData>")),
       "The first sheet is not well-formed XML (line 1: mismatched tag)"},
      {"a chart as the first sheet",
       XlsxWith("xl/_rels/workbook.xml.rels",
                "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                "relationships\"><Relationship Id=\"rId1\" Type=\"http://schemas."
                "openxmlformats.org/officeDocument/2006/relationships/chartsheet\" "
                "Target=\"charts/c.xml\"/></Relationships>"),
       "Its first sheet holds no cells"},
      {"no workbook", Without("xl/workbook.xml"), "It holds no workbook (xl/workbook.xml)."},
      {"no first sheet", Without("xl/worksheets/sheet1.xml"),
       "Its first sheet (xl/worksheets/sheet1.xml) is missing."},
      {"a text document",
       ZipOf({{"mimetype", "application/vnd.oasis.opendocument.text", false},
              {"content.xml", "<x/>"}}),
       "It is an OpenDocument file, but no spreadsheet (application/vnd.oasis.opendocument.text)."},
      {"a media type longer than any",
       ZipOf({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet" + std::string(300, 'x'),
               false},
              {"content.xml", "<x/>"}}),
       "mimetype in it unpacks to 346 bytes, more than the 256 bytes it may have."},
      {"a workbook saved with a password",
       [] {
         std::vector<uint8_t> file = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
         file.resize(1024);
         for (const char c : std::string_view("EncryptedPackage")) {
           file.push_back(static_cast<uint8_t>(c));
           file.push_back(0);
         }
         file.resize(2048);
         return file;
       }(),
       "It is protected with a password (the workbook inside is encrypted)"},
      {"an .ods saved with a password",
       ZipOf({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false},
              {"META-INF/manifest.xml",
               "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:"
               "manifest:1.0\"><manifest:file-entry manifest:full-path=\"content.xml\" "
               "manifest:media-type=\"text/xml\"><manifest:encryption-data manifest:checksum="
               "\"x\"/></manifest:file-entry></manifest:manifest>"},
              {"content.xml", std::string("\x8f\x12\xa0 encrypted", 13)}}),
       "It is protected with a password (its content is encrypted)"},
      {"a zip of something else", ZipOf({{"readme.txt", "hello"}}),
       "It is a zip file, but neither an .xlsx nor an .ods spreadsheet."},
      {"a damaged container", truncated, "It is no zip container that can be read"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Result<ImportedPages> read = ReadImport(c.bytes, "list.xlsx");
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.failure().text.find(c.reason), std::string::npos) << read.failure().text;
  }

  // The content of an .ods is held to the same.
  const std::string odsLaughs =
      "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY a \"aaaa\">]><office:document-content/>";
  const Result<ImportedPages> ods = ReadOdsContent(odsLaughs);
  ASSERT_FALSE(ods.ok());
  EXPECT_EQ(ods.failure().text,
            "The content (content.xml) declares a document type, which no spreadsheet part has.");
}

// What a file states about itself is a claim: a part that unpacks to more than
// its header says is cut off at the bound all the same.
TEST(ZipArchive, APartIsCountedAsItIsRead) {
  std::vector<uint8_t> zip = ZipOf({{"big.xml", std::string(5000, 'x')}});
  // The sizes in the central directory's entry (signature PK 1 2): compressed at
  // 20, uncompressed at 24.
  const uint8_t central[] = {'P', 'K', 1, 2};
  const auto at = std::search(zip.begin(), zip.end(), std::begin(central), std::end(central));
  ASSERT_NE(at, zip.end());
  at[24] = 10;
  at[25] = at[26] = at[27] = 0;
  auto archive = ZipArchive::Open(zip);
  ASSERT_TRUE(archive.ok()) << archive.failure().text;
  auto entry = (*archive)->Read((*archive)->Find("BIG.XML"), 1000);
  ASSERT_TRUE(entry.ok()) << entry.failure().text;
  // It ends in a failure, or at most at the bound.
  std::size_t read = 0;
  for (Result<std::string_view> piece = (*entry)->Next(); piece.ok() && !piece->empty();
       piece = (*entry)->Next()) {
    read += piece->size();
    ASSERT_LE(read, 1000u);
  }
}

}  // namespace
}  // namespace q5300
