#include "ui/LabelGridHeader.h"

#include <QMouseEvent>
#include <QPainter>

#include "editing/JobDocument.h"
#include "ui/Theme.h"

namespace q5300::ui {

LabelGridHeader::LabelGridHeader(const JobDocument& document, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), document_(document) {
  setSectionsClickable(true);
  setHighlightSections(false);
  setDefaultAlignment(Qt::AlignCenter);
}

QRect LabelGridHeader::CheckBoxRect(int section) const {
  const int left = sectionViewportPosition(section) + Spacing;
  const int top = (height() - BoxSize) / 2;
  return {left, top, BoxSize, BoxSize};
}

void LabelGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  painter->save();
  painter->fillRect(rect, ApplicationBackground);
  QRect inner = rect.adjusted(Spacing, 0, -Spacing, 0);

  const int state = document_.grid().GetHeaderCheckState(logicalIndex);
  if (state == EmptyBox || state == CheckedBox) {
    const QRect box(inner.left(), rect.top() + (rect.height() - BoxSize) / 2, BoxSize, BoxSize);
    painter->fillRect(box, palette().color(QPalette::Base));
    painter->setPen(QColor(51, 102, 153));
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    if (state == CheckedBox) {
      // A tick of 1-pixel strokes: four down to the right, three up.
      painter->setPen(QColor(51, 153, 51));
      int x = box.left() + 9;
      int y = box.top() + 3;
      for (int i = 0; i < 4; ++i, --x, ++y) painter->drawLine(x, y, x, y + 2);
      for (int i = 0; i < 3; ++i, --x, --y) painter->drawLine(x, y, x, y + 2);
    }
    inner.setLeft(inner.left() + BoxSize + Spacing);
  }

  const QString text =
      model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
  if (!text.isEmpty()) {
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->setFont(font());
    painter->drawText(inner, Qt::AlignCenter | Qt::TextSingleLine,
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, inner.width()));
  }
  // Dividers between headings.
  painter->setPen(palette().color(QPalette::Dark));
  painter->drawLine(rect.right() - 1, rect.top() + 2, rect.right() - 1, rect.bottom() - 2);
  painter->setPen(palette().color(QPalette::Light));
  painter->drawLine(rect.right(), rect.top() + 2, rect.right(), rect.bottom() - 2);
  painter->restore();
}

void LabelGridHeader::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}

}  // namespace q5300::ui
