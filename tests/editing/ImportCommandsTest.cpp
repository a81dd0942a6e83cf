// Import and Export as the operator runs them: what the grid shows, what the
// operator is told, and what reaches the disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compile/CodePage.h"
#include "editing/CellTexts.h"
#include "editing/ColumnChoice.h"
#include "editing/NumberingChoice.h"
#include "printer/TempDir.h"
#include "support/SheetFiles.h"
#include "FileWindow.h"

namespace q5300 {
namespace {

using namespace filetest;

TEST(FileCommands, ImportReplacesTheJobWithTheLinesOfTheFile) {
  test::TempDir dir;
  Put(dir.path() / "in.csv",
      "A1,B2,3\r\nA1\r\n\r\n,B2\r\n" + std::string(41, 'x') + "\r\nA1,,250\r\n");
  Window w;
  w.Page(0, u"old 1");
  w.Page(1, u"old 2");
  w.Page(2, u"old 3");
  w.Import(dir.path() / "in.csv");
  EXPECT_EQ(w.op.TakeTexts(),
            (std::vector<std::string>{"가져올 목록 파일을 고르십시오: CSV 또는 텍스트 파일(.csv, .txt), 스프레드시트(.xlsx, .ods). 1열은 1줄, 2열은 2줄, 3열은 반복 횟수입니다.",
                                      "1 페이지 범위초과로,페이지 길이는 40 입니다.",
                                      "1 pages have a repeat count above 200 in the file and are repeated 200 times."}));
  ASSERT_EQ(w.grid().rowCount(), 4);
  ASSERT_EQ(w.bench.document.pageCount(), 4);
  struct Row {
    const char16_t* line1;
    const char16_t* line2;
    const char16_t* repeat;
    const char16_t* fontSize;
    const char* text;
  };
  const Row rows[] = {
      {u"A1", u"B2", u"3", u"3",
       "A1\x1A"
       "B2"},
      {u"A1", u"", u"1", u"4", "A1"},
      {u"", u"B2", u"1", u"3",
       "\x1A"
       "B2"},
      {u"A1", u"", u"200", u"4", "A1"},
  };
  for (int i = 0; i < 4; ++i) {
    const Row& row = rows[i];
    const PageRecord& r = w.Record(i);
    EXPECT_EQ(w.Cell(i, Line1Column), row.line1) << i;
    EXPECT_EQ(w.Cell(i, Line2Column), row.line2) << i;
    EXPECT_EQ(w.Cell(i, RepeatColumn), row.repeat) << i;
    EXPECT_EQ(w.Cell(i, FontSizeColumn), row.fontSize) << i;
    EXPECT_EQ(w.Cell(i, PageColumn), NumberCellText(i + 1)) << i;
    EXPECT_TRUE(w.grid().IsChecked(i)) << i;
    EXPECT_EQ(RecordBytes(r), row.text);
    EXPECT_EQ(r.creationNo, i + 1);
    EXPECT_EQ(NumberCellText(r.repeatCount), row.repeat);
    EXPECT_EQ(r.twoLines, row.line2[0] != 0 ? 1 : 0) << i;
    EXPECT_EQ(NumberCellText(r.fontSize), row.fontSize) << i;
  }
  EXPECT_EQ(FieldText(w.Record(0).repeatCode), "0003");
  EXPECT_EQ(w.Record(0).autoFont, 0);
  EXPECT_EQ(w.bench.document.currentPageIndex(), 0);
  EXPECT_EQ(w.Cell(0, MarkColumn), u"∽");
  EXPECT_FALSE(w.bench.popup().visible());
  EXPECT_EQ(w.bench.popup().text(), "데이타 추출중, 잠시 기다려 주십시오...");
  EXPECT_TRUE(w.bench.document.modified());
}

// What an import puts into the grid is what a save keeps and an open shows:
// no byte of the file turns into a line break, a marker or a placeholder.
TEST(FileCommands, ImportedTextReadsTheSameOnceSavedAndOpenedAgain) {
  test::TempDir dir;
  Put(dir.path() / "in.csv", std::string("A\x1A"
                                         "B,C,1\r\n\x12x,\x1Cy\x1E,2\r\n\0\0\r\nz\x18,\x14\x16\r\n",
                                         30));
  Window w;
  w.Import(dir.path() / "in.csv");
  ASSERT_EQ(w.grid().rowCount(), 4);
  const std::u16string lines[][2] = {{u"A?B", u"C"}, {u"?x", u"?y?"}, {u"??", u""}, {u"z?", u"??"}};
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(w.Cell(row, Line1Column), lines[row][0]) << row;
    EXPECT_EQ(w.Cell(row, Line2Column), lines[row][1]) << row;
  }
  w.Save(dir.path() / "first.qxk");
  Window again;
  again.Open(dir.path() / "first.qxk");
  ASSERT_EQ(again.grid().rowCount(), 4);
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(again.Cell(row, Line1Column), lines[row][0]) << row;
    EXPECT_EQ(again.Cell(row, Line2Column), lines[row][1]) << row;
    EXPECT_EQ(again.Record(row).hasNumbering, 0) << row;
    EXPECT_EQ(again.Record(row).scriptCount, 0) << row;
  }
  again.Save(dir.path() / "second.qxk");
  EXPECT_EQ(Contents(dir.path() / "second.qxk"), Contents(dir.path() / "first.qxk"));
}

