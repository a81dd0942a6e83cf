// Any bytes as an import file of text: the encoding told by a byte order mark or
// by UTF-8 validity, converted to code page 949 and read as lines and fields,
// then followed into the job. Read as the Import command reads a file, the same
// bytes give the same pages.
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
  return 0;
}
