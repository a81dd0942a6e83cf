// How long a stop press takes to end a job while the printer holds the status
// query before the next packet: the job's worker runs on its own thread, the
// query waits at the printer, and the time is from the press to the job's end
// (its report given, the popup gone), not to the printer's answer.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

#include "BenchOperator.h"
#include "editing/Workbench.h"
#include "support/QueueDispatcher.h"
#include "support/WriteGate.h"

namespace q5300 {
namespace {

void StopWhileTheQueryIsHeld(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    testing::QueueDispatcher dispatcher;
    auto gate = std::make_shared<testing::WriteGate>();
    {
      const testing::WriteGate::OpenAtEnd guard{gate};
      bench::BenchWorkbench job;
      job.bench.printing.RunOnThread(dispatcher);
      job.bench.StartUp(false);
      while (job.bench.document.grid().rowCount() < 100) job.bench.pages.Add();
      for (int row = 0; row < 100; ++row) {
        job.bench.pages.CommitCellEdit(row, Line1Column, std::u16string(40, u'X'), false);
      }
      job.bench.printing.Print();
      if (!dispatcher.RunUntil(
              [&] { return job.bench.printing.phase() == PrintController::Phase::Waiting; })) {
        throw std::runtime_error("the job never waited for its next packet");
      }
      job.printer.SetArrivalObserver([gate](std::span<const uint8_t> bytes) {
        if (bytes.size() == 2 && bytes[0] == 0x01 && bytes[1] == 'A') gate->Hold();
      });
      job.timers.Stop(TimerId::Continue);
      job.bench.printing.TimerFired(TimerId::Continue);
      if (!gate->WaitForArrivals(1)) throw std::runtime_error("the status query never came");
      state.ResumeTiming();
      job.bench.popup().StopPressed();
      const bool ended = job.bench.printing.phase() == PrintController::Phase::Idle &&
                         !job.bench.popup().visible();
      state.PauseTiming();
      if (!ended) throw std::runtime_error("the stop did not end the job");
      gate->Open();
      dispatcher.RunUntil([&] { return !job.bench.printing.busy(); });
    }
    state.ResumeTiming();
  }
}
BENCHMARK(StopWhileTheQueryIsHeld)
    ->Name("stop press to the job's end, the status query held")
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);

}  // namespace
}  // namespace q5300
