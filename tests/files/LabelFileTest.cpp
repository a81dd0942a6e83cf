#include "files/LabelFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "compile/CodePage.h"
#include "compile/RebuildRecords.h"
#include "files/QxkFile.h"
#include "files/QxuFile.h"

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

// A page a file may hold is one this program could have made: anything else
// refuses the whole file, naming the page and the field. The second of two
// pages is spoiled; the image carries only some of the fields.
TEST(LabelFilePages, ValuesNoPageCanHaveAreRefusedWithPageAndField) {
  struct Case {
    const char* what;
    std::function<void(PageRecord&)> change;
    const char* reason;  // empty: the page is one the program makes
    bool inImage = true;
  };
  const auto text = [](PageRecord& r, std::string_view bytes) { StorePageText(r, bytes); };
  const Case cases[] = {
      {"font size 255", [](PageRecord& r) { r.fontSize = 255; },
       "the font size 255 is not one of 0..6"},
      {"font size 7", [](PageRecord& r) { r.fontSize = 7; }, "the font size 7"},
      {"automatic size, not automatic", [](PageRecord& r) { r.fontSize = 0; },
       "font size 0 (automatic)"},
      {"repeat count 0", [](PageRecord& r) { SetRepeat(r, 0); },
       "the repeat count 0 is not one of 1..200"},
      {"repeat count 65535", [](PageRecord& r) { SetRepeat(r, 65535); }, "the repeat count 65535"},
      {"repeat count 201", [](PageRecord& r) { SetRepeat(r, 201); }, "the repeat count 201"},
      {"repeat texts of another count",
       [](PageRecord& r) {
         SetRepeat(r, 7);
         r.repeatCount = 5;
       },
       "do not give the repeat count 5"},
      {"frame X", [](PageRecord& r) { r.frame = 'X'; }, "the frame code 88 is not one of N, F, L"},
      {"direction 05",
       [](PageRecord& r) {
         r.direction = {'0', '5'};
       },
       "the direction code \"05\""},
      {"two lines 2", [](PageRecord& r) { r.twoLines = 2; },
       "the two-line flag 2 is not one of 0, 1"},
      {"half width 2", [](PageRecord& r) { r.halfWidth = 2; }, "the half-width flag 2"},
      {"automatic length 2", [](PageRecord& r) { r.autoLength = 2; }, "automatic length flag 2"},
      {"automatic font 255", [](PageRecord& r) { r.autoFont = 255; },
       "automatic font size flag 255"},
      {"capital letters 2", [](PageRecord& r) { r.numUpper = 2; }, "the capital letter flag 2"},
      {"hexadecimal 2", [](PageRecord& r) { r.numHex2 = 2; }, "two-digit hexadecimal flag 2",
       false},
      {"numbering 9", [](PageRecord& r) { r.hasNumbering = 9; }, "the numbering flag 9", false},
      {"length code Ax", [](PageRecord& r) { SetField(r.lengthCode, "Ax"); },
       "the length code \"Ax\\x00\\x00\""},
      {"length code 151", [](PageRecord& r) { SetField(r.lengthCode, "151"); },
       "length code \"151"},
      {"length code 5", [](PageRecord& r) { SetField(r.lengthCode, "5"); }, "length code \"5"},
      {"length code 007", [](PageRecord& r) { SetField(r.lengthCode, "007"); },
       "length code \"007"},
      {"set length of 71 dots", [](PageRecord& r) { r.lengthDots = 71; }, "set length in dots 71"},
      {"set length of 1801 dots", [](PageRecord& r) { r.lengthDots = 1801; },
       "set length in dots 1801"},
      {"earlier refused length with a code", [](PageRecord& r) { r.lengthDots = 2868; },
       "set length in dots 2868"},
      {"creation number 0", [](PageRecord& r) { r.creationNo = 0; },
       "creation number 0 is not one of 1..200"},
      {"creation number 201", [](PageRecord& r) { r.creationNo = 201; }, "creation number 201"},
      {"numbering start of 4 characters", [](PageRecord& r) { SetField(r.numStart, "1234"); },
       "the numbering start \"1234\""},
      {"numbering end with a byte after its end",
       [](PageRecord& r) {
         r.numEnd = {'1', 0, 'x', 0};
       },
       "the numbering end"},
      {"text with 0x01", [&text](PageRecord& r) { text(r, "A\x01"); }, "the byte 0x01 at 1"},
      {"text with a NUL", [&text](PageRecord& r) { text(r, std::string("A\0B", 3)); },
       "the byte 0x00 at 1"},
      {"text of three lines",
       [&text](PageRecord& r) {
         text(r,
              "A\x1A"
              "B\x1A"
              "C");
       },
       "second line break"},
      // What the program does make.
      {"automatic font size not yet fitted",
       [](PageRecord& r) {
         r.autoFont = 1;
         r.fontSize = 0;
       },
       ""},
      {"the shortest and longest set lengths",
       [](PageRecord& r) {
         SetField(r.lengthCode, "6");
         r.lengthDots = 72;
       },
       ""},
      {"150 mm",
       [](PageRecord& r) {
         SetField(r.lengthCode, "150");
         r.lengthDots = 1800;
       },
       ""},
      {"earlier refused length of a page that never had one",
       [](PageRecord& r) {
         SetField(r.lengthCode, "Au");
         r.lengthDots = 2868;
       },
       ""},
      {"automatic length of any size",
       [](PageRecord& r) {
         r.autoLength = 1;
         r.autoFont = 0;
         SetField(r.lengthCode, "Au");
         r.lengthDots = 5000;
       },
       ""},
      {"repeat count 200, creation number 200",
       [](PageRecord& r) {
         SetRepeat(r, 200);
         r.creationNo = 200;
       },
       ""},
      {"every control byte of the printer",
       [&text](PageRecord& r) { text(r, "\x12\x14\x16\x18\x1A\x1C\x1E"); }, ""},
      {"a lead byte alone before a placeholder", [&text](PageRecord& r) { text(r, "\x81\x12"); },
       ""},
      {"letters and hexadecimal values",
       [](PageRecord& r) {
         SetField(r.numStart, "255");
         SetField(r.numEnd, "z");
       },
       ""},
  };
  JobSettings settings;
  PageRecord first;
  InitRecord(first, PageDefaults{}, settings);
  StorePageText(first, "one");
  PageRecord base;
  InitRecord(base, PageDefaults{}, settings);
  StorePageText(base, "two");
  base.creationNo = 2;
  SetField(base.lengthCode, "20");
  ASSERT_TRUE(ReadQxk(WriteQxk(settings, std::vector<PageRecord>{first, base}), settings));

  for (const Case& c : cases) {
    PageRecord second = base;
    c.change(second);
    const std::vector<PageRecord> pages = {first, second};
    const auto qxk = ReadQxk(WriteQxk(settings, pages), settings);
    const auto image = WriteQxu(settings, pages);
    ASSERT_TRUE(image) << c.what;
    const auto qxu = ReadQxu(*image, settings);
    if (*c.reason == '\0') {
      EXPECT_TRUE(qxk) << c.what << ": " << qxk.failure().text;
      EXPECT_TRUE(qxu) << c.what << ": " << qxu.failure().text;
      continue;
    }
    ASSERT_FALSE(qxk) << c.what;
    EXPECT_EQ(qxk.failure().text.rfind("Page 2: ", 0), 0u) << qxk.failure().text;
    EXPECT_NE(qxk.failure().text.find(c.reason), std::string::npos)
        << c.what << ": " << qxk.failure().text;
    EXPECT_EQ(qxu.ok(), !c.inImage) << c.what;
    if (!qxu) {
      EXPECT_EQ(qxu.failure().text.rfind("Page 2: ", 0), 0u) << qxu.failure().text;
      EXPECT_NE(qxu.failure().text.find(c.reason), std::string::npos)
          << c.what << ": " << qxu.failure().text;
    }
  }
}

}  // namespace
}  // namespace q5300
