#include "preview/PreviewLayout.h"

#include <algorithm>

#include "compile/RebuildRecords.h"

namespace q5300 {
namespace {

using Group = PreviewLayout::Group;
using Run = PreviewLayout::Run;

// A measure that answers nonsense must not make the strip run backwards or overflow.
constexpr int MaxMeasuredPixels = 1 << 20;

int Bounded(int pixels) {
  return std::clamp(pixels, 0, MaxMeasuredPixels);
}

struct PageFont {
  int characterPixels = 0;
  bool vertical = false;
};

struct LineSplit {
  std::u16string_view line1;
  std::u16string_view line2;
};

LineSplit SplitLines(std::u16string_view text) {
  const std::size_t at = text.find(LineSeparator);
  if (at == std::u16string_view::npos) return {text, {}};
  return {text.substr(0, at), text.substr(at + 1)};
}

Group MeasureGroup(std::u16string_view text, bool twoLineBox, int boxLengthDots, PageFont font,
                   TextMeasure& measure) {
  Extent extent;
  if (twoLineBox) {
    const LineSplit lines = SplitLines(text);
    const Extent e1 = measure.Measure(lines.line1, font.characterPixels, font.vertical);
    const Extent e2 = measure.Measure(lines.line2, font.characterPixels, font.vertical);
    extent = {std::max(e1.width, e2.width), std::max(e1.height, e2.height)};
  } else {
    extent = measure.Measure(text, font.characterPixels, font.vertical);
  }
  Group group;
  group.boxWidth = boxLengthDots != 0 ? SetLengthPixels(boxLengthDots) : Bounded(extent.width);
  group.lineHeight = Bounded(extent.height);
  group.textWidth = Bounded(extent.width);
  return group;
}

// Pitch sum of the first j indices of a run.
int64_t RunPitch(const Run& run, int64_t j) {
  return (j + 1) / 2 * run.a.Pitch() + j / 2 * run.b.Pitch();
}

void AddRun(std::vector<Run>& runs, int64_t count, const Group& a, const Group& b) {
  if (count <= 0) return;
  if (!runs.empty()) {
    Run& last = runs.back();
    if (a == b && last.a == last.b && last.a == a) {
      last.count += count;
      return;
    }
  }
  Run run;
  if (!runs.empty()) {
    const Run& last = runs.back();
    run.first = last.first + last.count;
    run.pitchBefore = last.pitchBefore + RunPitch(last, last.count);
  }
  run.count = count;
  run.a = a;
  run.b = b;
  runs.push_back(run);
}

bool IsHexKind(NumberKind kind) {
  return kind == NumberKind::Hex2 || kind == NumberKind::Hex1;
}

bool IsDigitOrHexLetter(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

// The hexadecimal digit that is widest in a page font. Letters A-F are as wide
// as the face draws them, so a group of hexadecimal numbers is measured with
// this digit in every place and no number of the group overflows its box.
char16_t WidestHexDigit(PageFont font, TextMeasure& measure) {
  static constexpr std::u16string_view HexDigits = u"0123456789ABCDEF";
  char16_t widest = HexDigits[0];
  int width = -1;
  for (const char16_t c : HexDigits) {
    const int w =
        measure.Measure(std::u16string_view(&c, 1), font.characterPixels, font.vertical).width;
    if (w > width) {
      width = w;
      widest = c;
    }
  }
  return widest;
}

int PlaceholderIndex(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] >= NumberCode && text[i] <= LowerCode) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

PreviewLayout::PreviewLayout(const PreviewSnapshot& snapshot, int dpi, TextMeasure& measure)
    : alignment_(snapshot.alignment) {
  pages_.reserve(snapshot.pages.size());
  int fontPixels = FirstFontPixels;
  int64_t cursor = FirstCursorX;
  for (const PreviewPage& source : snapshot.pages) {
    Page& page = pages_.emplace_back();
    page.start = cursor;
    if (source.current) {
      currentPageX_ = cursor - MarkerLead;
      markers_.push_back(cursor);
    }
    if (!source.IsDrawn()) {
      page.repetitions = 0;
      continue;
    }
    // A page without a font size of its own is drawn as large as the page before it.
    if (const std::optional<int> px = FontPixels(source.fontSize, dpi)) fontPixels = *px;
    page.characterPixels = CharacterPixels(fontPixels, dpi);
    page.vertical = source.vertical;
    page.frame = source.frame;
    page.text = source.text;
    page.placeholder = PlaceholderIndex(page.text);
    page.setLength = source.boxLengthDots != 0;
    page.fitsBox = source.fitsBox;
    page.twoLineBox = source.twoLines && page.text.find(LineSeparator) != std::u16string::npos;
    page.repetitions = std::max(source.repeatCount, 0);
    if (source.hasNumbering) {
      page.values = std::max(source.numCount, 0);
      page.numbered = page.placeholder >= 0;
      page.continuous = snapshot.repeatMode == Continuous;
      page.kind = source.kind;
      page.run = source.run;
    }

    const PageFont font{page.characterPixels, page.vertical};
    const bool hex = page.numbered && IsHexKind(page.kind);
    const char16_t widestHex = hex ? WidestHexDigit(font, measure) : u'0';
    auto group = [&](std::optional<int> value) {
      std::u16string text = TextWith(page, value);
      if (hex && value) {
        const std::size_t at = static_cast<std::size_t>(page.placeholder);
        const std::size_t end = at + NumberText(page.kind, *value).size();
        for (std::size_t i = at; i < end; ++i) {
          if (IsDigitOrHexLetter(text[i])) text[i] = widestHex;
        }
      }
      return MeasureGroup(text, page.twoLineBox, source.boxLengthDots, font, measure);
    };
    if (!page.numbered) {
      if (page.values > 0) {
        const Group g = group(std::nullopt);
        AddRun(page.runs, page.values, g, g);
      }
    } else {
      const int64_t straight = std::min(page.values, page.run.StraightLength());
      const bool up = page.run.end >= page.run.start;
      for (int64_t i = 0; i < straight;) {
        const int v = page.run.ValueAt(i);
        const ValueSpan span = SameShapeSpan(page.kind, v);
        const int64_t same = up ? int64_t{span.high} - v + 1 : int64_t{v} - span.low + 1;
        const int64_t n = std::min(same, straight - i);
        const Group g = group(v);
        AddRun(page.runs, n, g, g);
        i += n;
      }
      if (page.values > straight) {
        AddRun(page.runs, page.values - straight, group(page.run.end - 1), group(page.run.end));
      }
    }
    if (!page.runs.empty()) {
      const Run& last = page.runs.back();
      page.passPitch = last.pitchBefore + RunPitch(last, last.count);
    }
    cursor += page.passPitch * page.repetitions;
  }
  contentWidth_ = cursor + EndRoom;
}

int64_t PreviewLayout::PageStart(int page) const {
  return pages_[static_cast<std::size_t>(page)].start;
}

int64_t PreviewLayout::LabelCount(int page) const {
  return LabelCountOf(pages_[static_cast<std::size_t>(page)]);
}

int64_t PreviewLayout::TotalLabels() const {
  int64_t total = 0;
  for (const Page& page : pages_) total += LabelCountOf(page);
  return total;
}

PreviewLayout::Place PreviewLayout::PlaceOf(const Page& page, int64_t k) {
  if (page.continuous) return {k / page.repetitions, k % page.repetitions};
  return {k % page.values, k / page.values};
}

int64_t PreviewLayout::PitchBefore(const Page& page, int64_t i) {
  if (page.runs.empty()) return 0;
  auto it = std::upper_bound(page.runs.begin(), page.runs.end(), i,
                             [](int64_t index, const Run& run) { return index < run.first; });
  const Run& run = *std::prev(it);
  return run.pitchBefore + RunPitch(run, std::min(i - run.first, run.count));
}

const PreviewLayout::Group& PreviewLayout::GroupAt(const Page& page, int64_t i) {
  auto it = std::upper_bound(page.runs.begin(), page.runs.end(), i,
                             [](int64_t index, const Run& run) { return index < run.first; });
  const Run& run = *std::prev(it);
  return (i - run.first) % 2 == 0 ? run.a : run.b;
}

int64_t PreviewLayout::ValueIndexHolding(const Page& page, int64_t y, int64_t factor) {
  auto it = std::upper_bound(
      page.runs.begin(), page.runs.end(), y,
      [factor](int64_t offset, const Run& run) { return offset < factor * run.pitchBefore; });
  const Run& run = *std::prev(it);
  const int64_t within = y - factor * run.pitchBefore;
  int64_t j = 0;
  if (run.a == run.b) {
    j = within / (factor * run.a.Pitch());
  } else {
    const int64_t pair = factor * (run.a.Pitch() + run.b.Pitch());
    j = 2 * (within / pair);
    if (within % pair >= factor * run.a.Pitch()) ++j;
  }
  return run.first + std::min(j, run.count - 1);
}

int64_t PreviewLayout::LabelHolding(const Page& page, int64_t x) {
  const int64_t r = page.repetitions;
  if (page.continuous) {
    const int64_t i = ValueIndexHolding(page, x, r);
    const int64_t copy = (x - r * PitchBefore(page, i)) / GroupAt(page, i).Pitch();
    return i * r + std::min(copy, r - 1);
  }
  const int64_t pass = std::min(x / page.passPitch, r - 1);
  const int64_t i = ValueIndexHolding(page, x - pass * page.passPitch, 1);
  return pass * page.values + i;
}

int64_t PreviewLayout::LocalX(const Page& page, int64_t k) {
  if (k >= LabelCountOf(page)) return page.passPitch * page.repetitions;
  const Place place = PlaceOf(page, k);
  if (page.continuous) {
    return page.repetitions * PitchBefore(page, place.valueIndex) +
           place.repetition * GroupAt(page, place.valueIndex).Pitch();
  }
  return place.repetition * page.passPitch + PitchBefore(page, place.valueIndex);
}

int64_t PreviewLayout::LabelX(int page, int64_t k) const {
  const Page& p = pages_[static_cast<std::size_t>(page)];
  return p.start + LocalX(p, k);
}

std::optional<int> PreviewLayout::ValueOf(const Page& page, int64_t valueIndex) {
  if (!page.numbered) return std::nullopt;
  return page.run.ValueAt(valueIndex);
}

std::u16string PreviewLayout::TextWith(const Page& page, std::optional<int> value) {
  if (!value || page.placeholder < 0 || page.kind == NumberKind::None) return page.text;
  std::u16string text = page.text;
  text.replace(static_cast<std::size_t>(page.placeholder), 1, NumberText(page.kind, *value));
  return text;
}

LabelContent PreviewLayout::Label(int page, int64_t k) const {
  const Page& p = pages_[static_cast<std::size_t>(page)];
  const Place place = PlaceOf(p, k);
  LabelContent content;
  content.repetition = place.repetition;
  content.value = ValueOf(p, place.valueIndex);
  content.text = TextWith(p, content.value);
  return content;
}

VisibleLabel PreviewLayout::LabelAt(int page, int64_t k, int mid) const {
  const Page& p = pages_[static_cast<std::size_t>(page)];
  const Place place = PlaceOf(p, k);
  const Group& group = GroupAt(p, place.valueIndex);
  VisibleLabel label;
  label.page = page;
  label.index = k;
  label.content.repetition = place.repetition;
  label.content.value = ValueOf(p, place.valueIndex);
  label.content.text = TextWith(p, label.content.value);
  label.twoLineBox = p.twoLineBox;
  if (p.twoLineBox) {
    const LineSplit lines = SplitLines(label.content.text);
    label.line1 = lines.line1;
    label.line2 = lines.line2;
  } else {
    label.line1 = label.content.text;
  }
  const int64_t cursor = p.start + LocalX(p, k);
  label.box.left = cursor + BoxGap;
  label.box.right = label.box.left + group.boxWidth;
  label.box.top = p.twoLineBox ? mid - group.lineHeight : mid - group.lineHeight / 2;
  label.box.bottom = label.box.top + (p.twoLineBox ? 2 : 1) * group.lineHeight;
  label.lineHeight = group.lineHeight;
  label.tickX = label.box.right + BoxGap;
  label.characterPixels = p.characterPixels;
  label.vertical = p.vertical;
  label.frame = p.frame;
  label.textWidth = group.textWidth;
  label.narrowed = p.fitsBox && p.setLength && group.textWidth > group.boxWidth - 2 * TextInset;
  return label;
}

std::vector<VisibleLabel> PreviewLayout::VisibleLabels(int64_t x0, int64_t x1, int mid) const {
  std::vector<VisibleLabel> out;
  if (x1 <= x0 || pages_.empty()) return out;
  // A tick standing exactly at x0 belongs to the label before it.
  const int64_t probe = x0 - 1;
  auto it = std::upper_bound(pages_.begin(), pages_.end(), probe,
                             [](int64_t x, const Page& page) { return x < page.start; });
  auto p = static_cast<std::size_t>(it == pages_.begin() ? 0 : it - pages_.begin() - 1);
  for (; p < pages_.size(); ++p) {
    const Page& page = pages_[p];
    if (page.start >= x1) break;
    const int64_t count = LabelCountOf(page);
    if (count == 0) continue;
    int64_t k = 0;
    if (probe >= page.start) {
      if (probe >= page.start + page.passPitch * page.repetitions) continue;
      k = LabelHolding(page, probe - page.start);
    }
    for (; k < count; ++k) {
      if (page.start + LocalX(page, k) >= x1) return out;
      out.push_back(LabelAt(static_cast<int>(p), k, mid));
    }
  }
  return out;
}

std::vector<int64_t> PreviewLayout::VisibleMarkers(int64_t x0, int64_t x1) const {
  std::vector<int64_t> out;
  for (const int64_t x : markers_) {
    if (x + MarkerWidth >= x0 && x < x1) out.push_back(x);
  }
  return out;
}

std::size_t PreviewLayout::MemoryBytes() const {
  std::size_t bytes = pages_.capacity() * sizeof(Page) + markers_.capacity() * sizeof(int64_t);
  for (const Page& page : pages_) {
    bytes += page.runs.capacity() * sizeof(Run);
    // Short texts live inside the string object itself.
    if (page.text.capacity() > std::u16string().capacity()) {
      bytes += (page.text.capacity() + 1) * sizeof(char16_t);
    }
  }
  return bytes;
}

}  // namespace q5300
