#include "ui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>
#include <QSvgWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <cstdio>

#include "printer/DeviceFactory.h"
#include "printer/UsbDevice.h"
#include "ui/Centred.h"
#include "ui/CoreTexts.h"
#include "ui/ElidedLabel.h"
#include "ui/CellEditor.h"
#include "ui/LengthText.h"
#include "ui/MediaBar.h"
#include "ui/LabelGrid.h"
#include "ui/PreviewStrip.h"
#include "ui/StatusPopupWindow.h"
#include "ui/PagePanel.h"
#include "ui/Theme.h"
#include "ui/WheelGuard.h"

namespace q5300::ui {
namespace {

struct ToolbarEntry {
  Command command;
  const char* caption;
  const char* icon;
  bool separatorBefore;
  const char* shortcut;  // portable text; none when empty
};

// The toolbar's captions, translated in the context "Toolbar".
struct ToolbarWords {
  Q_DECLARE_TR_FUNCTIONS(Toolbar)
};

constexpr ToolbarEntry kToolbar[] = {
    {Command::Open, QT_TRANSLATE_NOOP("Toolbar", "열기"), "open", false, "Ctrl+O"},
    {Command::Save, QT_TRANSLATE_NOOP("Toolbar", "저장"), "save", false, "Ctrl+S"},
    {Command::Import, QT_TRANSLATE_NOOP("Toolbar", "가져오기"), "import", true, "Ctrl+I"},
    {Command::Add, QT_TRANSLATE_NOOP("Toolbar", "추가"), "add", true, "Ins"},
    {Command::Delete, QT_TRANSLATE_NOOP("Toolbar", "삭제"), "delete", false, "Del"},
    {Command::Superscript, QT_TRANSLATE_NOOP("Toolbar", "윗첨자"), "superscript", true, ""},
    {Command::Subscript, QT_TRANSLATE_NOOP("Toolbar", "아래첨자"), "subscript", false, ""},
    {Command::Preview, QT_TRANSLATE_NOOP("Toolbar", "미리보기"), "preview", true, "F5"},
    {Command::Print, QT_TRANSLATE_NOOP("Toolbar", "인쇄"), "print", false, "Ctrl+P"},
    {Command::Symbols, QT_TRANSLATE_NOOP("Toolbar", "전기기호"), "symbols", true, ""},
    {Command::SaveU, QT_TRANSLATE_NOOP("Toolbar", "SaveU"), "saveu", true, ""},
    {Command::Exit, QT_TRANSLATE_NOOP("Toolbar", "나가기"), "exit", false, ""},
};

// The page panel scrolls when the window is too low for it, and otherwise asks
// for its whole height, which the grid then takes too.
class PanelScroll final : public QScrollArea {
 public:
  PanelScroll(QWidget* panel, QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("pagePanelScroll"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    setWidget(panel);
    // Room for the bar, so that the grid does not move when it comes.
    setFixedWidth(panel->minimumWidth() + verticalScrollBar()->sizeHint().width());
  }
  QSize sizeHint() const override { return {width(), widget()->sizeHint().height()}; }
  QSize minimumSizeHint() const override { return {width(), 80}; }
};

// The printer worker's reports, posted to the window's event loop. A report
// that arrives after the window has gone is dropped with it.
class EventLoopDispatcher final : public Dispatcher {
 public:
  explicit EventLoopDispatcher(QObject& context) : context_(context) {}
  void Post(std::function<void()> report) override {
    QMetaObject::invokeMethod(&context_, std::move(report), Qt::QueuedConnection);
  }

 private:
  QObject& context_;
};

std::unique_ptr<Device> ChooseDevice(const Clock& clock, Operator& op) {
  auto device = MakeDeviceFromEnvironment(clock);
  if (device) return std::move(*device);
  // A wrong Q5300_DEVICE is told; the printer on USB is used instead.
  op.Tell(device.failure());
  return std::make_unique<UsbDevice>();
}

// A text over length in red, with the reason as its tooltip; otherwise in the
// colour the widget has from its style.
void MarkOverLength(QWidget* widget, QPalette::ColorRole role, const PageLength& length) {
  QPalette colours = widget->palette();
  colours.setColor(role, length.overLength ? OverLengthColor
                                           : QApplication::palette(widget).color(role));
  widget->setPalette(colours);
  widget->setToolTip(OverLengthReason(length));
}

}  // namespace

MainWindow::MainWindow(EditingOperator* op, std::unique_ptr<Device> device, QWidget* parent,
                           double timeScale)
    : QMainWindow(parent),
      op_(op != nullptr ? op : &qtOperator_),
      device_(device ? std::move(device) : ChooseDevice(clock_, *op_)),
      grid_(new LabelGrid(this)) {
  setWindowTitle(WindowTitle);
  setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ApplicationBackground);
  setPalette(colours);

