// The page the operator sees is the page that changes: the grid's highlighted
// row is the current page however it moves, and the page panel, the mark, the
// status line and the preview's marker all show that page.
#include <gtest/gtest.h>

#include <QComboBox>
#include <filesystem>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "WindowRig.h"
#include <fstream>

#include "printer/TempDir.h"
#include "ui/PagePanel.h"
#include "ui/PreviewStrip.h"

namespace q5300::ui::test {
namespace {

constexpr int JobPages = 100;

std::u16string Label(int row) {
  const std::string digits = std::to_string(row + 1);
  return u"P" + std::u16string(digits.begin(), digits.end());
}

// A job of 100 pages labelled "P1".."P100", shown in the preview.
void HundredPages(WindowRig& rig) {
  while (rig.document().pageCount() < JobPages) rig.bench().pages.Add();
  rig.bench().document.Change([](JobEdit& e) {
    for (int row = 0; row < JobPages; ++row) e.PageAt(row)->line1 = Label(row);
  });
  rig.window->action(Command::Preview)->trigger();
}

// The page whose start the preview's marker points at, or -1.
int MarkedPage(WindowRig& rig) {
  const PreviewLayout& layout = rig.window->preview()->layout();
  const std::vector<int64_t> markers = layout.VisibleMarkers(0, INT64_MAX / 4);
  if (markers.size() != 1) return -1;
  for (int page = 0; page < rig.document().pageCount(); ++page) {
    if (layout.PageStart(page) == markers[0]) return page;
  }
  return -1;
}

template <typename W>
W* Find(WindowRig& rig, const char* name) {
  return rig.window->findChild<W*>(QString::fromLatin1(name));
}

// Everything that shows a current page shows the highlighted row's.
void ExpectEverythingShows(WindowRig& rig, int row) {
  EXPECT_EQ(rig.grid()->currentIndex().row(), row);
  EXPECT_TRUE(rig.grid()->selectionModel()->isRowSelected(row, {}));
  EXPECT_EQ(rig.document().currentPageIndex(), row);
  EXPECT_EQ(rig.Cell(row, MarkColumn), QStringLiteral("∽"));
  EXPECT_TRUE(Find<QLabel>(rig, "pageStatus")->text().startsWith(QStringLiteral("Page %1:").arg(row + 1)))
      << Find<QLabel>(rig, "pageStatus")->text().toStdString();
  EXPECT_EQ(MarkedPage(rig), row);
  const PageRecord& page = rig.document().PageAt(row)->printer();
  EXPECT_EQ(Find<QComboBox>(rig, "fontSize")->currentIndex(), page.autoFont ? 0 : page.fontSize);
}

TEST(CurrentPage, EveryMoveOfTheHighlightMakesItsRowTheCurrentPage) {
  struct Move {
    const char* name;
    std::function<void(WindowRig&)> move;
    int expected;  // the row the highlight lands on
  };
  const auto keys = [](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> presses) {
    return [presses = std::vector(presses)](WindowRig& r) {
      r.grid()->setFocus();
      for (const auto& [key, modifiers] : presses) QTest::keyClick(r.grid(), key, modifiers);
    };
  };
  const int page = [] {
    WindowRig probe;
    HundredPages(probe);
    return probe.grid()->viewport()->height() / probe.grid()->rowHeight(0);
  }();
  const Move moves[] = {
      {"click", [](WindowRig& r) { r.Click(10, Line2Column); }, 10},
      {"click on the page number", [](WindowRig& r) { r.Click(12, PageColumn); }, 12},
      {"down five times", keys({{Qt::Key_Down, {}}, {Qt::Key_Down, {}}, {Qt::Key_Down, {}},
                                {Qt::Key_Down, {}}, {Qt::Key_Down, {}}}),
       45},
      {"up", keys({{Qt::Key_Up, {}}}), 39},
      {"down five times and Ctrl+Home",
       keys({{Qt::Key_Down, {}}, {Qt::Key_Down, {}}, {Qt::Key_Down, {}}, {Qt::Key_Down, {}},
             {Qt::Key_Down, {}}, {Qt::Key_Home, Qt::ControlModifier}}),
       0},
      {"Ctrl+End", keys({{Qt::Key_End, Qt::ControlModifier}}), JobPages - 1},
      {"Home", keys({{Qt::Key_Home, {}}}), 40},
      {"End", keys({{Qt::Key_End, {}}}), 40},
      {"Page Down", keys({{Qt::Key_PageDown, {}}}), -1},
      {"Page Up", keys({{Qt::Key_PageUp, {}}}), -1},
  };
  ASSERT_GT(page, 2);
  for (const Move& m : moves) {
    SCOPED_TRACE(m.name);
    WindowRig rig;
    ASSERT_TRUE(rig.shown);
    HundredPages(rig);
    rig.Click(40, PageColumn);
    ASSERT_EQ(rig.document().currentPageIndex(), 40);
    m.move(rig);
    const int row = rig.grid()->currentIndex().row();
    if (m.expected >= 0) {
      EXPECT_EQ(row, m.expected);
    } else {
      EXPECT_NE(row, 40);  // a page's worth of rows away
    }
    ExpectEverythingShows(rig, row);
    const std::u16string shown = rig.document().PageAt(row)->line1;

    // A panel change goes to that page, and Delete deletes it.
    QComboBox* fontSize = Find<QComboBox>(rig, "fontSize");
    emit fontSize->activated(2);
    EXPECT_EQ(rig.document().PageAt(row)->printer().fontSize, 2);
    int changed = 0;
    for (const Page& p : rig.document().pages()) changed += p.record.fontSize == 2 ? 1 : 0;
    EXPECT_EQ(changed, 1);
    QTest::keyClick(rig.grid(), Qt::Key_Delete);
    ASSERT_EQ(rig.document().pageCount(), JobPages - 1);
    for (const Page& p : rig.document().pages()) EXPECT_NE(p.line1, shown);
    ExpectEverythingShows(rig, std::min(row, JobPages - 2));
  }
}

// Whatever puts another page in the highlight's place (adding, deleting,
// taking back, making again, opening, importing), the highlight and the current
// page stay one.
TEST(CurrentPage, TheHighlightFollowsEveryChangeOfTheJob) {
  q5300::test::TempDir dir;
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  HundredPages(rig);
  rig.Click(30, PageColumn);
  const auto check = [&](const char* what) {
    SCOPED_TRACE(what);
    ExpectEverythingShows(rig, rig.document().currentPageIndex());
  };
  rig.window->action(Command::Add)->trigger();
  EXPECT_EQ(rig.document().currentPageIndex(), 31);
  check("insert");
  rig.window->action(Command::Delete)->trigger();
  check("delete");
  rig.window->undoAction()->trigger();
  EXPECT_EQ(rig.document().currentPageIndex(), 31);
  check("undo");
  rig.window->redoAction()->trigger();
  check("redo");
  rig.Click(5, Line1Column);
  rig.grid()->FocusGrid();
  rig.window->undoAction()->trigger();
  check("undo after a click elsewhere");

  const std::string saved = (dir.path() / "job.qxk").string();
  ASSERT_TRUE(rig.bench().files.SaveLabelFile(saved, LabelFileKind::Qxk));
  rig.Click(3, PageColumn);
  ASSERT_TRUE(rig.bench().files.OpenLabelFile(saved, true));
  check("open");
  const std::string csv = (dir.path() / "in.csv").string();
  std::ofstream(csv) << "A,,1\r\nB,,1\r\nC,,1\r\n";
  rig.Click(50, PageColumn);
  ASSERT_TRUE(rig.bench().files.ImportFile(csv));
  EXPECT_EQ(rig.document().currentPageIndex(), 0);
  check("import");
}

}  // namespace
}  // namespace q5300::ui::test

