#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "compile/PrintPacket.h"
#include "compile/RebuildRecords.h"
#include "data/FixedField.h"
#include "data/PageRecord.h"

namespace q5300 {
namespace {

std::u16string Digits(int value) {
  const std::string s = std::to_string(value);
  return std::u16string(s.begin(), s.end());
}

// A full job as an operator marks a switchboard: 200 pages of two lines, Hangul
// and ASCII mixed, a running number on line 1, every text cut at 40 bytes.
struct Row {
  std::u16string line1;
  std::u16string line2;
  PageRecord record;
};

std::vector<Row> FillJob() {
  PageDefaults defaults;
  defaults.autoLength = true;
  std::vector<Row> rows(MaxPages);
  for (int i = 0; i < MaxPages; ++i) {
    Row& row = rows[static_cast<std::size_t>(i)];
    row.line1 = u"\uC804\uC6D0\uACF5\uAE09 MCC-" + Digits(i) + u"-\uE04D";
    row.line2 = u"\uC81C\uC5B4\uBC18 \uB2E8\uC790 L" + Digits(i % 3 + 1) +
                u" \uCC28\uB2E8\uAE30 \uACC4\uD1B5 \uBC88\uD638";
    InitRecord(row.record, defaults, JobSettings{});
    SetField(row.record.numStart, "1");
    SetField(row.record.numEnd, "100");
  }
  return rows;
}

void CompileJob(benchmark::State& state) {
  const std::vector<Row> rows = FillJob();
  std::vector<PageSource> sources;
  for (const Row& row : rows) sources.push_back({row.line1, row.line2, row.record});
  const JobSettings settings;
  for (auto _ : state) {
    CompiledJob records = RebuildRecords(RebuildMode::PrinterMode, sources, 0, settings.margin);
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
