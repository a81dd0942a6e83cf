#pragma once

#include <cstdint>
#include <optional>

namespace q5300 {

// Horizontal scrolling of the preview strip, in strip pixels. The position is
// the strip x shown at the strip's left edge; it runs from 0 to the point where
// the end of the drawing meets the right edge (0 while the drawing fits), so
// jumping to the end shows the last labels rather than an empty strip.
struct ScrollRange {
  int64_t maximum = 0;   // the last position
  int64_t pageSize = 0;  // a tenth of the strip's width
};
ScrollRange StripScrollRange(int64_t contentWidth, int64_t stripWidth);

enum class ScrollAction {
  LineLeft,
  LineRight,
  PageLeft,
  PageRight,
  Drag,  // the thumb moved to a position
  ToStart,
  ToEnd,
  Released,  // the thumb let go, or scrolling ended
};

// The position after an action. A line or page step that would pass either end
// does nothing; a drag takes the new position, kept within the range.
int64_t ScrollTo(const ScrollRange& range, int64_t position, ScrollAction action,
                 int64_t dragPosition = 0);

// A position kept within the range, as after the strip or the drawing changed width.
int64_t ClampPosition(const ScrollRange& range, int64_t position);

// What the strip remembers between its size adjustments.
struct FollowMemory {
  // The position of the last current page (its marker less 20); kept while the
  // drawing has no current page.
  int64_t currentPageX = 0;
  // The values that the last adjustment used.
  int64_t lastContentWidth = 0;
  int64_t lastCurrentPageX = 0;
};

// Takes the current page's position from a new layout, if it has one.
void NoteCurrentPage(FollowMemory& memory, std::optional<int64_t> currentPageX);

// The size adjustment, run twice a second: when the drawing is wider than the
// strip and its width or the current page's position has changed since the last
// adjustment, the strip jumps so that the point 20 pixels left of the current
// page's marker stands at the left edge (as close as the range allows). Returns
// the new position, or none when nothing is to be done.
std::optional<int64_t> FollowCurrentPage(FollowMemory& memory, int64_t contentWidth,
                                         int64_t stripWidth);

// A scroll bar holds 32-bit values. Strips up to 2^30 pixels map one to one; a
// longer strip is shown in steps of `unit` pixels, the smallest power of two that
// brings the range within 2^30, so that a bar value taken from a position maps
// back to the same bar value and the last bar value stands for the last position.
// Line and page steps are done on positions, never on bar values.
struct ScrollBarScale {
  static constexpr int64_t MaxBarValue = int64_t{1} << 30;

  explicit ScrollBarScale(const ScrollRange& range);

  int64_t unit = 1;
  int barMaximum = 0;
  int barPageStep = 0;

  int ToBar(int64_t position) const;
  int64_t FromBar(int value) const;

 private:
  int64_t maximum_ = 0;
};

}  // namespace q5300
