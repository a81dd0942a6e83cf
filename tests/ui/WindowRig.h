#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

#include "editing/Workbench.h"
#include "printer/VirtualPrinter.h"
#include "support/FakeOperator.h"
#include "ui/GridTableModel.h"
#include "ui/LabelGrid.h"
#include "ui/MainWindow.h"

namespace q5300::ui::test {

// Waits for the event loop to bring `condition` about; an edit commits, and a
// queued call runs, only once the loop has run.
inline bool Eventually(const std::function<bool()>& condition, int timeoutMs = 3000) {
  return QTest::qWaitFor(condition, timeoutMs);
}

// Types `text` into `widget` one key event per character, with the character as
// the event's text, as a keyboard layout delivers it (QTest::keyClicks refuses
// Hangul and the private-use characters).
inline void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

// `text` committed by an input method, as a Korean one finishes a syllable.
inline void Compose(QWidget* widget, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(widget, &event);
}

// The title as Qt hands it to the window system: "[*]" made the mark of unsaved
// changes, or left out. (A display name would be added after this, by the
// platform itself.)
inline QString ShownTitle(QWidget& window) {
  window.winId();  // the window system's window, which takes the title
  return window.windowHandle()->title();
}

// The device a rig's window gets, made from the rig's virtual printer.
using DeviceOver = std::function<std::unique_ptr<Device>(std::unique_ptr<VirtualPrinter>)>;

// Where a window's inside is on the screen (the test platform may put it two
// points from where its geometry says).
inline QRect OnScreen(const QWidget* widget) {
  return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

// Hands each modal dialog to `handle` as it opens, from within the dialog's own
// event loop; `handle` closes it, or the test waits on it.
class ModalWatch {
 public:
  explicit ModalWatch(std::function<void(QWidget*)> handle) : handle_(std::move(handle)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || modal == handled_ || !modal->isVisible()) return;
      handled_ = modal;
      handle_(modal);
    });
    poll_.start(5);
  }

 private:
  std::function<void(QWidget*)> handle_;
  QPointer<QWidget> handled_;
  QTimer poll_;
};

// The main window, shown and active, over a virtual printer that answers ready,
// with a fake operator that records every message and answers from a script.
struct WindowRig {
  // `fileToOpen` as if named on the command line; the waits of a print job
  // multiplied by `timeScale`; the printer handed to the window through
  // `deviceOver`, when given.
  explicit WindowRig(const QString& fileToOpen = {}, double timeScale = 1.0,
                     const DeviceOver& deviceOver = {}) {
    auto virtualPrinter = std::make_unique<VirtualPrinter>(clock);
    printer = virtualPrinter.get();
    std::unique_ptr<Device> device =
        deviceOver ? deviceOver(std::move(virtualPrinter)) : std::move(virtualPrinter);
    window = std::make_unique<MainWindow>(&op, std::move(device), nullptr, timeScale);
    window->resize(1200, 800);
    window->StartUp(fileToOpen);
    window->show();
    window->activateWindow();
    shown = QTest::qWaitForWindowActive(window.get());
  }

  Workbench& bench() { return window->bench(); }
  const JobDocument& document() { return window->bench().document; }
  LabelGrid* grid() { return window->grid(); }
  QString Cell(int row, int column) {
    return grid()->model()->index(row, column).data().toString();
  }
  QPoint CellCentre(int row, int column) {
    return grid()->visualRect(grid()->model()->index(row, column)).center();
  }
  void Click(int row, int column) {
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
  }
  // A right click at `at` in `widget`, as the mouse gives it.
  static void RightClick(QWidget* widget, QPoint at) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &click);
  }
  // Types the first line of the current page through the page commands, as a finished edit.
  void Line1(const std::u16string& text) {
    bench().pages.CommitCellEdit(document().currentPageIndex(), Line1Column, text, false);
  }
  // Opens the editor on a cell with a click; false when none opened there.
  bool OpenEditor(int row, int column) {
    Click(row, column);
    CellEditor* editor = grid()->editor();
    return editor != nullptr && editor->row() == row && editor->column() == column &&
           editor->hasFocus();
  }
  // Types into the open editor and ends the edit with `key`.
  void TypeAndEnd(const QString& text, Qt::Key key = Qt::Key_Return) {
    CellEditor* editor = grid()->editor();
    ASSERT_NE(editor, nullptr);
    Type(editor, text);
    QTest::keyClick(editor, key);
  }

  testing::FakeOperator op;
  ManualClock clock;
  VirtualPrinter* printer = nullptr;
  std::unique_ptr<MainWindow> window;
  bool shown = false;
};

}  // namespace q5300::ui::test