TEST(FileCommands, ImportStopsAtTwoHundredPages) {
  test::TempDir dir;
  std::string file;
  for (int i = 1; i <= 250; ++i) file += "L" + std::to_string(i) + "\n";
  Put(dir.path() / "many.csv", file);
  Window w;
  w.Import(dir.path() / "many.csv");
  EXPECT_EQ(w.op.TakeTexts(),
            (std::vector<std::string>{"가져올 목록 파일을 고르십시오: CSV 또는 텍스트 파일(.csv, .txt), 스프레드시트(.xlsx, .ods). 1열은 1줄, 2열은 2줄, 3열은 반복 횟수입니다.",
                                      "Max import data:100 rows!"}));
  ASSERT_EQ(w.grid().rowCount(), 200);
  EXPECT_EQ(w.Cell(199, Line1Column), u"L200");
  EXPECT_EQ(w.bench.document.currentPageIndex(), 0);
}

TEST(FileCommands, AnImportThatFindsNothingLeavesTheJob) {
  test::TempDir dir;
  Put(dir.path() / "empty.csv", "\r\n,,\r\n,,7\r\n" + std::string(50, 'y') + "\r\n");
  Window w;
  w.Page(0, u"mine");
  w.Page(1, u"also mine");
  const JobState before = StateOf(w.bench.document);

  w.Import(dir.path() / "absent.csv");
  const std::vector<std::string> refused = w.op.TakeTexts();
  ASSERT_EQ(refused.size(), 2u);
  EXPECT_EQ(refused[0], "가져올 목록 파일을 고르십시오: CSV 또는 텍스트 파일(.csv, .txt), 스프레드시트(.xlsx, .ods). 1열은 1줄, 2열은 2줄, 3열은 반복 횟수입니다.");
  // The file and why it cannot be opened, under the headline.
  const std::string headline =
      "파일을 열 수 없습니다!\n" + (dir.path() / "absent.csv").string() + "\n";
  EXPECT_EQ(refused[1].rfind(headline, 0), 0u) << refused[1];
  EXPECT_GT(refused[1].size(), headline.size());
  EXPECT_EQ(StateOf(w.bench.document), before);

  w.Import(dir.path() / "empty.csv");
  const std::vector<std::string> texts = w.op.TakeTexts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[1].rfind("가져올 데이터가 없습니다!\n" + (dir.path() / "empty.csv").string(), 0),
            0u)
      << texts[1];
  EXPECT_EQ(texts[2], "1 페이지 범위초과로,페이지 길이는 40 입니다.");
  EXPECT_EQ(StateOf(w.bench.document), before);
  EXPECT_FALSE(w.bench.popup().visible());
}

