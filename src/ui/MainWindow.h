#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QScrollArea>
#include <map>
#include <memory>

#include "editing/Workbench.h"
#include "printer/Clock.h"
#include "printer/Device.h"
#include "ui/QtOperator.h"
#include "ui/QtTimers.h"

namespace q5300::ui {

class MediaBar;
class LabelGrid;
class PreviewStrip;
class StatusPopupWindow;
class PagePanel;

// Toolbar commands, by the ids the program has always used.
enum class Command {
  Open = 32776,
  Save = 32775,
  Import = 32783,
  Add = 32780,
  Delete = 32781,
  Superscript = 32773,
  Subscript = 32774,
  Preview = 32782,
  Print = 32779,
  Symbols = 32784,
  SaveU = 32785,
  Exit = 32777,
};

// The main window: toolbar, media bar, page panel, label grid and preview strip
// over one workbench. It holds no rule of the job: it shows the document and
// passes the operator's actions on to the commands, an open cell edit committed
// first.
class MainWindow final : public QMainWindow, private DocumentView {
  Q_OBJECT

 public:
  // `op` and `device` may be given (tests); otherwise the window asks with its
  // own dialogs and takes the printer that Q5300_DEVICE names. `timeScale`
  // multiplies the waits of a print job (tests; see QtTimers).
  explicit MainWindow(EditingOperator* op = nullptr, std::unique_ptr<Device> device = nullptr,
                        QWidget* parent = nullptr, double timeScale = 1.0);
  ~MainWindow() override;

  // The first page; then, once the window is on the screen, the device check
  // and the label file named on the command line, if any.
  void StartUp(const QString& fileToOpen = {});

  Workbench& bench() { return *bench_; }
  QAction* action(Command command) const { return actions_.at(command); }
  LabelGrid* grid() const { return grid_; }
  MediaBar* mediaBar() const { return mediaBar_; }
  PagePanel* pagePanel() const { return pagePanel_; }
  StatusPopupWindow* statusPopup() const { return popup_; }
  PreviewStrip* preview() const { return preview_; }
  // Which printer the last job went to, in the status line.
  QLabel* printerNote() const { return printerNote_; }
  QAction* undoAction() const { return undo_; }
  QAction* redoAction() const { return redo_; }
  // Export as CSV: UTF-8 (Ctrl+E) or code page 949 (Ctrl+Shift+E).
  QAction* exportAction(CsvEncoding encoding) const {
    return encoding == CsvEncoding::Utf8 ? exportUtf8_ : export949_;
  }
  // The grid's right-click menu; other commands on pages may be added to it.
  QMenu* gridMenu() const { return gridMenu_; }
  // The status line: the current page's length and labels, the job's pages and
  // labels. Messages of the status bar (QStatusBar::showMessage) stand beside them.
  QLabel* pageStatus() const { return pageStatus_; }
  QLabel* jobStatus() const { return jobStatus_; }
  QScrollArea* pagePanelScroll() const { return panelScroll_; }
  // What the program returns when it ends: not 0 when the window was closed
  // while a print job left pages not sent.
  int exitStatus() const { return exitStatus_; }

 signals:
  void commandRun(Command command);

 protected:
  // Escape is left alone: unlike a dialog, the window does not close on it.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // DocumentView
  void ControlsChanged() override;
  void PreviewChanged(const PreviewSnapshot& snapshot, double mediaWidthMm) override;
  void MediaWidthChanged(double mediaWidthMm) override;
  void JobChanged() override;
  void CurrentPageChanged(int row, bool ensureVisible) override;
  void EditCell(int row, int column) override;
  void PrinterChanged();
  // Runs `command` once an open cell edit is committed: a command always works
  // on the text the operator sees.
  template <typename Command>
  void Committed(Command&& command) {
    CommitOpenEdit();
    command();
  }
  void CommitOpenEdit();

  void MakeToolbar();
  void MakeEditCommands();
  void MakeExportCommands();
  void MakeStatusLine();
  void ShowGridMenu(const QPoint& at);
  // "name.qxk — Q5300_V1.04", marked while the job has unsaved changes.
  void UpdateTitle();
  // The page being edited, or else the current page, and the job.
  void UpdateStatus();
  void Run(Command command);
  void ShowAbout();
  // What StartUp leaves until the window is on the screen.
  void StartUpShown();

  SystemClock clock_;
  QtOperator qtOperator_{this};
  EditingOperator* op_;
  std::unique_ptr<Device> device_;
  LabelGrid* grid_;
  std::unique_ptr<QtTimers> timers_;
  // Brings the printer worker's reports to the event loop; outlives the workbench.
  std::unique_ptr<Dispatcher> dispatcher_;
  std::unique_ptr<Workbench> bench_;
  MediaBar* mediaBar_ = nullptr;
  PagePanel* pagePanel_ = nullptr;
  StatusPopupWindow* popup_ = nullptr;
  PreviewStrip* preview_ = nullptr;
  QLabel* printerNote_ = nullptr;
  QScrollArea* panelScroll_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QMenu* gridMenu_ = nullptr;
  QAction* exportUtf8_ = nullptr;
  QAction* export949_ = nullptr;
  QLabel* pageStatus_ = nullptr;
  QLabel* jobStatus_ = nullptr;
  // StartUp ran and the window has not been exposed since.
  bool startUpPending_ = false;
  // Closing waits for the print job's transfer under way to end.
  bool closeWhenJobEnds_ = false;
  int exitStatus_ = 0;
  QString fileAtStart_;
  std::map<Command, QAction*> actions_;
};

}  // namespace q5300::ui
