// The window against a printer that stops taking input: how long its event loop
// is held at most while the job asks the printer and gives up on it. Every USB
// transfer of a job runs beside the event loop, so the figure stays near the
// loop's own tick, whatever the printer holds.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>

#ifdef _WIN32
#include <windows.h>
#else
#include <ctime>
#endif

#include "QtBenchMain.h"
#include "editing/GridCells.h"
#include "printer/VirtualPrinter.h"
#include "support/WorkbenchRig.h"
#include "ui/MainWindow.h"
#include "ui/StatusPopupWindow.h"

namespace q5300 {
namespace {

using testing::QuietOperator;

// The processor time this thread has had, in ms: what the window's own work
// takes, apart from the time the machine gave other processes.
double ThreadMs() {
#ifdef _WIN32
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  const auto ticks = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e4;
#else
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
#endif
}

// Each write to the printer is held `range(0)` ms and then fails, as a USB write
// does until its time-out. The figures, from the Print command to the end of
// the job: the longest gap between two turns of the event loop, and the longest
// of the window's own work in one turn (a gap is longer where the machine runs
// other processes meanwhile: two shared cores give another process 10-20 ms).
void StalledPrinter(benchmark::State& state) {
  const auto hold = std::chrono::milliseconds(state.range(0));
  double longestMs = 0;
  double longestWorkMs = 0;
  for (auto _ : state) {
    SystemClock clock;
    auto device = std::make_unique<VirtualPrinter>(clock);
    device->StopTakingInput(hold);
    // Answers and shows nothing: a message box would hold the loop itself.
    QuietOperator op;
    ui::MainWindow window(&op, std::move(device));
    window.StartUp();
    Workbench& bench = window.bench();
    bench.document.Change([](JobEdit& e) { e.PageAt(0)->line1 = u"A"; });

    QElapsedTimer sinceLastTurn;
    double longest = 0;
    double longestWork = 0;
    double workAtLastTurn = 0;
    QTimer turn;
    turn.setInterval(1);
    QObject::connect(&turn, &QTimer::timeout, [&] {
      longest = std::max(longest, static_cast<double>(sinceLastTurn.nsecsElapsed()) / 1e6);
      sinceLastTurn.restart();
      const double work = ThreadMs();
      longestWork = std::max(longestWork, work - workAtLastTurn);
      workAtLastTurn = work;
    });
    QCoreApplication::processEvents();
    workAtLastTurn = ThreadMs();
    sinceLastTurn.start();
    turn.start();
    bench.printing.Print();
    QEventLoop loop;
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
      if (!bench.printing.busy() && op.told > 0) loop.quit();
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
    longestWorkMs = longestWork;
    state.SetIterationTime(longest / 1000.0);
  }
  state.counters["printer_hold_ms"] = static_cast<double>(hold.count());
  state.counters["longest_loop_block_ms"] = longestMs;
  state.counters["longest_own_work_in_one_turn_ms"] = longestWorkMs;
}

BENCHMARK(StalledPrinter)
    ->Arg(5000)
    ->Name("window event loop blocked at most, printer stops taking input")
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

// Runs the event loop until `done` holds; false after a minute.
bool RunUntil(const std::function<bool()>& done) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (done()) loop.quit();
  });
  poll.start(1);
  bool timedOut = false;
  QTimer::singleShot(std::chrono::seconds(60), &loop, [&] {
    timedOut = true;
    loop.quit();
  });
  if (!done()) loop.exec();
  return !timedOut;
}

// The stop button of a 100-page job pressed in the window, and the time until
// the job has ended (its report told, the popup gone): no byte of the next
// packet can follow the status query any more, so the job need not wait for
// the printer's answer. range(0): 0, the job waits for its next packet;
// otherwise a status query of the next packet is held that many ms by a printer
// that stops taking input. The counter printer_free_ms is the time until the
// query held has ended too and the printer may be used again.
void StopPress(benchmark::State& state) {
  const auto hold = std::chrono::milliseconds(state.range(0));
  double lastMs = 0;
  double freeMs = 0;
  for (auto _ : state) {
    SystemClock clock;
    auto device = std::make_unique<VirtualPrinter>(clock);
    VirtualPrinter& printer = *device;
    QuietOperator op;
    ui::MainWindow window(&op, std::move(device));
    window.StartUp();
    Workbench& bench = window.bench();
    while (bench.document.grid().rowCount() < 100) bench.pages.Add();
    bench.document.Change([](JobEdit& e) {
      for (int row = 0; row < 100; ++row)
        e.PageAt(row)->line1 = std::u16string(40, u'X');
    });
    bench.printing.Print();
    if (!RunUntil([&] { return bench.printing.phase() == PrintController::Phase::Waiting; })) {
      state.SkipWithError("the first packet did not go out");
      break;
    }
    if (hold.count() > 0) {
      // The tick comes now rather than in 7.5 s; its status query is held.
      printer.StopTakingInput(hold);
      bench.printing.TimerFired(TimerId::Continue);
    }
    const int toldBefore = op.told;
    QElapsedTimer sincePress;
    sincePress.start();
    window.statusPopup()->stopButton()->click();
    if (!RunUntil([&] {
          return op.told > toldBefore && !window.statusPopup()->isVisible() &&
                 bench.printing.phase() == PrintController::Phase::Idle;
        })) {
      state.SkipWithError("the job did not end within a minute");
      break;
    }
    lastMs = static_cast<double>(sincePress.nsecsElapsed()) / 1e6;
    state.SetIterationTime(lastMs / 1000.0);
    if (!RunUntil([&] { return !bench.printing.busy(); })) {
      state.SkipWithError("the printer was not free within a minute");
      break;
    }
    freeMs = static_cast<double>(sincePress.nsecsElapsed()) / 1e6;
  }
  state.counters["printer_hold_ms"] = static_cast<double>(hold.count());
  state.counters["printer_free_ms"] = freeMs;
}

BENCHMARK(StopPress)
    ->Arg(0)
    ->Name("stop press to the end of the job, printer idle")
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(StopPress)
    ->Arg(2000)
    ->Name("stop press to the end of the job, a 2 s status query held")
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace q5300

int main(int argc, char** argv) {
  return q5300::bench::RunQtBenchmarks(argc, argv);
}
