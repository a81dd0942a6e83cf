// Any bytes as a CSV import file. The first byte also picks the size of the
// pieces the file is read in: pieces of any size give what the whole gives.
// What is imported means the same once saved and opened again: import, save,
// open and save give the same bytes twice, and the grid shows the same lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ImportChecks.h"
#include "files/CsvImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace q5300;
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const ImportedPages whole = ParseCsv(file);
  const std::size_t piece = size == 0 ? 1 : data[0] % 17 + 1;
  CsvImporter importer;
  bool wantsMore = true;
  for (std::size_t at = 0; at < size && wantsMore; at += piece) {
    wantsMore = importer.Feed(file.substr(at, piece));
  }
  if (wantsMore) importer.Finish();
  if (!(importer.result() == whole)) __builtin_trap();

  fuzz::CheckImport(whole);
  return 0;
}
