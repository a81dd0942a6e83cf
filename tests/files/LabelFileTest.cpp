#include "files/LabelFile.h"

#include <gtest/gtest.h>

#include <string>

#include "compile/CodePage.h"
#include "compile/RebuildRecords.h"

namespace q5300 {
namespace {

TEST(LabelFilePath, OnlyTheFileNameIsLowerCasedAndTheExtensionAdded) {
  struct Case {
    const char* chosen;
    const char* qxk;  // Save
    const char* qxu;  // SaveU
  };
  const Case cases[] = {
      {"Label.QXK", "label.qxk", "label.qxk.QXU"},
      {"notes", "notes.qxk", "notes.QXU"},
      {"notes.txt", "notes.txt.qxk", "notes.txt.QXU"},
      {"job", "job.qxk", "job.QXU"},
      {"job.qxu", "job.qxu.qxk", "job.qxu"},
      {"JOB.QXU", "job.qxu.qxk", "job.qxu"},
      {"/Home/Kim/Jobs.D/Panel A.Qxk", "/Home/Kim/Jobs.D/panel a.qxk",
       "/Home/Kim/Jobs.D/panel a.qxk.QXU"},
      {"/srv/Labels/", "/srv/Labels/.qxk", "/srv/Labels/.QXU"},
      {"/data/\xEB\xB6\x84\xEC\xA0\x84\xEB\xB0\x98 MCC.QXK",  // Hangul has no case
       "/data/\xEB\xB6\x84\xEC\xA0\x84\xEB\xB0\x98 mcc.qxk",
       "/data/\xEB\xB6\x84\xEC\xA0\x84\xEB\xB0\x98 mcc.qxk.QXU"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SavePathFor(c.chosen, ".qxk", ".qxk"), c.qxk) << c.chosen;
    EXPECT_EQ(SavePathFor(c.chosen, ".qxu", ".QXU"), c.qxu) << c.chosen;
  }
}

TEST(LabelFilePath, TheLastCharacterTellsTheKind) {
  EXPECT_EQ(KindOfPath("job.qxu"), LabelFileKind::Qxu);
  EXPECT_EQ(KindOfPath("JOB.QXU"), LabelFileKind::Qxu);
  EXPECT_EQ(KindOfPath("/Qxu/job.qxk"), LabelFileKind::Qxk);
  EXPECT_EQ(KindOfPath("notes"), LabelFileKind::Qxk);
  EXPECT_EQ(KindOfPath(""), LabelFileKind::Qxk);
}

TEST(LabelFileRows, ControlBytesComeBackAsMarkersAndTheTextSplitsAtTheFirstSeparator) {
  PageRecord r;
  StorePageText(r,
                "A\x12"
                "B\x14\x16\x18\x1C\x1E\x1A"
                "C\x1A"
                "D");
  const GridLines lines = GridLinesOf(r);
  EXPECT_EQ(lines.line1, u"A\uE04DB\uE04E\uE04F\uE050\uE051\uE052");
  EXPECT_EQ(lines.line2, u"C\u001AD");

  // A symbol saved as a user-defined character comes back as the symbol; one
  // moved to the printer's row comes back as the ordinary character there.
  StorePageText(r, "\xC9\xA1\xA1\xA1");
  EXPECT_EQ(GridLinesOf(r).line1, u"\uE000" + FromPrinterCodePage("\xA1\xA1"));
  EXPECT_TRUE(GridLinesOf(r).line2.empty());
}

}  // namespace
}  // namespace q5300
