// What undo costs on the largest job (200 pages of two lines): a change with the
// job noted before it and the lengths of every page measured after it; undo and
// redo; the lengths kept at hand; one keystroke measured in the editor; the
// memory of a full history.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchOperator.h"
#include "editing/Engine.h"
#include "printer/TimerQueue.h"
#include "printer/VirtualPrinter.h"

namespace q5300 {
namespace {

// 200 pages of two lines at automatic length, Hangul and ASCII mixed, typed in.
struct LargestJob : bench::BenchEngine {
  LargestJob() {
    op.yes = false;
    engine.StartUp();
    engine.AutoLengthClicked();
    engine.FontSizeChosen(3);
    while (engine.grid().rowCount() < MaxPages) engine.Add();
    for (int i = 0; i < MaxPages; ++i) {
      engine.CommitCellEdit(i, Line1Column, u"\uC804\uC6D0\uACF5\uAE09 MCC-" + bench::Digits(i), false);
      engine.CommitCellEdit(i, Line2Column, u"\uC81C\uC5B4\uBC18 L" + bench::Digits(i % 3 + 1), false);
    }
    engine.RowClicked(100, Line1Column);
  }
};

void Change(benchmark::State& state) {
  LargestJob job;
  int frame = 0;
  for (auto _ : state) {
    frame = 1 - frame;
    job.engine.FrameChosen(frame);
  }
  state.counters["history MB"] =
      static_cast<double>(job.engine.history().MemoryBytes()) / (1024.0 * 1024.0);
  state.counters["steps"] = static_cast<double>(job.engine.history().undoCount());
}
BENCHMARK(Change)
    ->Name("undo change on 200-page job (note, compare, lengths)")
    ->Unit(benchmark::kMicrosecond);

void UndoRedo(benchmark::State& state) {
  LargestJob job;
  job.engine.FrameChosen(1);
  for (auto _ : state) {
    job.engine.Undo();
    job.engine.Redo();
  }
}
BENCHMARK(UndoRedo)->Name("undo and redo on 200-page job")->Unit(benchmark::kMicrosecond);

void RowClick(benchmark::State& state) {
  LargestJob job;
  int row = 0;
  for (auto _ : state) {
    row = (row + 1) % MaxPages;
    job.engine.RowClicked(row, Line1Column);
  }
}
BENCHMARK(RowClick)
    ->Name("undo row click on 200-page job (lengths of every page)")
    ->Unit(benchmark::kMicrosecond);

void Keystroke(benchmark::State& state) {
  LargestJob job;
  const std::u16string typed = u"\uC804\uC6D0\uACF5\uAE09 MCC-123 \uC81C\uC5B4";
  for (auto _ : state) {
    benchmark::DoNotOptimize(job.engine.MeasureDraft(100, Line1Column, typed).neededDots);
  }
}
BENCHMARK(Keystroke)->Name("undo keystroke measured in the editor")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace q5300