// A wire list kept in a spreadsheet comes in as the same list in a CSV file
// does; a file that is no spreadsheet after all leaves the job as it was.
TEST(FileCommands, ImportTakesSpreadsheets) {
  test::TempDir dir;
  const std::string rows =
      "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c><c "
      "r=\"C1\"><v>3</v></c></row><row r=\"3\"><c r=\"A3\"><v>101</v></c></row>";
  const std::vector<uint8_t> xlsx = testing::XlsxOf(rows, "<si><t>전원</t></si><si><t>L1</t></si>");
  std::ofstream(dir.path() / "list.xlsx", std::ios::binary)
      .write(reinterpret_cast<const char*>(xlsx.data()), static_cast<std::streamsize>(xlsx.size()));
  Put(dir.path() / "broken.xlsx", "A1,B2,3\r\n");
  Put(dir.path() / "same.csv", "\xC0\xFC\xBF\xF8,L1,3\r\n\r\n101\r\n");

  Window fromSheet;
  fromSheet.Import(dir.path() / "list.xlsx");
  Window fromCsv;
  fromCsv.Import(dir.path() / "same.csv");
  EXPECT_EQ(StateOf(fromSheet.bench.document), StateOf(fromCsv.bench.document));
  ASSERT_EQ(fromSheet.grid().rowCount(), 2);
  EXPECT_EQ(fromSheet.Cell(0, Line1Column), u"전원");
  EXPECT_EQ(fromSheet.Cell(0, RepeatColumn), u"3");
  EXPECT_EQ(fromSheet.Cell(1, Line1Column), u"101");
  EXPECT_EQ(fromSheet.op.TakeTexts(),
            (std::vector<std::string>{"가져올 목록 파일을 고르십시오: CSV 또는 텍스트 파일(.csv, .txt), 스프레드시트(.xlsx, .ods). 1열은 1줄, 2열은 2줄, 3열은 반복 횟수입니다."}));

  const JobState before = StateOf(fromSheet.bench.document);
  fromSheet.Import(dir.path() / "broken.xlsx");
  const std::vector<std::string> texts = fromSheet.op.TakeTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1], "파일을 열 수 없습니다!\n" + (dir.path() / "broken.xlsx").string() +
                          "\nIts name says spreadsheet, but it is no zip container as .xlsx and "
                          ".ods files are; it may be damaged.");
  EXPECT_EQ(StateOf(fromSheet.bench.document), before);
  EXPECT_FALSE(fromSheet.bench.popup().visible());
}

// A wire list as a design program exports it: the operator picks its columns in
// the column dialog, which opens on the first rows; a plain list never asks.
TEST(FileCommands, AWireListHasTheOperatorChooseItsColumns) {
  test::TempDir dir;
  Put(dir.path() / "wires.csv",
      "Wire,From,To,mm\xC2\xB2,Colour\r\nW-1,X1:1,K1:A1,1.5,BK\r\nW-2,X1:2,K1:A2,1.5,BU\r\n");
  Put(dir.path() / "plain.csv", "A1,B2,3\r\nA2,,1\r\n");

  Window w;
  std::vector<std::vector<std::u16string>> shown;
  w.op.columns = [&](ColumnChoice& choice) {
    shown = choice.preview().rows;
    EXPECT_TRUE(choice.layout().header);
    choice.SetOtherEndColumn(2);
    choice.SetFixedRepeatCount(2);
    return true;
  };
  w.Import(dir.path() / "wires.csv");
  EXPECT_EQ(w.op.columnChoiceRuns, 1);
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[1], (std::vector<std::u16string>{u"W-1", u"X1:1", u"K1:A1", u"1.5", u"BK"}));
  const std::vector<std::vector<std::u16string>> pages = {
      {u"W-1", u"X1:1"}, {u"W-1", u"K1:A1"}, {u"W-2", u"X1:2"}, {u"W-2", u"K1:A2"}};
  ASSERT_EQ(w.grid().rowCount(), 4);
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(w.Cell(row, Line1Column), pages[row][0]) << row;
    EXPECT_EQ(w.Cell(row, Line2Column), pages[row][1]) << row;
    EXPECT_EQ(w.Cell(row, RepeatColumn), u"2") << row;
  }

  // Cancel leaves the job as it was, without a word.
  const JobState before = StateOf(w.bench.document);
  w.op.told.clear();
  w.op.columns = [](ColumnChoice&) { return false; };
  w.Import(dir.path() / "wires.csv");
  EXPECT_EQ(w.op.columnChoiceRuns, 2);
  EXPECT_EQ(w.op.TakeTexts().size(), 1u) << "only the reminder before the file dialog";
  EXPECT_EQ(StateOf(w.bench.document), before);
  EXPECT_FALSE(w.bench.popup().visible());

  // A plain list, and a layout named beforehand (as the command line names it).
  w.Import(dir.path() / "plain.csv");
  EXPECT_EQ(w.op.columnChoiceRuns, 2);
  ASSERT_EQ(w.grid().rowCount(), 2);
  EXPECT_EQ(w.Cell(0, RepeatColumn), u"3");
  ImportLayout named;
  named.header = true;
  named.line2Column = 4;
  ASSERT_TRUE(w.bench.files.ImportFile((dir.path() / "wires.csv").string(), named));
  EXPECT_EQ(w.op.columnChoiceRuns, 2);
  ASSERT_EQ(w.grid().rowCount(), 2);
  EXPECT_EQ(w.Cell(1, Line2Column), u"BU");
}

