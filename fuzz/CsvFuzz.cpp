// Any bytes as a CSV import file. The first byte also picks the size of the
// pieces the file is read in: pieces of any size give what the whole gives.
// What is imported means the same once saved and opened again: import, save,
// open and save give the same bytes twice, and the grid shows the same lines.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzEngine.h"
#include "compile/CodePage.h"
#include "compile/RebuildRecords.h"
#include "data/JobSettings.h"
#include "files/CsvImport.h"

namespace {

using namespace q5300;

std::vector<std::u16string> ShownLines(const Engine& engine) {
  std::vector<std::u16string> lines;
  for (int row = 0; row < engine.grid().rowCount(); ++row) {
    lines.push_back(engine.grid().CellText(row, Line1Column));
    lines.push_back(engine.grid().CellText(row, Line2Column));
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const CsvImport whole = ParseCsv(file);
  if (whole.pages.size() > static_cast<std::size_t>(MaxPages)) __builtin_trap();
  if (whole.pageLimitReached != (whole.pages.size() == static_cast<std::size_t>(MaxPages))) {
    __builtin_trap();
  }
  for (const CsvPage& page : whole.pages) {
    if (page.repeatCount < MinRepeat || page.repeatCount > MaxRepeat) __builtin_trap();
    if (page.line1.empty() && page.line2.empty()) __builtin_trap();
    for (const std::u16string* line : {&page.line1, &page.line2}) {
      if (std::any_of(line->begin(), line->end(), [](char16_t c) { return c < 0x20; })) {
        __builtin_trap();
      }
    }
    const std::string text = ToPrinterCodePage(JoinLines(page.line1, page.line2));
    if (text.size() > static_cast<std::size_t>(MaxTextBytes)) __builtin_trap();
  }

  const std::size_t piece = size == 0 ? 1 : data[0] % 17 + 1;
  CsvImporter importer;
  bool wantsMore = true;
  for (std::size_t at = 0; at < size && wantsMore; at += piece) {
    wantsMore = importer.Feed(file.substr(at, piece));
  }
  if (wantsMore) importer.Finish();
  if (!(importer.result() == whole)) __builtin_trap();

  fuzz::FuzzEngine imported;
  if (!imported.engine.ImportPages(whole, "fuzz.csv")) return 0;
  const std::vector<std::u16string> lines = ShownLines(imported.engine);
  const auto saved = imported.engine.LabelFileBytes(LabelFileKind::Qxk);
  if (!saved) __builtin_trap();
  fuzz::FuzzEngine reopened;
  if (!reopened.engine.OpenLabelBytes(*saved, LabelFileKind::Qxk, "fuzz.qxk", true)) {
    __builtin_trap();
  }
  if (ShownLines(reopened.engine) != lines) __builtin_trap();
  const auto again = reopened.engine.LabelFileBytes(LabelFileKind::Qxk);
  if (!again || *again != *saved) __builtin_trap();
  return 0;
}
