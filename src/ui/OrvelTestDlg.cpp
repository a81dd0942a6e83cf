#include "ui/OrvelTestDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QSvgWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "printer/DeviceFactory.h"
#include "printer/UsbDevice.h"
#include "ui/MediaBar.h"
#include "ui/MyListCtrl.h"
#include "ui/MyPrintView.h"
#include "ui/MyState.h"
#include "ui/PagePanel.h"
#include "ui/Theme.h"

namespace q5300::ui {
namespace {

struct ToolbarEntry {
  Command command;
  const char* caption;
  const char* icon;
  bool separatorBefore;
};

constexpr ToolbarEntry kToolbar[] = {
    {Command::Open, "열기", "open", false},
    {Command::Save, "저장", "save", false},
    {Command::Import, "가져오기", "import", true},
    {Command::Add, "추가", "add", true},
    {Command::Delete, "삭제", "delete", false},
    {Command::Superscript, "윗첨자", "superscript", true},
    {Command::Subscript, "아래첨자", "subscript", false},
    {Command::Preview, "미리보기", "preview", true},
    {Command::Print, "인쇄", "print", false},
    {Command::Symbols, "전기기호", "symbols", true},
    {Command::SaveU, "SaveU", "saveu", true},
    {Command::Exit, "나가기", "exit", false},
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

}  // namespace

OrvelTestDlg::OrvelTestDlg(Operator* op, std::unique_ptr<Device> device, QWidget* parent)
    : QMainWindow(parent),
      op_(op != nullptr ? op : &qtOperator_),
      device_(device ? std::move(device) : ChooseDevice(clock_, *op_)),
      grid_(new MyListCtrl(this)) {
  setWindowTitle(WindowTitle);
  setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ApplicationBackground);
  setPalette(colours);

  timers_ = std::make_unique<QtTimers>([this](TimerId id) { engine_->TimerFired(id); });
  engine_ = std::make_unique<Engine>(*op_, *grid_, *timers_, *device_, clock_);
  // The printer is never waited for on this thread.
  dispatcher_ = std::make_unique<EventLoopDispatcher>(*this);
  engine_->RunPrinterOnThread(*dispatcher_);
  engine_->SetView(this);
  grid_->Attach(*engine_);
  popup_ = new MyState(engine_->popup(), nullptr);

  MakeToolbar();
  mediaBar_ = new MediaBar(*engine_, this);
  pagePanel_ = new PagePanel(*engine_, this);

  preview_ = new MyPrintView(this);
  preview_->setMinimumHeight(110);

  auto* central = new QWidget(this);
  auto* page = new QVBoxLayout(central);
  page->setContentsMargins(5, 4, 5, 5);
  page->addWidget(mediaBar_);
  auto* middle = new QHBoxLayout;
  middle->addWidget(pagePanel_, 0, Qt::AlignTop);
  middle->addWidget(grid_, 1);
  // The grid keeps its height as the window grows; the preview strip takes the rest.
  grid_->setFixedHeight(pagePanel_->sizeHint().height());
  page->addLayout(middle);
  page->addWidget(preview_, 1);
  setCentralWidget(central);
  printerNote_ = new QLabel(this);
  printerNote_->setObjectName(QStringLiteral("printerNote"));
  statusBar()->addPermanentWidget(printerNote_);
  ControlsChanged();
}

OrvelTestDlg::~OrvelTestDlg() {
  delete popup_;
  engine_->SetView(nullptr);
  // The widgets that show the engine's grid and controls go while the engine is
  // still there: the grid's model unhooks itself from the engine's grid model.
  delete centralWidget();
}

void OrvelTestDlg::StartUp(const QString& fileToOpen) {
  engine_->StartUp(false);
  grid_->setFocus();
  // The device check speaks over the window, once it shows; then the file given
  // on the command line opens in place of the empty first page.
  QTimer::singleShot(0, this, [this, fileToOpen] {
    engine_->CheckDevice();
    if (!fileToOpen.isEmpty()) engine_->OpenFile(QFile::encodeName(fileToOpen).toStdString());
  });
}

void OrvelTestDlg::MakeToolbar() {
  auto* bar = new QToolBar(QStringLiteral("toolbar"), this);
  bar->setObjectName(QStringLiteral("toolbar"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(32, 32));
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bar->setContextMenuPolicy(Qt::CustomContextMenu);
  for (const ToolbarEntry& entry : kToolbar) {
    if (entry.separatorBefore) bar->addSeparator();
    auto* action = new QAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(entry.icon)),
                               QString::fromUtf8(entry.caption), this);
    action->setObjectName(QString::fromLatin1(entry.icon));
    action->setToolTip(QString::fromUtf8(entry.caption));
    connect(action, &QAction::triggered, this, [this, c = entry.command] { Run(c); });
    bar->addAction(action);
    actions_[entry.command] = action;
    if (QWidget* button = bar->widgetForAction(action)) button->setMinimumWidth(72);
  }
  // There is no system menu to carry the About entry: the toolbar's menu and F1 do.
  auto* about = new QAction(QStringLiteral("About Tarnix(&A)..."), this);
  about->setObjectName(QStringLiteral("about"));
  about->setShortcut(QKeySequence::HelpContents);
  addAction(about);
  connect(about, &QAction::triggered, this, &OrvelTestDlg::ShowAbout);
  connect(bar, &QToolBar::customContextMenuRequested, this, [this, bar, about](const QPoint& at) {
    QMenu menu(this);
    menu.addAction(about);
    menu.exec(bar->mapToGlobal(at));
  });
  addToolBar(Qt::TopToolBarArea, bar);
}

