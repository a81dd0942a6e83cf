// The numbering dialog's filtered boxes and its OK, and the symbol picker's
// double-clicks, driven as the operator drives them.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <optional>

#include "WindowRig.h"
#include "editing/SymbolChoice.h"
#include "editing/NumberingChoice.h"
#include "printer/TempDir.h"
#include "ui/SymbolDialog.h"
#include "ui/FilteredEdit.h"
#include "ui/NumberingDialog.h"
#include "ui/QtOperator.h"

namespace q5300::ui::test {
namespace {

// Answers the next message box with OK, noting its caption and text.
class MessageBoxWatch {
 public:
  MessageBoxWatch() {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      seen.push_back(box->windowTitle() + QStringLiteral(": ") + box->text());
      box->done(QMessageBox::Ok);
    });
    poll_.start(5);
  }
  QStringList seen;

 private:
  QTimer poll_;
};

QPushButton* Button(QWidget& dialog, const QString& name) {
  return dialog.findChild<QPushButton*>(name);
}

// A click on the radio's round button.
void Choose(NumberingDialog& dialog, NumberingKind kind) {
  QRadioButton* radio = dialog.radio(kind);
  QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
}

TEST(NumberingDialog, TheBoxesTakeWhatTheChosenKindAllows) {
  struct Case {
    NumberingKind kind;
    QString typed;
    QString shown;
  };
  const Case cases[] = {
      {NumberingKind::Number, QStringLiteral("1a2-b34"), QStringLiteral("123")},
      {NumberingKind::Fixed, QStringLiteral("0x07"), QStringLiteral("007")},
      {NumberingKind::Upper, QStringLiteral("7bc"), QStringLiteral("B")},
      {NumberingKind::Lower, QStringLiteral("Q"), QStringLiteral("q")},
      {NumberingKind::Hex2, QStringLiteral("ab"), QStringLiteral("AB")},
      {NumberingKind::Hex2, QStringLiteral("aG"), QString()},
      {NumberingKind::Hex1, QStringLiteral("fa"), QStringLiteral("F")},
  };
  NumberingChoice model(NumberingFields{});
  NumberingDialog dialog(model);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  for (const Case& c : cases) {
    dialog.startBox()->setText(QStringLiteral("9"));
    Choose(dialog, c.kind);
    EXPECT_TRUE(dialog.startBox()->text().isEmpty()) << "a new kind empties the boxes";
    Type(dialog.startBox(), c.typed);
    EXPECT_EQ(dialog.startBox()->text(), c.shown) << c.typed.toStdString();
    EXPECT_EQ(model.text(NumBox::Start), c.shown.toStdU16String());
  }
  // Letters only: a Hangul syllable from an input method is refused like a digit.
  Choose(dialog, NumberingKind::Upper);
  Compose(dialog.startBox(), QStringLiteral("가"));
  EXPECT_TRUE(dialog.startBox()->text().isEmpty());
  Compose(dialog.startBox(), QStringLiteral("x"));
  EXPECT_EQ(dialog.startBox()->text(), QStringLiteral("X"));
}

TEST(NumberingDialog, OkAsksForBothValuesAndThenHandsThemOver) {
  NumberingChoice model(NumberingFields{});
  NumberingDialog dialog(model);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  MessageBoxWatch boxes;
  QPushButton* ok = Button(dialog, QStringLiteral("ok"));
  ASSERT_NE(ok, nullptr);

  QTest::mouseClick(ok, Qt::LeftButton);
  Type(dialog.startBox(), QStringLiteral("007"));
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(boxes.seen, (QStringList{QStringLiteral("알림: 시작 문자를 입력해주세요!"),
                                     QStringLiteral("알림: 종료 문자를 입력해주세요!")}));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_NE(dialog.result(), QDialog::Accepted);

  Type(dialog.endBox(), QStringLiteral("120"));
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(model.fields().flags[0], 1);
  EXPECT_EQ(model.fields().start, (std::array<char, 4>{'7', 0, 0, 0}));
  EXPECT_EQ(model.fields().end, (std::array<char, 4>{'1', '2', '0', 0}));
  EXPECT_EQ(boxes.seen.size(), 2);
}

