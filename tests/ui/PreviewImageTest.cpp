// The preview painted into images at 96 pixels per inch: the band, the page
// font, set-length boxes, two-line frames and turned characters.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "compile/Metrics.h"
#include "editing/NumberingChoice.h"
#include "preview/PreviewGeometry.h"
#include "support/WorkbenchRig.h"
#include "ui/PreviewPainter.h"
#include "ui/Theme.h"

namespace q5300::ui {
namespace {

constexpr int Dpi = 96;
constexpr int SurfaceHeight = 90;
const QRgb Yellow = qRgb(255, 255, 0);

QImage Surface(int width) {
  QImage image(width, SurfaceHeight, QImage::Format_RGB32);
  const int dotsPerMetre = static_cast<int>(std::lround(Dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  return image;
}

QImage Paint(const PreviewLayout* layout, int width, double mediaWidthMm = 9.0) {
  QImage image = Surface(width);
  QPainter painter(&image);
  PaintPreview(painter, PreviewFrame{layout, 0, Dpi, mediaWidthMm}, image.size());
  return image;
}

bool IsInk(QRgb c) {
  return std::max({qRed(c), qGreen(c), qBlue(c)}) < 128;
}

// The smallest rectangle holding every ink pixel of `area`; empty when there is none.
QRect InkIn(const QImage& image, const QRect& area) {
  QRect ink;
  const QRect clipped = area & image.rect();
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
      if (IsInk(image.pixel(x, y))) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

PreviewPage TextPage(std::u16string text, int fontSize) {
  PreviewPage page;
  page.checked = page.hasText = true;
  page.text = std::move(text);
  page.fontSize = static_cast<uint8_t>(fontSize);
  page.repeatCount = 1;
  return page;
}

struct Painted {
  PreviewLayout layout;
  VisibleLabel label;  // the first page's first label
  QImage image;
};

Painted PaintPages(std::vector<PreviewPage> pages, uint8_t alignment = 0, int width = 600) {
  PreviewSnapshot snapshot;
  snapshot.pages = std::move(pages);
  snapshot.alignment = alignment;
  QtTextMeasure measure;
  Painted out{PreviewLayout(snapshot, Dpi, measure), {}, {}};
  out.label = out.layout.LabelAt(0, 0, BandGeometry(Dpi, 9.0, SurfaceHeight).mid);
  out.image = Paint(&out.layout, width);
  return out;
}

TEST(PreviewImage, BandIsTheMediumWidthAtTheScreenResolutionWithFivePixelsFreeAtBothEnds) {
  const struct {
    double mm;
    int rows;
  } cases[] = {{9.0, 34}, {5.0, 18}, {6.5, 24}, {10.0, 37}, {21.0, 79}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mm);
    const QImage image = Paint(nullptr, 300, c.mm);
    int rows = 0;
    int first = -1;
    for (int y = 0; y < image.height(); ++y) {
      if (image.pixel(150, y) == Yellow) {
        if (first < 0) first = y;
        ++rows;
      }
    }
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(first, (SurfaceHeight - c.rows) / 2);
    const int mid = first + 1;
    EXPECT_EQ(image.pixel(4, mid), ApplicationBackground.rgb());
    EXPECT_EQ(image.pixel(5, mid), Yellow);
    EXPECT_EQ(image.pixel(294, mid), Yellow);
    EXPECT_EQ(image.pixel(295, mid), ApplicationBackground.rgb());
  }
}

TEST(PreviewImage, FontSizesGiveTheirCharacterHeight) {
  // Font size 6 is 64 printer dots: 20 pixels at 96 dpi; 5 is 48 dots, 15 pixels.
  const struct {
    int fontSize;
    int em;
  } cases[] = {{6, 20}, {5, 15}, {4, 12}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fontSize);
    const Painted p = PaintPages({TextPage(u"H", c.fontSize)});
    ASSERT_EQ(p.label.characterPixels, c.em);
    const QFont font = PreviewFont(c.em);
    EXPECT_EQ(QFontInfo(font).pixelSize(), c.em);

    // The H stands on the baseline, inside the em square above it, as tall as
    // the face's capitals at that em.
    const QFontMetricsF metrics(font);
    const int baseline = p.label.box.top + static_cast<int>(std::lround(metrics.ascent()));
    const QRect box(static_cast<int>(p.label.box.left), p.label.box.top,
                    static_cast<int>(p.label.box.right - p.label.box.left),
                    p.label.box.bottom - p.label.box.top);
    const QRect ink = InkIn(p.image, box);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.bottom(), baseline);
    EXPECT_GE(ink.top(), baseline - c.em);
    EXPECT_NEAR(ink.height(), metrics.capHeight(), 1.5);
    EXPECT_GT(ink.height(), c.em / 2);
  }
}

TEST(PreviewImage, PageFontIsWidenedToAnAverageCharacterAsWideAsItIsHigh) {
  for (const int em : {9, 13, 20}) {
    SCOPED_TRACE(em);
    const QFont wide = PreviewFont(em);
    QFont plain = GridFont(em);
    plain.setKerning(false);
    EXPECT_NEAR(QFontMetricsF(wide).averageCharWidth(), em, 0.6);

    // The widening must reach the pixels, not only the metrics.
    const QString text = QStringLiteral("MMMMMMMMMMMMMMMMMMMM");
    auto inkWidth = [&](const QFont& font) {
      QImage image = Surface(1200);
      image.fill(Qt::white);
      QPainter painter(&image);
      painter.setFont(font);
      painter.setPen(Qt::black);
      painter.drawText(10, SurfaceHeight / 2, text);
      painter.end();
      return InkIn(image, image.rect()).width();
    };
    const double factor = em / QFontMetricsF(plain).averageCharWidth();
    EXPECT_NEAR(inkWidth(wide), inkWidth(plain) * factor, inkWidth(plain) * factor * 0.05);
  }
}

TEST(PreviewImage, AutomaticBoxIsAsWideAsItsTextAndHoldsEveryNumberOfItsGroup) {
  // Capitals A-F of an ordinary text take their own advance; a hexadecimal run
  // takes the box of its widest number.
  PreviewPage plain = TextPage(u"FACADE BUS", 4);
  PreviewPage hex = TextPage(u"DC-\x12", 4);
  hex.hasNumbering = true;
  hex.kind = NumberKind::Hex2;
  hex.run = {0x00, 0xFF};
  hex.numCount = 256;
  const Painted p = PaintPages({plain, hex});
  const QFontMetrics metrics(PreviewFont(p.label.characterPixels));
  const auto advance = [&](std::u16string_view text) {
    return metrics.horizontalAdvance(
        QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
  };
  EXPECT_EQ(p.label.box.right - p.label.box.left, advance(plain.text));
  int widest = 0;
  for (int64_t k = 0; k < p.layout.LabelCount(1); ++k) {
    const VisibleLabel label = p.layout.LabelAt(1, k, 0);
    const int width = advance(label.content.text);
    widest = std::max(widest, width);
    ASSERT_GE(label.box.right - label.box.left, width) << k;
  }
  EXPECT_LE(p.layout.LabelAt(1, 0, 0).box.right - p.layout.LabelAt(1, 0, 0).box.left, widest + 1);
}

TEST(PreviewImage, SetLengthBoxCutsItsTextAtTheEdgesForEitherAlignment) {
  // Dashes on both sides of a run of H that is wider than the box: centred, the
  // box shows capitals from edge to edge; from the left, it starts among the dashes.
  const std::u16string text = u"------HHHHHH------";
  for (const uint8_t alignment : {uint8_t{0}, uint8_t{1}}) {
    SCOPED_TRACE(alignment);
    PreviewPage page = TextPage(text, 6);
    page.boxLengthDots = 240;  // 20 mm, 76 pixels
    PreviewPage whole = TextPage(text, 6);
    const Painted p = PaintPages({page, whole}, alignment, 900);
    const VisibleLabel& label = p.label;
    ASSERT_EQ(label.box.right - label.box.left, 76);
    ASSERT_GT(p.layout.LabelAt(1, 0, 0).box.right - p.layout.LabelAt(1, 0, 0).box.left, 2 * 76);

    const int left = static_cast<int>(label.box.left);
    const int right = static_cast<int>(label.box.right);
    const int tick = static_cast<int>(label.tickX);
    EXPECT_TRUE(
        InkIn(p.image, QRect(FirstCursorX, 0, left - FirstCursorX, SurfaceHeight)).isEmpty());
    EXPECT_TRUE(InkIn(p.image, QRect(right, 0, tick - right, SurfaceHeight)).isEmpty());

    // Capitals fill the rows above a dash; a dash alone leaves them empty.
    const double capHeight = QFontMetricsF(PreviewFont(label.characterPixels)).capHeight();
    const int quarter = (right - left) / 4;
    const QRect leftQuarter = InkIn(p.image, QRect(left, 0, quarter, SurfaceHeight));
    const QRect rightQuarter = InkIn(p.image, QRect(right - quarter, 0, quarter, SurfaceHeight));
    ASSERT_FALSE(leftQuarter.isEmpty());
    ASSERT_FALSE(rightQuarter.isEmpty());
    if (alignment == 0) {
      EXPECT_GT(leftQuarter.height(), capHeight / 2);
      EXPECT_GT(rightQuarter.height(), capHeight / 2);
    } else {
      EXPECT_LT(leftQuarter.height(), capHeight / 2);
    }
  }
}

TEST(PreviewImage, TwoLinePageHasOneFrameAroundBothLines) {
  PreviewPage page = TextPage(u"AB\x1AXYZW", 4);
  page.twoLines = true;
  page.frame = 'F';
  const Painted p = PaintPages({page});
  const VisibleLabel& label = p.label;
  ASSERT_TRUE(label.twoLineBox);
  const int mid = BandGeometry(Dpi, 9.0, SurfaceHeight).mid;
  EXPECT_EQ(label.box.top, mid - label.lineHeight);
  EXPECT_EQ(label.box.bottom, mid + label.lineHeight);

  // Rows drawn black from the box's left edge to its right edge: the top and the
  // bottom of the one frame, and no rule between the lines.
  const int left = static_cast<int>(label.box.left);
  const int right = static_cast<int>(label.box.right);
  std::vector<int> ruled;
  for (int y = 0; y < SurfaceHeight; ++y) {
    bool full = true;
    for (int x = left; x <= right && full; ++x) full = IsInk(p.image.pixel(x, y));
    if (full) ruled.push_back(y);
  }
  EXPECT_EQ(ruled, (std::vector<int>{label.box.top, label.box.bottom}));
  for (int y = label.box.top; y <= label.box.bottom; ++y) {
    EXPECT_TRUE(IsInk(p.image.pixel(left, y))) << y;
    EXPECT_TRUE(IsInk(p.image.pixel(right, y))) << y;
  }

  // Each line's ink inside its half of the frame.
  const QRect upper =
      InkIn(p.image, QRect(left + 1, label.box.top + 1, right - left - 1, label.lineHeight - 1));
  const QRect lower = InkIn(p.image, QRect(left + 1, mid, right - left - 1, label.lineHeight));
  ASSERT_FALSE(upper.isEmpty());
  ASSERT_FALSE(lower.isEmpty());
  EXPECT_LT(upper.bottom(), mid);
  EXPECT_GT(lower.width(), upper.width());  // "XYZW" is the wider line
}

TEST(PreviewImage, VerticalPageTurnsEachCharacterButNotTheLine) {
  PreviewPage across = TextPage(u"--", 6);
  PreviewPage turned = across;
  turned.vertical = true;
  const Painted p = PaintPages({across, turned});

  const VisibleLabel& flat = p.label;
  const QRect flatInk =
      InkIn(p.image, QRect(static_cast<int>(flat.box.left), 0,
                           static_cast<int>(flat.box.right - flat.box.left), SurfaceHeight));
  ASSERT_FALSE(flatInk.isEmpty());
  EXPECT_GT(flatInk.width(), 3 * flatInk.height());

  // Two upright bars side by side on one line, each in its own square cell.
  const VisibleLabel label = p.layout.LabelAt(1, 0, BandGeometry(Dpi, 9.0, SurfaceHeight).mid);
  const int left = static_cast<int>(label.box.left);
  const int cell = label.lineHeight;
  ASSERT_EQ(label.box.right - label.box.left, 2 * cell);
  const QRect first = InkIn(p.image, QRect(left, 0, cell, SurfaceHeight));
  const QRect second = InkIn(p.image, QRect(left + cell, 0, cell, SurfaceHeight));
  ASSERT_FALSE(first.isEmpty());
  ASSERT_FALSE(second.isEmpty());
  EXPECT_GT(first.height(), 2 * first.width());
  EXPECT_EQ(first.top(), second.top());
  EXPECT_EQ(first.height(), second.height());
  EXPECT_EQ(second.left() - first.left(), cell);
  EXPECT_GE(first.top(), label.box.top);
  EXPECT_LT(first.bottom(), label.box.bottom);
}

// A page whose set length is exactly what its text needs shows the whole text:
// the screen's face draws most characters wider than the printer does, and the
// box narrows the line instead of cutting it. Each kind of character, at both
// widths; the printer's own figures decide the length.
TEST(PreviewImage, APageOfExactlyTheLengthItsTextNeedsShowsAllOfIt) {
  struct Case {
    const char* name;
    std::u16string line1;
    std::u16string line2;
    bool numbered;
  };
  const Case cases[] = {
      {"ASCII", u"W-1024 L1", u"", false},
      {"Hangul", u"케이블 2번", u"", false},
      {"two lines", u"전원공급", u"MCC-12", false},
      {"symbols", std::u16string{u'K', FirstSymbol, char16_t(FirstSymbol + 7), u'3'}, u"", false},
      {"markers", std::u16string{u'M', u'M', SuperscriptMarker, u'2', SubscriptMarker, u'x'}, u"",
       false},
      {"placeholder", std::u16string{u'W', u'-', NumberPlaceholder}, u"", true},
  };
  for (const Case& c : cases) {
    for (const int width : {0, 1}) {
      SCOPED_TRACE(std::string(c.name) + (width == 0 ? " full width" : " half width"));
      testing::WorkbenchParts parts;
      parts.bench.StartUp(false);
      parts.bench.panel.AutoLengthClicked();
      parts.bench.panel.WidthChosen(width);
      parts.TypeLines(0, c.line1, c.line2);
      if (c.numbered) {
        parts.op.numbering = [](NumberingChoice& dialog) {
          dialog.TextChanged(NumBox::Start, u"1");
          dialog.TextChanged(NumBox::End, u"120");
          return dialog.Accept().ok();
        };
        parts.bench.pages.NumberingPressed();
      }
      ASSERT_TRUE(parts.op.told.empty()) << parts.op.told[0].text;
      PageRecord record = parts.bench.document.Compile(RebuildMode::EditorMode)[0];
      // The set length the text needs, not a dot more.
      record.autoLength = 0;
      record.lengthDots = static_cast<uint16_t>(WidestLine(record) + LengthSlack);
      ASSERT_FALSE(IsOverLength(record, 0));
      PreviewPage page = PreviewPageOf(record);
      ASSERT_TRUE(page.fitsBox);
      page.current = false;
      page.repeatCount = 1;
      const Painted p = PaintPages({page}, 0, 1200);
      const VisibleLabel& label = p.label;
      const int left = static_cast<int>(label.box.left);
      const int right = static_cast<int>(label.box.right);
      // The example that showed the cut: the face draws it wider than its box.
      if (std::string_view(c.name) == "Hangul") {
        EXPECT_GT(label.textWidth, right - left);
      }
      // Nothing reaches the box's edges, where a cut line would end.
      const QRect ink = InkIn(p.image, QRect(left, 0, right - left, SurfaceHeight));
      ASSERT_FALSE(ink.isEmpty());
      EXPECT_GT(ink.left(), left) << ink.left() << " " << left;
      EXPECT_LT(ink.right(), right - 1) << ink.right() << " " << right;
    }
  }
}

}  // namespace
}  // namespace q5300::ui