  timers_ = std::make_unique<QtTimers>(
      [this](TimerId id) { bench_->printing.TimerFired(id); }, timeScale);
  bench_ = std::make_unique<Workbench>(*op_, *timers_, *device_, clock_);
  // The printer is never waited for on this thread.
  dispatcher_ = std::make_unique<EventLoopDispatcher>(*this);
  bench_->printing.RunOnThread(*dispatcher_);
  bench_->document.SetView(this);
  bench_->printing.SetPrinterObserver([this] { PrinterChanged(); });
  bench_->printing.SetEndObserver([this] {
    if (closeWhenJobEnds_) QTimer::singleShot(0, this, &QWidget::close);
  });
  grid_->Attach(bench_->document, bench_->pages);

  MakeToolbar();
  MakeEditCommands();
  MakeExportCommands();
  mediaBar_ = new MediaBar(bench_->panel, this);
  pagePanel_ = new PagePanel(bench_->panel, bench_->pages, this);
  panelScroll_ = new PanelScroll(pagePanel_, this);

  preview_ = new PreviewStrip(this);
  preview_->setMinimumHeight(110);

  auto* central = new QWidget(this);
  auto* page = new QVBoxLayout(central);
  page->setContentsMargins(5, 4, 5, 5);
  page->addWidget(mediaBar_);
  auto* middle = new QHBoxLayout;
  middle->addWidget(panelScroll_);
  middle->addWidget(grid_, 1);
  // The grid keeps the page panel's height as the window grows, and the preview
  // strip takes the rest; a low window shortens the grid and scrolls the panel.
  grid_->setMaximumHeight(pagePanel_->sizeHint().height());
  // At the least: the headings, four rows and the scroll bar under them.
  grid_->setMinimumHeight(grid_->horizontalHeader()->sizeHint().height() +
                          4 * grid_->verticalHeader()->defaultSectionSize() +
                          grid_->horizontalScrollBar()->sizeHint().height() +
                          2 * grid_->frameWidth());
  page->addLayout(middle);
  page->addWidget(preview_, 1);
  setCentralWidget(central);
  GuardWheel(central);
  MakeStatusLine();
  // Which printer the last job went to, on the left of the status line.
  printerNote_ = new ElidedLabel(this);
  printerNote_->setObjectName(QStringLiteral("printerNote"));
  statusBar()->addWidget(printerNote_, 1);
  // Made last, so that it stands over the window's other parts.
  popup_ = new StatusPopupWindow(bench_->popup(), this);
  ControlsChanged();
  JobChanged();
}

MainWindow::~MainWindow() {
  delete popup_;
  bench_->document.SetView(nullptr);
  bench_->printing.SetPrinterObserver({});
  bench_->printing.SetEndObserver({});
  // The widgets that show the document's grid and controls go while the
  // document is still there: the grid's model unhooks itself from the grid.
  delete centralWidget();
}

void MainWindow::StartUp(const QString& fileToOpen) {
  bench_->StartUp(false);
  grid_->setFocus();
  // The device check and the file's messages open centred on the window, so
  // they wait until the window is on the screen (its first exposure): before
  // that the window system may not have given it its place and size.
  fileAtStart_ = fileToOpen;
  startUpPending_ = true;
  if (QWindow* handle = windowHandle(); handle != nullptr && handle->isExposed()) {
    startUpPending_ = false;
    QTimer::singleShot(0, this, &MainWindow::StartUpShown);
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (startUpPending_ && windowHandle() != nullptr) windowHandle()->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (startUpPending_ && watched == windowHandle() && event->type() == QEvent::Expose &&
      windowHandle()->isExposed()) {
    startUpPending_ = false;
    windowHandle()->removeEventFilter(this);
    // Not inside the window system's event: the first paint goes first, and a
    // message box runs an event loop of its own.
    QTimer::singleShot(0, this, &MainWindow::StartUpShown);
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::StartUpShown() {
  bench_->printing.CheckDevice();
  // The file given on the command line opens in place of the empty first page.
  if (!fileAtStart_.isEmpty()) bench_->files.OpenFile(QFile::encodeName(fileAtStart_).toStdString());
  fileAtStart_.clear();
}

void MainWindow::MakeToolbar() {
  auto* bar = new QToolBar(tr("Toolbar"), this);
  bar->setObjectName(QStringLiteral("toolbar"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(32, 32));
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bar->setContextMenuPolicy(Qt::CustomContextMenu);
  for (const ToolbarEntry& entry : kToolbar) {
    if (entry.separatorBefore) bar->addSeparator();
    const QString caption = ToolbarWords::tr(entry.caption);
    auto* action = new QAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(entry.icon)), caption,
                               this);
    action->setObjectName(QString::fromLatin1(entry.icon));
    action->setToolTip(caption);
    if (*entry.shortcut != 0) {
      const QKeySequence keys(QString::fromLatin1(entry.shortcut));
      action->setShortcut(keys);
      action->setToolTip(
          QStringLiteral("%1 (%2)").arg(caption, keys.toString(QKeySequence::NativeText)));
    }
    connect(action, &QAction::triggered, this, [this, c = entry.command] { Run(c); });
    bar->addAction(action);
    actions_[entry.command] = action;
    if (QWidget* button = bar->widgetForAction(action)) button->setMinimumWidth(72);
  }
  // There is no system menu to carry the About entry: the toolbar's menu and F1 do.
  auto* about = new QAction(tr("About Tarnix(&A)..."), this);
  about->setObjectName(QStringLiteral("about"));
  about->setShortcut(QKeySequence::HelpContents);
  addAction(about);
  connect(about, &QAction::triggered, this, &MainWindow::ShowAbout);
  connect(bar, &QToolBar::customContextMenuRequested, this, [this, bar, about](const QPoint& at) {
    QMenu menu(this);
    menu.addAction(about);
    menu.exec(bar->mapToGlobal(at));
  });
  addToolBar(Qt::TopToolBarArea, bar);
}

// The toolbar keeps its twelve commands: export is on the grid's menu and keys.
void MainWindow::MakeExportCommands() {
  const auto make = [this](const QString& caption, const char* name, QKeyCombination keys,
                           CsvEncoding encoding) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(keys));
    addAction(action);
    connect(action, &QAction::triggered, this, [this, encoding] { Committed([&] { bench_->files.Export(encoding); }); });
    return action;
  };
  exportUtf8_ = make(tr("CSV로 내보내기 (UTF-8)..."), "export", Qt::CTRL | Qt::Key_E,
                     CsvEncoding::Utf8);
  export949_ = make(tr("CSV로 내보내기 (949)..."), "export949", Qt::CTRL | Qt::SHIFT | Qt::Key_E,
                    CsvEncoding::CodePage949);
  gridMenu_->addSeparator();
  gridMenu_->addAction(exportUtf8_);
  gridMenu_->addAction(export949_);
}

void MainWindow::MakeEditCommands() {
  undo_ = new QAction(tr("실행 취소"), this);
  undo_->setObjectName(QStringLiteral("undo"));
  undo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
  redo_ = new QAction(tr("다시 실행"), this);
  redo_->setObjectName(QStringLiteral("redo"));
  redo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  addAction(undo_);
  addAction(redo_);
  connect(undo_, &QAction::triggered, this, [this] { Committed([&] { bench_->document.Undo(); }); });
  connect(redo_, &QAction::triggered, this, [this] { Committed([&] { bench_->document.Redo(); }); });

  // Delete removes a page only from the grid: in a text field it deletes text.
  QAction* remove = action(Command::Delete);
  remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  grid_->addAction(remove);

  gridMenu_ = new QMenu(this);
  gridMenu_->setObjectName(QStringLiteral("gridMenu"));
  gridMenu_->addAction(undo_);
  gridMenu_->addAction(redo_);
  gridMenu_->addSeparator();
  gridMenu_->addAction(action(Command::Add));
  gridMenu_->addAction(remove);
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid_, &QWidget::customContextMenuRequested, this, &MainWindow::ShowGridMenu);
  connect(grid_, &LabelGrid::editTextChanged, this, [this] { UpdateStatus(); });
  connect(grid_, &LabelGrid::editFinished, this, [this] { UpdateStatus(); });
}

