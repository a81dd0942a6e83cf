#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "preview/PreviewGeometry.h"
#include "preview/PreviewSnapshot.h"
#include "preview/TextMeasure.h"

namespace q5300 {

// One label as the page's counting gives it.
struct LabelContent {
  int64_t repetition = 0;    // 0-based pass or copy the label belongs to
  std::optional<int> value;  // the running value, on numbered pages with a placeholder
  std::u16string text;       // the page text with the number put in

  friend bool operator==(const LabelContent&, const LabelContent&) = default;
};

// A label's box in strip pixels. The frame runs along these four edges; right
// and bottom are the far edges (right = left + box width).
struct LabelBox {
  int64_t left = 0;
  int top = 0;
  int64_t right = 0;
  int bottom = 0;

  friend bool operator==(const LabelBox&, const LabelBox&) = default;
};

// Everything needed to paint one label, in strip pixels.
struct VisibleLabel {
  int page = 0;
  int64_t index = 0;  // label index within the page
  LabelContent content;
  // The lines to draw. A one-line label has its whole text in line1 and an empty
  // line2; a two-line label draws line1 in the upper half of the box (top to
  // top + lineHeight) and line2 in the lower half.
  std::u16string line1;
  std::u16string line2;
  bool twoLineBox = false;
  LabelBox box;
  int lineHeight = 0;
  int64_t tickX = 0;  // the tick after the label; the next label's cursor
  // The page font and frame: character height in pixels, the vertical-writing
  // face, and 'F' (rectangle), 'L' (underline) or anything else (none).
  int characterPixels = 0;
  bool vertical = false;
  char frame = 'N';
  // The widest line as the screen's face draws it, and whether it is to be
  // narrowed into the box: the printer prints it whole within the set length.
  int textWidth = 0;
  bool narrowed = false;
};

// The preview strip laid out for one snapshot of the job: which label sits
// where, for jobs of any length (200 pages of 200 copies of 1000 numbers are
// 40 million labels and some billion pixels). Nothing is stored per label: each
// page keeps the runs of equally wide labels with their pixel sums, so a label,
// its position and the labels under a stretch of the strip are found without
// walking the others.
//
// Painting a viewport: band = BandGeometry(dpi, mm, height); fill the band from
// BandInset to SurfaceWidth(stripWidth) - BandInset; draw VisibleLabels(x0, x1,
// band.mid) and a marker at each of VisibleMarkers(x0, x1); subtract the scroll
// position from every x.
class PreviewLayout {
 public:
  // No pages: only the band; contentWidth is 20.
  PreviewLayout() = default;
  // Measures one text per run of equally wide labels of every drawn page.
  PreviewLayout(const PreviewSnapshot& snapshot, int dpi, TextMeasure& measure);

  int pageCount() const { return static_cast<int>(pages_.size()); }
  uint8_t alignment() const { return alignment_; }  // 0 centre, 1 left

  // The width the drawing needs: the cursor after the last label plus 10.
  int64_t contentWidth() const { return contentWidth_; }
  // The cursor at the start of the last current page, less 20; none when no page is current.
  std::optional<int64_t> currentPageX() const { return currentPageX_; }
  // The width of the drawing in a strip `stripWidth` wide.
  int64_t SurfaceWidth(int64_t stripWidth) const {
    return contentWidth_ > stripWidth ? contentWidth_ : stripWidth;
  }

  // The cursor where page p begins: its marker's left corner, its first label's
  // cursor. Pages without labels take no room.
  int64_t PageStart(int page) const;
  int64_t LabelCount(int page) const;
  int64_t TotalLabels() const;
  // Label k of page p, 0 <= k < LabelCount(p).
  LabelContent Label(int page, int64_t k) const;
  // The cursor before label k (the previous label's tick); k = LabelCount(p) gives
  // the cursor after the page's last label.
  int64_t LabelX(int page, int64_t k) const;
  VisibleLabel LabelAt(int page, int64_t k, int mid) const;

  // The labels whose stretch from their cursor to their tick meets [x0, x1), in
  // page order. Pass a viewport widened by a margin to paint a little ahead.
  std::vector<VisibleLabel> VisibleLabels(int64_t x0, int64_t x1, int mid) const;
  // The left corners of the current-page markers that reach into [x0, x1).
  std::vector<int64_t> VisibleMarkers(int64_t x0, int64_t x1) const;

  // Heap memory the layout holds.
  std::size_t MemoryBytes() const;

  // The parts the layout is made of; a painter has no need of them.
  // A group of labels that differ only in their digits.
  struct Group {
    int boxWidth = 0;
    int lineHeight = 0;
    int textWidth = 0;  // the widest line in the screen's face
    int Pitch() const { return boxWidth + 2 * BoxGap; }
    friend bool operator==(const Group&, const Group&) = default;
  };
  // Value indices [first, first + count), alternately of group a and group b
  // (a == b for an ordinary run), with the pitch sum of the indices before it.
  struct Run {
    int64_t first = 0;
    int64_t count = 0;
    int64_t pitchBefore = 0;
    Group a;
    Group b;
  };

 private:
  struct Page {
    std::u16string text;
    int placeholder = -1;  // index of the placeholder in text, or -1
    NumberKind kind = NumberKind::None;
    NumberRun run;
    bool numbered = false;    // a placeholder is there and the counter moves
    bool continuous = false;  // each value repeatCount times before the next
    bool twoLineBox = false;
    bool setLength = false;  // the box is the page's set length
    bool fitsBox = true;     // and the printer prints the whole text within it
    bool vertical = false;
    char frame = 'N';
    int characterPixels = 0;
    int64_t values = 1;       // labels per pass
    int64_t repetitions = 0;  // passes
    int64_t passPitch = 0;    // pitch sum of one pass
    int64_t start = 0;        // cursor at the page's first label
    std::vector<Run> runs;
  };

  // Where label k stands in the page's counting: value index and pass.
  struct Place {
    int64_t valueIndex = 0;
    int64_t repetition = 0;
  };
  static int64_t LabelCountOf(const Page& page) { return page.values * page.repetitions; }
  static Place PlaceOf(const Page& page, int64_t k);
  // Pitch sum of value indices [0, i) and the group of index i.
  static int64_t PitchBefore(const Page& page, int64_t i);
  static const Group& GroupAt(const Page& page, int64_t i);
  // The value index i with factor * PitchBefore(i) <= y < factor * PitchBefore(i + 1).
  static int64_t ValueIndexHolding(const Page& page, int64_t y, int64_t factor);
  // The label whose stretch [LabelX(k), LabelX(k + 1)) holds x, 0 <= x < page width.
  static int64_t LabelHolding(const Page& page, int64_t x);
  static int64_t LocalX(const Page& page, int64_t k);
  static std::optional<int> ValueOf(const Page& page, int64_t valueIndex);
  static std::u16string TextWith(const Page& page, std::optional<int> value);

  std::vector<Page> pages_;
  std::vector<int64_t> markers_;  // cursors of the current pages
  uint8_t alignment_ = 0;
  int64_t contentWidth_ = FirstCursorX + EndRoom;
  std::optional<int64_t> currentPageX_;
};

}  // namespace q5300
