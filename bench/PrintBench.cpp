// How often a job's pages are compiled: for one Print of a 100-page job sent in
// packets, from the command to the end of the job, and for one edit of a page.
// Each packet compiles the pages it carries as they are at that moment; nothing
// else compiles them again.
#include <benchmark/benchmark.h>

#include <optional>

#include "compile/RebuildRecords.h"
#include "editing/InputFilters.h"
#include "support/WorkbenchRig.h"

namespace q5300 {
namespace {

constexpr int JobPages = 100;

struct HundredPages : testing::QuietWorkbench {
  HundredPages() {
    op.yes = false;
    bench.panel.AutoLengthClicked();
    while (bench.document.grid().rowCount() < JobPages) bench.pages.Add();
    for (int i = 0; i < JobPages; ++i) {
      bench.pages.CommitCellEdit(i, Line1Column,
                                 u"\uC804\uC6D0 MCC-" + AsciiToU16(std::to_string(i)), false);
    }
  }
};

void PrintCompiles(benchmark::State& state) {
  double perPrint = 0;
  double packets = 0;
  for (auto _ : state) {
    state.PauseTiming();
    HundredPages job;
    state.ResumeTiming();
    const std::size_t before = CompileCount();
    const std::size_t writesBefore = job.printer.packets().size();
    job.bench.printing.Print();
    if (!job.RunTimers()) {
      state.SkipWithError("the job did not end");
      break;
    }
    perPrint = static_cast<double>(CompileCount() - before);
    packets = static_cast<double>(job.printer.packets().size() - writesBefore);
  }
  state.counters["page compiles per Print"] = perPrint;
  state.counters["packets"] = packets;
}
BENCHMARK(PrintCompiles)
    ->Name("print of a 100-page job (virtual printer)")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void EditCompiles(benchmark::State& state) {
  HundredPages job;
  double perEdit = 0;
  int i = 0;
  for (auto _ : state) {
    const std::size_t before = CompileCount();
    job.bench.pages.CommitCellEdit(50, Line1Column, u"MCC-" + AsciiToU16(std::to_string(++i)),
                                   false);
    perEdit = static_cast<double>(CompileCount() - before);
  }
  state.counters["page compiles per edit"] = perEdit;
  // A row made current compiles nothing; a key typed into an open cell editor
  // measures its page once.
  std::size_t before = CompileCount();
  job.bench.pages.RowClicked(20, Line1Column);
  state.counters["page compiles per row click"] = static_cast<double>(CompileCount() - before);
  before = CompileCount();
  benchmark::DoNotOptimize(job.bench.document.MeasureDraft(20, Line1Column, u"MCC-1"));
  state.counters["page compiles per key in an open edit"] =
      static_cast<double>(CompileCount() - before);
}
BENCHMARK(EditCompiles)->Name("edit of one page in a 100-page job")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace q5300