void MainWindow::ShowGridMenu(const QPoint& at) {
  // A right click on a row makes it the current page, as a left click does,
  // so that the menu's commands act on the row under the pointer.
  const auto [row, column] = grid_->CellFromPoint(at);
  if (row >= 0) {
    Committed([&] { bench_->pages.RowClicked(row, column); });
  }
  gridMenu_->popup(grid_->viewport()->mapToGlobal(at));
}

void MainWindow::MakeStatusLine() {
  pageStatus_ = new ElidedLabel(this);
  pageStatus_->setObjectName(QStringLiteral("pageStatus"));
  jobStatus_ = new ElidedLabel(this);
  jobStatus_->setObjectName(QStringLiteral("jobStatus"));
  jobStatus_->setContentsMargins(16, 0, 0, 0);
  // Permanent, on the right: the bar's messages keep the left part.
  statusBar()->addPermanentWidget(pageStatus_);
  statusBar()->addPermanentWidget(jobStatus_);
  statusBar()->setSizeGripEnabled(true);
}

void MainWindow::JobChanged() {
  UpdateTitle();
  UpdateStatus();
  grid_->Sync();
  undo_->setEnabled(bench_->document.canUndo());
  redo_->setEnabled(bench_->document.canRedo());
}

void MainWindow::UpdateTitle() {
  const std::string& path = bench_->document.jobPath();
  const QString name = QFileInfo(QFile::decodeName(path.c_str())).fileName();
  setWindowTitle(name.isEmpty() ? WindowTitle + QStringLiteral("[*]")
                                : name + QStringLiteral("[*] — ") + WindowTitle);
  setWindowModified(bench_->document.modified());
}