void OrvelTestDlg::Run(Command command) {
  emit commandRun(command);
  switch (command) {
    case Command::Add:
      engine_->Add();
      break;
    case Command::Delete:
      engine_->Delete();
      break;
    case Command::Superscript:
      engine_->Superscript();
      break;
    case Command::Subscript:
      engine_->Subscript();
      break;
    case Command::Symbols:
      engine_->ElectricalSymbols();
      break;
    case Command::Print:
      engine_->Print();
      break;
    case Command::Exit:
      if (engine_->ExitPressed()) close();
      break;
    case Command::Preview:
      engine_->Preview();
      break;
    case Command::Open:
      engine_->Open();
      break;
    case Command::Save:
      engine_->Save();
      break;
    case Command::SaveU:
      engine_->SaveU();
      break;
    case Command::Import:
      engine_->Import();
      break;
  }
}

void OrvelTestDlg::ShowAbout() {
  QDialog box(this);
  box.setWindowTitle(QStringLiteral("Q5300"));
  auto* icon = new QSvgWidget(QStringLiteral(":/icons/app.svg"), &box);
  icon->setFixedSize(48, 48);
  auto* text = new QLabel(QStringLiteral("Version 1.11"), &box);
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

void OrvelTestDlg::ControlsChanged() {
  const ControlsState& controls = engine_->controls();
  if (mediaBar_ != nullptr) mediaBar_->Show(controls);
  if (pagePanel_ != nullptr) pagePanel_->Show(controls);
}

void OrvelTestDlg::PagesChanged() {
  // Records came or went: the strip shows the job as it now is, once the
  // command that changed it is through.
  if (!engine_->previewShown() || previewRefreshQueued_) return;
  previewRefreshQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    previewRefreshQueued_ = false;
    engine_->RefreshPreview();
  });
}

void OrvelTestDlg::PreviewChanged(const PreviewSnapshot& snapshot, double mediaWidthMm) {
  preview_->SetMediaWidth(mediaWidthMm);
  preview_->SetPreviewPages(snapshot);
}

void OrvelTestDlg::MediaWidthChanged(double mediaWidthMm) {
  preview_->SetMediaWidth(mediaWidthMm);
}

void OrvelTestDlg::PrinterChanged(const std::string& note) {
  printerNote_->setText(QString::fromStdString(note));
}

void OrvelTestDlg::closeEvent(QCloseEvent* event) {
  // The close box and "나가기" alike: no work is lost by a slip.
  if (!engine_->MayClose()) {
    event->ignore();
    return;
  }
  timers_->Stop(TimerId::Continue);
  timers_->Stop(TimerId::FinalMessage);
  popup_->hide();
  event->accept();
}

}  // namespace q5300::ui
