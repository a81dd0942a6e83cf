// Open, Save and SaveU as the operator runs them: the dialogs, the questions,
// what the grid and the media bar show, and what reaches the disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compile/CodePage.h"
#include "editing/CellTexts.h"
#include "editing/NumberingChoice.h"
#include "printer/TempDir.h"
#include "support/SheetFiles.h"
#include "FileWindow.h"

namespace q5300 {
namespace {

using namespace filetest;

TEST(FileCommands, DialogsAsTheWindowShowsThemAndCancelChangesNothing) {
  Window w;
  w.Page(0, u"keep");
  const JobState before = StateOf(w.bench.document);
  w.bench.files.Open();
  w.bench.files.Save();
  w.bench.files.SaveU();
  w.bench.files.Import();
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
            std::vector<std::string>{"가져올 목록 파일을 고르십시오: CSV 또는 텍스트 파일(.csv, .txt), 스프레드시트(.xlsx, .ods). 1열은 1줄, 2열은 2줄, 3열은 반복 횟수입니다."});
  EXPECT_TRUE(w.op.asked.empty());
  EXPECT_EQ(StateOf(w.bench.document), before);
}

TEST(FileCommands, SaveAndOpenKeepEveryPageNumberingMarkerAndSymbol) {
  test::TempDir dir;
  Window a;
  a.bench.panel.MaterialChosen(Label);
  a.bench.panel.SizeChosen(2);
  a.bench.panel.CuttingChosen(0);
  a.bench.panel.MarginChosen(3);
  a.bench.panel.AlignmentChosen(1);
  a.bench.panel.DensityChosen(11);
  a.bench.panel.RepeatModeChosen(false);
  a.Page(0,
         u"A\uE051"
         u"2",
         u"\uE000B\uE04C");
  a.Page(1, u"HEX-\uE04E", u"\uE052x");
  a.Page(2, u"\uC804\uC6D0 \uE04D");
  a.Page(3, u"");
  a.Page(4, u"not checked");
  a.EditPage(1, [](PageRecord& hex) {
    hex.numHex2 = 1;
    SetField(hex.numStart, "0");
    SetField(hex.numEnd, "FF");
  });
  a.EditPage(2, [](PageRecord& number) {
    SetField(number.numStart, "7");
    SetField(number.numEnd, "120");
  });
  a.bench.pages.RowChecked(4, false);
  a.Save(dir.path() / "Job.QXK");
  ASSERT_TRUE(a.op.told.empty()) << a.op.told[0].text;
  ASSERT_TRUE(fs::exists(dir.path() / "job.qxk"));
  EXPECT_FALSE(a.bench.document.modified());

  Window b;
  ASSERT_EQ(b.bench.document.currentColumn(), PageColumn);
  b.Open(dir.path() / "job.qxk");
  EXPECT_TRUE(b.op.told.empty());
  EXPECT_TRUE(b.op.asked.empty());  // its only page was empty
  // Markers and numbering go into the first line of the opened job.
  EXPECT_EQ(b.bench.document.currentColumn(), Line1Column);
  ASSERT_EQ(b.grid().rowCount(), 5);
  // Each page as a save compiles it: as it went into the file, and as the opened
  // job would write it again. Both jobs have the last page current.
  const CompiledJob saved = a.bench.document.Compile(RebuildMode::EditorMode);
  const CompiledJob opened = b.bench.document.Compile(RebuildMode::EditorMode);
  for (int row = 0; row < 5; ++row) {
    for (int column = Line1Column; column <= ZoomColumn; ++column) {
      EXPECT_EQ(b.Cell(row, column), a.Cell(row, column)) << row << ", " << column;
    }
    EXPECT_TRUE(b.grid().IsChecked(row)) << row;
    PageRecord expected = saved[static_cast<std::size_t>(row)];
    expected.isChecked = 1;
    EXPECT_EQ(RecordText(opened[static_cast<std::size_t>(row)]), RecordText(expected)) << row;
  }
  EXPECT_EQ(b.Cell(1, Line1Column), u"HEX-\uE04E");
  JobSettings settings = a.job().settings;
  EXPECT_EQ(b.job().settings, settings);
  EXPECT_EQ(b.bench.document.controls(), a.bench.document.controls());
  EXPECT_EQ(b.bench.document.currentPageIndex(), 4);
  EXPECT_EQ(b.Cell(4, MarkColumn), u"∽");
  EXPECT_FALSE(b.bench.document.modified());

  // A page added after opening is made for the medium the media bar shows.
  b.bench.pages.Add();
  EXPECT_EQ(FieldText(b.Record(5).materialCode), "LAB");
  EXPECT_EQ(FieldText(b.Record(5).sizeCode), "12");
  EXPECT_TRUE(b.bench.document.modified());
}

// The numbering command puts a placeholder after 39 letters: the record holds them
// in 40 bytes, the placeholder being one control byte.
TEST(FileCommands, AFullLineWithItsPlaceholderIsTakenSavedAndReopened) {
  test::TempDir dir;
  Window a;
  a.Page(0, std::u16string(39, u'A'));
  a.op.numbering = [](NumberingChoice& dialog) {
    dialog.KindClicked(NumberingKind::Number);
    dialog.TextChanged(NumBox::Start, u"1");
    dialog.TextChanged(NumBox::End, u"5");
    return dialog.Accept().ok();
  };
  a.SetColumn(Line1Column);
  a.bench.pages.NumberingPressed();
  const std::u16string line = std::u16string(39, u'A') + u"\uE04D";
  ASSERT_EQ(a.Cell(0, Line1Column), line);
  // Opened and closed again with Enter, the cell is taken over and editing moves on.
  a.window.Commit(0, Line1Column, line, /*byEnter=*/true);
  EXPECT_TRUE(a.op.told.empty()) << a.op.told[0].text;
  EXPECT_EQ(a.grid().rowCount(), 2);
  EXPECT_EQ(RecordBytes(a.Record(0)), std::string(39, 'A') + "\x12");
  a.Save(dir.path() / "full");
  ASSERT_TRUE(a.op.told.empty()) << a.op.told[0].text;

  Window b;
  b.Open(dir.path() / "full.qxk");
  EXPECT_TRUE(b.op.told.empty());
  ASSERT_EQ(b.grid().rowCount(), 2);
  EXPECT_EQ(b.Cell(0, Line1Column), line);
  EXPECT_EQ(RecordBytes(b.Record(0)), std::string(39, 'A') + "\x12");
  EXPECT_EQ(b.Record(0).hasNumbering, 1);
  EXPECT_EQ(FieldText(b.Record(0).numStart), "1");
  EXPECT_EQ(FieldText(b.Record(0).numEnd), "5");
  EXPECT_FALSE(b.bench.document.modified());
}

TEST(FileCommands, SaveUAndOpenKeepThePrintablePagesWithTheImagesLosses) {
  test::TempDir dir;
  Window a;
  a.bench.panel.CopiesChosen(2);
  a.bench.panel.DensityChosen(11);
  a.Page(0,
         u"A\uE051"
         u"2\uE000");
  a.Page(1, u"\uE04E");
  a.Page(2, u"");
  a.Page(3, u"unchecked");
  a.bench.pages.RowChecked(3, false);
  a.EditPage(1, [](PageRecord& hex) {
    hex.numHex2 = 1;
    SetField(hex.numEnd, "FF");
  });
  a.SaveU(dir.path() / "job");
  ASSERT_TRUE(a.op.told.empty()) << a.op.told[0].text;
  const fs::path file = dir.path() / "job.QXU";
  ASSERT_TRUE(fs::exists(file));
  // The file's pages carry the spare bytes of the image; the job's records are
  // not changed by a save.
  EXPECT_EQ(a.Record(0).reserved3, 0);

  Window b;
  b.Page(0, u"old page");
  b.Open(file, true);
  ASSERT_EQ(b.grid().rowCount(), 2);
  // The symbol was moved to the printer's row and comes back as that row's character.
  EXPECT_EQ(b.Cell(0, Line1Column),
            u"A\uE051"
            u"2" +
                FromPrinterCodePage("\xA1\xA1"));
  EXPECT_EQ(b.Cell(1, Line1Column), u"\uE04E");
  // The image stamped each page with its text length in the spare bytes.
  EXPECT_EQ(b.Record(0).reserved3, b.Record(0).textLength);
  EXPECT_EQ(b.Record(1).numHex2, 0);
  EXPECT_EQ(b.Record(1).numFixed, 0);
  EXPECT_EQ(FieldText(b.Record(1).numEnd), "FF");
  EXPECT_EQ(b.job().settings.copies, 3);
  EXPECT_EQ(b.job().settings.density, 12);
  EXPECT_EQ(b.bench.document.controls().copies, 2);
  EXPECT_EQ(b.bench.document.controls().density, 11);
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
    EXPECT_EQ(b.job().settings.density, a.job().settings.density);
    EXPECT_EQ(b.bench.document.controls().density, a.bench.document.controls().density);
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
  ASSERT_EQ(b.grid().rowCount(), 2);

  b.Open(dir.path() / "two.qxk", false);
  ASSERT_EQ(b.op.asked.size(), 1u);
  EXPECT_EQ(b.op.asked[0].text, "현재 항목을 삭제하시겠습니까?");
  EXPECT_EQ(b.op.asked[0].caption, "Prompt");
  ASSERT_EQ(b.grid().rowCount(), 4);
  EXPECT_EQ(b.Cell(2, Line1Column), u"F1");
  EXPECT_EQ(b.Cell(3, PageColumn), u"4");
  EXPECT_EQ(b.bench.document.currentPageIndex(), 3);
  EXPECT_TRUE(b.bench.document.modified());  // no file holds these four pages

  b.Open(dir.path() / "two.qxk", true);
  EXPECT_EQ(b.op.asked.size(), 2u);
  EXPECT_EQ(b.grid().rowCount(), 2);
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
  b.bench.panel.DensityChosen(2);
  const JobState before = StateOf(b.bench.document);
  for (const Case& c : cases) {
    b.Open(dir.path() / c.file, true);
    EXPECT_EQ(StateOf(b.bench.document), before) << c.file;
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
  ASSERT_EQ(b.grid().rowCount(), 200);
  EXPECT_EQ(b.grid().CellText(199, Line1Column), u"P140");
  ASSERT_EQ(b.op.told.size(), 1u);
  EXPECT_NE(b.op.told[0].text.find("140 of the file's 150 pages were opened; the last 10 were "
                                   "left out"),
            std::string::npos)
      << b.op.told[0].text;
  EXPECT_TRUE(b.bench.document.modified());
  b.op.told.clear();

  // A full job takes nothing more and stays as it was.
  const JobState full = StateOf(b.bench.document);
  b.Open(dir.path() / "big.qxk", false);
  EXPECT_EQ(StateOf(b.bench.document), full);
  ASSERT_EQ(b.op.told.size(), 1u);
  EXPECT_NE(b.op.told[0].text.find("None of the file's 150 pages fits after the 200 pages"),
            std::string::npos);
  b.Open(dir.path() / "big.qxk", true);
  EXPECT_EQ(b.grid().rowCount(), 150);
}

TEST(FileCommands, APrintImageWithoutPagesLeavesOneEmptyPage) {
  test::TempDir dir;
  Window a;
  a.bench.panel.MarginChosen(9);
  a.SaveU(dir.path() / "nothing.qxu");
  EXPECT_EQ(fs::file_size(dir.path() / "nothing.qxu"), 11u);
  Window b;
  b.Page(0, u"text");
  b.Open(dir.path() / "nothing.qxu", true);
  ASSERT_EQ(b.grid().rowCount(), 1);
  EXPECT_EQ(b.Cell(0, Line1Column), u"");
  EXPECT_EQ(b.bench.document.currentPageIndex(), 0);
  EXPECT_EQ(b.job().settings.margin, 9);
  EXPECT_EQ(b.bench.document.controls().margin, 9);
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
  EXPECT_TRUE(w.bench.document.modified());
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
    a.window.Type(0, Line1Column, u"typed");
    (a.*c.save)(dir.path() / c.file);
    EXPECT_FALSE(a.window.openEdit.has_value());
    EXPECT_EQ(a.Cell(0, Line1Column), u"typed");
    Window b;
    b.Open(dir.path() / c.file);
    EXPECT_EQ(b.Cell(0, Line1Column), u"typed");
  }
}

TEST(FileCommands, ModifiedFollowsTheLastSave) {
  test::TempDir dir;
  Window w;
  // The window's automatic length is already a change of the new job.
  EXPECT_TRUE(w.bench.document.modified());
  w.Page(0, u"A");
  EXPECT_TRUE(w.bench.document.modified());
  w.Save(dir.path() / "job");
  EXPECT_FALSE(w.bench.document.modified());
  w.bench.panel.DensityChosen(3);
  EXPECT_TRUE(w.bench.document.modified());
  w.Save(dir.path() / "job.qxk");
  w.Page(0, u"B");
  EXPECT_TRUE(w.bench.document.modified());
  w.Page(0, u"A");
  EXPECT_FALSE(w.bench.document.modified());
}

}  // namespace
}  // namespace q5300