TEST(NumberingDialog, OpensOnThePagesKindWithHexValuesInHexDigits) {
  NumberingFields fields;
  fields.flags[static_cast<int>(NumberingKind::Hex2)] = 1;
  fields.start = {'1', '7', '1', 0};
  fields.end = {'1', '5', 0, 0};
  NumberingChoice model(fields);
  NumberingDialog dialog(model);
  EXPECT_TRUE(dialog.radio(NumberingKind::Hex2)->isChecked());
  EXPECT_EQ(dialog.startBox()->text(), QStringLiteral("AB"));
  EXPECT_EQ(dialog.endBox()->text(), QStringLiteral("0F"));
  EXPECT_EQ(dialog.startBox()->maxLength(), 2);
}

// The file dialog the window shows for a file request: how it was set up, and what
// it did when the operator picked an existing file in `folder`.
struct ShownFileDialog {
  QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
  QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
  bool confirmsOverwrite = false;
  QStringList filters;
  QString initialName;
  QStringList questions;  // the message boxes it showed, answered No
};

ShownFileDialog ShowFileDialog(QtOperator& op, const FileDialog& request, const QString& folder,
                               const QString& existing, std::optional<std::string>& chosen) {
  ShownFileDialog shown;
  bool handled = false;
  QTimer dialogs;
  QObject::connect(&dialogs, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (box == nullptr || handled) return;
    handled = true;
    shown.acceptMode = box->acceptMode();
    shown.fileMode = box->fileMode();
    shown.confirmsOverwrite = !box->testOption(QFileDialog::DontConfirmOverwrite);
    shown.filters = box->nameFilters();
    if (!box->selectedFiles().isEmpty()) {
      shown.initialName = QFileInfo(box->selectedFiles().front()).fileName();
    }
    box->setDirectory(folder);
    // As the user types the name: selectFile leaves the name box alone while it
    // has the focus, which it may or may not have yet.
    auto* name = box->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name != nullptr) {
      name->setText(existing);
    } else {
      box->selectFile(existing);
    }
    // OK, as the dialog's button gives it (the slot is not public).
    QMetaObject::invokeMethod(box, "accept", Qt::DirectConnection);
    if (box->isVisible()) box->reject();
  });
  QTimer questions;
  QObject::connect(&questions, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    shown.questions << box->text();
    box->done(QMessageBox::No);
  });
  dialogs.start(5);
  questions.start(5);
  chosen = op.ChooseFile(request);
  return shown;
}

