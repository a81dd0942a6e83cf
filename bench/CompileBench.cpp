#include <benchmark/benchmark.h>

#include <string>

#include "compile/PrintPacket.h"
#include "compile/RebuildRecords.h"
#include "data/FixedField.h"

namespace q5300 {
namespace {

std::u16string Digits(int value) {
  const std::string s = std::to_string(value);
  return std::u16string(s.begin(), s.end());
}

// A full job as an operator marks a switchboard: 200 pages of two lines, Hangul
// and ASCII mixed, a running number on line 1, every text cut at 40 bytes.
void FillJob(GridModel& grid, PageList& pages) {
  PageDefaults defaults;
  defaults.autoLength = true;
  for (int i = 0; i < MaxPages; ++i) {
    grid.InsertRow(i);
    grid.SetCellText(i, Line1Column, u"\uC804\uC6D0\uACF5\uAE09 MCC-" + Digits(i) + u"-\uE04D");
    grid.SetCellText(i, Line2Column,
                     u"\uC81C\uC5B4\uBC18 \uB2E8\uC790 L" + Digits(i % 3 + 1) +
                         u" \uCC28\uB2E8\uAE30 \uACC4\uD1B5 \uBC88\uD638");
    grid.SetChecked(i, true);
    PageRecord& r = *pages.AppendRecord(defaults, JobSettings{});
    SetField(r.numStart, "1");
    SetField(r.numEnd, "100");
  }
}

void CompileJob(benchmark::State& state) {
  GridModel grid;
  PageList pages;
  FillJob(grid, pages);
  const JobSettings settings;
  for (auto _ : state) {
    CompiledJob records = RebuildRecords(RebuildMode::PrinterMode, grid, 0, pages, settings.margin);
    std::size_t sent = 0;
    int start = 0;
    while (start < static_cast<int>(records.size())) {
      const Packet packet = BuildPacket(settings, records.first(), start);
      if (packet.kind != Packet::Ready) break;
      sent += packet.bytes.size();
      start = packet.next;
    }
    benchmark::DoNotOptimize(sent);
  }
}
BENCHMARK(CompileJob)->Name("compile 200 pages")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace q5300
