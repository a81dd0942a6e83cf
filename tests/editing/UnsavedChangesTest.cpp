// Whether a job holds changes that are not saved, and the question before the
// window closes: what counts as a change, what does not, and what each answer does.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "editing/SymbolChoice.h"
#include "editing/NumberingChoice.h"
#include "printer/TempDir.h"
#include "support/WorkbenchRig.h"

namespace q5300 {
namespace {

namespace fs = std::filesystem;

// A job of two typed pages, just saved as a qxk file; a ready printer. Or, not
// `saved`, the new job of one empty page the window starts with.
struct SavedJob : testing::WorkbenchParts {
  explicit SavedJob(bool saved = true) {
    bench.StartUp();
    if (!saved) return;
    Type(0, u"A가");
    bench.pages.Add();
    Type(1, u"B");
    Save(dir.path() / "job.qxk");
    op.told.clear();
  }

  void Save(const fs::path& path) {
    op.files.push_back(path.string());
    bench.files.Save();
  }

  test::TempDir dir;
};

struct Action {
  const char* name;
  std::function<void(SavedJob&)> run;
};

TEST(UnsavedChanges, WorkingWithAJobWithoutChangingItLeavesItSaved) {
  const Action actions[] = {
      {"row click", [](SavedJob& j) { j.bench.pages.RowClicked(0, Line1Column); }},
      {"preview", [](SavedJob& j) { j.bench.pages.Preview(); }},
      {"print",
       [](SavedJob& j) {
         j.bench.printing.Print();
         EXPECT_TRUE(j.RunTimers());
       }},
      {"print image saved",
       [](SavedJob& j) {
         j.op.files.push_back((j.dir.path() / "job.qxu").string());
         j.bench.files.SaveU();
       }},
      {"page added and deleted",
       [](SavedJob& j) {
         j.bench.pages.Add();
         j.bench.pages.Delete();
       }},
      {"heading box twice",
       [](SavedJob& j) {
         j.bench.pages.HeadingClicked(CheckColumn);
         j.bench.pages.HeadingClicked(CheckColumn);
       }},
      {"same text again", [](SavedJob& j) { j.Type(0, u"A가"); }},
      {"spacing changed and put back",
       [](SavedJob& j) {
         j.bench.panel.MarginChosen(3);
         j.bench.panel.MarginChosen(0);
       }},
      {"scope", [](SavedJob& j) { j.bench.panel.ScopeChosen(ApplyScope::FollowingPages); }},
  };
  for (const Action& action : actions) {
    SavedJob job;
    ASSERT_FALSE(job.bench.document.modified());
    action.run(job);
    EXPECT_FALSE(job.bench.document.modified()) << action.name;
    EXPECT_TRUE(job.op.told.empty()) << action.name << ": " << job.op.told[0].text;
  }
}

TEST(UnsavedChanges, EveryKindOfInputCountsAsAChange) {
  const Action actions[] = {
      {"text", [](SavedJob& j) { j.Type(1, u"C"); }},
      {"second line",
       [](SavedJob& j) {
         j.bench.panel.FontSizeChosen(3);
         j.Save(j.dir.path() / "job.qxk");  // the size is saved; only the line is new
         ASSERT_FALSE(j.bench.document.modified());
         j.Type(1, u"D", Line2Column);
       }},
      {"row box", [](SavedJob& j) { j.bench.pages.RowChecked(0, false); }},
      {"heading box", [](SavedJob& j) { j.bench.pages.HeadingClicked(CheckColumn); }},
      {"density", [](SavedJob& j) { j.bench.panel.DensityChosen(2); }},
      {"material", [](SavedJob& j) { j.bench.panel.MaterialChosen(1); }},
      {"copies", [](SavedJob& j) { j.bench.panel.CopiesChosen(4); }},
      {"repeat mode", [](SavedJob& j) { j.bench.panel.RepeatModeChosen(false); }},
      {"font size", [](SavedJob& j) { j.bench.panel.FontSizeChosen(2); }},
      {"frame", [](SavedJob& j) { j.bench.panel.FrameChosen(1); }},
      {"width", [](SavedJob& j) { j.bench.panel.WidthChosen(1); }},
      {"direction", [](SavedJob& j) { j.bench.panel.DirectionChosen(1); }},
      {"automatic length", [](SavedJob& j) { j.bench.panel.AutoLengthClicked(); }},
      {"set length",
       [](SavedJob& j) {
         j.bench.panel.LengthTextChanged(u"30");
         j.bench.panel.SetLengthPressed();
       }},
      {"repeat from the panel",
       [](SavedJob& j) {
         j.bench.panel.RepeatTextChanged(u"3");
         j.bench.panel.SetRepeatPressed();
       }},
      {"repeat in the grid", [](SavedJob& j) { j.Type(1, u"5", RepeatColumn); }},
      {"numbering",
       [](SavedJob& j) {
         j.op.numbering = [](NumberingChoice& dialog) {
           dialog.TextChanged(NumBox::Start, u"1");
           dialog.TextChanged(NumBox::End, u"9");
           return dialog.Accept().ok();
         };
         j.bench.pages.NumberingPressed();
       }},
      {"superscript", [](SavedJob& j) { j.bench.pages.Superscript(); }},
      {"symbol",
       [](SavedJob& j) {
         j.op.symbols = [](SymbolChoice& picker) { return picker.DoubleClicked({0, 0, 160, 50}, 1, 1); };
         j.bench.pages.ElectricalSymbols();
       }},
      {"page added", [](SavedJob& j) { j.bench.pages.Add(); }},
      {"page deleted", [](SavedJob& j) { j.bench.pages.Delete(); }},
  };
  for (const Action& action : actions) {
    SavedJob job;
    action.run(job);
    EXPECT_TRUE(job.bench.document.modified()) << action.name;
    EXPECT_TRUE(job.op.told.empty()) << action.name << ": " << job.op.told[0].text;
  }
}

TEST(UnsavedChanges, TheJobCountsAsSavedWhenStartedSavedOrOpenedInItsPlace) {
  SavedJob job;
  job.Type(0, u"changed");
  job.Save(job.dir.path() / "nowhere" / "job.qxk");  // the folder does not exist
  EXPECT_TRUE(job.bench.document.modified()) << "a failed save saves nothing";
  job.bench.files.Save();  // dialog cancelled
  EXPECT_TRUE(job.bench.document.modified());

  // Opened in place of the job: nothing to save. Added to the job: not saved anywhere.
  job.op.files.push_back((job.dir.path() / "job.qxk").string());
  job.op.yesNo = {true};
  job.bench.files.Open();
  EXPECT_EQ(job.grid().CellText(0, Line1Column), u"A가");
  EXPECT_FALSE(job.bench.document.modified());
  job.op.files.push_back((job.dir.path() / "job.qxk").string());
  job.op.yesNo = {false};
  job.bench.files.Open();
  EXPECT_EQ(job.grid().rowCount(), 4);
  EXPECT_TRUE(job.bench.document.modified());

  testing::WorkbenchParts fresh;
  fresh.bench.StartUp(false);
  EXPECT_FALSE(fresh.bench.document.modified());
  fresh.bench.pages.Add();
  EXPECT_TRUE(fresh.bench.document.modified());
  fresh.bench.pages.Delete();
  EXPECT_FALSE(fresh.bench.document.modified());
}

TEST(UnsavedChanges, CloseAsksOnlyWhenSomethingIsUnsavedAndFollowsTheAnswer) {
  {
    SavedJob job;
    EXPECT_TRUE(job.bench.files.MayClose());
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
    job.window.Type(1, Line1Column, u"typed");
    job.op.saveAnswers = {c.answer};
    const fs::path file = job.dir.path() / "closing.qxk";
    if (c.fileChosen) job.op.files.push_back(file.string());
    bool closes = false;
    job.window.Run([&] { closes = job.bench.files.MayClose(); });
    EXPECT_EQ(closes, c.closes) << static_cast<int>(c.answer);
    ASSERT_EQ(job.op.asked.size(), 1u);
    EXPECT_EQ(job.op.asked[0].text, "변경된 내용이 저장되지 않았습니다. 저장하시겠습니까?");
    EXPECT_EQ(job.grid().CellText(1, Line1Column), u"typed");
    EXPECT_EQ(fs::exists(file), c.written);
    EXPECT_EQ(job.bench.document.modified(), !c.written);
  }
}

TEST(UnsavedChanges, ExitReadsBothEditsFirst) {
  SavedJob job;
  job.bench.panel.LengthTextChanged(u"");
  EXPECT_FALSE(job.bench.panel.ExitPressed());
  job.bench.panel.LengthTextChanged(u"30");
  job.bench.panel.RepeatTextChanged(u"");
  EXPECT_FALSE(job.bench.panel.ExitPressed());
  job.bench.panel.RepeatTextChanged(u"2");
  EXPECT_TRUE(job.bench.panel.ExitPressed());
  EXPECT_EQ(job.op.TakeTexts(),
            (std::vector<std::string>{"Please enter a number.", "Please enter an integer."}));
}

// The mark means exactly that the job differs from its file, or from the empty
// job a new one starts as: each step of a table, with undo and redo among them.
TEST(UnsavedChanges, TheMarkFollowsTheJobThroughChangesUndoAndRedo) {
  struct Step {
    const char* name;
    std::function<void(SavedJob&)> run;
    bool modified;
  };
  const auto undo = [](SavedJob& j) { j.bench.document.Undo(); };
  const auto redo = [](SavedJob& j) { j.bench.document.Redo(); };
  const auto saveStar = [](SavedJob& j) { j.Save(j.dir.path() / "star.qxk"); };
  struct Script {
    const char* name;
    bool saved;  // from a saved job of two pages, or from a new one
    std::vector<Step> steps;
  };
  const Script scripts[] = {
      {"typed, saved, undone", false,
       {{"type W-", [](SavedJob& j) { j.Type(0, u"W-"); }, true},
        {"save", saveStar, false},
        {"undo", undo, true},
        {"redo", redo, false}}},
      {"an attribute of the one empty page", false,
       {{"frame", [](SavedJob& j) { j.bench.panel.FrameChosen(1); }, true},
        {"undo", undo, false},
        {"redo", redo, true},
        {"save", saveStar, false},
        {"undo after the save", undo, true}}},
      {"settings of a new job", false,
       {{"copies", [](SavedJob& j) { j.bench.panel.CopiesChosen(4); }, true},
        {"undo", undo, false}}},
      {"a saved job's text", true,
       {{"type", [](SavedJob& j) { j.Type(1, u"C"); }, true},
        {"undo", undo, false},
        {"redo", redo, true},
        {"type it back", [](SavedJob& j) { j.Type(1, u"B"); }, false}}},
      // A length worked out for an automatic page is not the operator's: the
      // 30 mm the page had on the way leaves nothing behind.
      {"a saved page set to 30 mm and back to automatic", true,
       {{"automatic", [](SavedJob& j) { j.bench.panel.AutoLengthClicked(); }, true},
        {"save", saveStar, false},
        {"30 mm",
         [](SavedJob& j) {
           j.bench.panel.LengthTextChanged(u"30");
           j.bench.panel.SetLengthPressed();
         },
         true},
        {"automatic again", [](SavedJob& j) { j.bench.panel.AutoLengthClicked(); }, false}}},
      {"a saved job emptied", true,
       {{"delete", [](SavedJob& j) { j.bench.pages.Delete(); }, true},
        {"empty the first", [](SavedJob& j) { j.Type(0, u""); }, true},
        {"undo both", [](SavedJob& j) { j.bench.document.Undo(); j.bench.document.Undo(); },
         false}}},
  };
  for (const Script& script : scripts) {
    SavedJob job(script.saved);
    ASSERT_FALSE(job.bench.document.modified()) << script.name;
    for (const Step& step : script.steps) {
      step.run(job);
      EXPECT_EQ(job.bench.document.modified(), step.modified) << script.name << ": " << step.name;
    }
  }
}

}  // namespace
}  // namespace q5300
