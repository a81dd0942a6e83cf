// Undo and redo of the operator's changes: every command is taken back to the
// job as it was, byte for byte as saved, and made again; what is not a change
// leaves no step; a print job in progress goes on untouched.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "editing/SymbolChoice.h"
#include "editing/NumberingChoice.h"
#include "printer/TempDir.h"
#include "support/WorkbenchRig.h"

namespace q5300 {
namespace {

namespace fs = std::filesystem;

std::vector<char> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A job of three pages (a one-line page, a two-line page at font size 3, a page
// repeated three times) with the second page current and a ready printer.
struct ThreePages : testing::WorkbenchParts {
  ThreePages() {
    bench.StartUp();
    Type(0, u"AB가");
    bench.pages.Add();
    bench.panel.FontSizeChosen(3);
    Type(1, u"L1");
    Type(1, u"L2", Line2Column);
    bench.pages.Add();
    Type(2, u"XYZ");
    Type(2, u"3", RepeatColumn);
    bench.pages.RowClicked(1, Line1Column);
    op.told.clear();
  }

  // The job as Save writes it.
  std::vector<char> Qxk() {
    const fs::path path = dir.path() / "probe.qxk";
    EXPECT_TRUE(bench.files.SaveLabelFile(path.string(), LabelFileKind::Qxk));
    return ReadBytes(path);
  }
  // What the window shows besides: grid rows, settings (copies are not in the
  // file), heading box, controls (but the scope, which is how the operator
  // works), current page.
  struct Shown {
    std::vector<std::u16string> rows;  // every cell, row by row, and the tick
    JobSettings settings;
    int heading = 0;
    ControlsState controls;
    int current = -1;
    friend bool operator==(const Shown&, const Shown&) = default;
  };
  Shown Show() const {
    std::vector<std::u16string> rows;
    for (int row = 0; row < Rows(); ++row) {
      for (int column = 0; column < GridColumnCount; ++column) rows.push_back(Cell(row, column));
      rows.push_back(grid().IsChecked(row) ? u"ticked" : u"");
    }
    Shown s{rows, job().settings, grid().GetHeaderCheckState(CheckColumn),
            bench.document.controls(), bench.document.currentPageIndex()};
    s.controls.scope = ApplyScope::CurrentPage;
    return s;
  }
  fs::path WriteFile(const char* name, const std::string& content) {
    const fs::path path = dir.path() / name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  test::TempDir dir;
};

struct Command {
  const char* name;
  std::function<void(ThreePages&)> run;
  // Runs before the job is noted as it was: what the command needs in place.
  std::function<void(ThreePages&)> prepare = [](ThreePages&) {};
};

const Command kCommands[] = {
    {"first line typed", [](ThreePages& j) { j.Type(0, u"ABC"); }},
    {"second line typed", [](ThreePages& j) { j.Type(1, u"EF", Line2Column); }},
    {"second line cleared", [](ThreePages& j) { j.Type(1, u"", Line2Column); }},
    {"repeat typed", [](ThreePages& j) { j.Type(2, u"7", RepeatColumn); }},
    {"over-long text kept in its cell", [](ThreePages& j) { j.Type(0, u"ABCDEFGHIJ"); }},
    {"Enter on the last row adds a page",
     [](ThreePages& j) { j.Type(2, u"Q", Line1Column, true); }},
    {"page added", [](ThreePages& j) { j.bench.pages.Add(); }},
    {"page deleted", [](ThreePages& j) { j.bench.pages.Delete(); }},
    {"last page deleted", [](ThreePages& j) { j.bench.pages.Delete(); },
     [](ThreePages& j) { j.bench.pages.RowClicked(2, Line1Column); }},
    {"font size", [](ThreePages& j) { j.bench.panel.FontSizeChosen(2); }},
    {"font size of the following pages", [](ThreePages& j) { j.bench.panel.FontSizeChosen(1); },
     [](ThreePages& j) {
       j.bench.pages.RowClicked(0, Line1Column);
       j.bench.panel.ScopeChosen(ApplyScope::FollowingPages);
     }},
    {"automatic font size", [](ThreePages& j) { j.bench.panel.FontSizeChosen(0); }},
    {"width", [](ThreePages& j) { j.bench.panel.WidthChosen(1); }},
    {"frame", [](ThreePages& j) { j.bench.panel.FrameChosen(2); }},
    {"direction", [](ThreePages& j) { j.bench.panel.DirectionChosen(1); }},
    {"automatic length", [](ThreePages& j) { j.bench.panel.AutoLengthClicked(); }},
    // What is typed into a box and not set is not the job's: undo takes it away.
    {"set length",
     [](ThreePages& j) {
       j.bench.panel.LengthTextChanged(u"35");
       j.bench.panel.SetLengthPressed();
     }},
    {"repeat from the panel",
     [](ThreePages& j) {
       j.bench.panel.RepeatTextChanged(u"4");
       j.bench.panel.SetRepeatPressed();
     }},
    {"numbering",
     [](ThreePages& j) {
       j.op.numbering = [](NumberingChoice& dialog) {
         dialog.TextChanged(NumBox::Start, u"1");
         dialog.TextChanged(NumBox::End, u"20");
         return dialog.Accept().ok();
       };
       j.bench.pages.NumberingPressed();
     }},
    {"superscript", [](ThreePages& j) { j.bench.pages.Superscript(); }},
    {"subscript", [](ThreePages& j) { j.bench.pages.Subscript(); }},
    {"symbols",
     [](ThreePages& j) {
       j.op.symbols = [](SymbolChoice& picker) { return picker.DoubleClicked({0, 0, 160, 50}, 1, 1); };
       j.bench.pages.ElectricalSymbols();
     }},
    {"material", [](ThreePages& j) { j.bench.panel.MaterialChosen(1); }},
    {"tube size", [](ThreePages& j) { j.bench.panel.SizeChosen(3); }},
    {"cutting", [](ThreePages& j) { j.bench.panel.CuttingChosen(0); }},
    {"spacing", [](ThreePages& j) { j.bench.panel.MarginChosen(5); }},
    {"alignment", [](ThreePages& j) { j.bench.panel.AlignmentChosen(1); }},
    {"density", [](ThreePages& j) { j.bench.panel.DensityChosen(3); }},
    {"copies", [](ThreePages& j) { j.bench.panel.CopiesChosen(4); }},
    {"repeat mode", [](ThreePages& j) { j.bench.panel.RepeatModeChosen(false); }},
    {"heading box", [](ThreePages& j) { j.bench.pages.HeadingClicked(CheckColumn); }},
    {"row box", [](ThreePages& j) { j.bench.pages.RowChecked(1, false); }},
    {"label file opened in place of the job",
     [](ThreePages& j) {
       j.op.files.push_back((j.dir.path() / "other.qxk").string());
       j.op.yesNo.push_back(true);
       j.bench.files.Open();
     },
     [](ThreePages& j) {
       j.Qxk();
       fs::rename(j.dir.path() / "probe.qxk", j.dir.path() / "other.qxk");
       j.Type(0, u"Changed since");
       j.bench.panel.MarginChosen(2);
     }},
    {"label file's pages added to the job",
     [](ThreePages& j) {
       j.op.files.push_back((j.dir.path() / "other.qxk").string());
       j.op.yesNo.push_back(false);
       j.bench.files.Open();
     },
     [](ThreePages& j) {
       j.Qxk();
       fs::rename(j.dir.path() / "probe.qxk", j.dir.path() / "other.qxk");
     }},
    {"import",
     [](ThreePages& j) {
       j.op.files.push_back(j.WriteFile("in.csv", "one,,2\r\ntwo,2nd,1\r\n").string());
       j.bench.files.Import();
     }},
};

TEST(Undo, EveryCommandIsTakenBackToTheSavedBytesAndMadeAgain) {
  for (const Command& command : kCommands) {
    SCOPED_TRACE(command.name);
    ThreePages job;
    command.prepare(job);
    const std::vector<char> before = job.Qxk();
    const ThreePages::Shown shownBefore = job.Show();
    const int steps = job.UndoSteps();

    command.run(job);
    const std::vector<char> after = job.Qxk();
    const ThreePages::Shown shownAfter = job.Show();
    ASSERT_TRUE(before != after || !(shownBefore == shownAfter)) << "the command changed nothing";
    ASSERT_EQ(job.UndoSteps(), steps + 1) << "one command, one step";

    job.bench.document.Undo();
    EXPECT_EQ(job.Qxk(), before);
    EXPECT_TRUE(job.Show() == shownBefore);
    EXPECT_EQ(job.UndoSteps(), steps);
    ASSERT_TRUE(job.bench.document.canRedo());

    job.bench.document.Redo();
    EXPECT_EQ(job.Qxk(), after);
    EXPECT_TRUE(job.Show().rows == shownAfter.rows);
    EXPECT_EQ(job.job().settings, shownAfter.settings);
    EXPECT_FALSE(job.bench.document.canRedo());
    EXPECT_EQ(job.UndoSteps(), steps + 1);
  }
}

TEST(Undo, WhatChangesNoInputLeavesNothingToTakeBack) {
  const Command refusals[] = {
      {"row click", [](ThreePages& j) { j.bench.pages.RowClicked(0, Line1Column); }},
      {"scope", [](ThreePages& j) { j.bench.panel.ScopeChosen(ApplyScope::FollowingPages); }},
      {"length typed, not set", [](ThreePages& j) { j.bench.panel.LengthTextChanged(u"40"); }},
      {"preview", [](ThreePages& j) { j.bench.pages.Preview(); }},
      {"print",
       [](ThreePages& j) {
         j.bench.printing.Print();
         EXPECT_TRUE(j.RunTimers());
       }},
      {"save", [](ThreePages& j) { j.Qxk(); }},
      {"same text again", [](ThreePages& j) { j.Type(0, u"AB가"); }},
      {"repeat refused", [](ThreePages& j) { j.Type(2, u"500", RepeatColumn); }},
      {"length refused",
       [](ThreePages& j) {
         j.bench.panel.LengthTextChanged(u"2");
         j.bench.panel.SetLengthPressed();
       }},
      {"two-line page keeps its tube", [](ThreePages& j) { j.bench.panel.SizeChosen(0); }},
      {"cancelled file dialog", [](ThreePages& j) { j.bench.files.Open(); }},
      {"refused label file",
       [](ThreePages& j) {
         j.op.files.push_back(j.WriteFile("broken.qxk", "not a label file").string());
         j.op.yesNo.push_back(true);
         j.bench.files.Open();
       }},
  };
  for (const Command& command : refusals) {
    SCOPED_TRACE(command.name);
    ThreePages job;
    command.prepare(job);
    const int steps = job.UndoSteps();
    command.run(job);
    EXPECT_EQ(job.UndoSteps(), steps);
  }
}

TEST(Undo, GoingBackToTheSavedJobClearsTheUnsavedMark) {
  ThreePages job;
  job.Qxk();
  ASSERT_FALSE(job.bench.document.modified());
  job.Type(0, u"Changed");
  job.bench.panel.FrameChosen(1);
  ASSERT_TRUE(job.bench.document.modified());
  job.bench.document.Undo();
  EXPECT_TRUE(job.bench.document.modified());
  job.bench.document.Undo();
  EXPECT_FALSE(job.bench.document.modified());
  job.bench.document.Redo();
  EXPECT_TRUE(job.bench.document.modified());
}

TEST(Undo, AHundredStepsAreKeptAndANewChangeDropsWhatWasUndone) {
  ThreePages job;
  for (int i = 1; i <= 101; ++i) {
    const std::string text = std::to_string(i);
    job.Type(0, std::u16string(text.begin(), text.end()));
  }
  int steps = 0;
  while (job.bench.document.canUndo()) {
    job.bench.document.Undo();
    ++steps;
  }
  EXPECT_EQ(steps, 100);
  EXPECT_EQ(job.grid().CellText(0, Line1Column), u"1");

  job.bench.document.Redo();
  job.bench.document.Redo();
  EXPECT_EQ(job.grid().CellText(0, Line1Column), u"3");
  job.Type(1, u"new");
  EXPECT_FALSE(job.bench.document.canRedo());
  job.bench.document.Undo();
  EXPECT_EQ(job.grid().CellText(1, Line1Column), u"L1");
  EXPECT_EQ(job.grid().CellText(0, Line1Column), u"3");
}

TEST(Undo, AnOpenEditIsCommittedFirstAndIsTheStepTakenBack) {
  ThreePages job;
  job.bench.panel.FrameChosen(1);
  job.window.Type(0, Line1Column, u"typed");
  job.window.Run([&] { job.bench.document.Undo(); });
  EXPECT_FALSE(job.window.openEdit);
  EXPECT_EQ(job.grid().CellText(0, Line1Column), u"AB가");
  EXPECT_EQ(job.grid().CellText(1, FrameColumn), u"Frame");
  job.bench.document.Redo();
  EXPECT_EQ(job.grid().CellText(0, Line1Column), u"typed");
}

TEST(Undo, AJobReplacedByAFileGetsItsOwnFileBackAndAnEditKeepsIt) {
  ThreePages job;
  const fs::path mine = job.dir.path() / "mine.qxk";
  ASSERT_TRUE(job.bench.files.SaveLabelFile(mine.string(), LabelFileKind::Qxk));
  fs::copy_file(mine, job.dir.path() / "other.qxk");
  job.Type(0, u"edited");

  job.op.files.push_back((job.dir.path() / "other.qxk").string());
  job.op.yesNo.push_back(true);
  job.bench.files.Open();
  ASSERT_EQ(job.bench.document.jobPath(), (job.dir.path() / "other.qxk").string());
  job.Type(1, u"on other");

  job.bench.document.Undo();
  EXPECT_EQ(job.bench.document.jobPath(), (job.dir.path() / "other.qxk").string());
  job.bench.document.Undo();
  EXPECT_EQ(job.bench.document.jobPath(), mine.string());
  EXPECT_EQ(job.grid().CellText(0, Line1Column), u"edited");
  EXPECT_TRUE(job.bench.document.modified());
  job.bench.document.Redo();
  EXPECT_EQ(job.bench.document.jobPath(), (job.dir.path() / "other.qxk").string());
  EXPECT_FALSE(job.bench.document.modified());

  // Undo, Redo, Undo: the job that comes back is under its own name again, so
  // that a save of it writes its own file and leaves the other's alone.
  job.bench.document.Undo();
  EXPECT_EQ(job.grid().CellText(0, Line1Column), u"edited");
  ASSERT_EQ(job.bench.document.jobPath(), mine.string());
  const std::vector<char> other = ReadBytes(job.dir.path() / "other.qxk");
  ASSERT_TRUE(job.bench.files.SaveLabelFile(job.bench.document.jobPath(), LabelFileKind::Qxk));
  EXPECT_EQ(ReadBytes(job.dir.path() / "other.qxk"), other);
}

// The heading's box is a step of its own, also when it changes no row.
TEST(Undo, TheHeadingBoxIsTakenBackWithTheRowsItChanged) {
  ThreePages job;
  const auto ticks = [&] {
    return std::vector<bool>{job.grid().IsChecked(0), job.grid().IsChecked(1),
                             job.grid().IsChecked(2)};
  };
  job.bench.pages.RowChecked(1, false);
  job.bench.pages.HeadingClicked(CheckColumn);
  ASSERT_EQ(ticks(), std::vector<bool>(3, false));
  job.bench.document.Undo();
  EXPECT_EQ(ticks(), (std::vector<bool>{true, false, true}));
  EXPECT_EQ(job.grid().GetHeaderCheckState(CheckColumn), CheckedBox);

  // Every row clear already: the click changes the box alone.
  job.bench.pages.RowChecked(0, false);
  job.bench.pages.RowChecked(2, false);
  const int steps = job.UndoSteps();
  job.bench.pages.HeadingClicked(CheckColumn);
  ASSERT_EQ(job.grid().GetHeaderCheckState(CheckColumn), EmptyBox);
  EXPECT_EQ(job.UndoSteps(), steps + 1);
  job.bench.document.Undo();
  EXPECT_EQ(job.grid().GetHeaderCheckState(CheckColumn), CheckedBox);
  EXPECT_EQ(ticks(), std::vector<bool>(3, false));
}

TEST(Undo, APrintJobInProgressGoesOnUntouched) {
  ThreePages job;
  job.bench.panel.ScopeChosen(ApplyScope::FollowingPages);
  job.bench.pages.RowClicked(0, Line1Column);
  job.bench.panel.AutoLengthClicked();
  while (job.grid().rowCount() < 100) job.bench.pages.Add();
  for (int row = 0; row < 100; ++row) job.Type(row, std::u16string(30, u'X'));
  job.bench.printing.Print();
  ASSERT_EQ(job.bench.printing.phase(), PrintController::Phase::Waiting);
  const int next = job.bench.printing.nextIndex();
  const auto deadline = job.timers.deadline(TimerId::Continue);

  job.bench.document.Undo();
  job.bench.document.Undo();
  EXPECT_EQ(job.bench.printing.phase(), PrintController::Phase::Waiting);
  EXPECT_EQ(job.bench.printing.nextIndex(), next);
  EXPECT_EQ(job.timers.deadline(TimerId::Continue), deadline);
  EXPECT_TRUE(job.bench.popup().visible());

  ASSERT_TRUE(job.RunTimers());
  EXPECT_EQ(job.bench.printing.phase(), PrintController::Phase::Idle);
  EXPECT_TRUE(job.op.told.empty()) << job.op.told.front().text;
}

}  // namespace
}  // namespace q5300
