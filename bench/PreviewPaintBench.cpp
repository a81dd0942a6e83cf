// The preview strip in the window's fonts: laying a job out, painting one
// viewport, jumping to the end, and the memory the largest job takes.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <fstream>
#include <optional>
#include <string>

#include "support/RecordChain.h"
#include "QtBenchMain.h"
#include "compile/CodePage.h"
#include "compile/Metrics.h"
#include "data/FixedField.h"
#include "data/PageRecord.h"
#include "preview/PreviewLayout.h"
#include "preview/StripScroll.h"
#include "ui/PreviewPainter.h"

namespace q5300 {
namespace {

constexpr int Dpi = 96;
// A full-width strip on a common screen, the surface without its scroll bar.
constexpr int ViewportWidth = 1920;
constexpr int ViewportHeight = 110;

void AddPage(testing::RecordChain& pages, const std::string& bytes) {
  PageDefaults defaults;
  defaults.autoLength = true;
  PageRecord& r = *pages.AppendRecord(defaults, JobSettings{});
  SetField(r.text, bytes.substr(0, MaxTextBytes));
  r.textLength = static_cast<uint8_t>(std::min<std::size_t>(bytes.size(), MaxTextBytes));
  r.isCurrent = pages.size() == 1 ? 1 : 0;
}

// 200 pages of plain texts, Hangul and ASCII, once each.
void PlainJob(testing::RecordChain& pages) {
  for (int i = 0; i < MaxPages; ++i) {
    AddPage(pages, ToPrinterCodePage(u"\uC804\uC6D0\uACF5\uAE09 MCC-") + std::to_string(i) + " L" +
                       std::to_string(i % 3 + 1));
    ComputeMetrics(*pages.last(), 0);
  }
}

// The largest job: 200 pages, each 200 copies of the numbers 0 to 999.
void LargestJob(testing::RecordChain& pages) {
  for (int i = 0; i < MaxPages; ++i) {
    AddPage(pages, ToPrinterCodePage(u"\uCC28\uB2E8\uAE30 ") + std::to_string(i) + "-\x12");
    PageRecord& r = *pages.last();
    r.hasNumbering = 1;
    r.numNumber = 1;
    SetField(r.numStart, "0");
    SetField(r.numEnd, "999");
    SetRepeat(r, MaxRepeat);
    ComputeMetrics(r, 0);
  }
}

using JobMaker = void (*)(testing::RecordChain&);

PreviewSnapshot SnapshotOf(JobMaker make) {
  testing::RecordChain pages;
  make(pages);
  return TakePreviewSnapshot(pages.first(), JobSettings{});
}

QImage Viewport() {
  return QImage(ViewportWidth, ViewportHeight, QImage::Format_RGB32);
}

void Paint(QImage& image, const PreviewLayout& layout, int64_t position) {
  QPainter painter(&image);
  ui::PaintPreview(painter, ui::PreviewFrame{&layout, position, Dpi, 9.0}, image.size());
}

int64_t LastPosition(const PreviewLayout& layout) {
  return StripScrollRange(layout.contentWidth(), ViewportWidth).maximum;
}

// Where a viewport starts: 0 start, 1 middle, 2 end.
int64_t ViewportStart(const PreviewLayout& layout, int where) {
  const int64_t last = LastPosition(layout);
  return where == 0 ? 0 : where == 1 ? last / 2 : last;
}

void Layout(benchmark::State& state, JobMaker make) {
  const PreviewSnapshot snapshot = SnapshotOf(make);
  for (auto _ : state) {
    // A fresh measure finds its fonts anew, as the first preview of a run does.
    ui::QtTextMeasure measure;
    const PreviewLayout layout(snapshot, Dpi, measure);
    benchmark::DoNotOptimize(layout.contentWidth());
  }
}

void PaintViewport(benchmark::State& state, JobMaker make, int where) {
  ui::QtTextMeasure measure;
  const PreviewLayout layout(SnapshotOf(make), Dpi, measure);
  const int64_t position = ViewportStart(layout, where);
  QImage image = Viewport();
  for (auto _ : state) {
    Paint(image, layout, position);
    benchmark::DoNotOptimize(image.constBits());
  }
}

// The strip at its start jumps to the end of the job and paints what shows there.
void JumpToEnd(benchmark::State& state, JobMaker make) {
  ui::QtTextMeasure measure;
  const PreviewLayout layout(SnapshotOf(make), Dpi, measure);
  const ScrollRange range = StripScrollRange(layout.contentWidth(), ViewportWidth);
  QImage image = Viewport();
  for (auto _ : state) {
    const int64_t position = ScrollTo(range, 0, ScrollAction::ToEnd);
    Paint(image, layout, position);
    benchmark::DoNotOptimize(image.constBits());
  }
}

// Resident memory in kB from /proc/self/status; none where there is no such file.
std::optional<long> StatusKb(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word == key) {
      long kb = 0;
      if (status >> kb) return kb;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

struct PreviewMemory {
  double peakMb = -1;  // resident peak while the largest job is laid out and painted
  double layoutKb = 0;
};
PreviewMemory largestJobMemory;

// Run once, before any benchmark, so that the fonts, glyph caches and images the
// preview needs are counted as the first preview of a run meets them.
PreviewMemory MeasureLargestJobMemory() {
  testing::RecordChain pages;
  LargestJob(pages);
  PreviewMemory memory;
  // Writing 5 to clear_refs brings the peak down to what is resident now.
  { std::ofstream("/proc/self/clear_refs") << "5"; }
  const std::optional<long> before = StatusKb("VmRSS:");
  {
    const PreviewSnapshot snapshot = TakePreviewSnapshot(pages.first(), JobSettings{});
    ui::QtTextMeasure measure;
    const PreviewLayout layout(snapshot, Dpi, measure);
    QImage image = Viewport();
    for (const int where : {0, 1, 2}) Paint(image, layout, ViewportStart(layout, where));
    memory.layoutKb = static_cast<double>(layout.MemoryBytes()) / 1024.0;
    const std::optional<long> peak = StatusKb("VmHWM:");
    if (before && peak) memory.peakMb = static_cast<double>(*peak - *before) / 1024.0;
  }
  return memory;
}

// The whole preview of the largest job, from the records to three painted viewports.
void BuildAndPaint(benchmark::State& state) {
  testing::RecordChain pages;
  LargestJob(pages);
  QImage image = Viewport();
  for (auto _ : state) {
    ui::QtTextMeasure measure;
    const PreviewLayout layout(TakePreviewSnapshot(pages.first(), JobSettings{}), Dpi, measure);
    for (const int where : {0, 1, 2}) Paint(image, layout, ViewportStart(layout, where));
    benchmark::DoNotOptimize(image.constBits());
  }
  if (largestJobMemory.peakMb >= 0) state.counters["peak MB"] = largestJobMemory.peakMb;
  state.counters["layout KB"] = largestJobMemory.layoutKb;
}

BENCHMARK_CAPTURE(Layout, plain, PlainJob)
    ->Name("preview plain job layout in window fonts")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PaintViewport, plain_start, PlainJob, 0)
    ->Name("preview plain job paint start")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PaintViewport, plain_middle, PlainJob, 1)
    ->Name("preview plain job paint middle")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PaintViewport, plain_end, PlainJob, 2)
    ->Name("preview plain job paint end")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(JumpToEnd, plain, PlainJob)
    ->Name("preview plain job jump to end and paint")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(Layout, largest, LargestJob)
    ->Name("preview largest job layout in window fonts")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PaintViewport, largest_start, LargestJob, 0)
    ->Name("preview largest job paint start")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PaintViewport, largest_middle, LargestJob, 1)
    ->Name("preview largest job paint middle")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PaintViewport, largest_end, LargestJob, 2)
    ->Name("preview largest job paint end")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(JumpToEnd, largest, LargestJob)
    ->Name("preview largest job jump to end and paint")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BuildAndPaint)
    ->Name("preview largest job build and paint")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace q5300

int main(int argc, char** argv) {
  return q5300::bench::RunQtBenchmarks(
      argc, argv, [] { q5300::largestJobMemory = q5300::MeasureLargestJobMemory(); });
}
