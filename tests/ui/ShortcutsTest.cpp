// The keys a desktop user tries first: the toolbar's shortcuts (shown in the
// tooltips), undo and redo, Delete only outside a text; the grid's right-click
// menu; a title that names the job and marks unsaved changes.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "WindowRig.h"
#include "printer/TempDir.h"

namespace q5300::ui::test {
namespace {

TEST(Shortcuts, EveryToolbarShortcutRunsItsCommandAndShowsInTheTooltip) {
  struct Case {
    Command command;
    QKeyCombination keys;
    const char* tooltip;
    std::function<void(WindowRig&)> before;
    std::function<bool(WindowRig&)> done;
  };
  auto nothing = [](WindowRig&) {};
  auto dialogOfKind = [](FileDialog::Kind kind) {
    return
        [kind](WindowRig& r) { return r.op.dialogs.size() == 1 && r.op.dialogs[0].kind == kind; };
  };
  const Case cases[] = {
      {Command::Open, Qt::CTRL | Qt::Key_O, "열기 (Ctrl+O)", nothing,
       dialogOfKind(FileDialog::OpenFile)},
      {Command::Save, Qt::CTRL | Qt::Key_S, "저장 (Ctrl+S)", nothing,
       dialogOfKind(FileDialog::SaveFile)},
      {Command::Import, Qt::CTRL | Qt::Key_I, "가져오기 (Ctrl+I)", nothing,
       [](WindowRig& r) { return r.op.dialogs.size() == 1 && r.op.told.size() == 1; }},
      {Command::Print, Qt::CTRL | Qt::Key_P, "인쇄 (Ctrl+P)", [](WindowRig& r) { r.Line1(u"A"); },
       [](WindowRig& r) { return r.printer->packets().size() == 1; }},
      {Command::Preview, QKeyCombination(Qt::Key_F5), "미리보기 (F5)", nothing,
       [](WindowRig& r) { return r.document().previewShown(); }},
      {Command::Add, QKeyCombination(Qt::Key_Insert), "추가 (Ins)", nothing,
       [](WindowRig& r) { return r.document().grid().rowCount() == 2; }},
      {Command::Delete, QKeyCombination(Qt::Key_Delete), "삭제 (Del)",
       [](WindowRig& r) { r.bench().pages.Add(); },
       [](WindowRig& r) { return r.document().grid().rowCount() == 1; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tooltip);
    WindowRig rig;
    ASSERT_TRUE(rig.shown);
    EXPECT_EQ(rig.window->action(c.command)->toolTip(), QString::fromUtf8(c.tooltip));
    c.before(rig);
    rig.grid()->setFocus();
    QTest::keyClick(rig.grid(), c.keys.key(), c.keys.keyboardModifiers());
    EXPECT_TRUE(Eventually([&] { return c.done(rig); }));
  }
}

TEST(Shortcuts, F1StillOpensTheAboutBox) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  QString shown;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      for (const QLabel* label : box->findChildren<QLabel*>()) shown += label->text();
      box->accept();
    }
  });
  QTest::keyClick(rig.grid(), Qt::Key_F1);
  EXPECT_EQ(shown, QStringLiteral("Version 1.11"));
}

TEST(Shortcuts, DeleteInACellEditDeletesTextNotThePage) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.bench().pages.Add();
  ASSERT_TRUE(rig.OpenEditor(1, Line1Column));
  CellEditor* editor = rig.grid()->editor();
  Type(editor, QStringLiteral("ABC"));
  QTest::keyClick(editor, Qt::Key_Home);
  QTest::keyClick(editor, Qt::Key_Delete);
  EXPECT_EQ(editor->text(), QStringLiteral("BC"));
  EXPECT_EQ(rig.document().grid().rowCount(), 2);
  // The length field of the panel is a text too.
  QLineEdit* length = rig.window->findChild<QLineEdit*>(QStringLiteral("lengthEdit"));
  length->setFocus();
  QTest::keyClick(length, Qt::Key_Delete);
  EXPECT_EQ(rig.document().grid().rowCount(), 2);
  // Nor does a box of the media bar delete pages.
  QWidget* material = rig.window->findChild<QWidget*>(QStringLiteral("material"));
  material->setFocus();
  QTest::keyClick(material, Qt::Key_Delete);
  EXPECT_EQ(rig.document().grid().rowCount(), 2);
}

