#include "ui/PreviewPainter.h"

#include <QFontMetrics>
#include <QPolygon>

#include "preview/PreviewGeometry.h"
#include "ui/Theme.h"

namespace q5300::ui {
namespace {

const QColor BandColour(255, 255, 0);
const QColor MarkerColour(255, 0, 0);
// Labels just outside the view are drawn too, so a scroll never shows a gap.
constexpr int64_t PaintMargin = 64;

bool IsDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); }

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QFont PreviewFont(int pixelHeight) {
  QFont font = GridFont(std::max(pixelHeight, 1));
  const int average = QFontMetrics(font).averageCharWidth();
  if (average > 0) font.setStretch(std::clamp(100 * pixelHeight / average, 1, 4000));
  return font;
}

const QtTextMeasure::Face& QtTextMeasure::FaceFor(int pixelHeight) {
  auto it = faces_.find(pixelHeight);
  if (it != faces_.end()) return it->second;
  Face face;
  face.font = PreviewFont(pixelHeight);
  const QFontMetrics metrics(face.font);
  face.height = metrics.height();
  for (const char c : std::string_view("0123456789ABCDEF")) {
    face.digitAdvance = std::max(face.digitAdvance, metrics.horizontalAdvance(QLatin1Char(c)));
  }
  return faces_.emplace(pixelHeight, std::move(face)).first->second;
}

Extent QtTextMeasure::Measure(std::u16string_view text, int pixelHeight, bool vertical) {
  const Face& face = FaceFor(pixelHeight);
  if (vertical) return {static_cast<int>(text.size()) * face.height, face.height};
  std::u16string rest;
  int digits = 0;
  for (const char16_t c : text) {
    if (IsDigit(c)) {
      ++digits;
    } else {
      rest += c;
    }
  }
  const int width = QFontMetrics(face.font).horizontalAdvance(ToQString(rest)) +
                    digits * face.digitAdvance;
  return {width, face.height};
}

namespace {

// One line of a label, clipped to `area`, centred or from the left edge.
void DrawLine(QPainter& painter, const QString& line, const QRect& area, bool vertical,
              bool left, int lineHeight) {
  if (line.isEmpty()) return;
  painter.save();
  painter.setClipRect(area);
  if (!vertical) {
    painter.drawText(area, (left ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop | Qt::TextSingleLine |
                               Qt::TextDontClip,
                     line);
  } else {
    // Each character turned a quarter turn, in a square cell, the line itself upright.
    const int width = static_cast<int>(line.size()) * lineHeight;
    int x = left ? area.left() : area.left() + (area.width() - width) / 2;
    for (const QChar c : line) {
      painter.save();
      painter.translate(x + lineHeight / 2.0, area.top() + lineHeight / 2.0);
      painter.rotate(-90);
      painter.drawText(QRectF(-lineHeight / 2.0, -lineHeight / 2.0, lineHeight, lineHeight),
                       Qt::AlignCenter | Qt::TextDontClip, QString(c));
      painter.restore();
      x += lineHeight;
    }
  }
  painter.restore();
}

}  // namespace

void PaintPreview(QPainter& painter, const PreviewFrame& frame, QSize size) {
  painter.fillRect(QRect(QPoint(0, 0), size), ApplicationBackground);
  if (frame.layout == nullptr) return;
  const PreviewLayout& layout = *frame.layout;
  const int64_t pos = frame.position;
  const auto toView = [pos](int64_t x) { return static_cast<int>(x - pos); };

  const Band band = BandGeometry(frame.dpi, frame.mediaWidthMm, size.height());
  const int64_t bandLeft = BandInset;
  const int64_t bandRight = layout.SurfaceWidth(size.width()) - BandInset;
  const int64_t visibleLeft = std::max(bandLeft, pos);
  const int64_t visibleRight = std::min(bandRight, pos + size.width());
  if (visibleRight > visibleLeft) {
    painter.fillRect(QRect(toView(visibleLeft), band.top,
                           static_cast<int>(visibleRight - visibleLeft), band.bottom - band.top),
                     BandColour);
  }

  painter.setPen(Qt::black);
  const bool left = layout.alignment() != 0;
  const int64_t x0 = pos - PaintMargin;
  const int64_t x1 = pos + size.width() + PaintMargin;
  int fontPixels = -1;
  for (const VisibleLabel& label : layout.VisibleLabels(x0, x1, band.mid)) {
    if (label.characterPixels != fontPixels) {
      fontPixels = label.characterPixels;
      painter.setFont(PreviewFont(fontPixels));
    }
    const QRect box(QPoint(toView(label.box.left), label.box.top),
                    QPoint(toView(label.box.right) - 1, label.box.bottom - 1));
    if (label.twoLineBox) {
      const QRect upper(box.left(), box.top(), box.width(), label.lineHeight);
      const QRect lower(box.left(), box.top() + label.lineHeight, box.width(), label.lineHeight);
      DrawLine(painter, ToQString(label.line1), upper, label.vertical, left, label.lineHeight);
      DrawLine(painter, ToQString(label.line2), lower, label.vertical, left, label.lineHeight);
    } else {
      DrawLine(painter, ToQString(label.line1), box, label.vertical, left, label.lineHeight);
    }
    const int l = toView(label.box.left);
    const int r = toView(label.box.right);
    if (label.frame == 'F') {
      painter.drawPolyline(QPolygon({QPoint(l, label.box.top), QPoint(r, label.box.top),
                                     QPoint(r, label.box.bottom), QPoint(l, label.box.bottom),
                                     QPoint(l, label.box.top)}));
    } else if (label.frame == 'L') {
      painter.drawLine(l, label.box.bottom, r, label.box.bottom);
    }
    const int tick = toView(label.tickX);
    painter.drawLine(tick, band.mid - TickReach, tick, band.mid + TickReach - 1);
  }

  for (const int64_t marker : layout.VisibleMarkers(x0, x1)) {
    const int x = toView(marker);
    const QPolygon triangle({QPoint(x, MarkerTop), QPoint(x + MarkerWidth, MarkerTop),
                             QPoint(x + MarkerWidth / 2, MarkerBottom)});
    painter.setBrush(MarkerColour);
    painter.drawPolygon(triangle);
    painter.setBrush(Qt::NoBrush);
  }
}

}  // namespace q5300::ui
