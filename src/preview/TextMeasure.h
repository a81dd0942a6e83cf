#pragma once

#include <string_view>

namespace q5300 {

// The size of one line of text in the preview's font, in screen pixels.
struct Extent {
  int width = 0;
  int height = 0;

  friend bool operator==(const Extent&, const Extent&) = default;
};

// Measures text for the preview layout; the window answers with the metrics of
// its font. The font is known by its character height in pixels and by whether
// the vertical-writing face is meant. `height` is the font's line height and
// does not depend on the characters (an empty text has it too).
//
// The layout measures one text per group of labels that differ only in the
// digits of their running number, so an implementation must give every decimal
// digit (0-9) of one font the same advance; that is what makes a numbered page of
// 999 labels cost three measurements instead of 999. Hexadecimal numbers are
// measured with the widest of 0-9 and A-F in every place.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual Extent Measure(std::u16string_view text, int pixelHeight, bool vertical) = 0;
};

// Every UTF-16 unit is `advance` pixels wide; the line is `pixelHeight` high.
// Deterministic, for tests and benchmarks.
class FixedAdvanceMeasure final : public TextMeasure {
 public:
  explicit FixedAdvanceMeasure(int advance) : advance_(advance) {}
  Extent Measure(std::u16string_view text, int pixelHeight, bool vertical) override;

 private:
  int advance_;
};

}  // namespace q5300