void MainWindow::UpdateStatus() {
  if (pageStatus_ == nullptr) return;
  int row = bench_->document.currentPageIndex();
  PageLength length = bench_->document.rowLength(row);
  if (CellEditor* editor = grid_->openEditor()) {
    row = editor->row();
    length = bench_->document.MeasureDraft(row, editor->column(), ToU16(editor->text()));
    MarkOverLength(editor, QPalette::Text, length);
  }
  pageStatus_->setText(row >= 0 ? PageLengthText(row, length) : QString());
  MarkOverLength(pageStatus_, QPalette::WindowText, length);
  jobStatus_->setText(JobCountsText(bench_->document.counts()));
}

void MainWindow::Run(Command command) {
  emit commandRun(command);
  // The command works on the text the operator sees: an open edit first goes in.
  grid_->FocusGrid();
  switch (command) {
    case Command::Add:
      bench_->pages.Add();
      break;
    case Command::Delete:
      bench_->pages.Delete();
      break;
    case Command::Superscript:
      bench_->pages.Superscript();
      break;
    case Command::Subscript:
      bench_->pages.Subscript();
      break;
    case Command::Symbols:
      bench_->pages.ElectricalSymbols();
      break;
    case Command::Print:
      bench_->printing.Print();
      break;
    case Command::Exit:
      if (bench_->panel.ExitPressed()) close();
      break;
    case Command::Preview:
      bench_->pages.Preview();
      break;
    case Command::Open:
      bench_->files.Open();
      break;
    case Command::Save:
      bench_->files.Save();
      break;
    case Command::SaveU:
      bench_->files.SaveU();
      break;
    case Command::Import:
      bench_->files.Import();
      break;
  }
}

void MainWindow::ShowAbout() {
  Centred<QDialog> box(this);
  box.setWindowTitle(QStringLiteral("Q5300"));
  auto* icon = new QSvgWidget(QStringLiteral(":/icons/app.svg"), &box);
  icon->setFixedSize(48, 48);
  auto* text = new QLabel(tr("Version 1.11"), &box);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addWidget(text, 1);
  auto* layout = new QVBoxLayout(&box);
  layout->addLayout(row);
  layout->addWidget(buttons);
  box.exec();
}

void MainWindow::ControlsChanged() {
  const ControlsState& controls = bench_->document.controls();
  if (mediaBar_ != nullptr) mediaBar_->Show(controls);
  if (pagePanel_ != nullptr) pagePanel_->Show(controls);
}

void MainWindow::PreviewChanged(const PreviewSnapshot& snapshot, double mediaWidthMm) {
  preview_->SetMediaWidth(mediaWidthMm);
  preview_->SetPreviewPages(snapshot);
}

void MainWindow::MediaWidthChanged(double mediaWidthMm) {
  preview_->SetMediaWidth(mediaWidthMm);
}

void MainWindow::CommitOpenEdit() { grid_->FocusGrid(); }

void MainWindow::PrinterChanged() {
  printerNote_->setText(Translated(bench_->printing.printerNotePhrase()));
}

void MainWindow::CurrentPageChanged(int row, bool ensureVisible) {
  grid_->SelectRow(row, ensureVisible);
}

void MainWindow::EditCell(int row, int column) {
  grid_->BeginCellEdit(row, column);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The close box and "나가기" alike: no work is lost by a slip, and a print
  // job is neither left half-sent without a word nor cut in the middle of a packet.
  grid_->FocusGrid();
  closeWhenJobEnds_ = false;
  switch (bench_->printing.StopForQuit()) {
    case PrintController::QuitStep::Stay:
      event->ignore();
      return;
    case PrintController::QuitStep::WhenJobEnds:
      closeWhenJobEnds_ = true;
      event->ignore();
      return;
    case PrintController::QuitStep::Quit:
      break;
  }
  if (!bench_->files.MayClose()) {
    event->ignore();
    return;
  }
  if (const Phrase& unsent = bench_->printing.unsentReport(); !unsent.empty()) {
    std::fprintf(stderr, "q5300: %s\n", qPrintable(Translated(unsent)));
    exitStatus_ = 1;
  }
  timers_->Stop(TimerId::Continue);
  timers_->Stop(TimerId::FinalMessage);
  popup_->hide();
  event->accept();
}

}  // namespace q5300::ui