TEST(FileDialogs, EachFileRequestBecomesItsQtDialog) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  // The requests of Open, Save, SaveU and Import, as the commands make them.
  rig.bench().files.Open();
  rig.bench().files.Save();
  rig.bench().files.SaveU();
  rig.bench().files.Import();
  ASSERT_EQ(rig.op.dialogs.size(), 4u);

  q5300::test::TempDir dir;
  const QString folder = QString::fromStdString(dir.path().string());
  for (const char* name : {"job.qxu", "job.qxk", "job.csv"}) {
    std::ofstream(dir.path() / name) << "earlier";
  }
  struct Expected {
    QFileDialog::AcceptMode acceptMode;
    QFileDialog::FileMode fileMode;
    QStringList filters;
    const char* initialName;
    const char* existing;
    bool replaceAsked;  // else the existing file is chosen
  };
  const Expected expected[] = {
      {QFileDialog::AcceptOpen,
       QFileDialog::ExistingFile,
       {QStringLiteral("Label files (*.qxk *.qxu)"), QStringLiteral("QXU (*.qxu)"),
        QStringLiteral("QXK (*.qxk)")},
       ".qxu",
       "job.qxu",
       false},
      {QFileDialog::AcceptSave,
       QFileDialog::AnyFile,
       {QStringLiteral("QXK (*.qxk)")},
       ".qxk",
       "job.qxk",
       true},
      {QFileDialog::AcceptSave,
       QFileDialog::AnyFile,
       {QStringLiteral("QXU (*.qxu)")},
       "Vexal",
       "job.qxu",
       true},
      {QFileDialog::AcceptOpen,
       QFileDialog::ExistingFile,
       {QStringLiteral("Import files (*.csv *.xlsx *.ods *.txt)"),
        QStringLiteral("Excel file (*.csv)"), QStringLiteral("Excel workbook (*.xlsx)"),
        QStringLiteral("OpenDocument spreadsheet (*.ods)"), QStringLiteral("Unicode text (*.txt)")},
       ".csv",
       "job.csv",
       false},
  };
  QtOperator op(rig.window.get());
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(expected[i].initialName);
    const Expected& e = expected[i];
    std::optional<std::string> chosen;
    const ShownFileDialog shown =
        ShowFileDialog(op, rig.op.dialogs[i], folder, QString::fromLatin1(e.existing), chosen);
    EXPECT_EQ(shown.acceptMode, e.acceptMode);
    EXPECT_EQ(shown.fileMode, e.fileMode);
    EXPECT_EQ(shown.filters, e.filters);
    EXPECT_EQ(shown.initialName.toStdString(), e.initialName);
    if (e.replaceAsked) {
      EXPECT_TRUE(shown.confirmsOverwrite);
      ASSERT_EQ(shown.questions.size(), 1);
      EXPECT_TRUE(shown.questions[0].contains(QLatin1String(e.existing)));
      EXPECT_EQ(chosen, std::nullopt);
    } else {
      EXPECT_TRUE(shown.questions.isEmpty());
      EXPECT_EQ(chosen, (dir.path() / e.existing).string());
    }
  }
}

TEST(SymbolPicker, DoubleClicksCollectSymbolsAndClearEmptiesTheSelection) {
  SymbolChoice model;
  SymbolDialog dialog(model);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  SymbolSheet* sheet = dialog.sheet();
  const int w = sheet->width() / SymbolChoice::SheetColumns;
  const int h = sheet->height() / SymbolChoice::SheetRows;
  auto doubleClick = [&](int row, int column) {
    const QPoint at(column * w + w / 2, row * h + h / 2);
    QTest::mousePress(sheet, Qt::LeftButton, {}, at);
    QTest::mouseRelease(sheet, Qt::LeftButton, {}, at);
    QTest::mouseDClick(sheet, Qt::LeftButton, {}, at);
    QTest::mouseRelease(sheet, Qt::LeftButton, {}, at);
  };

  doubleClick(1, 0);  // the octagon O
  doubleClick(0, 1);
  doubleClick(4, 14);  // an empty cell
  EXPECT_EQ(dialog.selectionBox()->text(), QStringLiteral("\uE010\uE001"));
  QTest::mouseClick(Button(dialog, QStringLiteral("clear")), Qt::LeftButton);
  EXPECT_TRUE(dialog.selectionBox()->text().isEmpty());
  EXPECT_TRUE(model.selection().empty());

  doubleClick(4, 12);  // the last symbol, Ω
  doubleClick(4, 12);
  EXPECT_EQ(dialog.selectionBox()->text(), QStringLiteral("\uE04C\uE04C"));
  // A double click beside the sheet picks nothing.
  QTest::mouseDClick(&dialog, Qt::LeftButton, {}, dialog.selectionBox()->geometry().center());
  EXPECT_EQ(model.selection(), u"\uE04C\uE04C");
}

TEST(SymbolPicker, TheSymbolsCommandAppendsWhatThePickerCollected) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.op.symbols = [](SymbolChoice& picker) {
    SymbolDialog dialog(picker);
    dialog.show();
    const QRect sheet = dialog.sheet()->geometry();
    QTest::mouseDClick(&dialog, Qt::LeftButton, {}, sheet.topLeft() + QPoint(5, 5));
    return !picker.selection().empty();
  };
  rig.window->action(Command::Symbols)->trigger();
  EXPECT_EQ(rig.document().grid().CellText(0, Line1Column), u"\uE000");
  EXPECT_EQ(rig.Cell(0, Line1Column), QStringLiteral("\uE000"));
}

}  // namespace
}  // namespace q5300::ui::test