// A quote that opens a field and is never closed takes the rest of the file;
// the operator hears where it began.
TEST(FileCommands, AnImportTellsOfAQuoteNeverClosed) {
  test::TempDir dir;
  Put(dir.path() / "in.csv", "A,B\r\n\"C,D\r\nE,F\r\n");
  Window w;
  w.Import(dir.path() / "in.csv");
  ASSERT_EQ(w.grid().rowCount(), 2);
  EXPECT_EQ(w.Cell(1, Line1Column), u"C,D??E,F??");
  const std::vector<std::string> texts = w.op.TakeTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1], "따옴표가 닫히지 않았습니다!\n" + (dir.path() / "in.csv").string() +
                          "\nThe quoted field that begins in line 2 has no closing quote: the "
                          "rest of the file was read as part of it.");
}

// Formulas saved without their results read as empty cells; the operator hears
// how many, whether or not the rest of the file made pages.
TEST(FileCommands, AnImportTellsOfFormulasSavedWithoutResults) {
  test::TempDir dir;
  const auto write = [&](const char* name, const std::string& rows) {
    const std::vector<uint8_t> xlsx = testing::XlsxOf(rows);
    std::ofstream(dir.path() / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(xlsx.data()),
               static_cast<std::streamsize>(xlsx.size()));
  };
  write("some.xlsx",
        "<row r=\"1\"><c r=\"A1\"><f>1+1</f></c><c r=\"B1\" t=\"inlineStr\"><is><t>x</t></is>"
        "</c></row><row r=\"2\"><c r=\"A2\" t=\"str\"><f>A1</f></c></row>");
  write("none.xlsx", "<row r=\"1\"><c r=\"A1\"><f>1+1</f></c></row>");
  const std::string told =
      " cells hold a formula saved without its result and were read as empty; open the file in "
      "its spreadsheet program and save it again.";

  Window w;
  w.Import(dir.path() / "some.xlsx");
  ASSERT_EQ(w.grid().rowCount(), 1);
  EXPECT_EQ(w.Cell(0, Line2Column), u"x");
  std::vector<std::string> texts = w.op.TakeTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1], "2" + told);

  w.Import(dir.path() / "none.xlsx");
  texts = w.op.TakeTexts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[1].rfind("가져올 데이터가 없습니다!", 0), 0u) << texts[1];
  EXPECT_EQ(texts[2], "1" + told);
  EXPECT_EQ(w.grid().rowCount(), 1);
}

