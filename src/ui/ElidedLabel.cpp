#include "ui/ElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace q5300::ui {
namespace {

const QString Ellipsis = QStringLiteral("\u2026");

}  // namespace

QString ElideAtWords(const QString& text, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  // Each space ends a word; the text before the last one that leaves room for
  // the ellipsis is shown.
  QString best = Ellipsis;
  for (qsizetype at = text.indexOf(u' '); at > 0; at = text.indexOf(u' ', at + 1)) {
    const QString head = text.left(at).trimmed();
    if (head.isEmpty()) continue;
    // A word left hanging on a separator ("242 dots," or "—") reads as cut, so
    // the separator goes with the rest.
    QString shown = head;
    while (!shown.isEmpty() && (shown.back() == u',' || shown.back() == u':' ||
                                shown.back() == u';' || shown.back() == u'(' ||
                                shown.back() == u'/' || shown.back() == u'\u2014' || shown.back() == u'-')) {
      shown.chop(1);
    }
    shown = shown.trimmed() + Ellipsis;
    if (metrics.horizontalAdvance(shown) > width) break;
    best = shown;
  }
  return best;
}

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
}

QString ElidedLabel::shownText() const {
  const QRect area = contentsRect();
  return ElideAtWords(text(), fontMetrics(), area.width() - 2 * margin());
}

QString ElidedLabel::fullToolTip() const {
  const bool shortened = shownText() != text();
  if (!shortened) return toolTip();
  return toolTip().isEmpty() ? text() : text() + QStringLiteral("\n\n") + toolTip();
}

QSize ElidedLabel::minimumSizeHint() const {
  const QSize whole = QLabel::minimumSizeHint();
  const QMargins around = contentsMargins();
  const int least = fontMetrics().horizontalAdvance(Ellipsis) + around.left() + around.right() +
                    2 * margin();
  return {std::min(whole.width(), least), whole.height()};
}

void ElidedLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                        palette(), isEnabled(), shownText(), foregroundRole());
}

bool ElidedLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const QString tip = fullToolTip();
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    }
    return true;
  }
  return QLabel::event(event);
}

}  // namespace q5300::ui
