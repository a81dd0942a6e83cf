// The import's column dialog driven as the operator drives it: the rows it
// shows, and the layout its boxes hand over.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <string>
#include <vector>

#include "editing/ColumnChoice.h"
#include "files/ImportFile.h"
#include "ui/ColumnChoiceDialog.h"

namespace q5300::ui::test {
namespace {

ImportPreview WireList() {
  ImportPreview preview;
  preview.rows = {
      {u"Wire", u"From", u"To", u"mm\u00B2", u"Colour"},
      {u"W-1", u"X1:1", u"K1:A1", u"1.5", u"BK"},
      {u"W-2", u"X1:2", u"K1:A2"},
  };
  preview.columns = 5;
  preview.plain = false;
  return preview;
}

void Pick(QComboBox* box, int index) {
  box->setCurrentIndex(index);
  emit box->activated(index);
}

void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// A text file's separator, as found, is in its box; another one reads the rows
// again. A spreadsheet has no such box.
TEST(ColumnChoiceDialog, TheSeparatorBoxReadsTheRowsAgain) {
  const std::string text = "Nr;From;mm2;Count\r\nW1;X1:1;1,5;2\r\nW2;X1:2;2,5;1\r\n";
  const std::vector<uint8_t> bytes(text.begin(), text.end());
  const auto read = [&](ImportSeparator separator) -> std::optional<ImportPreview> {
    Result<ImportPreview> preview = PreviewImport(bytes, "list.csv", 20, separator);
    if (!preview) return std::nullopt;
    return std::move(*preview);
  };
  ColumnChoice model(*read(ImportSeparator::Detect), read);
  ColumnChoiceDialog dialog(model);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ASSERT_FALSE(dialog.separatorBox()->isHidden());
  EXPECT_EQ(dialog.separatorBox()->currentIndex(), 1);  // semicolons
  EXPECT_EQ(dialog.table()->columnCount(), 4);
  EXPECT_EQ(dialog.table()->item(1, 2)->text(), QStringLiteral("1,5"));

  Pick(dialog.separatorBox(), 0);  // commas
  EXPECT_EQ(model.layout().separator, ImportSeparator::Comma);
  EXPECT_EQ(dialog.table()->columnCount(), 2);
  EXPECT_EQ(dialog.table()->item(1, 1)->text(), QStringLiteral("5;2"));
  Pick(dialog.separatorBox(), 1);
  EXPECT_EQ(model.layout().separator, ImportSeparator::Semicolon);
  EXPECT_EQ(dialog.table()->columnCount(), 4);
  EXPECT_EQ(dialog.line2Box()->count(), 5);  // (none) and four columns

  ColumnChoice sheet(WireList());
  ColumnChoiceDialog sheetDialog(sheet);
  EXPECT_TRUE(sheetDialog.separatorBox()->isHidden());
}

TEST(ColumnChoiceDialog, ShowsTheFirstRowsAndHandsOverTheChosenColumns) {
  ColumnChoice model(WireList());
  ColumnChoiceDialog dialog(model);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

  QTableWidget* table = dialog.table();
  ASSERT_EQ(table->rowCount(), 3);
  ASSERT_EQ(table->columnCount(), 5);
  EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("K1:A1"));
  EXPECT_EQ(table->item(2, 4), nullptr);
  EXPECT_TRUE(table->item(0, 0)->font().bold()) << "the header row";
  EXPECT_TRUE(dialog.headerBox()->isChecked());
  EXPECT_EQ(dialog.line2Box()->currentText(), QStringLiteral("2열: From"));
  EXPECT_TRUE(dialog.fixedRepeatRadio()->isChecked());
  EXPECT_FALSE(dialog.repeatColumnBox()->isEnabled());
  EXPECT_EQ(dialog.firstPages()->text(), QStringLiteral("W-1 / X1:1 \u00D71\nW-2 / X1:2 \u00D71"));

  // One page per wire end: the target terminal is line 2 of the second page,
  // offered as the column after line 2's; nothing moves as the pages grow.
  EXPECT_EQ(dialog.otherEndBox()->currentText(), QStringLiteral("3열: To"));
  const QPoint boxAt = dialog.otherEndBox()->mapTo(&dialog, QPoint());
  Click(dialog.perWireEndRadio());
  EXPECT_EQ(model.layout().otherEndColumn, 2);
  QApplication::processEvents();
  EXPECT_EQ(dialog.otherEndBox()->mapTo(&dialog, QPoint()), boxAt);
  Pick(dialog.otherEndBox(), 2);
  dialog.fixedRepeatBox()->setValue(2);
  EXPECT_EQ(dialog.firstPages()->text(),
            QStringLiteral("W-1 / X1:1 \u00D72\nW-1 / K1:A1 \u00D72\nW-2 / X1:2 \u00D72\n"
                           "W-2 / K1:A2 \u00D72"));
  // A wheel turned over a box nobody clicked changes nothing; nor does a real
  // turn give the box the focus (WheelTest).
  for (QWidget* box : std::initializer_list<QWidget*>{dialog.fixedRepeatBox(), dialog.otherEndBox(),
                                                      dialog.line1Box()}) {
    EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus);
    const QPoint middle = box->rect().center();
    QWheelEvent turn(middle, box->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &turn);
  }
  EXPECT_EQ(dialog.fixedRepeatBox()->value(), 2);
  EXPECT_EQ(model.layout().otherEndColumn, 2);
  EXPECT_EQ(model.layout().line1Column, 0);

  // No header: its row is a page, and the boxes name the columns by number.
  Click(dialog.headerBox());
  EXPECT_FALSE(table->item(0, 0)->font().bold());
  EXPECT_EQ(dialog.line2Box()->currentText(), QStringLiteral("2열"));
  Pick(dialog.line2Box(), 0);  // (없음)
  Click(dialog.repeatColumnRadio());
  Pick(dialog.repeatColumnBox(), 3);

  ImportLayout expected;
  expected.header = false;
  expected.line1Column = 0;
  expected.line2Column = ImportLayout::None;
  expected.repeatColumn = 3;
  expected.fixedRepeatCount = 2;
  expected.otherEndColumn = 2;
  EXPECT_EQ(model.layout(), expected);
  EXPECT_TRUE(dialog.repeatColumnBox()->isEnabled());
  EXPECT_FALSE(dialog.fixedRepeatBox()->isEnabled());
}

}  // namespace
}  // namespace q5300::ui::test
