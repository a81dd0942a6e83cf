// Imports of wire lists as operators bring them: spreadsheets of 200 and of
// 100,000 rows (the import stops at 200 pages), and the same lists as text.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "files/ImportFile.h"
#include "support/SheetFiles.h"
#include "support/WorkbenchRig.h"

namespace q5300 {
namespace {

namespace fs = std::filesystem;

// A wire list as a spreadsheet program writes it: line 1 a text of its own on
// every row, line 2 one of three, the repeat count a number; the shared strings
// in the order the cells first use them.
std::vector<uint8_t> WireListXlsx(int rows, bool tooLong) {
  std::string sheet;
  std::string strings =
      "<si><t>L1 \xEB\x8B\xA8\xEC\x9E\x90</t></si><si><t>L2</t></si>"
      "<si><t>L3</t></si>";
  const std::string pad = tooLong ? std::string(40, 'x') : "";
  for (int i = 1; i <= rows; ++i) {
    const std::string n = std::to_string(i);
    strings += "<si><t>\xEC\xA0\x9C\xEC\x96\xB4\xEB\xB0\x98 MCC-" + n + pad + "</t></si>";
    sheet += "<row r=\"" + n + "\" spans=\"1:3\"><c r=\"A" + n + "\" t=\"s\"><v>" +
             std::to_string(i + 2) + "</v></c><c r=\"B" + n + "\" t=\"s\"><v>" +
             std::to_string(i % 3) + "</v></c><c r=\"C" + n + "\"><v>" + std::to_string(i % 7 + 1) +
             "</v></c></row>";
  }
  return testing::XlsxOf(sheet, strings);
}

std::vector<uint8_t> WireListOds(int rows) {
  const std::string cell = "<table:table-cell office:value-type=";
  std::string content;
  for (int i = 1; i <= rows; ++i) {
    const std::string count = std::to_string(i % 7 + 1);
    content += "<table:table-row table:style-name=\"ro1\">" + cell +
               "\"string\"><text:p>\xEC\xA0\x9C\xEC\x96\xB4\xEB\xB0\x98 MCC-" + std::to_string(i) +
               "</text:p></table:table-cell>" + cell + "\"string\"><text:p>L" +
               std::to_string(i % 3 + 1) + "</text:p></table:table-cell>" + cell +
               "\"float\" office:value=\"" + count + "\"><text:p>" + count +
               "</text:p></table:table-cell></table:table-row>";
  }
  return testing::OdsOf(content);
}

std::vector<uint8_t> WireListUtf8(int rows) {
  std::string text = "\xEF\xBB\xBF";
  for (int i = 1; i <= rows; ++i) {
    text += "\xEC\xA0\x9C\xEC\x96\xB4\xEB\xB0\x98 MCC-" + std::to_string(i) + ",L" +
            std::to_string(i % 3 + 1) + "," + std::to_string(i % 7 + 1) + "\r\n";
  }
  return {text.begin(), text.end()};
}

// The window's Import command on a file: read, checked, and the job replaced.
void ImportCommand(benchmark::State& state, std::vector<uint8_t> (*make)(int), int rows,
                   const char* extension) {
  const fs::path folder =
      fs::temp_directory_path() / ("q5300-bench-" + std::to_string(std::random_device{}()));
  fs::create_directories(folder);
  const std::vector<uint8_t> bytes = make(rows);
  testing::QuietWorkbench window;
  window.op.file = (folder / (std::string("list") + extension)).string();
  std::ofstream(window.op.file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  Workbench& bench = window.bench;
  for (auto _ : state) {
    bench.files.Import();
    benchmark::DoNotOptimize(bench.document.grid().rowCount());
  }
  if (bench.document.grid().rowCount() != std::min(rows, MaxPages)) {
    state.SkipWithError("the import did not take every page");
  }
  state.counters["file bytes"] = static_cast<double>(bytes.size());
  std::error_code ec;
  fs::remove_all(folder, ec);
}

std::vector<uint8_t> Xlsx(int rows) {
  return WireListXlsx(rows, false);
}

BENCHMARK_CAPTURE(ImportCommand, xlsx200, Xlsx, 200, ".xlsx")
    ->Name("import 200-row xlsx")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ImportCommand, xlsx100000, Xlsx, 100000, ".xlsx")
    ->Name("import 100000-row xlsx (stops at 200 pages)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ImportCommand, ods100000, WireListOds, 100000, ".ods")
    ->Name("import 100000-row ods (stops at 200 pages)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ImportCommand, utf8, WireListUtf8, 100000, ".csv")
    ->Name("import 100000-line UTF-8 CSV (stops at 200 pages)")
    ->Unit(benchmark::kMillisecond);

// The reader alone on a sheet that has to be read to its end: every row too
// long for a page.
void ReadWholeSheet(benchmark::State& state) {
  const std::vector<uint8_t> bytes = WireListXlsx(100000, true);
  for (auto _ : state) {
    const Result<ImportedPages> read = ReadImport(bytes, "list.xlsx");
    if (!read || read->overLongLines != 100000) state.SkipWithError("not read to its end");
    benchmark::DoNotOptimize(read.ok());
  }
  state.counters["file bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(ReadWholeSheet)
    ->Name("read 100000-row xlsx to its end (no row fits a page)")
    ->Unit(benchmark::kMillisecond);

// A wire list whose cells all have number formats, read to its end: line 1 a
// wire number in a code with leading zeros and a text too long for a page (so
// that no row is taken and every row is read), line 2 a date and time, the
// repeat count in a format of its own.
std::vector<uint8_t> FormattedXlsx(int rows) {
  const std::string styles =
      "<numFmts count=\"2\"><numFmt numFmtId=\"164\" formatCode=\"&quot;" + std::string(40, 'W') +
      "-&quot;00000\"/><numFmt numFmtId=\"165\" formatCode=\"yyyy-mm-dd hh:mm\"/></numFmts>"
      "<cellXfs count=\"4\"><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/>"
      "<xf numFmtId=\"1\"/></cellXfs>";
  std::string sheet;
  for (int i = 1; i <= rows; ++i) {
    const std::string n = std::to_string(i);
    sheet += "<row r=\"" + n + "\"><c r=\"A" + n + "\" s=\"1\"><v>" + n + "</v></c><c r=\"B" + n +
             "\" s=\"2\"><v>" + std::to_string(45000 + i % 1000) + "." + std::to_string(i % 97) +
             "</v></c><c r=\"C" + n + "\" s=\"3\"><v>" + std::to_string(i % 7 + 1) +
             "</v></c></row>";
  }
  return testing::XlsxOf(sheet, "", styles);
}

void ReadFormattedSheet(benchmark::State& state) {
  const std::vector<uint8_t> bytes = FormattedXlsx(100000);
  for (auto _ : state) {
    const Result<ImportedPages> read = ReadImport(bytes, "list.xlsx");
    if (!read || read->overLongLines != 100000) state.SkipWithError("not read to its end");
    benchmark::DoNotOptimize(read.ok());
  }
  state.counters["file bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(ReadFormattedSheet)
    ->Name("read 100000-row xlsx with cell formats to its end (no row fits a page)")
    ->Unit(benchmark::kMillisecond);

// The text reader alone on a list that has to be read to its end: every line
// too long for a page, in code page 949 and in UTF-8.
std::vector<uint8_t> OverLongText(bool utf8) {
  std::string text = utf8 ? "\xEF\xBB\xBF" : "";
  const std::string pad(40, 'x');
  for (int i = 1; i <= 100000; ++i) {
    text += "MCC-" + std::to_string(i) + pad + ",L" + std::to_string(i % 3 + 1) + "," +
            std::to_string(i % 7 + 1) + "\r\n";
  }
  return {text.begin(), text.end()};
}

void ReadWholeText(benchmark::State& state, bool utf8) {
  const std::vector<uint8_t> bytes = OverLongText(utf8);
  for (auto _ : state) {
    const Result<ImportedPages> read = ReadImport(bytes, "list.csv");
    if (!read || read->overLongLines != 100000) state.SkipWithError("not read to its end");
    benchmark::DoNotOptimize(read.ok());
  }
  state.counters["file bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK_CAPTURE(ReadWholeText, cp949, false)
    ->Name("read 100000-line cp949 CSV to its end (no line fits a page)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadWholeText, utf8, true)
    ->Name("read 100000-line UTF-8 CSV to its end (no line fits a page)")
    ->Unit(benchmark::kMillisecond);

// The preview before an import: the first 20 rows, and the file read as far as
// the default import reads it to tell a plain list from one whose columns are
// to be chosen; no row of these lists fits a page, so that is to their end.
void PreviewWholeFile(benchmark::State& state, std::vector<uint8_t> (*make)(), const char* path) {
  const std::vector<uint8_t> bytes = make();
  for (auto _ : state) {
    const Result<ImportPreview> preview = PreviewImport(bytes, path);
    if (!preview || !preview->plain || preview->rows.size() != 20) {
      state.SkipWithError("not previewed");
    }
    benchmark::DoNotOptimize(preview.ok());
  }
  state.counters["file bytes"] = static_cast<double>(bytes.size());
}
std::vector<uint8_t> OverLongUtf8() {
  return OverLongText(true);
}
std::vector<uint8_t> LongXlsx() {
  return WireListXlsx(100000, true);
}
BENCHMARK_CAPTURE(PreviewWholeFile, utf8, OverLongUtf8, "list.csv")
    ->Name("preview 100000-line UTF-8 CSV (read to its end)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PreviewWholeFile, xlsx, LongXlsx, "list.xlsx")
    ->Name("preview 100000-row xlsx (read to its end)")
    ->Unit(benchmark::kMillisecond);

// The worst hostile file: a small .xlsx whose sheet holds one attribute of
// 60 MiB, which the parser would scan again with every piece it is given.
void HostileToken(benchmark::State& state) {
  const std::vector<uint8_t> bytes =
      testing::XlsxOf("<row r=\"" + std::string(std::size_t{60} << 20, '1') + "\"/>");
  for (auto _ : state) {
    const Result<ImportedPages> read = ReadImport(bytes, "list.xlsx");
    if (read) state.SkipWithError("the file was taken");
    benchmark::DoNotOptimize(read.ok());
  }
  state.counters["file bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(HostileToken)
    ->Name("refuse xlsx with one 60 MiB attribute")
    ->Unit(benchmark::kMillisecond);

// Hostile files: whatever a file holds, its import ends within a second. Each
// item below the bound of one item of markup (comments, attribute values and
// names of 1 MiB, 60 of each in every part), ten million empty rows, and a
// styles part of 500,000 number formats; "peak MB" is the most memory the
// process held while reading it.
std::vector<uint8_t> CommentsXlsx() {
  std::string comments;
  for (int i = 0; i < 60; ++i) comments += "<!--" + std::string((1 << 20) - 64, 'c') + "-->";
  return testing::XlsxOf("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>" + comments,
                         "<si><t>W-1</t></si>" + comments);
}
std::vector<uint8_t> CommentsOds() {
  std::string comments;
  for (int i = 0; i < 60; ++i) comments += "<!--" + std::string((1 << 20) - 64, 'c') + "-->";
  return testing::OdsOf(comments +
                        "<table:table-row><table:table-cell office:value-type="
                        "\"string\"><text:p>W-1</text:p></table:table-cell>"
                        "</table:table-row>");
}
std::vector<uint8_t> AttributesXlsx() {
  std::string rows;
  for (int i = 1; i <= 60; ++i) {
    rows += "<row r=\"" + std::to_string(i) + "\" x=\"" + std::string((1 << 20) - 64, 'a') + "\"/>";
  }
  return testing::XlsxOf(rows);
}
std::vector<uint8_t> NamesXlsx() {
  std::string rows;
  for (int i = 0; i < 60; ++i) rows += "<n" + std::string((1 << 20) - 64, 'n') + "/>";
  return testing::XlsxOf(rows);
}
std::vector<uint8_t> EmptyRowsXlsx() {
  std::string rows;
  rows.reserve(std::size_t{60} << 20);
  for (int i = 0; i < 10000000; ++i) rows += "<row/>";
  return testing::XlsxOf(rows);
}
std::vector<uint8_t> NumberFormatsXlsx() {
  std::string formats = "<numFmts count=\"500000\">";
  for (int i = 0; i < 500000; ++i) {
    formats += "<numFmt numFmtId=\"" + std::to_string(164 + i) + "\" formatCode=\"0.00\\ \\W" +
               std::to_string(i) + "\"/>";
  }
  formats += "</numFmts><cellXfs count=\"100000\">";
  for (int i = 0; i < 100000; ++i) {
    formats += "<xf numFmtId=\"" + std::to_string(164 + i * 5) + "\"/>";
  }
  formats += "</cellXfs>";
  return testing::XlsxOf("<row r=\"1\"><c r=\"A1\" s=\"7\"><v>3</v></c></row>", "", formats);
}

// The peak of the process's resident memory, in megabytes, since the last reset.
double PeakMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024;
  }
  return 0;
}
void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

void Hostile(benchmark::State& state, std::vector<uint8_t> (*make)(), const char* path) {
  const std::vector<uint8_t> bytes = make();
  double peak = 0;
  for (auto _ : state) {
    ResetPeak();
    const Result<ImportedPages> read = ReadImport(bytes, path);
    benchmark::DoNotOptimize(read.ok());
    peak = std::max(peak, PeakMegabytes());
  }
  state.counters["file bytes"] = static_cast<double>(bytes.size());
  state.counters["peak MB"] = peak;
}
BENCHMARK_CAPTURE(Hostile, comments, CommentsXlsx, "list.xlsx")
    ->Name("xlsx with 60 comments of 1 MiB in each part")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hostile, odsComments, CommentsOds, "list.ods")
    ->Name("ods with 60 comments of 1 MiB")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hostile, attributes, AttributesXlsx, "list.xlsx")
    ->Name("xlsx with 60 attribute values of 1 MiB")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hostile, names, NamesXlsx, "list.xlsx")
    ->Name("xlsx with 60 element names of 1 MiB")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hostile, emptyRows, EmptyRowsXlsx, "list.xlsx")
    ->Name("xlsx with 10,000,000 empty rows")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hostile, numberFormats, NumberFormatsXlsx, "list.xlsx")
    ->Name("xlsx with 500,000 number formats")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace q5300
