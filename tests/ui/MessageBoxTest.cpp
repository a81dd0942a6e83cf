// The window's message boxes as the operator meets them: centred on the window,
// and the question with answers of its own answered by Enter, Escape, the close
// box or a click.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTextLayout>

#include "WindowRig.h"
#include "ui/Centred.h"
#include "ui/CoreTexts.h"
#include "ui/QtOperator.h"

namespace q5300::ui::test {
namespace {

const std::vector<Phrase> kAnswers = {"Continue from page 42", "Start again from page 1",
                                      "Cancel"};

QPushButton* ButtonWithText(QMessageBox* box, const char* text) {
  for (QAbstractButton* button : box->buttons()) {
    if (button->text() == QString::fromUtf8(text)) return qobject_cast<QPushButton*>(button);
  }
  return nullptr;
}

// A key as the keyboard gives it: to the widget of the box that has the focus.
void Press(QMessageBox* box, Qt::Key key) {
  QWidget* target = box->focusWidget() != nullptr ? box->focusWidget() : box;
  QTest::keyClick(target, key);
}

TEST(ChooseBox, EnterGivesTheFirstAnswerEscapeAndTheCloseBoxTheLast) {
  struct Case {
    const char* what;
    std::function<void(QMessageBox*)> answer;
    std::size_t expected;
  };
  const Case cases[] = {
      {"Enter", [](QMessageBox* box) { Press(box, Qt::Key_Return); }, 0},
      {"Escape", [](QMessageBox* box) { Press(box, Qt::Key_Escape); }, 2},
      {"the close box", [](QMessageBox* box) { box->close(); }, 2},
      {"a click on the second answer",
       [](QMessageBox* box) {
         QTest::mouseClick(ButtonWithText(box, "Start again from page 1"), Qt::LeftButton);
       },
       1},
      {"a click on the last answer",
       [](QMessageBox* box) { QTest::mouseClick(ButtonWithText(box, "Cancel"), Qt::LeftButton); },
       2},
      {"a click on the first answer",
       [](QMessageBox* box) {
         QTest::mouseClick(ButtonWithText(box, "Continue from page 42"), Qt::LeftButton);
       },
       0},
  };
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  QtOperator op(rig.window.get());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QStringList buttons;
    ModalWatch watch([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box == nullptr) return;
      for (QAbstractButton* button : box->buttons()) buttons << button->text();
      c.answer(box);
    });
    const std::size_t chosen = op.Choose(Message{"Continue from page 42?"}, kAnswers);
    EXPECT_EQ(chosen, c.expected);
    EXPECT_EQ(buttons.size(), 3);
  }
}

TEST(MessageBoxes, OpenCentredOnTheWindow) {
  struct Box {
    const char* what;
    std::function<void(QtOperator&)> open;
  };
  const Box boxes[] = {
      {"message", [](QtOperator& op) { op.Tell(Message{"인쇄 내용 없음!"}); }},
      {"yes or no", [](QtOperator& op) { op.AskYesNo(Message{"Replace it?"}); }},
      {"answers of its own",
       [](QtOperator& op) { op.Choose(Message{"Continue from page 42?"}, kAnswers); }},
      {"close question", [](QtOperator& op) { op.AskSaveChanges(Message{"저장하시겠습니까?"}); }},
  };
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  // Off the screen's middle, with room around it for the boxes, which are kept
  // on the screen.
  QWidget* window = rig.window.get();
  window->setGeometry(0, 0, 760, 520);
  ASSERT_TRUE(Eventually([&] { return window->geometry() == QRect(0, 0, 760, 520); }));
  const QRect place = OnScreen(window);
  QtOperator op(window);
  for (const Box& b : boxes) {
    SCOPED_TRACE(b.what);
    QPoint centre;
    ModalWatch watch([&](QWidget* modal) {
      centre = OnScreen(modal).center();
      qobject_cast<QDialog*>(modal)->reject();
    });
    b.open(op);
    ASSERT_EQ(OnScreen(window), place);
    // The test platform puts a dialog's frame, two points wide, where a window
    // system puts the dialog itself.
    EXPECT_LE((centre - place.center()).manhattanLength(), 4) << centre.x() << "," << centre.y();
  }
}

TEST(MessageBoxes, GoToTheMiddleOfTheWindowWhereverQtWouldPutThem) {
  // On a desktop Qt's place for a dialog over a maximised window is tens of
  // points off; the test platform places dialogs right, so a dialog placed
  // elsewhere beforehand stands for it.
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  QWidget* window = rig.window.get();
  window->setGeometry(0, 0, 760, 520);
  ASSERT_TRUE(Eventually([&] { return window->geometry() == QRect(0, 0, 760, 520); }));
  Centred<QDialog> dialog(window);
  dialog.resize(300, 120);
  dialog.move(440, 380);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_LE((OnScreen(&dialog).center() - OnScreen(window).center()).manhattanLength(), 4);
}

// Laid out as narrow as it goes, a box's text breaks wherever it may: never
// inside a range of pages ("44–" above "100").
TEST(MessageBox, APageRangeStaysOnOneLine) {
  const QString text =
      MessageBoxText(Message{Phrase::Literal("Pages 1–9, 11–44 sent, 10, 45–101 not sent.")});
  QTextLayout layout(text, QFont());
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(1);
  }
  layout.endLayout();
  QStringList lines;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    lines << text.mid(line.textStart(), line.textLength()).trimmed().remove(QChar(0x2060));
  }
  EXPECT_TRUE(lines.contains(QStringLiteral("1–9,"))) << lines.join(u'|').toStdString();
  EXPECT_TRUE(lines.contains(QStringLiteral("45–101"))) << lines.join(u'|').toStdString();
  for (const QString& line : lines) EXPECT_FALSE(line.endsWith(u'–')) << line.toStdString();
}

}  // namespace
}  // namespace q5300::ui::test
