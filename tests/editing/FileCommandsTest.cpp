// Open, Save, SaveU and Import as the operator runs them: the dialogs, the
// questions, what the grid and the media bar show, and what reaches the disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "compile/CodePage.h"
#include "editing/CellTexts.h"
#include "editing/Engine.h"
#include "editing/NumSet.h"
#include "printer/TempDir.h"
#include "support/EngineParts.h"
#include "support/RecordText.h"
#include "support/SheetFiles.h"

namespace q5300 {
namespace {

namespace fs = std::filesystem;
using testing::RecordBytes;
using testing::RecordText;

// One main window with its engine, started up with one empty page; pages take
// their length from their text.
struct Window : testing::EngineParts {
  Window() {
    grid.Attach(engine);
    engine.StartUp();
    engine.AutoLengthClicked();
    op.told.clear();
  }

  // Types the page's lines into the grid, adding pages up to `row`.
  void Page(int row, const std::u16string& line1, const std::u16string& line2 = u"") {
    while (engine.grid().rowCount() <= row) engine.Add();
    grid.Commit(row, Line1Column, line1, false);
    if (!line2.empty()) grid.Commit(row, Line2Column, line2, false);
  }
  void Save(const fs::path& path) {
    op.files.push_back(path.string());
    engine.Save();
  }
  void SaveU(const fs::path& path) {
    op.files.push_back(path.string());
    engine.SaveU();
  }
  void Open(const fs::path& path, std::optional<bool> discard = std::nullopt) {
    op.files.push_back(path.string());
    if (discard) op.yesNo.push_back(*discard);
    engine.Open();
  }
  void Import(const fs::path& path) {
    op.files.push_back(path.string());
    engine.Import();
  }
  void Export(const fs::path& path, CsvEncoding encoding = CsvEncoding::Utf8) {
    op.files.push_back(path.string());
    engine.Export(encoding);
  }
  std::u16string Cell(int row, int column) const { return engine.grid().CellText(row, column); }
  const PageRecord& Record(int row) const { return *engine.job().pages.At(row); }
};

// Everything a refused command must leave as it was.
struct JobState {
  std::vector<std::u16string> cells;
  std::vector<bool> checks;
  std::vector<std::string> records;
  JobSettings settings;
  ControlsState controls;
  int current = 0;
  friend bool operator==(const JobState&, const JobState&) = default;
};

JobState StateOf(const Engine& engine) {
  JobState state;
  for (int row = 0; row < engine.grid().rowCount(); ++row) {
    for (int column = 0; column < GridColumnCount; ++column) {
      state.cells.push_back(engine.grid().CellText(row, column));
    }
    state.checks.push_back(engine.grid().IsChecked(row));
  }
  for (const PageRecord& r : engine.job().pages) state.records.push_back(RecordText(r));
  state.settings = engine.job().settings;
  state.controls = engine.controls();
  state.current = engine.currentPageIndex();
  return state;
}

void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(FileCommands, DialogsAsTheWindowShowsThemAndCancelChangesNothing) {
  Window w;
  w.Page(0, u"keep");
  const JobState before = StateOf(w.engine);
  w.engine.Open();
  w.engine.Save();
  w.engine.SaveU();
  w.engine.Import();
  ASSERT_EQ(w.op.dialogs.size(), 4u);
  struct Expected {
    FileDialog::Kind kind;
    const char* name;
    const char* filter;
    bool mustExist;
    bool confirmReplace;
  };
  const Expected expected[] = {
      {FileDialog::OpenFile, ".qxu",
       "Label files(*.qxk;*.qxu)|*.qxk;*.qxu|QXU(*.qxu)|*.qxu|QXK(*.qxk)|*.qxk|", true, false},
      {FileDialog::SaveFile, ".qxk", "QXK(*.qxk)|*.qxk|", false, true},
      {FileDialog::SaveFile, "Vexal", "QXU(*.qxu)|*.qxu|", false, true},
      {FileDialog::OpenFile, ".csv",
       "Import files(*.csv;*.xlsx;*.ods;*.txt)|*.csv;*.xlsx;*.ods;*.txt|Excel file(*.csv)|*.csv|"
       "Excel workbook(*.xlsx)|*.xlsx|OpenDocument spreadsheet(*.ods)|*.ods|Unicode "
       "text(*.txt)|*.txt|",
       true, false},
  };
  for (std::size_t i = 0; i < 4; ++i) {
    const FileDialog& d = w.op.dialogs[i];
    EXPECT_EQ(d.kind, expected[i].kind) << i;
    EXPECT_EQ(d.initialName, expected[i].name) << i;
    EXPECT_EQ(d.filter, expected[i].filter) << i;
    EXPECT_EQ(d.mustExist, expected[i].mustExist) << i;
    EXPECT_EQ(d.confirmReplace, expected[i].confirmReplace) << i;
    EXPECT_TRUE(d.hideReadOnly) << i;
  }
  EXPECT_EQ(w.op.TakeTexts(),
            std::vector<std::string>{"입력한 파일이 .CSV 파일로 저장되었는지 확인하십시오."});
  EXPECT_TRUE(w.op.asked.empty());
  EXPECT_EQ(StateOf(w.engine), before);
}

TEST(FileCommands, SaveAndOpenKeepEveryPageNumberingMarkerAndSymbol) {
  test::TempDir dir;
  Window a;
  a.engine.MaterialChosen(Label);
  a.engine.SizeChosen(2);
  a.engine.CuttingChosen(0);
  a.engine.MarginChosen(3);
  a.engine.AlignmentChosen(1);
  a.engine.DensityChosen(11);
  a.engine.RepeatModeChosen(false);
  a.Page(0,
         u"A\uE051"
         u"2",
         u"\uE000B\uE04C");
  a.Page(1, u"HEX-\uE04E", u"\uE052x");
  a.Page(2, u"\uC804\uC6D0 \uE04D");
  a.Page(3, u"");
  a.Page(4, u"not checked");
  PageRecord& hex = *a.engine.job().pages.At(1);
  hex.numHex2 = 1;
  SetField(hex.numStart, "0");
  SetField(hex.numEnd, "FF");
  PageRecord& number = *a.engine.job().pages.At(2);
  SetField(number.numStart, "7");
  SetField(number.numEnd, "120");
  a.engine.grid().SetChecked(4, false);
  a.Save(dir.path() / "Job.QXK");
  ASSERT_TRUE(a.op.told.empty()) << a.op.told[0].text;
  ASSERT_TRUE(fs::exists(dir.path() / "job.qxk"));
  EXPECT_FALSE(a.engine.modified());

  Window b;
  ASSERT_EQ(b.engine.grid().currentColumn(), PageColumn);
  b.Open(dir.path() / "job.qxk");
  EXPECT_TRUE(b.op.told.empty());
  EXPECT_TRUE(b.op.asked.empty());  // its only page was empty
  // Markers and numbering go into the first line of the opened job.
  EXPECT_EQ(b.engine.grid().currentColumn(), Line1Column);
  ASSERT_EQ(b.engine.grid().rowCount(), 5);
  for (int row = 0; row < 5; ++row) {
    for (int column = Line1Column; column <= ZoomColumn; ++column) {
      EXPECT_EQ(b.Cell(row, column), a.Cell(row, column)) << row << ", " << column;
    }
    EXPECT_TRUE(b.engine.grid().IsChecked(row)) << row;
    PageRecord expected = a.Record(row);
    expected.isChecked = 1;
    expected.isCurrent = 0;
    EXPECT_EQ(RecordText(b.Record(row)), RecordText(expected)) << row;
  }
  EXPECT_EQ(b.Cell(1, Line1Column), u"HEX-\uE04E");
  JobSettings settings = a.engine.job().settings;
  EXPECT_EQ(b.engine.job().settings, settings);
  EXPECT_EQ(b.engine.controls(), a.engine.controls());
  EXPECT_EQ(b.engine.currentPageIndex(), 4);
  EXPECT_EQ(b.Cell(4, MarkColumn), u"∽");
  EXPECT_FALSE(b.engine.modified());

  // A page added after opening is made for the medium the media bar shows.
  b.engine.Add();
  EXPECT_EQ(FieldText(b.Record(5).materialCode), "LAB");
  EXPECT_EQ(FieldText(b.Record(5).sizeCode), "12");
  EXPECT_TRUE(b.engine.modified());
}

// The numbering command puts a placeholder after 39 letters: the record holds them
// in 40 bytes, the placeholder being one control byte.
TEST(FileCommands, AFullLineWithItsPlaceholderIsTakenSavedAndReopened) {
  test::TempDir dir;
  Window a;
  a.Page(0, std::u16string(39, u'A'));
  a.op.numbering = [](NumSet& dialog) {
    dialog.KindClicked(NumberingKind::Number);
    dialog.TextChanged(NumBox::Start, u"1");
    dialog.TextChanged(NumBox::End, u"5");
    return dialog.Accept().ok();
  };
  a.engine.grid().SetCurrentColumn(Line1Column);
  a.engine.NumberingPressed();
  const std::u16string line = std::u16string(39, u'A') + u"\uE04D";
  ASSERT_EQ(a.Cell(0, Line1Column), line);
  // Opened and closed again with Enter, the cell is taken over and editing moves on.
  a.grid.Commit(0, Line1Column, line, /*byEnter=*/true);
  EXPECT_TRUE(a.op.told.empty()) << a.op.told[0].text;
  EXPECT_EQ(a.engine.grid().rowCount(), 2);
  EXPECT_EQ(RecordBytes(a.Record(0)), std::string(39, 'A') + "\x12");
  a.Save(dir.path() / "full");
  ASSERT_TRUE(a.op.told.empty()) << a.op.told[0].text;

  Window b;
  b.Open(dir.path() / "full.qxk");
  EXPECT_TRUE(b.op.told.empty());
  ASSERT_EQ(b.engine.grid().rowCount(), 2);
  EXPECT_EQ(b.Cell(0, Line1Column), line);
  EXPECT_EQ(RecordBytes(b.Record(0)), std::string(39, 'A') + "\x12");
  EXPECT_EQ(b.Record(0).hasNumbering, 1);
  EXPECT_EQ(FieldText(b.Record(0).numStart), "1");
  EXPECT_EQ(FieldText(b.Record(0).numEnd), "5");
  EXPECT_FALSE(b.engine.modified());
}

TEST(FileCommands, SaveUAndOpenKeepThePrintablePagesWithTheImagesLosses) {
  test::TempDir dir;
  Window a;
  a.engine.CopiesChosen(2);
  a.engine.DensityChosen(11);
  a.Page(0,
         u"A\uE051"
         u"2\uE000");
  a.Page(1, u"\uE04E");
  a.Page(2, u"");
  a.Page(3, u"unchecked");
  a.engine.grid().SetChecked(3, false);
  PageRecord& hex = *a.engine.job().pages.At(1);
  hex.numHex2 = 1;
  SetField(hex.numEnd, "FF");
  a.SaveU(dir.path() / "job");
  ASSERT_TRUE(a.op.told.empty()) << a.op.told[0].text;
  const fs::path file = dir.path() / "job.QXU";
  ASSERT_TRUE(fs::exists(file));
  // The spare bytes of the pages written stay in the job.
  EXPECT_EQ(a.Record(0).reserved3, a.Record(0).textLength);

  Window b;
  b.Page(0, u"old page");
  b.Open(file, true);
  ASSERT_EQ(b.engine.grid().rowCount(), 2);
  // The symbol was moved to the printer's row and comes back as that row's character.
  EXPECT_EQ(b.Cell(0, Line1Column),
            u"A\uE051"
            u"2" +
                FromPrinterCodePage("\xA1\xA1"));
  EXPECT_EQ(b.Cell(1, Line1Column), u"\uE04E");
  EXPECT_EQ(b.Record(1).numHex2, 0);
  EXPECT_EQ(b.Record(1).numFixed, 0);
  EXPECT_EQ(FieldText(b.Record(1).numEnd), "FF");
  EXPECT_EQ(b.engine.job().settings.copies, 3);
  EXPECT_EQ(b.engine.job().settings.density, 12);
  EXPECT_EQ(b.engine.controls().copies, 2);
  EXPECT_EQ(b.engine.controls().density, 11);
}

// A job saved as it started opens with the same density and the same item shown.
TEST(FileCommands, TheStartDensityShowsTheSameItemAfterReopening) {
  test::TempDir dir;
  Window a;
  a.Page(0, u"A");
  a.Save(dir.path() / "start");
  a.SaveU(dir.path() / "start");
  for (const char* file : {"start.qxk", "start.QXU"}) {
    SCOPED_TRACE(file);
    Window b;
    b.Open(dir.path() / file);
    EXPECT_EQ(b.engine.job().settings.density, a.engine.job().settings.density);
    EXPECT_EQ(b.engine.controls().density, a.engine.controls().density);
  }
}

TEST(FileCommands, OpenAsksUnlessTheOnlyPageIsEmptyAndNoAppends) {
  test::TempDir dir;
  Window a;
  a.Page(0, u"F1");
  a.Page(1, u"F2");
  a.Save(dir.path() / "two");

  Window b;
  b.Open(dir.path() / "two.qxk");
  EXPECT_TRUE(b.op.asked.empty());
  ASSERT_EQ(b.engine.grid().rowCount(), 2);

  b.Open(dir.path() / "two.qxk", false);
  ASSERT_EQ(b.op.asked.size(), 1u);
  EXPECT_EQ(b.op.asked[0].text, "현재 항목을 삭제하시겠습니까?");
  EXPECT_EQ(b.op.asked[0].caption, "Prompt");
  ASSERT_EQ(b.engine.grid().rowCount(), 4);
  EXPECT_EQ(b.Cell(2, Line1Column), u"F1");
  EXPECT_EQ(b.Cell(3, PageColumn), u"4");
  EXPECT_EQ(b.engine.currentPageIndex(), 3);
  EXPECT_TRUE(b.engine.modified());  // no file holds these four pages

  b.Open(dir.path() / "two.qxk", true);
  EXPECT_EQ(b.op.asked.size(), 2u);
  EXPECT_EQ(b.engine.grid().rowCount(), 2);
}

// A file that is refused leaves the job as it was, even after a Yes to the
// discard question, and the operator learns which file and why.
TEST(FileCommands, ARefusedFileLeavesTheJobExactlyAsItWas) {
  test::TempDir dir;
  Window a;
  a.Page(0, u"F1");
  a.Save(dir.path() / "good");
  const std::string good = Contents(dir.path() / "good.qxk");
  Put(dir.path() / "cut.qxk", good.substr(0, good.size() - 1));
  Put(dir.path() / "long.qxk", std::string(70000, '\0'));
  Put(dir.path() / "bad.qxu",
      std::string{0x02, 'A', 0x00, 0x0C, 0x01, 'C', 0x08, 0x00, 0x00, 0x01, 'E'});
  fs::create_directory(dir.path() / "folder.qxk");
  std::string large = good;
  large[20 + 7] = static_cast<char>(255);  // the font size of page 1
  Put(dir.path() / "large.qxk", large);
  struct Case {
    const char* file;
    const char* reason;
  };
  const Case cases[] = {
      {"absent.qxk", "No such file"},
      {"cut.qxk", "cut short"},
      {"long.qxk", "larger than"},
      {"bad.qxu", "length bytes give 12"},
      {"folder.qxk", "folder"},
      {"large.qxk", "Page 1: the font size 255 is not one of 0..6."},
  };
  Window b;
  b.Page(0, u"mine");
  b.Page(1, u"also mine", u"2");
  b.engine.DensityChosen(2);
  const JobState before = StateOf(b.engine);
  for (const Case& c : cases) {
    b.Open(dir.path() / c.file, true);
    EXPECT_EQ(StateOf(b.engine), before) << c.file;
    ASSERT_EQ(b.op.told.size(), 1u) << c.file;
    const std::string& text = b.op.told[0].text;
    EXPECT_EQ(text.rfind("파일을 열 수 없습니다!\n" + (dir.path() / c.file).string() + "\n", 0), 0u)
        << text;
    EXPECT_NE(text.find(c.reason), std::string::npos) << text;
    b.op.told.clear();
  }
}

TEST(FileCommands, AppendingPastTwoHundredPagesTakesWhatFitsAndSaysWhatWasLeftOut) {
  test::TempDir dir;
  Window a;
  for (int row = 0; row < 150; ++row) a.Page(row, u"P" + NumberCellText(row + 1));
  a.Save(dir.path() / "big");
  Window b;
  for (int row = 0; row < 60; ++row) b.Page(row, u"Q");
  b.Open(dir.path() / "big.qxk", false);
  ASSERT_EQ(b.engine.grid().rowCount(), 200);
  EXPECT_EQ(b.engine.grid().CellText(199, Line1Column), u"P140");
  ASSERT_EQ(b.op.told.size(), 1u);
  EXPECT_NE(b.op.told[0].text.find("140 of the file's 150 pages were opened; the last 10 were "
                                   "left out"),
            std::string::npos)
      << b.op.told[0].text;
  EXPECT_TRUE(b.engine.modified());
  b.op.told.clear();

  // A full job takes nothing more and stays as it was.
  const JobState full = StateOf(b.engine);
  b.Open(dir.path() / "big.qxk", false);
  EXPECT_EQ(StateOf(b.engine), full);
  ASSERT_EQ(b.op.told.size(), 1u);
  EXPECT_NE(b.op.told[0].text.find("None of the file's 150 pages fits after the 200 pages"),
            std::string::npos);
  b.Open(dir.path() / "big.qxk", true);
  EXPECT_EQ(b.engine.grid().rowCount(), 150);
}

TEST(FileCommands, APrintImageWithoutPagesLeavesOneEmptyPage) {
  test::TempDir dir;
  Window a;
  a.engine.MarginChosen(9);
  a.SaveU(dir.path() / "nothing.qxu");
  EXPECT_EQ(fs::file_size(dir.path() / "nothing.qxu"), 11u);
  Window b;
  b.Page(0, u"text");
  b.Open(dir.path() / "nothing.qxu", true);
  ASSERT_EQ(b.engine.grid().rowCount(), 1);
  EXPECT_EQ(b.Cell(0, Line1Column), u"");
  EXPECT_EQ(b.engine.currentPageIndex(), 0);
  EXPECT_EQ(b.engine.job().settings.margin, 9);
  EXPECT_EQ(b.engine.controls().margin, 9);
}

TEST(FileCommands, ASaveThatFailsTellsTheOperatorAndKeepsWhatWasThere) {
  test::TempDir dir;
  Window w;
  w.Page(0, u"X");
  fs::create_directory(dir.path() / "job.qxk");
  w.op.yesNo.push_back(true);  // replace what is named job.qxk
  w.Save(dir.path() / "job");
  w.Save(dir.path() / "missing" / "job");
  w.SaveU(dir.path() / "missing" / "job");
  const std::vector<std::string> texts = w.op.TakeTexts();
  ASSERT_EQ(texts.size(), 3u);
  const std::string paths[] = {(dir.path() / "job.qxk").string(),
                               (dir.path() / "missing" / "job.qxk").string(),
                               (dir.path() / "missing" / "job.QXU").string()};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(texts[i].rfind("파일을 저장할 수 없습니다!\n" + paths[i] + "\n", 0), 0u) << texts[i];
  }
  EXPECT_TRUE(fs::is_directory(dir.path() / "job.qxk"));
  EXPECT_FALSE(fs::exists(dir.path() / "missing"));
  EXPECT_TRUE(w.engine.modified());
}

// The dialog confirmed the name it returned; the name the file is saved under
// may be another one, and that file is not replaced without a question.
TEST(FileCommands, ASaveUnderAnotherNameAsksBeforeReplacing) {
  test::TempDir dir;
  Put(dir.path() / "notes.qxk", "earlier");
  Put(dir.path() / "job.qxu", "earlier");
  Window w;
  w.Page(0, u"X");
  w.op.yesNo = {false, false};
  w.Save(dir.path() / "notes");
  w.SaveU(dir.path() / "JOB.QXU");
  ASSERT_EQ(w.op.asked.size(), 2u);
  EXPECT_EQ(w.op.asked[0].text,
            (dir.path() / "notes.qxk").string() + "\n이 파일이 이미 있습니다. 바꾸시겠습니까?");
  EXPECT_EQ(Contents(dir.path() / "notes.qxk"), "earlier");
  EXPECT_EQ(Contents(dir.path() / "job.qxu"), "earlier");

  w.op.yesNo = {true};
  w.Save(dir.path() / "notes");
  EXPECT_EQ(fs::file_size(dir.path() / "notes.qxk"), 91u);  // one page with one byte
  w.Save(dir.path() / "notes.qxk");                         // the dialog's own question was enough
  EXPECT_EQ(w.op.asked.size(), 3u);
  EXPECT_TRUE(w.op.told.empty());
}

TEST(FileCommands, SaveAndSaveUTakeAnOpenCellEditFirst) {
  test::TempDir dir;
  struct Case {
    const char* file;
    void (Window::*save)(const fs::path&);
  } const cases[] = {{"typed.qxk", &Window::Save}, {"typed.qxu", &Window::SaveU}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    Window a;
    a.Page(0, u"old");
    a.grid.Type(0, Line1Column, u"typed");
    (a.*c.save)(dir.path() / c.file);
    EXPECT_FALSE(a.grid.openEdit.has_value());
    EXPECT_EQ(a.Cell(0, Line1Column), u"typed");
    Window b;
    b.Open(dir.path() / c.file);
    EXPECT_EQ(b.Cell(0, Line1Column), u"typed");
  }
}

TEST(FileCommands, ModifiedFollowsTheLastSave) {
  test::TempDir dir;
  Window w;
  EXPECT_FALSE(w.engine.modified());
  w.Page(0, u"A");
  EXPECT_TRUE(w.engine.modified());
  w.Save(dir.path() / "job");
  EXPECT_FALSE(w.engine.modified());
  w.engine.DensityChosen(3);
  EXPECT_TRUE(w.engine.modified());
  w.Save(dir.path() / "job.qxk");
  w.Page(0, u"B");
  EXPECT_TRUE(w.engine.modified());
  w.Page(0, u"A");
  EXPECT_FALSE(w.engine.modified());
}

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
            (std::vector<std::string>{"입력한 파일이 .CSV 파일로 저장되었는지 확인하십시오.",
                                      "1 페이지 범위초과로,페이지 길이는 40 입니다."}));
  ASSERT_EQ(w.engine.grid().rowCount(), 4);
  ASSERT_EQ(w.engine.job().pages.size(), 4);
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
    EXPECT_TRUE(w.engine.grid().IsChecked(i)) << i;
    EXPECT_EQ(RecordBytes(r), row.text);
    EXPECT_EQ(r.creationNo, i + 1);
    EXPECT_EQ(NumberCellText(r.repeatCount), row.repeat);
    EXPECT_EQ(r.twoLines, row.line2[0] != 0 ? 1 : 0) << i;
    EXPECT_EQ(NumberCellText(r.fontSize), row.fontSize) << i;
  }
  EXPECT_EQ(FieldText(w.Record(0).repeatCode), "0003");
  EXPECT_EQ(w.Record(0).autoFont, 0);
  EXPECT_EQ(w.engine.currentPageIndex(), 0);
  EXPECT_EQ(w.Cell(0, MarkColumn), u"∽");
  EXPECT_FALSE(w.engine.popup().visible());
  EXPECT_EQ(w.engine.popup().text(), "데이타 추출중, 잠시 기다려 주십시오...");
  EXPECT_TRUE(w.engine.modified());
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
  ASSERT_EQ(w.engine.grid().rowCount(), 4);
  const std::u16string lines[][2] = {{u"A?B", u"C"}, {u"?x", u"?y?"}, {u"??", u""}, {u"z?", u"??"}};
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(w.Cell(row, Line1Column), lines[row][0]) << row;
    EXPECT_EQ(w.Cell(row, Line2Column), lines[row][1]) << row;
  }
  w.Save(dir.path() / "first.qxk");
  Window again;
  again.Open(dir.path() / "first.qxk");
  ASSERT_EQ(again.engine.grid().rowCount(), 4);
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
            (std::vector<std::string>{"입력한 파일이 .CSV 파일로 저장되었는지 확인하십시오.",
                                      "Max import data:100 rows!"}));
  ASSERT_EQ(w.engine.grid().rowCount(), 200);
  EXPECT_EQ(w.Cell(199, Line1Column), u"L200");
  EXPECT_EQ(w.engine.currentPageIndex(), 0);
}

