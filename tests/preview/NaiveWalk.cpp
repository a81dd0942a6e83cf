#include "NaiveWalk.h"

#include <algorithm>

#include "preview/PreviewGeometry.h"

namespace q5300::testing {

NaiveStrip NaiveWalk(const PreviewSnapshot& snapshot, int dpi, TextMeasure& measure) {
  NaiveStrip strip;
  int64_t cursorX = 10;
  int fontPx = 9;
  for (int p = 0; p < static_cast<int>(snapshot.pages.size()); ++p) {
    const PreviewPage& page = snapshot.pages[static_cast<std::size_t>(p)];
    strip.pageStarts.push_back(cursorX);
    if (page.current) strip.currentPageX = cursorX - 20;
    if (!page.checked || !page.hasText) continue;
    if (page.fontSize >= 1 && page.fontSize <= 6) {
      fontPx = static_cast<int>(FontDots[page.fontSize - 1u] * (dpi / 300.0));
    }
    const int h = CharacterPixels(fontPx, dpi);
    const std::u16string& t0 = page.text;
    int64_t index = 0;

    auto draw = [&](const std::u16string& t, int64_t repetition, std::optional<int> value) {
      Extent e;
      const std::size_t split = t.find(u'\x1A');
      if (page.twoLines && split != std::u16string::npos) {
        const Extent e1 =
            measure.Measure(std::u16string_view(t).substr(0, split), h, page.vertical);
        const Extent e2 =
            measure.Measure(std::u16string_view(t).substr(split + 1), h, page.vertical);
        e = {std::max(e1.width, e2.width), std::max(e1.height, e2.height)};
      } else {
        e = measure.Measure(t, h, page.vertical);
      }
      const int boxWidth = page.boxLengthDots != 0 ? page.boxLengthDots * 96 / 300 : e.width;
      strip.labels.push_back({p, index++, repetition, value, t, cursorX, boxWidth, e.height, h});
      cursorX = cursorX + 4 + boxWidth + 4;
    };

    int pos = -1;
    for (std::size_t i = 0; i < t0.size(); ++i) {
      if (t0[i] >= 0x12 && t0[i] <= 0x18) {
        pos = static_cast<int>(i);
        break;
      }
    }
    int cur = 0;
    int end = 0;
    auto prepare = [&] {
      cur = page.run.start;
      end = page.run.end;
    };
    struct Next {
      std::u16string text;
      std::optional<int> value;
    };
    auto next = [&]() -> Next {
      if (pos < 0) return {t0, std::nullopt};
      std::u16string t = t0;
      if (page.kind != NumberKind::None) {
        t.replace(static_cast<std::size_t>(pos), 1, NumberText(page.kind, cur));
      }
      const int value = cur;
      cur += cur < end ? 1 : -1;
      return {t, value};
    };

    if (page.hasNumbering && snapshot.repeatMode == Continuous) {
      prepare();
      for (int n = 0; n < page.numCount; ++n) {
        const Next t = next();
        for (int r = 0; r < page.repeatCount; ++r) draw(t.text, r, t.value);
      }
    } else {
      for (int r = 0; r < page.repeatCount; ++r) {
        if (page.hasNumbering) {
          prepare();
          for (int n = 0; n < page.numCount; ++n) {
            const Next t = next();
            draw(t.text, r, t.value);
          }
        } else {
          draw(t0, r, std::nullopt);
        }
      }
    }
  }
  strip.contentWidth = cursorX + 10;
  return strip;
}

}  // namespace q5300::testing
