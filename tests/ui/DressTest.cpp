// What the window system shows of the program's own windows: message boxes
// carry exactly their caption and are wide enough for it, the status popup has
// its thin border, the Open dialog starts on both kinds of label file.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QTimer>
#include <fstream>

#include "WindowRig.h"
#include "printer/TempDir.h"
#include "ui/StatusPopupWindow.h"
#include "ui/QtOperator.h"
#include "ui/Theme.h"

namespace q5300::ui::test {
namespace {

TEST(MessageBoxes, CarryTheirCaptionAloneAndAreWideEnoughForIt) {
  // The window system adds a display name, when one is set, to every caption.
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
  QWidget owner;
  QtOperator op(&owner);
  for (const char* caption : {"Prompt", "Q5300 Application"}) {
    QString title;
    int width = 0;
    int needed = 0;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      title = box->windowTitle();
      width = box->width();
      needed = box->fontMetrics().horizontalAdvance(title) + 100;
      box->accept();
    });
    op.Tell(Message{"1", caption});
    EXPECT_EQ(title, QString::fromUtf8(caption));
    EXPECT_GE(width, needed) << caption;
  }
}

TEST(StatusPopup, HasAThinBorderAroundItsBackground) {
  StatusPopup state;
  StatusPopupWindow popup(state);
  state.SetStatusText("인쇄 데이터 전송중...");
  state.Show();
  const QImage image = popup.grab().toImage();
  ASSERT_FALSE(image.isNull());
  const int w = image.width();
  const int h = image.height();
  for (const QPoint edge :
       {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)}) {
    EXPECT_EQ(image.pixelColor(edge), StatusPopupWindow::BorderColor) << edge.x() << "," << edge.y();
  }
  EXPECT_EQ(image.pixelColor(2, h / 2), ApplicationBackground);
  state.Hide();
}

TEST(OpenDialog, StartsOnBothKindsOfLabelFile) {
  q5300::test::TempDir dir;
  for (const char* name : {"cables.qxk", "image.QXU", "panel.qxu", "notes.txt"}) {
    std::ofstream(dir.path() / name) << "x";
  }
  const QString previous = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(dir.path().string()));
  QWidget owner;
  QtOperator op(&owner);
  QString filter;
  QStringList listed;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    filter = box->selectedNameFilter();
    auto* files = box->findChild<QFileSystemModel*>();
    if (files != nullptr) {
      Eventually([&] {
        const QModelIndex root = files->index(files->rootPath());
        listed.clear();
        for (int i = 0; i < files->rowCount(root); ++i) {
          listed << files->index(i, 0, root).data().toString();
        }
        return listed.size() >= 3;
      });
    }
    box->reject();
  });
  FileDialog dialog;
  dialog.kind = FileDialog::OpenFile;
  dialog.initialName = ".qxu";
  dialog.filter = "Label files(*.qxk;*.qxu)|*.qxk;*.qxu|QXU(*.qxu)|*.qxu|QXK(*.qxk)|*.qxk|";
  dialog.mustExist = true;
  op.ChooseFile(dialog);
  QDir::setCurrent(previous);
  EXPECT_EQ(filter, QStringLiteral("Label files (*.qxk *.qxu)"));
  listed.sort();
  EXPECT_EQ(listed.join(u','), QStringLiteral("cables.qxk,image.QXU,panel.qxu"));
}

TEST(OpenDialog, FiltersAsQtWritesThem) {
  EXPECT_EQ(QtOperator::QtFilter("Label files(*.qxk;*.qxu)|*.qxk;*.qxu|QXU(*.qxu)|*.qxu|"),
            QStringLiteral("Label files (*.qxk *.qxu);;QXU (*.qxu)"));
  EXPECT_EQ(QtOperator::QtFilter("Excel file(*.csv)|*.csv|"), QStringLiteral("Excel file (*.csv)"));
  EXPECT_EQ(QtOperator::QtFilter("Text|*.txt|"), QStringLiteral("Text (*.txt)"));
}

}  // namespace
}  // namespace q5300::ui::test