TEST(FileCommands, AnImportThatFindsNothingLeavesTheJob) {
  test::TempDir dir;
  Put(dir.path() / "empty.csv", "\r\n,,\r\n,,7\r\n" + std::string(50, 'y') + "\r\n");
  Window w;
  w.Page(0, u"mine");
  w.Page(1, u"also mine");
  const JobState before = StateOf(w.engine);

  w.Import(dir.path() / "absent.csv");
  const std::vector<std::string> refused = w.op.TakeTexts();
  ASSERT_EQ(refused.size(), 2u);
  EXPECT_EQ(refused[0], "입력한 파일이 .CSV 파일로 저장되었는지 확인하십시오.");
  // The file and why it cannot be opened, under the headline.
  const std::string headline = "파일을 열 수 없습니다!\n" + (dir.path() / "absent.csv").string() + "\n";
  EXPECT_EQ(refused[1].rfind(headline, 0), 0u) << refused[1];
  EXPECT_GT(refused[1].size(), headline.size());
  EXPECT_EQ(StateOf(w.engine), before);

  w.Import(dir.path() / "empty.csv");
  const std::vector<std::string> texts = w.op.TakeTexts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[1].rfind("가져올 데이터가 없습니다!\n" + (dir.path() / "empty.csv").string(), 0),
            0u)
      << texts[1];
  EXPECT_EQ(texts[2], "1 페이지 범위초과로,페이지 길이는 40 입니다.");
  EXPECT_EQ(StateOf(w.engine), before);
  EXPECT_FALSE(w.engine.popup().visible());
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
  EXPECT_EQ(StateOf(fromSheet.engine), StateOf(fromCsv.engine));
  ASSERT_EQ(fromSheet.engine.grid().rowCount(), 2);
  EXPECT_EQ(fromSheet.Cell(0, Line1Column), u"전원");
  EXPECT_EQ(fromSheet.Cell(0, RepeatColumn), u"3");
  EXPECT_EQ(fromSheet.Cell(1, Line1Column), u"101");
  EXPECT_EQ(fromSheet.op.TakeTexts(),
            (std::vector<std::string>{"입력한 파일이 .CSV 파일로 저장되었는지 확인하십시오."}));

  const JobState before = StateOf(fromSheet.engine);
  fromSheet.Import(dir.path() / "broken.xlsx");
  const std::vector<std::string> texts = fromSheet.op.TakeTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1], "파일을 열 수 없습니다!\n" + (dir.path() / "broken.xlsx").string() +
                          "\nIts name says spreadsheet, but it is no zip container as .xlsx and "
                          ".ods files are; it may be damaged.");
  EXPECT_EQ(StateOf(fromSheet.engine), before);
  EXPECT_FALSE(fromSheet.engine.popup().visible());
}

