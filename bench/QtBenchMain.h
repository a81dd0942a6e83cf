#pragma once

// The main of a benchmark that runs Qt: the application object on the offscreen
// platform unless another is asked for (a machine without a display runs these
// too), set up as the program sets itself up.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>

#include "ui/Application.h"

namespace q5300::bench {

inline int RunQtBenchmarks(int argc, char** argv, const std::function<void()>& before = {}) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  QApplication app(argc, argv);
  ui::SetUpApplication();
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (before) before();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace q5300::bench