TEST(Shortcuts, UndoAndRedoKeysTakeTheJobBackAndForth) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  EXPECT_FALSE(rig.window->undoAction()->isEnabled());
  rig.window->action(Command::Add)->trigger();
  ASSERT_EQ(rig.document().grid().rowCount(), 2);
  EXPECT_TRUE(rig.window->undoAction()->isEnabled());

  rig.grid()->setFocus();
  QTest::keyClick(rig.grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rig.document().grid().rowCount(), 1);
  EXPECT_TRUE(rig.window->redoAction()->isEnabled());
  QTest::keyClick(rig.grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(rig.document().grid().rowCount(), 2);
  QTest::keyClick(rig.grid(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(rig.grid(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(rig.document().grid().rowCount(), 2);
  EXPECT_FALSE(rig.window->redoAction()->isEnabled());
}

TEST(Shortcuts, UndoInACellEditTakesBackTheTypingOnly) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.window->action(Command::Add)->trigger();
  ASSERT_TRUE(rig.OpenEditor(1, Line1Column));
  CellEditor* editor = rig.grid()->editor();
  Type(editor, QStringLiteral("AB"));
  QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(editor->text(), QString());
  EXPECT_EQ(rig.document().grid().rowCount(), 2);
  EXPECT_EQ(rig.grid()->openEditor(), editor);
}

TEST(GridMenu, ARightClickMakesTheRowCurrentAndOffersUndoRedoAddDelete) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.Line1(u"one");
  rig.bench().pages.Add();
  rig.Line1(u"two");
  rig.bench().pages.Add();
  rig.Line1(u"three");
  ASSERT_EQ(rig.document().grid().CellText(1, Line1Column), u"two");
  rig.bench().pages.RowClicked(0, Line1Column);
  QMenu* menu = rig.window->gridMenu();
  QStringList items;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator()) items << action->objectName();
  }
  EXPECT_EQ(items.join(u','), QStringLiteral("undo,redo,add,delete,export,export949"));

  WindowRig::RightClick(rig.grid()->viewport(), rig.CellCentre(1, Line1Column));
  ASSERT_TRUE(Eventually([&] { return menu->isVisible(); }));
  EXPECT_EQ(rig.document().currentPageIndex(), 1);
  menu->hide();
  rig.window->action(Command::Delete)->trigger();
  // The page under the pointer went.
  ASSERT_EQ(rig.document().grid().rowCount(), 2);
  EXPECT_EQ(rig.document().grid().CellText(0, Line1Column), u"one");
  EXPECT_EQ(rig.document().grid().CellText(1, Line1Column), u"three");
}

// Export is not on the toolbar: the grid's menu and Ctrl+E (UTF-8) or
// Ctrl+Shift+E (code page 949) take the job out as CSV, an open edit included.
TEST(GridMenu, ExportWritesTheJobAsCsvFromTheMenuAndTheKeys) {
  q5300::test::TempDir dir;
  struct Case {
    std::function<void(WindowRig&)> run;
    const char* file;
    std::string expected;
  };
  const Case cases[] = {
      {[](WindowRig& r) { r.window->exportAction(CsvEncoding::Utf8)->trigger(); }, "menu.csv",
       "\xEF\xBB\xBF\"\xED\x95\x9C,1\",L2,1\r\n"},
      {[](WindowRig& r) { QTest::keyClick(r.grid(), Qt::Key_E, Qt::ControlModifier); }, "key.csv",
       "\xEF\xBB\xBF\"\xED\x95\x9C,1\",L2,1\r\n"},
      {[](WindowRig& r) {
         QTest::keyClick(r.grid(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
       },
       "949.csv", "\"\xC7\xD1,1\",L2,1\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    WindowRig rig;
    ASSERT_TRUE(rig.shown);
    rig.bench().panel.FontSizeChosen(3);
    rig.bench().pages.CommitCellEdit(0, Line2Column, u"L2", false);
    // Still typing when the command comes.
    ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
    Type(rig.grid()->editor(), QString::fromUtf8("\xED\x95\x9C,1"));
    rig.op.files.push_back((dir.path() / c.file).string());
    c.run(rig);
    ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(dir.path() / c.file); }));
    ASSERT_EQ(rig.op.dialogs.size(), 1u);
    EXPECT_EQ(rig.op.dialogs[0].filter, "Excel file(*.csv)|*.csv|");
    std::ifstream in(dir.path() / c.file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.expected);
    // An export is no save: the job still counts as changed.
    EXPECT_TRUE(rig.document().modified());
  }
}

TEST(Title, NamesTheJobsFileAndMarksUnsavedChanges) {
  q5300::test::TempDir dir;
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  EXPECT_EQ(ShownTitle(*rig.window), QStringLiteral("Q5300_V1.04"));
  rig.Line1(u"AB");
  EXPECT_EQ(ShownTitle(*rig.window), QStringLiteral("Q5300_V1.04*"));

  rig.op.files.push_back((dir.path() / "cables.qxk").string());
  rig.window->action(Command::Save)->trigger();
  EXPECT_EQ(ShownTitle(*rig.window), QStringLiteral("cables.qxk — Q5300_V1.04"));
  rig.Line1(u"ABC");
  EXPECT_EQ(ShownTitle(*rig.window), QStringLiteral("cables.qxk* — Q5300_V1.04"));
  rig.window->undoAction()->trigger();
  EXPECT_EQ(ShownTitle(*rig.window), QStringLiteral("cables.qxk — Q5300_V1.04"));

  // A print image written is not the job saved.
  rig.op.files.push_back((dir.path() / "cables.qxu").string());
  rig.window->action(Command::SaveU)->trigger();
  rig.Line1(u"D");
  EXPECT_EQ(ShownTitle(*rig.window), QStringLiteral("cables.qxk* — Q5300_V1.04"));
}

}  // namespace
}  // namespace q5300::ui::test
