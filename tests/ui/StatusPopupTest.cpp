// The status popup stands in the middle of the window and never over a dialog:
// while a modal dialog of the program is open it steps aside, and it comes back
// afterwards if the job still shows it.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <fstream>
#include <QPushButton>

#include "WindowRig.h"
#include "editing/SymbolChoice.h"
#include "editing/NumberingChoice.h"
#include "printer/TempDir.h"
#include "ui/StatusPopupWindow.h"
#include "ui/QtOperator.h"

namespace q5300::ui::test {
namespace {

// The popup's middle against the window's, on the screen.
QPoint Offset(StatusPopupWindow* popup, QWidget* window) {
  const QRect area(popup->mapToGlobal(QPoint(0, 0)), popup->size());
  return area.center() - window->mapToGlobal(window->rect().center());
}

TEST(StatusPopup, StandsInTheMiddleOfTheWindow) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  StatusPopup& state = rig.bench().popup();
  StatusPopupWindow* popup = rig.window->statusPopup();
  state.SetStatusText("인쇄 데이터 전송중...");
  state.Show();
  ASSERT_TRUE(popup->isVisible());
  struct Step {
    QSize window;
    const char* text;
  };
  const Step steps[] = {
      {{1200, 800}, "인쇄 데이터 전송중..."},
      {{900, 640}, "인쇄 데이터 전송중..."},
      // A longer text makes the popup larger, still in the middle.
      {{900, 640}, StoppingText},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(std::to_string(step.window.width()) + " " + step.text);
    rig.window->resize(step.window);
    ASSERT_TRUE(Eventually([&] { return rig.window->size() == step.window; }));
    EXPECT_LE(Offset(popup, rig.window.get()).manhattanLength(), 2);
    state.SetStatusText(step.text);
    EXPECT_LE(Offset(popup, rig.window.get()).manhattanLength(), 2);
    EXPECT_TRUE(popup->isVisible());
  }
  state.Hide();
}

TEST(StatusPopup, StepsAsideWhileAModalDialogIsOpen) {
  struct Dialog {
    const char* name;
    std::function<void(WindowRig&, QtOperator&)> open;
  };
  const Dialog dialogs[] = {
      {"message box",
       [](WindowRig&, QtOperator& op) { op.Tell(Message{"Input is over length!!"}); }},
      {"question to go on",
       [](WindowRig&, QtOperator& op) {
         op.Choose(Message{"Continue from page 42?"},
                   {"Continue from page 42", "Start again from page 1", "Cancel"});
       }},
      {"close question",
       [](WindowRig&, QtOperator& op) { op.AskSaveChanges(Message{"저장하시겠습니까?"}); }},
      {"file dialog",
       [](WindowRig&, QtOperator& op) {
         FileDialog dialog;
         dialog.filter = "QXK(*.qxk)|*.qxk|";
         op.ChooseFile(dialog);
       }},
      {"numbering dialog",
       [](WindowRig&, QtOperator& op) {
         NumberingChoice numbering(NumberingFields{});
         op.RunNumberingDialog(numbering);
       }},
      {"symbol picker",
       [](WindowRig&, QtOperator& op) {
         SymbolChoice picker;
         op.RunSymbolPicker(picker);
       }},
      {"about box",
       [](WindowRig& rig, QtOperator&) {
         rig.window->findChild<QAction*>(QStringLiteral("about"))->trigger();
       }},
  };
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  QtOperator op(rig.window.get());
  StatusPopup& state = rig.bench().popup();
  StatusPopupWindow* popup = rig.window->statusPopup();
  for (const Dialog& dialog : dialogs) {
    // The job may go on while the dialog is open: its popup changes text, or goes.
    for (const bool jobEndsMeanwhile : {false, true}) {
      SCOPED_TRACE(std::string(dialog.name) + (jobEndsMeanwhile ? ", the job ends" : ""));
      state.SetStatusText("인쇄 데이터 전송중...");
      state.Show();
      ASSERT_TRUE(popup->isVisible());
      int opened = 0;
      bool hiddenWhileOpen = false;
      ModalWatch watch([&](QWidget* modal) {
        ++opened;
        hiddenWhileOpen = popup->isHidden();
        if (jobEndsMeanwhile) {
          state.Hide();
        } else {
          state.SetStatusText("PC가 사용중입니다! 준비되면 계속 인쇄합니다...");
        }
        hiddenWhileOpen = hiddenWhileOpen && popup->isHidden();
        if (auto* box = qobject_cast<QDialog*>(modal)) box->reject();
      });
      dialog.open(rig, op);
      EXPECT_EQ(opened, 1);
      EXPECT_TRUE(hiddenWhileOpen);
      EXPECT_EQ(popup->isVisible(), !jobEndsMeanwhile);
      if (!jobEndsMeanwhile) {
        EXPECT_EQ(popup->label()->text(),
                  QStringLiteral("PC가 사용중입니다! 준비되면 계속 인쇄합니다..."));
        EXPECT_LE(Offset(popup, rig.window.get()).manhattanLength(), 2);
      }
    }
  }
  state.Hide();
}

// An import reads its file without the event loop turning: its "please wait"
// is painted as it is shown, or the operator never sees it.
TEST(StatusPopup, TheImportsWaitIsPaintedWhileTheFileIsRead) {
  class PaintWatch : public QObject {
   public:
    bool eventFilter(QObject* watched, QEvent* event) override {
      const auto* label = qobject_cast<QLabel*>(watched);
      if (event->type() == QEvent::Paint && label != nullptr && label->isVisible()) {
        painted.push_back(label->text());
      }
      return false;
    }
    std::vector<QString> painted;
  };
  q5300::test::TempDir dir;
  const std::string path = (dir.path() / "wires.csv").string();
  std::ofstream(path, std::ios::binary) << "W-1,,1\r\nW-2,,1\r\n";
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  QApplication::processEvents();
  PaintWatch watch;
  rig.window->statusPopup()->label()->installEventFilter(&watch);
  ASSERT_TRUE(rig.bench().files.ImportFile(path));
  EXPECT_FALSE(rig.window->statusPopup()->isVisible());
  EXPECT_NE(std::find(watch.painted.begin(), watch.painted.end(),
                      QString::fromUtf8("데이타 추출중, 잠시 기다려 주십시오...")),
            watch.painted.end());
  rig.window->statusPopup()->label()->removeEventFilter(&watch);
}

}  // namespace
}  // namespace q5300::ui::test
