// Any bytes as a spreadsheet file (.xlsx or .ods in a zip container). Either it
// is refused with a reason, or its pages are followed into the job.
#include <cstddef>
#include <cstdint>
#include <span>

#include "ImportChecks.h"
#include "files/SheetImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace q5300;
  const Result<ImportedPages> read = ReadSheetFile(std::span<const uint8_t>(data, size));
  if (!read) {
    if (read.failure().text.empty()) __builtin_trap();
    return 0;
  }
  fuzz::CheckImport(*read);
  return 0;
}
