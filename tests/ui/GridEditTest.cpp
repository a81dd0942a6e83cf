// The label grid as the operator works it: clicks, the cell editor and its
// filters, Enter and Esc, the arrow keys and the check-all box of the header.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QWheelEvent>
#include <functional>

#include "WindowRig.h"
#include "ui/LabelGridHeader.h"

namespace q5300::ui::test {
namespace {

// Press, release, the platform's double click, release: what a quick pair of clicks sends.
void DoubleClick(QWidget* widget, QPoint at) {
  QTest::mousePress(widget, Qt::LeftButton, {}, at);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
  QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

TEST(GridEdit, AClickOpensTheEditorAndEnterHandsTheTextToThePageCommandsAndMovesOn) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  Type(rig.grid()->editor(), QStringLiteral("AB"));
  Compose(rig.grid()->editor(), QStringLiteral("가"));
  QTest::keyClick(rig.grid()->editor(), Qt::Key_Return);

  // Enter on the last row adds a page and opens its first line.
  ASSERT_TRUE(Eventually([&] { return rig.document().grid().rowCount() == 2; }));
  EXPECT_EQ(rig.document().grid().CellText(0, Line1Column), u"AB가");
  EXPECT_EQ(rig.Cell(0, Line1Column), QStringLiteral("AB가"));
  EXPECT_EQ(rig.document().PageAt(0)->printer().textLength, 4) << "A, B and two bytes of 가";
  ASSERT_TRUE(Eventually([&] {
    const CellEditor* next = rig.grid()->editor();
    return next != nullptr && next->row() == 1 && next->column() == Line1Column && next->hasFocus();
  }));
  EXPECT_EQ(rig.document().currentPageIndex(), 1);

  // Enter on a row with rows after it opens the next row, and adds nothing.
  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  rig.TypeAndEnd(QStringLiteral("C"));
  ASSERT_TRUE(Eventually([&] {
    const CellEditor* next = rig.grid()->editor();
    return next != nullptr && next->row() == 1 && next->hasFocus();
  }));
  EXPECT_EQ(rig.document().grid().CellText(0, Line1Column), u"C");
  EXPECT_EQ(rig.document().PageAt(0)->printer().textLength, 1);
  EXPECT_EQ(rig.document().grid().rowCount(), 2);
  EXPECT_TRUE(rig.op.told.empty());
}

// The Paste item of a line edit's standard menu ("&Paste", then its shortcut).
bool IsPaste(const QAction* action) {
  return action->text().remove(u'&').startsWith(QStringLiteral("Paste"));
}

TEST(GridEdit, APasteFromTheEditorsOwnMenuIsKept) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  CellEditor* editor = rig.grid()->editor();
  Type(editor, QStringLiteral("AB"));
  QGuiApplication::clipboard()->setText(QStringLiteral("CD"));

  // The menu opens on the right click and takes the focus; Paste is chosen from
  // it once the event loop runs.
  bool openWhileMenuShows = false;
  bool pasted = false;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    openWhileMenuShows = rig.grid()->openEditor() == editor;
    for (QAction* action : menu->actions()) {
      if (IsPaste(action)) {
        pasted = true;
        action->trigger();
      }
    }
    menu->close();
  });
  WindowRig::RightClick(editor, editor->rect().center());
  ASSERT_TRUE(Eventually([&] { return pasted; }));
  EXPECT_TRUE(openWhileMenuShows);

  // However the edit ends now, the cell takes the pasted text.
  rig.grid()->FocusGrid();
  EXPECT_EQ(rig.document().grid().CellText(0, Line1Column), u"ABCD");
}

