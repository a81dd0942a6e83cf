// Any bytes as a CSV import file. The first byte also picks the size of the
// pieces the file is read in: pieces of any size give what the whole gives.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "compile/CodePage.h"
#include "compile/RebuildRecords.h"
#include "data/JobSettings.h"
#include "files/CsvImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace q5300;
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const CsvImport whole = ParseCsv(file);
  if (whole.pages.size() > static_cast<std::size_t>(MaxPages)) __builtin_trap();
  if (whole.pageLimitReached != (whole.pages.size() == static_cast<std::size_t>(MaxPages))) {
    __builtin_trap();
  }
  for (const CsvPage& page : whole.pages) {
    if (page.repeatCount < MinRepeat || page.repeatCount > MaxRepeat) __builtin_trap();
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
  return 0;
}
