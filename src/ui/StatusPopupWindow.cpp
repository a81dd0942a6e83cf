#include "ui/StatusPopupWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/CoreTexts.h"
#include "ui/Theme.h"

namespace q5300::ui {

StatusPopupWindow::StatusPopupWindow(StatusPopup& popup, QWidget* window)
    : QWidget(window, window != nullptr ? Qt::Widget : Qt::Tool | Qt::FramelessWindowHint),
      popup_(popup),
      label_(new QLabel(this)),
      unused_(new QPushButton(QStringLiteral("??"), this)),
      stop_(new QPushButton(tr("중지"), this)) {
  setObjectName(QStringLiteral("statusPopup"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ApplicationBackground);
  colours.setColor(QPalette::WindowText, QColor(0, 0, 255));
  setPalette(colours);
  QFont font = GridFont(16);
  label_->setFont(font);
  label_->setAlignment(Qt::AlignCenter);
  label_->setWordWrap(true);
  label_->setMinimumSize(430, 34);
  stop_->setObjectName(QStringLiteral("stopButton"));
  // A click on the stop button leaves the focus where it is: a cell edit under
  // way is not ended by it, so no box about the edit can swallow the click.
  // Tab still reaches the button, which then shows its focus.
  stop_->setFocusPolicy(Qt::TabFocus);
  unused_->setFlat(true);
  unused_->hide();
  stop_->hide();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(unused_);
  buttons->addWidget(stop_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->addWidget(label_);
  layout->addLayout(buttons);

  connect(stop_, &QPushButton::clicked, this, [this] { popup_.StopPressed(); });
  // The window tells when it is resized, and when a modal dialog blocks it or
  // lets it go.
  if (window != nullptr) window->installEventFilter(this);
  popup_.SetObserver([this] { Follow(); });
  popup_.SetUp();
  Follow();
}

StatusPopupWindow::~StatusPopupWindow() {
  popup_.SetObserver({});
}

void StatusPopupWindow::Follow() {
  label_->setText(CoreText(popup_.text()));
  stop_->setVisible(popup_.stopButtonVisible());
  unused_->hide();
  // A modal dialog has the operator's attention, and its text and buttons must
  // stay readable wherever it is moved.
  const bool shown = popup_.visible() && QApplication::activeModalWidget() == nullptr;
  if (shown) {
    // A new text may need another size.
    adjustSize();
    Centre();
    if (isHidden()) {
      show();
      raise();
    }
    // Painted now: an import reads its file without the event loop running,
    // and the operator is to see what it is doing meanwhile.
    repaint();
  } else if (!isHidden()) {
    hide();
  }
}

void StatusPopupWindow::Centre() {
  if (const QWidget* window = parentWidget()) {
    const QPoint at = window->rect().center() - rect().center();
    move(std::max(at.x(), 0), std::max(at.y(), 0));
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

bool StatusPopupWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget()) {
    switch (event->type()) {
      case QEvent::Resize:
        if (!isHidden()) Centre();
        break;
      case QEvent::WindowBlocked:
      case QEvent::WindowUnblocked:
        Follow();
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void StatusPopupWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // The thin border that sets the popup off from the grid it stands over, which
  // has the same background colour.
  QPainter painter(this);
  painter.setPen(BorderColor);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void StatusPopupWindow::keyPressEvent(QKeyEvent* event) {
  // Esc and Enter put the popup away, unless a print job runs: then it stands
  // with its stop button until the job ends.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    popup_.PutAway();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace q5300::ui
