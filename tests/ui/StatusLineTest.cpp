// The length of the current page always in view: the status line follows the
// current page, the job and an edit still being typed; a row whose text does not
// fit is red with the reason as its tooltip, without waiting for Enter.
#include <gtest/gtest.h>

#include <QStatusBar>

#include "WindowRig.h"
#include "ui/ElidedLabel.h"
#include "ui/LengthText.h"
#include "ui/Theme.h"

namespace q5300::ui::test {
namespace {

bool IsRed(const QWidget* widget, QPalette::ColorRole role) {
  return widget->palette().color(role) == OverLengthColor;
}

QVariant RowData(WindowRig& rig, int row, int column, int role) {
  return rig.grid()->model()->index(row, column).data(role);
}

TEST(StatusLine, ShowsTheCurrentPageAndTheJob) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  QLabel* page = rig.window->pageStatus();
  QLabel* job = rig.window->jobStatus();
  EXPECT_TRUE(page->isVisible());
  EXPECT_EQ(page->text(), QStringLiteral("Page 1: no text, 20.0 mm (240 dots) · 0 labels"));
  EXPECT_EQ(job->text(), QStringLiteral("Job: 1 page, 0 labels"));

  rig.bench().pages.CommitCellEdit(0, Line1Column, u"ABCD", false);
  rig.bench().pages.CommitCellEdit(0, RepeatColumn, u"3", false);
  EXPECT_EQ(page->text(), QStringLiteral("Page 1: 17.3 of 20.0 mm (208 / 240 dots) · 3 labels"));
  EXPECT_FALSE(IsRed(page, QPalette::WindowText));

  rig.window->action(Command::Add)->trigger();
  EXPECT_EQ(page->text(), QStringLiteral("Page 2: no text, 20.0 mm (240 dots) · 0 labels"));
  EXPECT_EQ(job->text(), QStringLiteral("Job: 2 pages, 3 labels"));
  rig.Click(0, PageColumn);
  EXPECT_TRUE(page->text().startsWith(QStringLiteral("Page 1: 17.3")));

  // The bar's own messages have room beside the figures.
  rig.window->statusBar()->showMessage(QStringLiteral("note"));
  EXPECT_TRUE(page->isVisible());
}

TEST(StatusLine, AnEditTooLongForItsPageIsRedBeforeEnterAndItsRowAfterIt) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  CellEditor* editor = rig.grid()->editor();
  QLabel* page = rig.window->pageStatus();

  Type(editor, QStringLiteral("ABCD"));
  EXPECT_EQ(page->text(), QStringLiteral("Page 1: 17.3 of 20.0 mm (208 / 240 dots) · 1 label"));
  EXPECT_FALSE(IsRed(editor, QPalette::Text));
  Type(editor, QStringLiteral("E"));
  EXPECT_EQ(page->text(),
            QStringLiteral("Page 1: 20.7 of 20.0 mm (248 / 240 dots), over length · 1 label"));
  EXPECT_TRUE(IsRed(editor, QPalette::Text));
  EXPECT_TRUE(IsRed(page, QPalette::WindowText));
  EXPECT_TRUE(rig.op.told.empty());
  // Nothing of it is in the job yet.
  EXPECT_EQ(rig.document().grid().CellText(0, Line1Column), u"");
  EXPECT_FALSE(RowData(rig, 0, Line1Column, Qt::ForegroundRole).isValid());

  QTest::keyClick(editor, Qt::Key_Tab);  // commits by losing the focus
  ASSERT_TRUE(Eventually([&] { return rig.grid()->openEditor() == nullptr; }));
  ASSERT_EQ(rig.op.TakeTexts(), std::vector<std::string>{"입력 길이 초과!"});
  EXPECT_EQ(RowData(rig, 0, Line1Column, Qt::ForegroundRole).value<QColor>(), OverLengthColor);
  EXPECT_EQ(RowData(rig, 0, RepeatColumn, Qt::ToolTipRole).toString(),
            QStringLiteral("Over length: the text needs 20.7 mm (248 dots), the page is 20.0 mm "
                           "(240 dots)."));
  EXPECT_EQ(rig.window->jobStatus()->text(), QStringLiteral("Job: 1 page, 1 label, 1 over length"));

  // A longer length from the panel, and the row is in order again.
  rig.bench().panel.LengthTextChanged(u"25");
  rig.bench().panel.SetLengthPressed();
  EXPECT_FALSE(RowData(rig, 0, Line1Column, Qt::ForegroundRole).isValid());
  EXPECT_FALSE(RowData(rig, 0, Line1Column, Qt::ToolTipRole).isValid());
  EXPECT_FALSE(IsRed(page, QPalette::WindowText));
}

TEST(StatusLine, EscapeGoesBackToThePageAsItIs) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.bench().pages.CommitCellEdit(0, Line1Column, u"AB", false);
  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  Type(rig.grid()->editor(), QStringLiteral("ABCDEFG"));
  ASSERT_TRUE(rig.window->pageStatus()->text().contains(QStringLiteral("over length")));
  QTest::keyClick(rig.grid()->editor(), Qt::Key_Escape);
  ASSERT_TRUE(Eventually([&] { return rig.grid()->openEditor() == nullptr; }));
  EXPECT_EQ(rig.window->pageStatus()->text(),
            QStringLiteral("Page 1: 10.7 of 20.0 mm (128 / 240 dots) · 1 label"));
}

