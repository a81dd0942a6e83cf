#pragma once

#include <QImage>
#include <cstdint>

#include "preview/PreviewSnapshot.h"

namespace q5300::cli {

// The strip is drawn as on a 96-pixels-per-inch screen, 100 pixels high (room
// for the marker above the widest band and two lines of the largest font), and
// at most 32,767 pixels wide: a job of 200 pages of 200 labels would need
// millions of pixels, and many viewers refuse images wider than that.
inline constexpr int RenderDpi = 96;
inline constexpr int RenderHeight = 100;
inline constexpr int64_t MaxRenderWidth = 32767;

struct StripImage {
  QImage image;
  int64_t contentWidth = 0;  // the width the whole drawing needs
  int64_t start = 0;         // the strip x at the image's left edge
  bool clipped = false;      // the drawing goes on past the image's right edge
};

// Draws the strip of `snapshot` with the window's painter: the whole drawing,
// or from the current page when `fromCurrentPage`. Needs a QGuiApplication.
StripImage RenderStrip(const PreviewSnapshot& snapshot, double mediaWidthMm, bool fromCurrentPage);

}  // namespace q5300::cli
