// Any bytes as an import file of text: the encoding told by a byte order mark or
// by UTF-8 validity, converted to code page 949 and read as lines and fields,
// then followed into the job. Read as the Import command reads a file, the same
// bytes give the same pages; a preview and any layout keep to their bounds.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "ImportChecks.h"
#include "files/ImportFile.h"
#include "files/SheetImport.h"
#include "files/TextImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace q5300;
  const ImportedPages import =
      ReadImportText(std::string_view(reinterpret_cast<const char*>(data), size));
  // A zip container or an old binary workbook is no text to the Import command.
  static constexpr uint8_t kCompoundFile[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  const bool container =
      IsZipContainer({data, size}) ||
      (size >= sizeof kCompoundFile && std::memcmp(data, kCompoundFile, sizeof kCompoundFile) == 0);
  const Result<ImportedPages> read = ReadImport({data, size}, "list.csv");
  if (!container && (!read || !(*read == import))) __builtin_trap();
  fuzz::CheckImport(import);

  // The preview keeps to its bounds, and any layout gives pages a job can hold.
  const Result<ImportPreview> preview = PreviewImport({data, size}, "list.csv", 5);
  if (!container) {
    if (!preview || preview->columns < 0 || preview->columns > MaxImportColumns ||
        preview->rows.size() > 5 || (preview->columns > 3 && preview->plain)) {
      __builtin_trap();
    }
    for (const auto& row : preview->rows) {
      if (row.size() != static_cast<std::size_t>(preview->columns)) __builtin_trap();
    }
  }
  if (size > 0) {
    const int pick = data[0];
    const ImportLayout layout{pick % 5,
                              pick % 3 == 0 ? ImportLayout::None : pick % 7,
                              pick & 8 ? ImportLayout::None : pick % 6,
                              static_cast<uint16_t>(pick % 200 + 1),
                              (pick & 16) != 0,
                              pick & 32 ? pick % 4 : ImportLayout::None};
    const Result<ImportedPages> laid = ReadImport({data, size}, "list.csv", layout);
    // A layout the check refuses (a page per wire end without line 2, or from
    // line 2's column) is refused for every file.
    const bool taken = CheckImportLayout(layout).ok();
    if (!container && taken != laid.ok()) __builtin_trap();
    if (laid) fuzz::CheckImport(*laid);
  }
  return 0;
}