// Nothing changes without a word: a repeat count cut to 200 on the way in, and
// the numbering of a page that a CSV file cannot carry on the way out.
TEST(FileCommands, ImportAndExportTellWhatTheyCouldNotKeep) {
  test::TempDir dir;
  Put(dir.path() / "in.csv", "-X1:\xC9\xEE,,2\r\nW-1,,3280\r\nW-2,,200\r\n");
  Window w;
  w.Import(dir.path() / "in.csv");
  ASSERT_EQ(w.grid().rowCount(), 3);
  EXPECT_EQ(w.Cell(1, RepeatColumn), u"200");
  std::vector<std::string> texts = w.op.TakeTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1],
            "1 pages have a repeat count above 200 in the file and are repeated 200 times.");

  w.Export(dir.path() / "out", CsvEncoding::CodePage949);
  texts = w.op.TakeTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0],
            "1 numbered pages went out as one line each with their placeholder: a CSV file holds "
            "no numbering, and an import of it makes one label of each.");
  EXPECT_EQ(Contents(dir.path() / "out.csv"), "-X1:\xC9\xEE,,2\r\nW-1,,200\r\nW-2,,200\r\n");
}

// Export writes the job's pages so that an import gives them back.
TEST(FileCommands, ExportWritesThePagesThatAnImportGivesBack) {
  test::TempDir dir;
  Put(dir.path() / "in.csv",
      "\xC0\xFC\xBF\xF8,L1,3\r\n\"A,B\",\"say \"\"x\"\"\",200\r\n\xC9\xA1,,7\r\n");
  for (const CsvEncoding encoding : {CsvEncoding::Utf8, CsvEncoding::CodePage949}) {
    Window w;
    w.Import(dir.path() / "in.csv");
    ASSERT_EQ(w.grid().rowCount(), 3);
    w.FontSize(2, 3);
    w.window.Type(2, Line2Column, u"typed");  // still open when the command runs
    w.op.TakeTexts();
    w.Export(dir.path() / "out", encoding);
    // The operator learns that it was written, and where.
    EXPECT_EQ(w.op.TakeTexts(),
              std::vector<std::string>{"3 페이지를 CSV 파일로 내보냈습니다:\n" +
                                       (dir.path() / "out.csv").string()});
    ASSERT_EQ(w.op.dialogs.size(), 2u);
    const FileDialog& dialog = w.op.dialogs[1];
    EXPECT_EQ(dialog.kind, FileDialog::SaveFile);
    EXPECT_EQ(dialog.initialName, ".csv");
    EXPECT_EQ(dialog.filter, "Excel file(*.csv)|*.csv|");
    EXPECT_TRUE(dialog.confirmReplace);

    // The name gets its extension.
    const std::string text = Contents(dir.path() / "out.csv");
    EXPECT_EQ(text.starts_with("\xEF\xBB\xBF"), encoding == CsvEncoding::Utf8);
    EXPECT_NE(text.find("\"A,B\",\"say \"\"x\"\"\",200\r\n"), std::string::npos) << text;

    Window again;
    again.Import(dir.path() / "out.csv");
    ASSERT_EQ(again.grid().rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
      for (const int column : {Line1Column, Line2Column, RepeatColumn}) {
        EXPECT_EQ(again.Cell(row, column), w.Cell(row, column)) << row << " " << column;
      }
    }
    EXPECT_EQ(again.Cell(2, Line1Column), u"\uE000");
    EXPECT_EQ(again.Cell(2, Line2Column), u"typed");
    fs::remove(dir.path() / "out.csv");
  }
}

TEST(FileCommands, AnExportThatCannotBeWrittenSaysWhyAndACancelWritesNothing) {
  test::TempDir dir;
  Window w;
  w.Page(0, u"x");
  w.bench.files.Export(CsvEncoding::Utf8);  // cancelled
  EXPECT_TRUE(fs::is_empty(dir.path()));
  EXPECT_TRUE(w.op.told.empty());

  const fs::path nowhere = dir.path() / "missing" / "out.csv";
  w.Export(nowhere);
  const std::vector<std::string> texts = w.op.TakeTexts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].rfind("파일을 저장할 수 없습니다!\n" + nowhere.string() + "\n", 0), 0u)
      << texts[0];
  EXPECT_FALSE(fs::exists(nowhere));

  // A name the dialog did not ask about is not replaced without a question.
  Put(dir.path() / "kept.csv", "earlier");
  w.op.yesNo.push_back(false);
  w.Export(dir.path() / "kept");
  EXPECT_EQ(w.op.asked.size(), 1u);
  EXPECT_EQ(Contents(dir.path() / "kept.csv"), "earlier");
}

}  // namespace
}  // namespace q5300
