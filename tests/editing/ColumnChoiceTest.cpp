// The import's column dialog without its window: the layout it opens with, the
// names of the columns, and the first pages the chosen columns make.
#include "editing/ColumnChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace q5300 {
namespace {

using Rows = std::vector<std::vector<std::u16string>>;

ImportPreview PreviewOf(Rows rows) {
  ImportPreview preview;
  for (const auto& row : rows) preview.columns = std::max(preview.columns, static_cast<int>(row.size()));
  preview.rows = std::move(rows);
  preview.plain = false;
  return preview;
}

const Rows kWireList = {
    {u"Wire", u"From", u"To", u"mm\u00B2", u"Colour"},
    {u"W-1", u"X1:1", u"K1:A1", u"1.5", u"BK"},
    {u"W-2", u"X1:2", u"K1:A2", u"1.5", u"BU"},
    {u"W-3", u"X1:3", u"-Q1:2", u"2.5", u"BK"},
};

TEST(ColumnChoice, OpensWithAGuessFromTheFirstRows) {
  struct Case {
    const char* name;
    Rows rows;
    bool header;
    int line2;
    int repeat;
  };
  const Case cases[] = {
      {"a wire list with names", kWireList, true, 1, ImportLayout::None},
      {"four columns, counts in the third",
       {{u"A1", u"B", u"2", u"x"}, {u"A2", u"", u"", u"y"}, {u"A3", u"C", u" 10 ", u""}},
       false, 1, 2},
      {"names over counts",
       {{u"\uC774\uB984", u"\uB2E8\uC790", u"\uC218\uB7C9", u"\uBE44\uACE0"},
        {u"\uC804\uC6D0", u"L1", u"2", u""}},
       true, 1, 2},
      {"a count column that also holds text", {{u"A", u"B", u"2", u"x"}, {u"C", u"D", u"2x", u"y"}},
       false, 1, ImportLayout::None},
      {"one column", {{u"A"}, {u"B"}}, false, ImportLayout::None, ImportLayout::None},
      // No digit in any row: nothing tells names from texts.
      {"letters only", {{u"A", u"B", u"C", u"D"}, {u"E", u"F", u"G", u"H"}}, false, 1,
       ImportLayout::None},
  };
  for (const Case& c : cases) {
    const ColumnChoice columns(PreviewOf(c.rows));
    const ImportLayout& layout = columns.layout();
    EXPECT_EQ(layout.header, c.header) << c.name;
    EXPECT_EQ(layout.line1Column, 0) << c.name;
    EXPECT_EQ(layout.line2Column, c.line2) << c.name;
    EXPECT_EQ(layout.repeatColumn, c.repeat) << c.name;
    EXPECT_EQ(layout.fixedRepeatCount, 1) << c.name;
    EXPECT_EQ(layout.otherEndColumn, ImportLayout::None) << c.name;
  }
}

TEST(ColumnChoice, ColumnsAreNamedByTheirHeader) {
  Rows rows = kWireList;
  rows[0][4] = u"Colour of the insulation";
  ColumnChoice columns(PreviewOf(rows));
  EXPECT_EQ(columns.ColumnName(1).Text(), "2열: From");
  EXPECT_EQ(columns.ColumnName(4).Text(), "5열: Colour of th\u2026");
  EXPECT_EQ(columns.ColumnName(3).Text(), "4열: mm\u00B2");
  columns.SetHeader(false);
  EXPECT_EQ(columns.ColumnName(1).Text(), "2열");
}

TEST(ColumnChoice, TheFirstPagesFollowTheChoices) {
  ColumnChoice columns(PreviewOf(kWireList));
  EXPECT_EQ(columns.FirstPages(2),
            (std::vector<std::u16string>{u"W-1 / X1:1 \u00D71", u"W-2 / X1:2 \u00D71"}));
  // One page per wire end, three of each.
  columns.SetOtherEndColumn(2);
  columns.SetFixedRepeatCount(3);
  EXPECT_EQ(columns.FirstPages(3),
            (std::vector<std::u16string>{u"W-1 / X1:1 \u00D73", u"W-1 / K1:A1 \u00D73",
                                         u"W-2 / X1:2 \u00D73"}));
  EXPECT_EQ(columns.layout().otherEndColumn, 2);
  EXPECT_EQ(columns.layout().repeatColumn, ImportLayout::None);
  // Without the header its row is a page too; a count column is read as the
  // import reads it, limited to 1..200.
  columns.SetHeader(false);
  columns.SetOtherEndColumn(ImportLayout::None);
  columns.SetLine2Column(ImportLayout::None);
  columns.SetRepeatColumn(3);
  EXPECT_EQ(columns.FirstPages(3),
            (std::vector<std::u16string>{u"Wire \u00D71", u"W-1 \u00D71", u"W-2 \u00D71"}));
  // Past the last column is the last column; a count past 200 is 200.
  columns.SetLine1Column(99);
  columns.SetFixedRepeatCount(1000);
  EXPECT_EQ(columns.layout().line1Column, 4);
  EXPECT_EQ(columns.layout().fixedRepeatCount, 200);
}

}  // namespace
}  // namespace q5300