TEST(GridEdit, EscapeKeepsTheOldTextAndTellsThePageCommandsNothing) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  rig.TypeAndEnd(QStringLiteral("OLD"), Qt::Key_Tab);  // ends by losing the focus, not by Enter
  ASSERT_TRUE(Eventually([&] { return rig.document().PageAt(0)->printer().textLength == 3; }));
  ASSERT_EQ(rig.document().grid().rowCount(), 1);

  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  EXPECT_EQ(rig.grid()->editor()->text(), QStringLiteral("OLD"));
  rig.TypeAndEnd(QStringLiteral("NEW!"), Qt::Key_Escape);
  ASSERT_TRUE(Eventually([&] { return rig.grid()->editor() == nullptr; }));
  EXPECT_EQ(rig.document().grid().CellText(0, Line1Column), u"OLD");
  EXPECT_EQ(rig.document().PageAt(0)->printer().textLength, 3);
  // Nothing of an Enter reached the pages: the page stays current, none is added.
  EXPECT_EQ(rig.document().currentPageIndex(), 0);
  EXPECT_EQ(rig.document().grid().rowCount(), 1);
  EXPECT_TRUE(rig.window->isVisible());
  EXPECT_TRUE(rig.grid()->hasFocus());
}

// A text the page cannot take (past the record's 40 bytes) is told, and stays
// in the editor for the operator to mend; the page keeps its text meanwhile.
TEST(GridEdit, ARefusedTextStaysInTheEditorToMend) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.bench().panel.AutoLengthClicked();
  rig.bench().pages.CommitCellEdit(0, Line1Column, u"OLD", false);
  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  const QString tooLong = QString(21, QChar(0xAC00));  // 42 bytes
  // While the message stands, the grid shows the page as it is: its own text, fitting.
  bool shownAsItIs = false;
  rig.op.whileTelling = [&] {
    shownAsItIs = rig.Cell(0, Line1Column) == QStringLiteral("OLD") &&
                  !rig.grid()->model()->index(0, Line1Column).data(Qt::ForegroundRole).isValid();
  };
  rig.TypeAndEnd(tooLong, Qt::Key_Return);
  ASSERT_TRUE(Eventually([&] { return !rig.op.told.empty(); }));
  EXPECT_EQ(rig.op.told[0].text, "입력 길이 초과!");
  EXPECT_TRUE(shownAsItIs);
  rig.op.whileTelling = nullptr;
  rig.op.told.clear();
  EXPECT_EQ(rig.document().PageAt(0)->line1, u"OLD");
  ASSERT_TRUE(Eventually([&] { return rig.grid()->openEditor() != nullptr; }));
  CellEditor* editor = rig.grid()->openEditor();
  EXPECT_EQ(editor->row(), 0);
  EXPECT_EQ(editor->column(), Line1Column);
  EXPECT_EQ(editor->text(), tooLong);
  EXPECT_EQ(editor->cursorPosition(), tooLong.size());
  EXPECT_FALSE(editor->hasSelectedText());
  // Mended: one syllable less is taken, and Enter goes on as after any edit.
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClick(editor, Qt::Key_Return);
  ASSERT_TRUE(Eventually([&] { return rig.document().PageAt(0)->line1.size() == 20; }));
  EXPECT_TRUE(rig.op.told.empty());
  EXPECT_EQ(rig.document().pageCount(), 2);

  // Escape drops a refused text: the page keeps its own.
  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  rig.grid()->editor()->selectAll();
  rig.TypeAndEnd(tooLong + QStringLiteral("X"), Qt::Key_Tab);
  ASSERT_TRUE(Eventually([&] { return rig.grid()->openEditor() != nullptr; }));
  rig.op.told.clear();
  QTest::keyClick(rig.grid()->openEditor(), Qt::Key_Escape);
  ASSERT_TRUE(Eventually([&] { return rig.grid()->openEditor() == nullptr; }));
  EXPECT_EQ(rig.document().PageAt(0)->line1.size(), 20u);
}

