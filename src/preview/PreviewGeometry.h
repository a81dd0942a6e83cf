#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "data/JobSettings.h"

namespace q5300 {

// Character heights of the printer's font sizes 1..6, in printer dots.
inline constexpr std::array<int, 6> FontDots = {16, 24, 32, 40, 48, 64};
inline constexpr int PrinterDotsPerInch = 300;
// Set lengths and character heights are scaled as on a 96-pixels-per-inch screen.
inline constexpr int ScreenPixelsPerInch = 96;
inline constexpr double MillimetresPerInch = 25.4;

// The pixel size a job starts with, until a page names a font size 1..6.
inline constexpr int FirstFontPixels = 9;
// Strip coordinates of the walk: the first label's cursor, the gap between a
// cursor or tick and a box, the room after the last tick.
inline constexpr int FirstCursorX = 10;
inline constexpr int BoxGap = 4;
// A text narrowed into its box keeps this many pixels free at either side.
inline constexpr int TextInset = 1;
inline constexpr int EndRoom = 10;
// The marker is a triangle 30 pixels wide and 15 high at the top of the strip;
// following the current page puts the point 20 pixels left of it at the left edge.
inline constexpr int MarkerWidth = 30;
inline constexpr int MarkerTop = 10;
inline constexpr int MarkerBottom = 25;
inline constexpr int MarkerLead = 20;
// Ticks run from 8 pixels above the band's centre line to 8 below (end excluded).
inline constexpr int TickReach = 8;
// The band stops 5 pixels short of both ends of the drawing.
inline constexpr int BandInset = 5;

// The band of the medium across the strip.
struct Band {
  int top = 0;
  int bottom = 0;
  int mid = 0;  // the centre line every label sits on

  friend bool operator==(const Band&, const Band&) = default;
};

// trunc(dpi * mm / 25.4): 34 for a 9 mm medium at 96 dpi.
int BandPixels(int dpi, double mediaWidthMm);
// The band centred in a drawing `surfaceHeight` pixels high.
Band BandGeometry(int dpi, double mediaWidthMm, int surfaceHeight);

// trunc(FontDots[fontSize] * dpi / 300) for font sizes 1..6; none for any other size.
std::optional<int> FontPixels(int fontSize, int dpi);
// The character height of the page font: fontPixels * dpi / 96, rounded.
int CharacterPixels(int fontPixels, int dpi);
// The box width of a set length: dots * 96 / 300, truncated.
int SetLengthPixels(int lengthDots);

// The width of the medium the preview command sets: labels are mediaSize * 3 + 6 mm
// wide; tube sizes 0..3 draw 5.0, 6.5, 8.0 and 10.0 mm; any other tube size keeps
// the width the strip has (none).
std::optional<double> PreviewMediaWidth(const JobSettings& settings);

}  // namespace q5300