// A quote that opens a field and is never closed takes the rest of the file;
// the operator hears where it began.
TEST(FileCommands, AnImportTellsOfAQuoteNeverClosed) {
  test::TempDir dir;
  Put(dir.path() / "in.csv", "A,B\r\n\"C,D\r\nE,F\r\n");
  Window w;
  w.Import(dir.path() / "in.csv");
  ASSERT_EQ(w.engine.grid().rowCount(), 2);
  EXPECT_EQ(w.Cell(1, Line1Column), u"C,D??E,F??");
  const std::vector<std::string> texts = w.op.TakeTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1], "따옴표가 닫히지 않았습니다!\n" + (dir.path() / "in.csv").string() +
                          "\nThe quoted field that begins in line 2 has no closing quote: the "
                          "rest of the file was read as part of it.");
}

// Export writes the job's pages so that an import gives them back.
TEST(FileCommands, ExportWritesThePagesThatAnImportGivesBack) {
  test::TempDir dir;
  Put(dir.path() / "in.csv",
      "\xC0\xFC\xBF\xF8,L1,3\r\n\"A,B\",\"say \"\"x\"\"\",200\r\n\xC9\xA1,,7\r\n");
  for (const CsvEncoding encoding : {CsvEncoding::Utf8, CsvEncoding::CodePage949}) {
    Window w;
    w.Import(dir.path() / "in.csv");
    ASSERT_EQ(w.engine.grid().rowCount(), 3);
    w.grid.Type(2, Line2Column, u"typed");  // still open when the command runs
    w.op.TakeTexts();
    w.Export(dir.path() / "out", encoding);
    EXPECT_TRUE(w.op.TakeTexts().empty());
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
    ASSERT_EQ(again.engine.grid().rowCount(), 3);
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
  w.engine.Export(CsvEncoding::Utf8);  // cancelled
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