TEST(GridEdit, TheEditorTakesFortyCharactersOfALineAndOnlyDigitsOfARepeatCount) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  CellEditor* editor = rig.grid()->editor();
  Type(editor, QString(37, QLatin1Char('a')));
  Compose(editor, QStringLiteral("가"));
  // An input method may commit several syllables at once: only what fits goes in.
  Compose(editor, QStringLiteral("나다라"));
  Type(editor, QStringLiteral("bc"));
  EXPECT_EQ(editor->text(), QString(37, QLatin1Char('a')) + QStringLiteral("가나다"));
  QTest::keyClick(editor, Qt::Key_Backspace);
  Type(editor, QStringLiteral("d"));
  EXPECT_EQ(editor->text().size(), 40);
  EXPECT_TRUE(editor->text().endsWith(QStringLiteral("나d")));
  QTest::keyClick(editor, Qt::Key_Escape);

  ASSERT_TRUE(rig.OpenEditor(0, RepeatColumn));
  editor = rig.grid()->editor();
  EXPECT_TRUE(editor->digitsOnly());
  Type(editor, QStringLiteral("1a2-b.3 "));
  Compose(editor, QStringLiteral("가"));
  EXPECT_EQ(editor->text(), QStringLiteral("12.3"));
  QTest::keyClick(editor, Qt::Key_Tab);
  ASSERT_TRUE(Eventually([&] { return rig.document().PageAt(0)->printer().repeatCount == 12; }));
}

TEST(GridEdit, ScrollingTheGridCommitsAnOpenEditFirst) {
  struct Case {
    const char* name;
    std::function<void(LabelGrid*)> scroll;
  };
  const Case cases[] = {
      {"down arrow of the scroll bar",
       [](LabelGrid* grid) {
         grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
       }},
      {"page right on the scroll bar",
       [](LabelGrid* grid) {
         grid->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
       }},
      {"mouse wheel",
       [](LabelGrid* grid) {
         const QPointF at = grid->viewport()->rect().center();
         QWheelEvent wheel(at, grid->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                           Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
         QApplication::sendEvent(grid->viewport(), &wheel);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WindowRig rig;
    ASSERT_TRUE(rig.shown);
    while (rig.document().grid().rowCount() < 60) rig.bench().pages.Add();
    rig.grid()->scrollToTop();
    ASSERT_GT(rig.grid()->verticalScrollBar()->maximum(), 0);
    ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
    Type(rig.grid()->editor(), QStringLiteral("typed"));
    c.scroll(rig.grid());
    EXPECT_EQ(rig.document().grid().CellText(0, Line1Column), u"typed");
    EXPECT_EQ(rig.document().PageAt(0)->printer().textLength, 5);
    EXPECT_TRUE(Eventually([&] { return rig.grid()->editor() == nullptr; }));
  }
}

TEST(GridKeys, UpAndDownMoveTheCurrentPageWithTheHighlight) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.bench().pages.Add();
  rig.bench().pages.Add();
  ASSERT_EQ(rig.document().currentPageIndex(), 2);
  rig.grid()->setFocus();
  struct Step {
    Qt::Key key;
    int current;
  };
  const Step steps[] = {{Qt::Key_Up, 1},   {Qt::Key_Up, 0},   {Qt::Key_Up, 0},
                        {Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Down, 2}};
  for (const Step& step : steps) {
    QTest::keyClick(rig.grid(), step.key);
    EXPECT_EQ(rig.document().currentPageIndex(), step.current);
    EXPECT_EQ(rig.Cell(step.current, MarkColumn), QStringLiteral("∽"));
    EXPECT_EQ(rig.grid()->currentIndex().row(), step.current);
  }
  // A key held down moves the page with the highlight, row by row.
  QTest::keyPress(rig.grid(), Qt::Key_Up);
  QTest::keyPress(rig.grid(), Qt::Key_Up);
  EXPECT_EQ(rig.document().currentPageIndex(), 0);
  QTest::keyRelease(rig.grid(), Qt::Key_Up);
  EXPECT_EQ(rig.document().currentPageIndex(), 0);
  EXPECT_EQ(rig.grid()->currentIndex().row(), 0);
}

TEST(GridClicks, ARowBoxTogglesThePageAndMakesItCurrentWithoutAnEditor) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.bench().pages.Add();
  rig.bench().pages.RowClicked(0, PageColumn);
  rig.Click(1, CheckColumn);
  EXPECT_FALSE(rig.document().grid().IsChecked(1));
  EXPECT_TRUE(rig.document().grid().IsChecked(0));
  EXPECT_EQ(rig.document().currentPageIndex(), 1);
  EXPECT_EQ(rig.grid()->editor(), nullptr);
  // A change of the job: it can be taken back.
  rig.bench().document.Undo();
  EXPECT_TRUE(rig.document().grid().IsChecked(1));
  rig.bench().document.Redo();
  EXPECT_FALSE(rig.document().grid().IsChecked(1));
  // A click on a cell that is not typed into only makes its page current.
  rig.Click(0, FontSizeColumn);
  EXPECT_EQ(rig.document().currentPageIndex(), 0);
  EXPECT_EQ(rig.grid()->editor(), nullptr);
}

TEST(GridHeader, TheFirstHeadingTicksEveryRowAndADoubleClickCountsTwice) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.bench().pages.Add();
  rig.bench().pages.Add();
  LabelGridHeader* header = rig.grid()->header();
  const QPoint box = header->CheckBoxRect(CheckColumn).center();
  const GridCells grid = rig.document().grid();
  auto rowsTicked = [&](bool ticked) {
    for (int row = 0; row < grid.rowCount(); ++row) {
      if (grid.IsChecked(row) != ticked) return false;
    }
    return true;
  };

  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, box);
  EXPECT_EQ(grid.GetHeaderCheckState(CheckColumn), EmptyBox);
  EXPECT_TRUE(rowsTicked(false));
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, box);
  EXPECT_EQ(grid.GetHeaderCheckState(CheckColumn), CheckedBox);
  EXPECT_TRUE(rowsTicked(true));

  QSignalSpy clicks(header, &QHeaderView::sectionClicked);
  DoubleClick(header->viewport(), box);
  EXPECT_EQ(clicks.count(), 2);
  EXPECT_EQ(grid.GetHeaderCheckState(CheckColumn), CheckedBox);
  EXPECT_TRUE(rowsTicked(true));

  // Other headings have no box and change no row.
  const int line1 = header->sectionViewportPosition(Line1Column) + 10;
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(line1, box.y()));
  EXPECT_EQ(grid.GetHeaderCheckState(CheckColumn), CheckedBox);
  EXPECT_TRUE(rowsTicked(true));
}

