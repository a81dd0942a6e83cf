// Whether a job holds changes that are not saved, and the question before the
// window closes: what counts as a change, what does not, and what each answer does.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "editing/Dqfh.h"
#include "editing/Engine.h"
#include "editing/NumSet.h"
#include "printer/TempDir.h"
#include "printer/TimerQueue.h"
#include "printer/VirtualPrinter.h"
#include "support/EngineParts.h"

namespace q5300 {
namespace {

namespace fs = std::filesystem;

// A job of two typed pages, just saved as a qxk file; a ready printer.
struct SavedJob : testing::EngineParts {
  SavedJob() {
    grid.Attach(engine);
    engine.StartUp();
    Type(0, u"A가");
    engine.Add();
    Type(1, u"B");
    Save(dir.path() / "job.qxk");
    op.told.clear();
  }

  void Type(int row, std::u16string text, int column = Line1Column) {
    grid.Commit(row, column, std::move(text), /*byEnter=*/false);
  }
  void Save(const fs::path& path) {
    op.files.push_back(path.string());
    engine.Save();
  }

  test::TempDir dir;
};

struct Action {
  const char* name;
  std::function<void(SavedJob&)> run;
};

TEST(UnsavedChanges, WorkingWithAJobWithoutChangingItLeavesItSaved) {
  const Action actions[] = {
      {"row click", [](SavedJob& j) { j.engine.RowClicked(0, Line1Column); }},
      {"preview", [](SavedJob& j) { j.engine.Preview(); }},
      {"print",
       [](SavedJob& j) {
         j.engine.Print();
         EXPECT_TRUE(j.RunTimers());
       }},
      {"print image saved",
       [](SavedJob& j) {
         j.op.files.push_back((j.dir.path() / "job.qxu").string());
         j.engine.SaveU();
       }},
      {"page added and deleted",
       [](SavedJob& j) {
         j.engine.Add();
         j.engine.Delete();
       }},
      {"heading box twice",
       [](SavedJob& j) {
         j.engine.HeadingClicked(CheckColumn);
         j.engine.HeadingClicked(CheckColumn);
       }},
      {"same text again", [](SavedJob& j) { j.Type(0, u"A가"); }},
      {"spacing changed and put back",
       [](SavedJob& j) {
         j.engine.MarginChosen(3);
         j.engine.MarginChosen(0);
       }},
      {"scope", [](SavedJob& j) { j.engine.ScopeChosen(ApplyScope::FollowingPages); }},
  };
  for (const Action& action : actions) {
    SavedJob job;
    ASSERT_FALSE(job.engine.modified());
    action.run(job);
    EXPECT_FALSE(job.engine.modified()) << action.name;
    EXPECT_TRUE(job.op.told.empty()) << action.name << ": " << job.op.told[0].text;
  }
}

TEST(UnsavedChanges, EveryKindOfInputCountsAsAChange) {
  const Action actions[] = {
      {"text", [](SavedJob& j) { j.Type(1, u"C"); }},
      {"second line",
       [](SavedJob& j) {
         j.engine.FontSizeChosen(3);
         j.Save(j.dir.path() / "job.qxk");  // the size is saved; only the line is new
         ASSERT_FALSE(j.engine.modified());
         j.Type(1, u"D", Line2Column);
       }},
      {"row box", [](SavedJob& j) { j.engine.grid().SetChecked(0, false); }},
      {"heading box", [](SavedJob& j) { j.engine.HeadingClicked(CheckColumn); }},
      {"density", [](SavedJob& j) { j.engine.DensityChosen(2); }},
      {"material", [](SavedJob& j) { j.engine.MaterialChosen(1); }},
      {"copies", [](SavedJob& j) { j.engine.CopiesChosen(4); }},
      {"repeat mode", [](SavedJob& j) { j.engine.RepeatModeChosen(false); }},
      {"font size", [](SavedJob& j) { j.engine.FontSizeChosen(2); }},
      {"frame", [](SavedJob& j) { j.engine.FrameChosen(1); }},
      {"width", [](SavedJob& j) { j.engine.WidthChosen(1); }},
      {"direction", [](SavedJob& j) { j.engine.DirectionChosen(1); }},
      {"automatic length", [](SavedJob& j) { j.engine.AutoLengthClicked(); }},
      {"set length",
       [](SavedJob& j) {
         j.engine.LengthTextChanged(u"30");
         j.engine.SetLengthPressed();
       }},
      {"repeat from the panel",
       [](SavedJob& j) {
         j.engine.RepeatTextChanged(u"3");
         j.engine.SetRepeatPressed();
       }},
      {"repeat in the grid", [](SavedJob& j) { j.Type(1, u"5", RepeatColumn); }},
      {"numbering",
       [](SavedJob& j) {
         j.op.numbering = [](NumSet& dialog) {
           dialog.TextChanged(NumBox::Start, u"1");
           dialog.TextChanged(NumBox::End, u"9");
           return dialog.Accept().ok();
         };
         j.engine.NumberingPressed();
       }},
      {"superscript", [](SavedJob& j) { j.engine.Superscript(); }},
      {"symbol",
       [](SavedJob& j) {
         j.op.symbols = [](Dqfh& picker) { return picker.DoubleClicked({0, 0, 160, 50}, 1, 1); };
         j.engine.ElectricalSymbols();
       }},
      {"page added", [](SavedJob& j) { j.engine.Add(); }},
      {"page deleted", [](SavedJob& j) { j.engine.Delete(); }},
  };
  for (const Action& action : actions) {
    SavedJob job;
    action.run(job);
    EXPECT_TRUE(job.engine.modified()) << action.name;
    EXPECT_TRUE(job.op.told.empty()) << action.name << ": " << job.op.told[0].text;
  }
}

TEST(UnsavedChanges, TheJobCountsAsSavedWhenStartedSavedOrOpenedInItsPlace) {
  SavedJob job;
  job.Type(0, u"changed");
  job.Save(job.dir.path() / "nowhere" / "job.qxk");  // the folder does not exist
  EXPECT_TRUE(job.engine.modified()) << "a failed save saves nothing";
  job.engine.Save();  // dialog cancelled
  EXPECT_TRUE(job.engine.modified());

  // Opened in place of the job: nothing to save. Added to the job: not saved anywhere.
  job.op.files.push_back((job.dir.path() / "job.qxk").string());
  job.op.yesNo = {true};
  job.engine.Open();
  EXPECT_EQ(job.engine.grid().CellText(0, Line1Column), u"A가");
  EXPECT_FALSE(job.engine.modified());
  job.op.files.push_back((job.dir.path() / "job.qxk").string());
  job.op.yesNo = {false};
  job.engine.Open();
  EXPECT_EQ(job.engine.grid().rowCount(), 4);
  EXPECT_TRUE(job.engine.modified());

  testing::FakeOperator op;
  testing::FakeGrid grid;
  ManualClock clock;
  TimerQueue timers{clock};
  VirtualPrinter printer{clock};
  Engine fresh{op, grid, timers, printer, clock};
  grid.Attach(fresh);
  fresh.StartUp(false);
  EXPECT_FALSE(fresh.modified());
  fresh.Add();
  EXPECT_TRUE(fresh.modified());
  fresh.Delete();
  EXPECT_FALSE(fresh.modified());
}

TEST(UnsavedChanges, CloseAsksOnlyWhenSomethingIsUnsavedAndFollowsTheAnswer) {
  {
    SavedJob job;
    EXPECT_TRUE(job.engine.MayClose());
    EXPECT_TRUE(job.op.asked.empty());
  }
  struct Case {
    SaveAnswer answer;
    bool fileChosen;
    bool closes;
    bool written;
  };
  const Case cases[] = {
      {SaveAnswer::Stay, false, false, false},
      {SaveAnswer::Discard, false, true, false},
      {SaveAnswer::Save, true, true, true},
      {SaveAnswer::Save, false, false, false},  // the save dialog was cancelled
  };
  for (const Case& c : cases) {
    SavedJob job;
    // An edit still open in the grid is part of the job.
    job.grid.Type(1, Line1Column, u"typed");
    job.op.saveAnswers = {c.answer};
    const fs::path file = job.dir.path() / "closing.qxk";
    if (c.fileChosen) job.op.files.push_back(file.string());
    EXPECT_EQ(job.engine.MayClose(), c.closes) << static_cast<int>(c.answer);
    ASSERT_EQ(job.op.asked.size(), 1u);
    EXPECT_EQ(job.op.asked[0].text, "변경된 내용이 저장되지 않았습니다. 저장하시겠습니까?");
    EXPECT_EQ(job.engine.grid().CellText(1, Line1Column), u"typed");
    EXPECT_EQ(fs::exists(file), c.written);
    EXPECT_EQ(job.engine.modified(), !c.written);
  }
}

TEST(UnsavedChanges, ExitReadsBothEditsFirst) {
  SavedJob job;
  job.engine.LengthTextChanged(u"");
  EXPECT_FALSE(job.engine.ExitPressed());
  job.engine.LengthTextChanged(u"30");
  job.engine.RepeatTextChanged(u"");
  EXPECT_FALSE(job.engine.ExitPressed());
  job.engine.RepeatTextChanged(u"2");
  EXPECT_TRUE(job.engine.ExitPressed());
  EXPECT_EQ(job.op.TakeTexts(),
            (std::vector<std::string>{"Please enter a number.", "Please enter an integer."}));
}

}  // namespace
}  // namespace q5300