TEST(StatusLine, TextsForEveryKindOfPage) {
  struct Case {
    PageLength length;
    const char* page;
    const char* reason;
  };
  const Case cases[] = {
      {{true, true, true, 488, 488, false, 1},
       "Page 4: 40.7 mm automatic (488 dots) · 1 label",
       ""},
      {{false, true, true, 0, 0, false, 0}, "Page 4: no text, automatic length · 0 labels", ""},
      {{true, false, false, 500, 240, true, 2},
       "Page 4: more than a page holds · 2 labels",
       "The lines do not fit one page: at most 40 characters and 40 bytes (a Hangul syllable or "
       "a symbol takes two)."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PageLengthText(3, c.length), QString::fromUtf8(c.page));
    EXPECT_EQ(OverLengthReason(c.length), QString::fromUtf8(c.reason));
  }
  JobCounts counts;
  counts.pages = 200;
  counts.labels = 200000;
  counts.copies = 3;
  EXPECT_EQ(JobCountsText(counts), QStringLiteral("Job: 200 pages, 200000 labels × 3 copies"));
}

// However narrow the window, each part of the status line shows whole words
// followed by "…", never a figure in part, and its tooltip has the whole text.
// The two parts give way alike: the job text is shortened as soon as the page
// text is, and the page text keeps the larger share of its own width.
TEST(StatusLine, ANarrowWindowShortensItAtWordsWithTheWholeTextInItsTooltip) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.bench().pages.CommitCellEdit(0, Line1Column, u"ABCDEFGHIJ-1234567", false);
  rig.bench().pages.CommitCellEdit(0, RepeatColumn, u"12", false);
  auto* page = dynamic_cast<ElidedLabel*>(rig.window->pageStatus());
  auto* job = dynamic_cast<ElidedLabel*>(rig.window->jobStatus());
  ASSERT_NE(page, nullptr);
  ASSERT_NE(job, nullptr);
  ASSERT_FALSE(page->toolTip().isEmpty()) << "over length, with its reason";
  bool shortened = false;
  for (const int width : {1280, 1000, 800, 640, 480}) {
    rig.window->resize(width, 700);
    ASSERT_TRUE(Eventually([&] { return rig.window->width() == std::max(width, rig.window->minimumSizeHint().width()); }));
    QApplication::processEvents();
    if (page->shownText() != page->text()) {
      SCOPED_TRACE(width);
      EXPECT_NE(job->shownText(), job->text()) << "the page text gave way before the job text";
      const auto kept = [](const QWidget* part) {
        return static_cast<double>(part->width()) / part->sizeHint().width();
      };
      EXPECT_GE(kept(page), kept(job));
    }
    for (ElidedLabel* label : {page, job}) {
      SCOPED_TRACE(std::to_string(width) + " " + label->text().toStdString());
      const QString shown = label->shownText();
      EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->contentsRect().width());
      if (shown == label->text()) continue;
      shortened = true;
      ASSERT_TRUE(shown.endsWith(u'\u2026')) << shown.toStdString();
      const QString head = shown.chopped(1);
      // Whole words only: the text goes on with a space or a separator after them.
      ASSERT_TRUE(label->text().startsWith(head)) << shown.toStdString();
      if (!head.isEmpty()) {
        const QChar next = label->text().at(head.size());
        EXPECT_FALSE(next.isLetterOrNumber() || next == u'.' || next == u'/')
            << shown.toStdString();
      }
      EXPECT_TRUE(label->fullToolTip().startsWith(label->text()));
      if (label == page) {
        EXPECT_TRUE(label->fullToolTip().endsWith(label->toolTip()));
      }
    }
  }
  EXPECT_TRUE(shortened) << "no width was narrow enough to shorten anything";
}

TEST(StatusLine, ShorteningKeepsWholeWordsAndDropsAHangingSeparator) {
  const QFontMetrics metrics(QApplication::font());
  const QString text = QStringLiteral("Page 1: 20.7 of 20.0 mm (248 / 240 dots), over length");
  const auto fitting = [&](const QString& shown) { return metrics.horizontalAdvance(shown); };
  struct Case {
    QString room;  // the width of this text is the room
    QString shown;
  };
  const Case cases[] = {
      {text, text},
      {QStringLiteral("Page 1: 20.7 of 20.0 mm (248 / 240 dots), ov…"),
       QStringLiteral("Page 1: 20.7 of 20.0 mm (248 / 240 dots)…")},
      {QStringLiteral("Page 1: 20.7 of 20.0 mm (248 / 2…"),
       QStringLiteral("Page 1: 20.7 of 20.0 mm (248…")},
      {QStringLiteral("Page 1: 2…"), QStringLiteral("Page 1…")},
      {QStringLiteral("Pa…"), QStringLiteral("…")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ElideAtWords(text, metrics, fitting(c.room)), c.shown) << c.room.toStdString();
  }
}

// The current row is selected; a line of it that does not fit stays red there.
TEST(StatusLine, ASelectedRowKeepsTheRedOfALineTooLong) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.bench().pages.CommitCellEdit(0, Line1Column, u"ABCDEFGHIJ-1234567", false);
  rig.Click(0, PageColumn);
  ASSERT_TRUE(rig.grid()->selectionModel()->isRowSelected(0, {}));
  const QRect cell = rig.grid()->visualRect(rig.grid()->model()->index(0, Line1Column));
  const QImage image = rig.grid()->viewport()->grab(cell).toImage();
  int red = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++red;
    }
  }
  EXPECT_GT(red, 10) << "the selected row's text is not red";
}

}  // namespace
}  // namespace q5300::ui::test
