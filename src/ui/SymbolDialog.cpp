#include "ui/SymbolDialog.h"

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
  const int w = width() / SymbolChoice::SheetColumns;
  const int h = height() / SymbolChoice::SheetRows;
  painter.setPen(QColor(190, 196, 206));
  for (int c = 0; c <= SymbolChoice::SheetColumns; ++c)
    painter.drawLine(c * w, 0, c * w, h * SymbolChoice::SheetRows);
  for (int r = 0; r <= SymbolChoice::SheetRows; ++r)
    painter.drawLine(0, r * h, w * SymbolChoice::SheetColumns, r * h);
  painter.setPen(Qt::black);
  painter.setFont(GridFont(26));
  for (int i = 0; i < SymbolCount; ++i) {
    const QRect cell((i % SymbolChoice::SheetColumns) * w, (i / SymbolChoice::SheetColumns) * h, w, h);
    painter.drawText(cell, Qt::AlignCenter, QString(QChar(char16_t(FirstSymbol + i))));
  }
}

SymbolDialog::SymbolDialog(SymbolChoice& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      sheet_(new SymbolSheet(this)),
      selection_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("symbolPicker"));
  setWindowTitle(Text(SymbolChoice::Caption));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ApplicationBackground);
  setPalette(colours);

  selection_->setObjectName(QStringLiteral("selection"));
  selection_->setReadOnly(true);
  selection_->setFont(GridFont(20));

  auto* clear = new QPushButton(Text(SymbolChoice::ClearText), this);
  clear->setObjectName(QStringLiteral("clear"));
  clear->setAutoDefault(false);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Text(SymbolChoice::OkText), QDialogButtonBox::AcceptRole);
  buttons->addButton(Text(SymbolChoice::CancelText), QDialogButtonBox::RejectRole);
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

PictureRect SymbolDialog::SheetRect() const {
  const QRect r = sheet_->geometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void SymbolDialog::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QPoint at = event->position().toPoint();
    if (model_.DoubleClicked(SheetRect(), at.x(), at.y())) ShowSelection();
  }
  QDialog::mouseDoubleClickEvent(event);
}

void SymbolDialog::ShowSelection() {
  selection_->setText(FromU16(model_.selection()));
}

}  // namespace q5300::ui
