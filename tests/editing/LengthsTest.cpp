// The length of every page as the window shows it beside the grid: needed
// against set, over length as soon as any command makes it so, an edit measured
// before it is committed, and the labels of the page and of the job.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "EditingRig.h"
#include "editing/NumberingChoice.h"
#include "printer/TempDir.h"

namespace q5300 {
namespace {

// A new job: one page of 20 mm (240 dots), font size 4 (40 dots a character).
using NewJob = testing::Rig;

TEST(Lengths, EachRowShowsTheLengthItNeedsAgainstItsLength) {
  struct Case {
    const char* name;
    std::function<void(NewJob&)> run;
    int needed;
    int length;
    bool over;
    bool fits = true;
  };
  const Case cases[] = {
      {"empty page", [](NewJob&) {}, 0, 240, false},
      {"four letters fit", [](NewJob& j) { j.Type(0, u"ABCD"); }, 208, 240, false},
      {"five letters do not", [](NewJob& j) { j.Type(0, u"ABCDE"); }, 248, 240, true},
      {"Hangul counts double-byte", [](NewJob& j) { j.Type(0, u"가나다라"); }, 208, 240, false},
      {"more spacing makes it too long",
       [](NewJob& j) {
         j.Type(0, u"ABCD");
         j.bench.panel.MarginChosen(11);
       },
       241, 240, true},
      {"a longer set length takes it",
       [](NewJob& j) {
         j.Type(0, u"ABCDE");
         j.bench.panel.LengthTextChanged(u"25");
         j.bench.panel.SetLengthPressed();
       },
       248, 300, false},
      {"automatic length is never over",
       [](NewJob& j) {
         j.bench.panel.AutoLengthClicked();
         j.Type(0, u"ABCDEFGHIJ");
       },
       448, 448, false},
      {"the wider of two lines",
       [](NewJob& j) {
         j.bench.panel.FontSizeChosen(2);
         j.Type(0, u"AB");
         j.Type(0, u"CDEFGHI", Line2Column);
       },
       216, 240, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NewJob job;
    c.run(job);
    const PageLength& length = job.bench.document.rowLength(0);
    EXPECT_EQ(length.neededDots, c.needed);
    EXPECT_EQ(length.lengthDots, c.length);
    EXPECT_EQ(length.overLength, c.over);
    EXPECT_EQ(length.fits, c.fits);
    EXPECT_EQ(job.bench.document.counts().overLengthPages, c.over ? 1 : 0);
  }
}

TEST(Lengths, AnEditIsMeasuredBeforeItIsCommittedWithoutChangingTheJob) {
  NewJob job;
  job.Type(0, u"AB");
  const int steps = job.UndoSteps();
  const PageLength draft = job.bench.document.MeasureDraft(0, Line1Column, u"ABCDE");
  EXPECT_EQ(draft.neededDots, 248);
  EXPECT_TRUE(draft.overLength);
  EXPECT_EQ(job.bench.document.MeasureDraft(0, Line1Column, u"ABC").neededDots, 168);
  EXPECT_EQ(job.bench.document.MeasureDraft(0, RepeatColumn, u"5").labels, 5);
  // 41 characters do not fit a record, whatever the length: measured on the 40
  // bytes a record keeps.
  const PageLength tooLong =
      job.bench.document.MeasureDraft(0, Line1Column, std::u16string(41, u'i'));
  EXPECT_FALSE(tooLong.fits);
  EXPECT_TRUE(tooLong.overLength);
  EXPECT_EQ(tooLong.neededDots, 1648);
  // A marker is one byte for the printer and two in a label file.
  EXPECT_TRUE(job.bench.document.MeasureDraft(0, Line1Column, std::u16string(38, u'A') + u"\uE051").fits);
  EXPECT_FALSE(job.bench.document.MeasureDraft(0, Line1Column, std::u16string(39, u'A') + u"\uE051").fits);

  EXPECT_EQ(job.grid().CellText(0, Line1Column), u"AB");
  EXPECT_EQ(job.bench.document.rowLength(0).neededDots, 128);
  EXPECT_EQ(job.UndoSteps(), steps);
  EXPECT_TRUE(job.op.told.empty());
}

TEST(Lengths, AnEditOnAPageOfAutomaticFontSizeIsMeasuredAtTheSizeThatFits) {
  NewJob job;
  job.bench.panel.FontSizeChosen(0);
  job.Type(0, u"ABCDEFGH");
  EXPECT_EQ(job.bench.document.rowLength(0).neededDots, 8 * 24 + 48);
  const PageLength draft = job.bench.document.MeasureDraft(0, Line1Column, u"ABCDEFGHIJ");
  EXPECT_EQ(draft.neededDots, 10 * 16 + 48);
  EXPECT_FALSE(draft.overLength);
}

TEST(Lengths, AnImportedPageTooLongForItsLengthIsMarkedWithoutAMessage) {
  NewJob job;
  test::TempDir dir;
  const auto csv = dir.path() / "in.csv";
  std::ofstream(csv) << "AB,,1\r\nABCDEFGH,,1\r\n";
  ASSERT_TRUE(job.bench.files.ImportFile(csv.string()));
  EXPECT_FALSE(job.bench.document.rowLength(0).overLength);
  EXPECT_TRUE(job.bench.document.rowLength(1).overLength);
  EXPECT_EQ(job.bench.document.counts().overLengthPages, 1);
  EXPECT_TRUE(job.op.told.empty());
}

TEST(Lengths, LabelsOfAPageAndOfTheJob) {
  NewJob job;
  job.bench.panel.AutoLengthClicked();
  job.Type(0, u"N");
  job.op.numbering = [](NumberingChoice& dialog) {
    dialog.TextChanged(NumBox::Start, u"1");
    dialog.TextChanged(NumBox::End, u"20");
    return dialog.Accept().ok();
  };
  job.bench.pages.NumberingPressed();
  job.Type(0, u"3", RepeatColumn);
  job.bench.pages.Add();
  job.Type(1, u"B");
  job.bench.pages.Add();  // no text: not printed
  job.bench.pages.Add();
  job.Type(3, u"D");
  job.bench.pages.RowChecked(3, false);
  job.bench.panel.CopiesChosen(1);

  EXPECT_EQ(job.bench.document.rowLength(0).labels, 60);
  EXPECT_EQ(job.bench.document.rowLength(1).labels, 1);
  EXPECT_EQ(job.bench.document.rowLength(2).labels, 0);
  EXPECT_EQ(job.bench.document.rowLength(3).labels, 0);
  const JobCounts& counts = job.bench.document.counts();
  EXPECT_EQ(counts.pages, 4);
  EXPECT_EQ(counts.printedPages, 2);
  EXPECT_EQ(counts.labels, 61);
  EXPECT_EQ(counts.copies, 2);
}

// "입력 길이 초과!" stands beside the job as it now is: the window has been told
// of the change, and the counts hold the line that is too long, before the
// operator closes the message.
TEST(Lengths, TheOverLengthMessageComesOnceTheCountsShowTheLine) {
  NewJob j;
  j.Pages(2);
  struct Seen {
    int overLength = -1;
    int jobChanges = -1;
  } seen;
  const int changesBefore = j.window.jobChanges;
  j.op.whileTelling = [&] {
    seen.overLength = j.bench.document.counts().overLengthPages;
    seen.jobChanges = j.window.jobChanges - changesBefore;
  };
  j.Type(1, u"ABCDE");
  ASSERT_EQ(j.op.TakeTexts(), std::vector<std::string>{"입력 길이 초과!"});
  EXPECT_EQ(seen.overLength, 1);
  EXPECT_GE(seen.jobChanges, 1);
}

}  // namespace
}  // namespace q5300
