#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "preview/PreviewSnapshot.h"
#include "preview/TextMeasure.h"

namespace q5300::testing {

struct NaiveLabel {
  int page = 0;
  int64_t index = 0;
  int64_t repetition = 0;
  std::optional<int> value;
  std::u16string text;
  int64_t cursorX = 0;
  int boxWidth = 0;
  int lineHeight = 0;
  int characterPixels = 0;
};

struct NaiveStrip {
  std::vector<NaiveLabel> labels;
  std::vector<int64_t> pageStarts;
  int64_t contentWidth = 0;
  std::optional<int64_t> currentPageX;
};

// The strip drawn the slow way: every page, every label, one counter stepping
// along, as the printer's own preview walks it. Only for small jobs.
NaiveStrip NaiveWalk(const PreviewSnapshot& snapshot, int dpi, TextMeasure& measure);

}  // namespace q5300::testing
