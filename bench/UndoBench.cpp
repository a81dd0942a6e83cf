// What undo costs on the largest job (200 pages of two lines): a change with the
// job noted before it and the lengths of every page measured after it; undo and
// redo; the lengths kept at hand; one keystroke measured in the editor; the
// memory of a full history.
#include <benchmark/benchmark.h>

#include <string>

#include "editing/InputFilters.h"
#include "support/WorkbenchRig.h"

namespace q5300 {
namespace {

// 200 pages of two lines at automatic length, Hangul and ASCII mixed, typed in.
struct LargestJob : testing::QuietWorkbench {
  LargestJob() {
    op.yes = false;
    bench.panel.AutoLengthClicked();
    bench.panel.FontSizeChosen(3);
    while (bench.document.grid().rowCount() < MaxPages) bench.pages.Add();
    for (int i = 0; i < MaxPages; ++i) {
      bench.pages.CommitCellEdit(
          i, Line1Column, u"\uC804\uC6D0\uACF5\uAE09 MCC-" + AsciiToU16(std::to_string(i)), false);
      bench.pages.CommitCellEdit(
          i, Line2Column, u"\uC81C\uC5B4\uBC18 L" + AsciiToU16(std::to_string(i % 3 + 1)), false);
    }
    bench.pages.RowClicked(100, Line1Column);
  }
};

void Change(benchmark::State& state) {
  LargestJob job;
  int frame = 0;
  for (auto _ : state) {
    frame = 1 - frame;
    job.bench.panel.FrameChosen(frame);
  }
  state.counters["history MB"] =
      static_cast<double>(job.bench.document.undoMemoryBytes()) / (1024.0 * 1024.0);
  // The steps kept, counted by taking them back once the timing is over.
  int steps = 0;
  for (; job.bench.document.canUndo(); ++steps) job.bench.document.Undo();
  state.counters["steps"] = static_cast<double>(steps);
}
BENCHMARK(Change)
    ->Name("undo change on 200-page job (note, compare, the page it changed)")
    ->Unit(benchmark::kMicrosecond);

void UndoRedo(benchmark::State& state) {
  LargestJob job;
  job.bench.panel.FrameChosen(1);
  for (auto _ : state) {
    job.bench.document.Undo();
    job.bench.document.Redo();
  }
}
BENCHMARK(UndoRedo)->Name("undo and redo on 200-page job")->Unit(benchmark::kMicrosecond);

void RowClick(benchmark::State& state) {
  LargestJob job;
  int row = 0;
  for (auto _ : state) {
    row = (row + 1) % MaxPages;
    job.bench.pages.RowClicked(row, Line1Column);
  }
}
BENCHMARK(RowClick)
    ->Name("undo row click on 200-page job (nothing measured again)")
    ->Unit(benchmark::kMicrosecond);

void Keystroke(benchmark::State& state) {
  LargestJob job;
  const std::u16string typed = u"\uC804\uC6D0\uACF5\uAE09 MCC-123 \uC81C\uC5B4";
  for (auto _ : state) {
    benchmark::DoNotOptimize(job.bench.document.MeasureDraft(100, Line1Column, typed).neededDots);
  }
}
BENCHMARK(Keystroke)->Name("undo keystroke measured in the editor")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace q5300
