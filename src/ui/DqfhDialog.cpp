#include "ui/DqfhDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "compile/RebuildRecords.h"
#include "ui/CoreTexts.h"
#include "ui/Theme.h"

namespace q5300::ui {
namespace {
QString Text(std::string_view text) {
  return CoreText(text);
}
}  // namespace

SymbolSheet::SymbolSheet(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("symbolSheet"));
  setFixedSize(sizeHint());
}

void SymbolSheet::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const int w = width() / Dqfh::SheetColumns;
  const int h = height() / Dqfh::SheetRows;
  painter.setPen(QColor(190, 196, 206));
  for (int c = 0; c <= Dqfh::SheetColumns; ++c)
    painter.drawLine(c * w, 0, c * w, h * Dqfh::SheetRows);
  for (int r = 0; r <= Dqfh::SheetRows; ++r)
    painter.drawLine(0, r * h, w * Dqfh::SheetColumns, r * h);
  painter.setPen(Qt::black);
  painter.setFont(GridFont(26));
  for (int i = 0; i < SymbolCount; ++i) {
    const QRect cell((i % Dqfh::SheetColumns) * w, (i / Dqfh::SheetColumns) * h, w, h);
    painter.drawText(cell, Qt::AlignCenter, QString(QChar(char16_t(FirstSymbol + i))));
  }
}

DqfhDialog::DqfhDialog(Dqfh& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      sheet_(new SymbolSheet(this)),
      selection_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("symbolPicker"));
  setWindowTitle(Text(Dqfh::Caption));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ApplicationBackground);
  setPalette(colours);

  selection_->setObjectName(QStringLiteral("selection"));
  selection_->setReadOnly(true);
  selection_->setFont(GridFont(20));

  auto* clear = new QPushButton(Text(Dqfh::ClearText), this);
  clear->setObjectName(QStringLiteral("clear"));
  clear->setAutoDefault(false);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Text(Dqfh::OkText), QDialogButtonBox::AcceptRole);
  buttons->addButton(Text(Dqfh::CancelText), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(clear, &QPushButton::clicked, this, [this] {
    model_.ClearSelection();
    ShowSelection();
  });

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(selection_, 2);
  bottom->addWidget(clear);
  bottom->addStretch(1);
  bottom->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(sheet_);
  layout->addLayout(bottom);
  setFixedSize(sizeHint());
  ShowSelection();
}

PictureRect DqfhDialog::SheetRect() const {
  const QRect r = sheet_->geometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void DqfhDialog::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QPoint at = event->position().toPoint();
    if (model_.DoubleClicked(SheetRect(), at.x(), at.y())) ShowSelection();
  }
  QDialog::mouseDoubleClickEvent(event);
}

void DqfhDialog::ShowSelection() {
  selection_->setText(FromU16(model_.selection()));
}

}  // namespace q5300::ui