namespace q5300::ui::test {
namespace {

// Each box of the page panel shows the current page's value.
void ExpectPanelShowsTheCurrentPage(WindowRig& rig) {
  const Page* current = rig.document().currentPage();
  ASSERT_NE(current, nullptr);
  const PageRecord& page = current->printer();
  const int dots = page.autoLength ? current->length().lengthDots : page.lengthDots;
  SCOPED_TRACE(::testing::Message() << "page " << rig.document().currentPageIndex() + 1);
  EXPECT_EQ(Find<QRadioButton>(rig, "autoLength")->isChecked(), page.autoLength != 0);
  EXPECT_EQ(Find<QRadioButton>(rig, "setLength")->isChecked(), page.autoLength == 0);
  EXPECT_EQ(Find<QLineEdit>(rig, "lengthEdit")->isEnabled(), page.autoLength == 0);
  EXPECT_EQ(Find<QLineEdit>(rig, "lengthEdit")->text(), QString::number(dots / 12.0, 'g', 4));
  EXPECT_EQ(Find<QLineEdit>(rig, "repeatEdit")->text(), QString::number(page.repeatCount));
  EXPECT_EQ(Find<QComboBox>(rig, "fontSize")->currentIndex(), page.autoFont ? 0 : page.fontSize);
  EXPECT_EQ(Find<QComboBox>(rig, "width")->currentIndex(), page.halfWidth);
  EXPECT_EQ(Find<QComboBox>(rig, "frame")->currentIndex(), page.frame == 'F' ? 1 : page.frame == 'L' ? 2 : 0);
  EXPECT_EQ(Find<QComboBox>(rig, "direction")->currentIndex(), page.IsVertical() ? 1 : 0);
}

// A saved job of 61 pages: the first 30 mm long, repeated 5 times, framed, half
// width; the last at font size 2 and of automatic length, 16.0 mm for its text.
std::string SavedJob(const std::filesystem::path& dir) {
  WindowRig rig;
  Workbench& bench = rig.bench();
  bench.panel.LengthTextChanged(u"30");
  bench.panel.SetLengthPressed();
  bench.panel.RepeatTextChanged(u"5");
  bench.panel.SetRepeatPressed();
  bench.panel.FrameChosen(1);
  bench.panel.WidthChosen(1);
  bench.pages.CommitCellEdit(0, Line1Column, u"FIRST", false);
  while (rig.document().pageCount() < 61) bench.pages.Add();
  bench.panel.RepeatTextChanged(u"1");
  bench.panel.SetRepeatPressed();
  bench.panel.FrameChosen(0);
  bench.panel.WidthChosen(0);
  bench.panel.AutoLengthClicked();
  bench.panel.FontSizeChosen(2);
  bench.pages.CommitCellEdit(60, Line1Column, u"ABCDEF", false);  // 6 × 24 + 48 dots
  EXPECT_EQ(rig.document().rowLength(60).lengthDots, 192);
  EXPECT_TRUE(rig.op.told.empty());
  const std::string path = (dir / "job.qxk").string();
  EXPECT_TRUE(bench.files.SaveLabelFile(path, LabelFileKind::Qxk));
  return path;
}

TEST(PagePanel, ShowsTheCurrentPageAfterEveryChange) {
  q5300::test::TempDir dir;
  const std::string saved = SavedJob(dir.path());

  WindowRig rig(QString::fromStdString(saved));
  ASSERT_TRUE(rig.shown);
  ASSERT_TRUE(Eventually([&] { return rig.document().pageCount() == 61; }));
  ASSERT_EQ(rig.document().currentPageIndex(), 60);
  // Automatic length, 16 mm; font size 2: not "사용자설정 20" and size 4.
  EXPECT_TRUE(Find<QRadioButton>(rig, "autoLength")->isChecked());
  EXPECT_EQ(Find<QLineEdit>(rig, "lengthEdit")->text(), QStringLiteral("16"));
  EXPECT_EQ(Find<QComboBox>(rig, "fontSize")->currentIndex(), 2);
  ExpectPanelShowsTheCurrentPage(rig);

  rig.Click(0, Line1Column);
  rig.grid()->FocusGrid();
  EXPECT_EQ(Find<QLineEdit>(rig, "lengthEdit")->text(), QStringLiteral("30"));
  EXPECT_EQ(Find<QLineEdit>(rig, "repeatEdit")->text(), QStringLiteral("5"));
  ExpectPanelShowsTheCurrentPage(rig);

  // What was typed into a box and not set goes when another page is current.
  QLineEdit* length = Find<QLineEdit>(rig, "lengthEdit");
  length->selectAll();
  Type(length, QStringLiteral("45"));
  EXPECT_EQ(length->text(), QStringLiteral("45"));
  rig.Click(60, PageColumn);
  ExpectPanelShowsTheCurrentPage(rig);

  const struct {
    const char* name;
    std::function<void()> step;
  } steps[] = {
      {"insert", [&] { rig.window->action(Command::Add)->trigger(); }},
      {"row change", [&] { rig.Click(0, PageColumn); }},
      {"delete", [&] { rig.window->action(Command::Delete)->trigger(); }},
      {"undo", [&] { rig.window->undoAction()->trigger(); }},
      {"redo", [&] { rig.window->redoAction()->trigger(); }},
      {"undo again", [&] { rig.window->undoAction()->trigger(); }},
      // Two lines at font size 3 refuse size 5: the box shows the page's size.
      {"refused font size",
       [&] {
         rig.bench().panel.FontSizeChosen(3);
         rig.bench().pages.CommitCellEdit(0, Line2Column, u"L2", false);
         rig.op.told.clear();
         emit Find<QComboBox>(rig, "fontSize")->activated(5);
         EXPECT_EQ(rig.op.told.size(), 1u);
       }},
      {"refused length",
       [&] {
         rig.bench().panel.LengthTextChanged(u"2");
         rig.bench().panel.SetLengthPressed();
       }},
      {"open", [&] { ASSERT_TRUE(rig.bench().files.OpenLabelFile(saved, true)); }},
      {"import",
       [&] {
         const auto csv = dir.path() / "in.csv";
         std::ofstream(csv) << "A,B,3\r\n";
         ASSERT_TRUE(rig.bench().files.ImportFile(csv.string()));
       }},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.name);
    s.step();
    ExpectPanelShowsTheCurrentPage(rig);
  }
}

}  // namespace
}  // namespace q5300::ui::test
