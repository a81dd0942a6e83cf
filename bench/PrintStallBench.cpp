// The window against a printer that stops taking input: how long its event loop
// is held at most while the job asks the printer and gives up on it. Every USB
// transfer of a job runs beside the event loop, so the figure stays near the
// loop's own tick, whatever the printer holds.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include "BenchOperator.h"
#include "QtBenchMain.h"
#include "data/GridModel.h"
#include "printer/VirtualPrinter.h"
#include "ui/OrvelTestDlg.h"

namespace q5300 {
namespace {

using bench::ScriptedOperator;

// Each write to the printer is held `range(0)` ms and then fails, as a USB write
// does until its time-out. The figure is the longest gap between two turns of
// the event loop from the Print command to the end of the job.
void StalledPrinter(benchmark::State& state) {
  const auto hold = std::chrono::milliseconds(state.range(0));
  double longestMs = 0;
  for (auto _ : state) {
    SystemClock clock;
    auto device = std::make_unique<VirtualPrinter>(clock);
    device->StopTakingInput(hold);
    // Answers and shows nothing: a message box would hold the loop itself.
    ScriptedOperator op;
    ui::OrvelTestDlg window(&op, std::move(device));
    window.StartUp();
    Engine& engine = window.engine();
    engine.grid().SetCellText(0, Line1Column, u"A");

    QElapsedTimer sinceLastTurn;
    double longest = 0;
    QTimer turn;
    turn.setInterval(1);
    QObject::connect(&turn, &QTimer::timeout, [&] {
      longest = std::max(longest, static_cast<double>(sinceLastTurn.nsecsElapsed()) / 1e6);
      sinceLastTurn.restart();
    });
    QCoreApplication::processEvents();
    sinceLastTurn.start();
    turn.start();
    engine.Print();
    QEventLoop loop;
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
      if (!engine.printJob().busy() && op.told > 0) loop.quit();
    });
    done.start(5);
    bool timedOut = false;
    QTimer::singleShot(std::chrono::seconds(60), &loop, [&] {
      timedOut = true;
      loop.quit();
    });
    loop.exec();
    turn.stop();
    if (timedOut) {
      state.SkipWithError("the job did not end within a minute");
      break;
    }
    longestMs = longest;
    state.SetIterationTime(longest / 1000.0);
  }
  state.counters["printer_hold_ms"] = static_cast<double>(hold.count());
  state.counters["longest_loop_block_ms"] = longestMs;
}

BENCHMARK(StalledPrinter)
    ->Arg(5000)
    ->Name("window event loop blocked at most, printer stops taking input")
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace q5300

int main(int argc, char** argv) {
  return q5300::bench::RunQtBenchmarks(argc, argv);
}
