#include "preview/StripScroll.h"

#include <algorithm>

#include "preview/PreviewGeometry.h"

namespace q5300 {

ScrollRange StripScrollRange(int64_t contentWidth, int64_t stripWidth) {
  ScrollRange range;
  range.maximum = std::max<int64_t>(0, contentWidth - std::max<int64_t>(0, stripWidth));
  range.pageSize = std::max<int64_t>(0, stripWidth) / 10;
  return range;
}

int64_t ScrollTo(const ScrollRange& range, int64_t position, ScrollAction action,
                 int64_t dragPosition) {
  auto step = [&](int64_t delta) {
    const int64_t next = position + delta;
    return next < 0 || next > range.maximum ? position : next;
  };
  switch (action) {
    case ScrollAction::LineLeft:
      return step(-1);
    case ScrollAction::LineRight:
      return step(1);
    case ScrollAction::PageLeft:
      return step(-range.pageSize);
    case ScrollAction::PageRight:
      return step(range.pageSize);
    case ScrollAction::Drag:
      return ClampPosition(range, dragPosition);
    case ScrollAction::ToStart:
      return 0;
    case ScrollAction::ToEnd:
      return range.maximum;
    case ScrollAction::Released:
      break;
  }
  return position;
}

int64_t ClampPosition(const ScrollRange& range, int64_t position) {
  return std::clamp<int64_t>(position, 0, range.maximum);
}

void NoteCurrentPage(FollowMemory& memory, std::optional<int64_t> currentPageX) {
  if (currentPageX) memory.currentPageX = *currentPageX;
}

std::optional<int64_t> FollowCurrentPage(FollowMemory& memory, int64_t contentWidth,
                                         int64_t stripWidth) {
  const int64_t cp = memory.currentPageX;
  const bool changed = contentWidth != memory.lastContentWidth || cp != memory.lastCurrentPageX;
  if (!changed || contentWidth == 0 || contentWidth <= stripWidth) return std::nullopt;
  memory.lastContentWidth = contentWidth;
  memory.lastCurrentPageX = cp;
  // The first page's marker stands 10 pixels in, so its position is -10: the start.
  return ClampPosition(StripScrollRange(contentWidth, stripWidth), cp);
}

ScrollBarScale::ScrollBarScale(const ScrollRange& range)
    : maximum_(std::max<int64_t>(0, range.maximum)) {
  while (maximum_ / unit > MaxBarValue) unit *= 2;
  barMaximum = static_cast<int>((maximum_ + unit - 1) / unit);
  barPageStep = static_cast<int>(std::clamp<int64_t>(range.pageSize / unit, 1, MaxBarValue));
}

int ScrollBarScale::ToBar(int64_t position) const {
  if (position >= maximum_) return barMaximum;
  if (position <= 0) return 0;
  return static_cast<int>(position / unit);
}

int64_t ScrollBarScale::FromBar(int value) const {
  if (value >= barMaximum) return maximum_;
  if (value <= 0) return 0;
  return int64_t{value} * unit;
}

}  // namespace q5300
