#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "compile/RebuildRecords.h"
#include "editing/InputFilters.h"
#include "files/QxkFile.h"
#include "support/WorkbenchRig.h"

namespace q5300 {
namespace {

namespace fs = std::filesystem;

// A window's workbench over a folder of its own.
struct Bench : testing::QuietWorkbench {
  Bench()
      : folder(fs::temp_directory_path() /
               ("q5300-bench-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(folder);
  }
  ~Bench() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }

  // 200 pages of two lines, Hangul and ASCII mixed, a running number on line 1.
  void FillJob() {
    while (bench.document.grid().rowCount() < MaxPages) bench.pages.Add();
    bench.document.Change([](JobEdit& e) {
      for (int i = 0; i < MaxPages; ++i) {
        Page& page = *e.PageAt(i);
        page.line1 = u"\uC804\uC6D0\uACF5\uAE09 MCC-" + AsciiToU16(std::to_string(i)) + u"-\uE04D";
        page.line2 = u"\uC81C\uC5B4\uBC18 L" + AsciiToU16(std::to_string(i % 3 + 1));
      }
    });
  }

  fs::path folder;
};

void OpenQxk(benchmark::State& state) {
  Bench window;
  window.FillJob();
  window.op.file = (window.folder / "job.qxk").string();
  window.bench.files.Save();
  for (auto _ : state) {
    window.bench.files.Open();
    benchmark::DoNotOptimize(window.bench.document.grid().rowCount());
  }
  if (window.bench.document.grid().rowCount() != MaxPages) {
    state.SkipWithError("the job did not open");
  }
}
BENCHMARK(OpenQxk)->Name("files open 200-page qxk")->Unit(benchmark::kMicrosecond);

void SaveQxkBytes(benchmark::State& state) {
  Bench window;
  window.FillJob();
  const Job& job = window.bench.document.job();
  for (auto _ : state) {
    const CompiledJob records = window.bench.document.Compile(RebuildMode::EditorMode);
    const std::vector<uint8_t> bytes = WriteQxk(job.settings, records.records());
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(SaveQxkBytes)
    ->Name("files save 200-page qxk (records and bytes)")
    ->Unit(benchmark::kMicrosecond);

void ImportCsv(benchmark::State& state) {
  Bench window;
  window.op.file = (window.folder / "lines.csv").string();
  {
    std::ofstream out(window.op.file, std::ios::binary);
    for (int i = 1; i <= 100000; ++i) {
      out << "\xC1\xA6\xBE\xEE\xB9\xDD MCC-" << i << ",L" << i % 3 + 1 << " \xB4\xDC\xC0\xDA,"
          << i % 7 + 1 << "\r\n";
    }
  }
  for (auto _ : state) {
    window.bench.files.Import();
    benchmark::DoNotOptimize(window.bench.document.grid().rowCount());
  }
  if (window.bench.document.grid().rowCount() != MaxPages) {
    state.SkipWithError("the import stopped early");
  }
}
BENCHMARK(ImportCsv)->Name("files import CSV of 100000 lines")->Unit(benchmark::kMicrosecond);

// Import files at and past the size limit: the window stays frozen no longer
// than this. A file of 1 GB is a hole (it takes no disk); the largest file read
// holds no usable line, so every byte of it is read.
void ImportLargeCsv(benchmark::State& state, uint64_t size, const std::string& line) {
  Bench window;
  window.op.file = (window.folder / "large.csv").string();
  {
    std::ofstream out(window.op.file, std::ios::binary);
    if (!line.empty()) {
      for (uint64_t written = 0; written + line.size() <= size; written += line.size()) out << line;
    }
  }
  fs::resize_file(window.op.file, size);
  for (auto _ : state) {
    window.bench.files.Import();
    benchmark::DoNotOptimize(window.bench.document.grid().rowCount());
  }
}
BENCHMARK_CAPTURE(ImportLargeCsv, refused, uint64_t{1} << 30, std::string())
    ->Name("files import CSV of 1 GB (refused)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ImportLargeCsv, blankLines, uint64_t{16} << 20, std::string("\r\n"))
    ->Name("files import CSV of 16 MB of blank lines")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ImportLargeCsv, commas, uint64_t{16} << 20, std::string(",,\n"))
    ->Name("files import CSV of 16 MB of lines of commas")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ImportLargeCsv, oneLine, uint64_t{16} << 20, std::string(1000, 'x'))
    ->Name("files import CSV of one line of 16 MB")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace q5300
