#include "ui/PreviewPainter.h"

#include <QFontMetricsF>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "preview/PreviewGeometry.h"
#include "ui/Theme.h"

namespace q5300::ui {
namespace {

const QColor BandColour(255, 255, 0);
const QColor MarkerColour(255, 0, 0);
// Labels just outside the view are drawn too, so a scroll never shows a gap.
constexpr int64_t PaintMargin = 64;

bool IsDecimalDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QFont PlainFont(int pixelHeight) {
  QFont font = GridFont(std::max(pixelHeight, 1));
  font.setKerning(false);
  return font;
}

}  // namespace

QFont PreviewFont(int pixelHeight) {
  QFont font = PlainFont(pixelHeight);
  // The face's own average width, unrounded: at small sizes a rounded one would
  // leave the characters a pixel or more too narrow.
  const qreal average = QFontMetricsF(font).averageCharWidth();
  if (average > 0) {
    const auto stretch = static_cast<int>(std::lround(100.0 * std::max(pixelHeight, 1) / average));
    font.setStretch(std::clamp(stretch, 1, 4000));
  }
  return font;
}

QFont TurnedCharacterFont(int pixelHeight) {
  return PlainFont(pixelHeight);
}

const QtTextMeasure::Face& QtTextMeasure::FaceFor(int pixelHeight) {
  auto it = faces_.find(pixelHeight);
  if (it != faces_.end()) return it->second;
  Face face;
  face.font = PreviewFont(pixelHeight);
  const QFontMetrics metrics(face.font);
  face.height = metrics.height();
  for (const char c : std::string_view("0123456789")) {
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
    if (IsDecimalDigit(c)) {
      ++digits;
    } else {
      rest += c;
    }
  }
  const int width =
      QFontMetrics(face.font).horizontalAdvance(ToQString(rest)) + digits * face.digitAdvance;
  return {width, face.height};
}

namespace {

// One line of a label in `area` (one line high), centred or from the left edge,
// cut off at the edges of the area. A line `narrowed` into its box is drawn
// `scale` times as wide, so that the whole of the widest line fits.
void DrawLine(QPainter& painter, std::u16string_view text, QRect area, bool vertical, bool left,
              qreal scale) {
  if (text.empty()) return;
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  if (scale < 1.0) {
    // Narrowed towards the box's middle (or its left edge), inside its inset.
    const qreal anchor = left ? area.left() + TextInset : area.left() + area.width() / 2.0;
    painter.translate(anchor, 0);
    painter.scale(scale, 1.0);
    painter.translate(-anchor, 0);
    const int wide = static_cast<int>(std::floor((area.width() - 2 * TextInset) / scale));
    const int x = left ? area.left() + TextInset
                       : static_cast<int>(std::lround(anchor - wide / 2.0));
    area = QRect(x, area.top(), wide, area.height());
  }
  if (!vertical) {
    const Qt::Alignment align = left ? Qt::AlignLeft : Qt::AlignHCenter;
    painter.drawText(area,
                     static_cast<int>(align | Qt::AlignTop) | Qt::TextSingleLine | Qt::TextDontClip,
                     ToQString(text));
  } else {
    // A vertical-writing face: each character lies turned a quarter turn to the
    // left in a square cell as wide as the line is high; the line runs on as usual.
    const int cell = area.height();
    const int width = static_cast<int>(text.size()) * cell;
    const qreal x0 = left ? area.left() : area.left() + (area.width() - width) / 2.0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      painter.save();
      painter.translate(x0 + static_cast<qreal>(i) * cell + cell / 2.0, area.top() + cell / 2.0);
      painter.rotate(-90);
      painter.drawText(QRectF(-cell / 2.0, -cell / 2.0, cell, cell),
                       Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip,
                       QString(QChar(text[i])));
      painter.restore();
    }
  }
  painter.restore();
}

void DrawLabel(QPainter& painter, const VisibleLabel& label, int64_t position, bool left) {
  const int l = static_cast<int>(label.box.left - position);
  const int r = static_cast<int>(label.box.right - position);
  const int top = label.box.top;
  const int bottom = label.box.bottom;
  const int width = r - l;
  const qreal scale = label.narrowed && label.textWidth > 0
                          ? std::max(width - 2 * TextInset, 1) / static_cast<qreal>(label.textWidth)
                          : 1.0;
  if (label.twoLineBox) {
    const QRect upper(l, top, width, label.lineHeight);
    const QRect lower(l, top + label.lineHeight, width, label.lineHeight);
    DrawLine(painter, label.line1, upper, label.vertical, left, scale);
    DrawLine(painter, label.line2, lower, label.vertical, left, scale);
  } else {
    DrawLine(painter, label.line1, QRect(l, top, width, bottom - top), label.vertical, left,
             scale);
  }
  // The frame runs along the box's far edges too; the underline stops short of the
  // right edge, as a line drawn to a point leaves that point out.
  if (label.frame == 'F') {
    painter.drawPolyline(QPolygon(
        {QPoint(l, top), QPoint(r, top), QPoint(r, bottom), QPoint(l, bottom), QPoint(l, top)}));
  } else if (label.frame == 'L' && r > l) {
    painter.drawLine(l, bottom, r - 1, bottom);
  }
}

}  // namespace

void PaintPreview(QPainter& painter, const PreviewFrame& frame, QSize size) {
  static const PreviewLayout NoPages;
  const PreviewLayout& layout = frame.layout != nullptr ? *frame.layout : NoPages;
  const int64_t pos = frame.position;

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(QPoint(0, 0), size), ApplicationBackground);

  const Band band = BandGeometry(frame.dpi, frame.mediaWidthMm, size.height());
  const int64_t bandLeft = std::max<int64_t>(BandInset, pos);
  const int64_t bandRight =
      std::min(layout.SurfaceWidth(size.width()) - BandInset, pos + size.width());
  if (bandRight > bandLeft) {
    painter.fillRect(QRect(static_cast<int>(bandLeft - pos), band.top,
                           static_cast<int>(bandRight - bandLeft), band.bottom - band.top),
                     BandColour);
  }

  painter.setPen(QPen(Qt::black, 1));
  const int64_t x0 = pos - PaintMargin;
  const int64_t x1 = pos + size.width() + PaintMargin;
  // A page's marker goes down before its labels, which may reach over it.
  painter.setBrush(MarkerColour);
  for (const int64_t marker : layout.VisibleMarkers(x0, x1)) {
    const int x = static_cast<int>(marker - pos);
    painter.drawPolygon(QPolygon({QPoint(x, MarkerTop), QPoint(x + MarkerWidth, MarkerTop),
                                  QPoint(x + MarkerWidth / 2, MarkerBottom)}));
  }

  painter.setBrush(Qt::NoBrush);
  const bool left = layout.alignment() != 0;
  int fontPixels = -1;
  bool turned = false;
  for (const VisibleLabel& label : layout.VisibleLabels(x0, x1, band.mid)) {
    if (label.characterPixels != fontPixels || label.vertical != turned) {
      fontPixels = label.characterPixels;
      turned = label.vertical;
      painter.setFont(turned ? TurnedCharacterFont(fontPixels) : PreviewFont(fontPixels));
    }
    DrawLabel(painter, label, pos, left);
    const int tick = static_cast<int>(label.tickX - pos);
    painter.drawLine(tick, band.mid - TickReach, tick, band.mid + TickReach - 1);
  }

  painter.restore();
}

}  // namespace q5300::ui
