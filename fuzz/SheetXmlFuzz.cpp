// Any bytes as the XML parts of a spreadsheet, without the zip container around
// them, where most of a reader's work is: the first byte picks the part (even an
// .ods content.xml, odd an .xlsx sheet whose shared strings follow a NUL).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ImportChecks.h"
#include "files/SheetImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace q5300;
  if (size == 0) return 0;
  const std::string_view xml(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto split = xml.find('\0');
  const Result<ImportedPages> read = data[0] % 2 == 0 ? ReadOdsContent(xml)
                                 : split == std::string_view::npos
                                     ? ReadXlsxSheet(xml, {})
                                     : ReadXlsxSheet(xml.substr(0, split), xml.substr(split + 1));
  if (!read) {
    if (read.failure().text.empty()) __builtin_trap();
    return 0;
  }
  fuzz::CheckImport(*read);
  return 0;
}
