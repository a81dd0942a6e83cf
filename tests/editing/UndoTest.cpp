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

#include "editing/Dqfh.h"
#include "editing/Engine.h"
#include "editing/NumSet.h"
#include "printer/TempDir.h"
#include "support/EngineParts.h"

namespace q5300 {
namespace {

namespace fs = std::filesystem;

std::vector<char> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A job of three pages (a one-line page, a two-line page at font size 3, a page
// repeated three times) with the second page current and a ready printer.
struct ThreePages : testing::EngineParts {
  ThreePages() {
    grid.Attach(engine);
    engine.StartUp();
    Type(0, u"AB가");
    engine.Add();
    engine.FontSizeChosen(3);
    Type(1, u"L1");
    Type(1, u"L2", Line2Column);
    engine.Add();
    Type(2, u"XYZ");
    Type(2, u"3", RepeatColumn);
    engine.RowClicked(1, Line1Column);
    op.told.clear();
  }

  void Type(int row, std::u16string text, int column = Line1Column, bool byEnter = false) {
    grid.Commit(row, column, std::move(text), byEnter);
  }
  // The job as Save writes it.
  std::vector<char> Qxk() {
    const fs::path path = dir.path() / "probe.qxk";
    EXPECT_TRUE(engine.SaveLabelFile(path.string(), LabelFileKind::Qxk));
    return ReadBytes(path);
  }
  // What the window shows besides: grid rows, settings (copies are not in the
  // file), heading box, controls (but the scope, which is how the operator
  // works), current page.
  struct Shown {
    std::vector<GridModel::Row> rows;
    JobSettings settings;
    int heading = 0;
    ControlsState controls;
    int current = -1;
    friend bool operator==(const Shown&, const Shown&) = default;
  };
  Shown Show() const {
    Shown s{engine.grid().rows(), engine.job().settings,
            engine.grid().GetHeaderCheckState(CheckColumn), engine.controls(),
            engine.currentPageIndex()};
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
    {"page added", [](ThreePages& j) { j.engine.Add(); }},
    {"page deleted", [](ThreePages& j) { j.engine.Delete(); }},
    {"last page deleted", [](ThreePages& j) { j.engine.Delete(); },
     [](ThreePages& j) { j.engine.RowClicked(2, Line1Column); }},
    {"font size", [](ThreePages& j) { j.engine.FontSizeChosen(2); }},
    {"font size of the following pages", [](ThreePages& j) { j.engine.FontSizeChosen(1); },
     [](ThreePages& j) {
       j.engine.RowClicked(0, Line1Column);
       j.engine.ScopeChosen(ApplyScope::FollowingPages);
     }},
    {"automatic font size", [](ThreePages& j) { j.engine.FontSizeChosen(0); }},
    {"width", [](ThreePages& j) { j.engine.WidthChosen(1); }},
    {"frame", [](ThreePages& j) { j.engine.FrameChosen(2); }},
    {"direction", [](ThreePages& j) { j.engine.DirectionChosen(1); }},
    {"automatic length", [](ThreePages& j) { j.engine.AutoLengthClicked(); }},
    {"set length", [](ThreePages& j) { j.engine.SetLengthPressed(); },
     [](ThreePages& j) { j.engine.LengthTextChanged(u"35"); }},
    {"repeat from the panel", [](ThreePages& j) { j.engine.SetRepeatPressed(); },
     [](ThreePages& j) { j.engine.RepeatTextChanged(u"4"); }},
    {"numbering",
     [](ThreePages& j) {
       j.op.numbering = [](NumSet& dialog) {
         dialog.TextChanged(NumBox::Start, u"1");
         dialog.TextChanged(NumBox::End, u"20");
         return dialog.Accept().ok();
       };
       j.engine.NumberingPressed();
     }},
    {"superscript", [](ThreePages& j) { j.engine.Superscript(); }},
    {"subscript", [](ThreePages& j) { j.engine.Subscript(); }},
    {"symbols",
     [](ThreePages& j) {
       j.op.symbols = [](Dqfh& picker) { return picker.DoubleClicked({0, 0, 160, 50}, 1, 1); };
       j.engine.ElectricalSymbols();
     }},
    {"material", [](ThreePages& j) { j.engine.MaterialChosen(1); }},
    {"tube size", [](ThreePages& j) { j.engine.SizeChosen(3); }},
    {"cutting", [](ThreePages& j) { j.engine.CuttingChosen(0); }},
    {"spacing", [](ThreePages& j) { j.engine.MarginChosen(5); }},
    {"alignment", [](ThreePages& j) { j.engine.AlignmentChosen(1); }},
    {"density", [](ThreePages& j) { j.engine.DensityChosen(3); }},
    {"copies", [](ThreePages& j) { j.engine.CopiesChosen(4); }},
    {"repeat mode", [](ThreePages& j) { j.engine.RepeatModeChosen(false); }},
    {"heading box", [](ThreePages& j) { j.engine.HeadingClicked(CheckColumn); }},
    {"row box", [](ThreePages& j) { j.engine.RowChecked(1, false); }},
    {"label file opened in place of the job",
     [](ThreePages& j) {
       j.op.files.push_back((j.dir.path() / "other.qxk").string());
       j.op.yesNo.push_back(true);
       j.engine.Open();
     },
     [](ThreePages& j) {
       j.Qxk();
       fs::rename(j.dir.path() / "probe.qxk", j.dir.path() / "other.qxk");
       j.Type(0, u"Changed since");
       j.engine.MarginChosen(2);
     }},
    {"label file's pages added to the job",
     [](ThreePages& j) {
       j.op.files.push_back((j.dir.path() / "other.qxk").string());
       j.op.yesNo.push_back(false);
       j.engine.Open();
     },
     [](ThreePages& j) {
       j.Qxk();
       fs::rename(j.dir.path() / "probe.qxk", j.dir.path() / "other.qxk");
     }},
    {"import",
     [](ThreePages& j) {
       j.op.files.push_back(j.WriteFile("in.csv", "one,,2\r\ntwo,2nd,1\r\n").string());
       j.engine.Import();
     }},
};

TEST(Undo, EveryCommandIsTakenBackToTheSavedBytesAndMadeAgain) {
  for (const Command& command : kCommands) {
    SCOPED_TRACE(command.name);
    ThreePages job;
    command.prepare(job);
    const std::vector<char> before = job.Qxk();
    const ThreePages::Shown shownBefore = job.Show();
    const std::size_t steps = job.engine.history().undoCount();

    command.run(job);
    const std::vector<char> after = job.Qxk();
    const ThreePages::Shown shownAfter = job.Show();
    ASSERT_TRUE(before != after || !(shownBefore == shownAfter)) << "the command changed nothing";
    ASSERT_EQ(job.engine.history().undoCount(), steps + 1) << "one command, one step";

    job.engine.Undo();
    EXPECT_EQ(job.Qxk(), before);
    EXPECT_TRUE(job.Show() == shownBefore);
    EXPECT_EQ(job.engine.history().undoCount(), steps);
    ASSERT_TRUE(job.engine.canRedo());

    job.engine.Redo();
    EXPECT_EQ(job.Qxk(), after);
    EXPECT_TRUE(job.Show().rows == shownAfter.rows);
    EXPECT_EQ(job.engine.job().settings, shownAfter.settings);
    EXPECT_FALSE(job.engine.canRedo());
    EXPECT_EQ(job.engine.history().undoCount(), steps + 1);
  }
}

TEST(Undo, WhatChangesNoInputLeavesNothingToTakeBack) {
  const Command refusals[] = {
      {"row click", [](ThreePages& j) { j.engine.RowClicked(0, Line1Column); }},
      {"scope", [](ThreePages& j) { j.engine.ScopeChosen(ApplyScope::FollowingPages); }},
      {"length typed, not set", [](ThreePages& j) { j.engine.LengthTextChanged(u"40"); }},
      {"preview", [](ThreePages& j) { j.engine.Preview(); }},
      {"print",
       [](ThreePages& j) {
         j.engine.Print();
         EXPECT_TRUE(j.RunTimers());
       }},
      {"save", [](ThreePages& j) { j.Qxk(); }},
      {"same text again", [](ThreePages& j) { j.Type(0, u"AB가"); }},
      {"repeat refused", [](ThreePages& j) { j.Type(2, u"500", RepeatColumn); }},
      {"length refused", [](ThreePages& j) { j.engine.SetLengthPressed(); },
       [](ThreePages& j) { j.engine.LengthTextChanged(u"2"); }},
      {"two-line page keeps its tube", [](ThreePages& j) { j.engine.SizeChosen(0); }},
      {"cancelled file dialog", [](ThreePages& j) { j.engine.Open(); }},
      {"refused label file",
       [](ThreePages& j) {
         j.op.files.push_back(j.WriteFile("broken.qxk", "not a label file").string());
         j.op.yesNo.push_back(true);
         j.engine.Open();
       }},
  };
  for (const Command& command : refusals) {
    SCOPED_TRACE(command.name);
    ThreePages job;
    command.prepare(job);
    const std::size_t steps = job.engine.history().undoCount();
    command.run(job);
    EXPECT_EQ(job.engine.history().undoCount(), steps);
  }
}

TEST(Undo, GoingBackToTheSavedJobClearsTheUnsavedMark) {
  ThreePages job;
  job.Qxk();
  ASSERT_FALSE(job.engine.modified());
  job.Type(0, u"Changed");
  job.engine.FrameChosen(1);
  ASSERT_TRUE(job.engine.modified());
  job.engine.Undo();
  EXPECT_TRUE(job.engine.modified());
  job.engine.Undo();
  EXPECT_FALSE(job.engine.modified());
  job.engine.Redo();
  EXPECT_TRUE(job.engine.modified());
}

TEST(Undo, AHundredStepsAreKeptAndANewChangeDropsWhatWasUndone) {
  ThreePages job;
  for (int i = 1; i <= 101; ++i) {
    const std::string text = std::to_string(i);
    job.Type(0, std::u16string(text.begin(), text.end()));
  }
  int steps = 0;
  while (job.engine.canUndo()) {
    job.engine.Undo();
    ++steps;
  }
  EXPECT_EQ(steps, 100);
  EXPECT_EQ(job.engine.grid().CellText(0, Line1Column), u"1");

  job.engine.Redo();
  job.engine.Redo();
  EXPECT_EQ(job.engine.grid().CellText(0, Line1Column), u"3");
  job.Type(1, u"new");
  EXPECT_FALSE(job.engine.canRedo());
  job.engine.Undo();
  EXPECT_EQ(job.engine.grid().CellText(1, Line1Column), u"L1");
  EXPECT_EQ(job.engine.grid().CellText(0, Line1Column), u"3");
}

TEST(Undo, AnOpenEditIsCommittedFirstAndIsTheStepTakenBack) {
  ThreePages job;
  job.engine.FrameChosen(1);
  job.grid.Type(0, Line1Column, u"typed");
  job.engine.Undo();
  EXPECT_FALSE(job.grid.openEdit);
  EXPECT_EQ(job.engine.grid().CellText(0, Line1Column), u"AB가");
  EXPECT_EQ(job.engine.grid().CellText(1, FrameColumn), u"Frame");
  job.engine.Redo();
  EXPECT_EQ(job.engine.grid().CellText(0, Line1Column), u"typed");
}

TEST(Undo, AJobReplacedByAFileGetsItsOwnFileBackAndAnEditKeepsIt) {
  ThreePages job;
  const fs::path mine = job.dir.path() / "mine.qxk";
  ASSERT_TRUE(job.engine.SaveLabelFile(mine.string(), LabelFileKind::Qxk));
  fs::copy_file(mine, job.dir.path() / "other.qxk");
  job.Type(0, u"edited");

  job.op.files.push_back((job.dir.path() / "other.qxk").string());
  job.op.yesNo.push_back(true);
  job.engine.Open();
  ASSERT_EQ(job.engine.jobPath(), (job.dir.path() / "other.qxk").string());
  job.Type(1, u"on other");

  job.engine.Undo();
  EXPECT_EQ(job.engine.jobPath(), (job.dir.path() / "other.qxk").string());
  job.engine.Undo();
  EXPECT_EQ(job.engine.jobPath(), mine.string());
  EXPECT_EQ(job.engine.grid().CellText(0, Line1Column), u"edited");
  EXPECT_TRUE(job.engine.modified());
  job.engine.Redo();
  EXPECT_EQ(job.engine.jobPath(), (job.dir.path() / "other.qxk").string());
  EXPECT_FALSE(job.engine.modified());
}

TEST(Undo, APrintJobInProgressGoesOnUntouched) {
  ThreePages job;
  job.engine.ScopeChosen(ApplyScope::FollowingPages);
  job.engine.RowClicked(0, Line1Column);
  job.engine.AutoLengthClicked();
  while (job.engine.grid().rowCount() < 100) job.engine.Add();
  for (int row = 0; row < 100; ++row) job.Type(row, std::u16string(30, u'X'));
  job.engine.Print();
  ASSERT_EQ(job.engine.printJob().phase(), PrintJob::Phase::Waiting);
  const int next = job.engine.printJob().nextIndex();
  const auto deadline = job.timers.deadline(TimerId::Continue);

  job.engine.Undo();
  job.engine.Undo();
  EXPECT_EQ(job.engine.printJob().phase(), PrintJob::Phase::Waiting);
  EXPECT_EQ(job.engine.printJob().nextIndex(), next);
  EXPECT_EQ(job.timers.deadline(TimerId::Continue), deadline);
  EXPECT_TRUE(job.engine.popup().visible());

  ASSERT_TRUE(job.RunTimers());
  EXPECT_EQ(job.engine.printJob().phase(), PrintJob::Phase::Idle);
  EXPECT_TRUE(job.op.told.empty()) << job.op.told.front().text;
}

}  // namespace
}  // namespace q5300