// Tab ends a cell edit and goes on to a control that shows it has the focus:
// a box, a field or a button; not back to the grid, whose focus shows nothing
// beside its selected row, nor to a pane that draws no focus.
TEST(GridEdit, TabAfterAnEditGoesToAControlThatShowsTheFocus) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  Type(rig.grid()->editor(), QStringLiteral("W-1"));
  QTest::keyClick(rig.grid()->editor(), Qt::Key_Tab);
  ASSERT_TRUE(Eventually([&] { return rig.grid()->editor() == nullptr; }));
  EXPECT_EQ(rig.Cell(0, Line1Column), QStringLiteral("W-1"));
  // The next few stops of the chain, each one a control that draws its focus.
  for (int stop = 0; stop < 4; ++stop) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    SCOPED_TRACE(stop);
    const bool showsFocus = qobject_cast<QComboBox*>(focus) != nullptr ||
                            qobject_cast<QLineEdit*>(focus) != nullptr ||
                            qobject_cast<QAbstractButton*>(focus) != nullptr ||
                            qobject_cast<QAbstractSpinBox*>(focus) != nullptr;
    EXPECT_TRUE(showsFocus) << focus->metaObject()->className() << " "
                            << focus->objectName().toStdString();
    QTest::keyClick(focus, Qt::Key_Tab);
  }
}

}  // namespace
}  // namespace q5300::ui::test
