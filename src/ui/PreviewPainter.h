#pragma once

#include <QFont>
#include <QPainter>
#include <QSize>
#include <map>

#include "preview/PreviewLayout.h"
#include "preview/TextMeasure.h"

namespace q5300::ui {

// The page font of the preview: the program's text faces at a character (em)
// height of `pixelHeight`, widened so that the average character is as wide as
// it is high, without kerning, since the printer sets every character in its own
// cell.
QFont PreviewFont(int pixelHeight);
// The font a vertical page turns its characters in: the same faces at the same
// em height, not widened, so that a turned character fits the square cell a
// vertical-writing face gives it.
QFont TurnedCharacterFont(int pixelHeight);

// Text extents in the preview's fonts. Every decimal digit is given the advance
// of the widest of them, so labels that differ only in their running number have
// one width. A vertical page turns each character a quarter turn: each takes a
// square as wide as the line is high.
class QtTextMeasure final : public TextMeasure {
 public:
  Extent Measure(std::u16string_view text, int pixelHeight, bool vertical) override;

 private:
  struct Face {
    QFont font;
    int height = 0;
    int digitAdvance = 0;
  };
  const Face& FaceFor(int pixelHeight);
  std::map<int, Face> faces_;
};

// What the strip draws at one moment.
struct PreviewFrame {
  const PreviewLayout* layout = nullptr;
  int64_t position = 0;  // the strip x at the left edge
  int dpi = 96;
  double mediaWidthMm = 9.0;
};

// Draws the visible part of the strip into a surface of `size` pixels: the
// background, the band, the labels with their frames and ticks, the markers.
// Labels a little beyond both edges are drawn too, so that nothing is missing
// while the strip scrolls.
void PaintPreview(QPainter& painter, const PreviewFrame& frame, QSize size);

}  // namespace q5300::ui
