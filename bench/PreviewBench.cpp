#include <benchmark/benchmark.h>

#include <string>

#include "support/RecordChain.h"
#include "compile/CodePage.h"
#include "compile/Metrics.h"
#include "data/FixedField.h"
#include "data/PageRecord.h"
#include "preview/PreviewLayout.h"
#include "preview/StripScroll.h"

namespace q5300 {
namespace {

constexpr int Dpi = 96;
constexpr int64_t Viewport = 1920;
constexpr int Mid = 40;

std::string Digits(int value) {
  return std::to_string(value);
}

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
    AddPage(pages, ToPrinterCodePage(u"\uC804\uC6D0\uACF5\uAE09 MCC-") + Digits(i) + " L" +
                       Digits(i % 3 + 1));
    ComputeMetrics(*pages.last(), 0);
  }
}

// The largest job: 200 pages, each 200 copies of the numbers 0 to 999.
void LargestJob(testing::RecordChain& pages) {
  for (int i = 0; i < MaxPages; ++i) {
    AddPage(pages, ToPrinterCodePage(u"\uCC28\uB2E8\uAE30 ") + Digits(i) + "-\x12");
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

PreviewLayout LayoutOf(const testing::RecordChain& pages) {
  FixedAdvanceMeasure measure(10);
  return PreviewLayout(TakePreviewSnapshot(pages.first(), JobSettings{}), Dpi, measure);
}

void Layout(benchmark::State& state, JobMaker make) {
  testing::RecordChain pages;
  make(pages);
  std::size_t bytes = 0;
  int64_t labels = 0;
  for (auto _ : state) {
    const PreviewLayout layout = LayoutOf(pages);
    bytes = layout.MemoryBytes();
    labels = layout.TotalLabels();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  state.counters["labels"] = static_cast<double>(labels);
}

// Where a viewport starts: 0 start, 1 middle, 2 end.
int64_t ViewportStart(const PreviewLayout& layout, int where) {
  const int64_t last = std::max<int64_t>(0, layout.contentWidth() - Viewport);
  return where == 0 ? 0 : where == 1 ? last / 2 : last;
}

void VisibleLabels(benchmark::State& state, JobMaker make, int where) {
  testing::RecordChain pages;
  make(pages);
  const PreviewLayout layout = LayoutOf(pages);
  const int64_t x0 = ViewportStart(layout, where);
  std::size_t count = 0;
  for (auto _ : state) {
    const std::vector<VisibleLabel> labels = layout.VisibleLabels(x0, x0 + Viewport, Mid);
    count = labels.size();
    benchmark::DoNotOptimize(labels.data());
  }
  state.counters["labels"] = static_cast<double>(count);
}

// The strip jumps to the last page and finds the labels it then shows.
void JumpToLastPage(benchmark::State& state, JobMaker make) {
  testing::RecordChain pages;
  make(pages);
  const PreviewLayout layout = LayoutOf(pages);
  const ScrollRange range = StripScrollRange(layout.contentWidth(), Viewport);
  for (auto _ : state) {
    const int64_t target = layout.PageStart(layout.pageCount() - 1) - MarkerLead;
    const int64_t position = ScrollTo(range, 0, ScrollAction::Drag, target);
    const std::vector<VisibleLabel> labels =
        layout.VisibleLabels(position, position + Viewport, Mid);
    benchmark::DoNotOptimize(labels.data());
  }
}

BENCHMARK_CAPTURE(Layout, plain, PlainJob)
    ->Name("preview plain job layout")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VisibleLabels, plain_start, PlainJob, 0)
    ->Name("preview plain job visible labels start")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VisibleLabels, plain_middle, PlainJob, 1)
    ->Name("preview plain job visible labels middle")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VisibleLabels, plain_end, PlainJob, 2)
    ->Name("preview plain job visible labels end")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(JumpToLastPage, plain, PlainJob)
    ->Name("preview plain job jump to last page")
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(Layout, largest, LargestJob)
    ->Name("preview largest job layout")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VisibleLabels, largest_start, LargestJob, 0)
    ->Name("preview largest job visible labels start")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VisibleLabels, largest_middle, LargestJob, 1)
    ->Name("preview largest job visible labels middle")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VisibleLabels, largest_end, LargestJob, 2)
    ->Name("preview largest job visible labels end")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(JumpToLastPage, largest, LargestJob)
    ->Name("preview largest job jump to last page")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace q5300
