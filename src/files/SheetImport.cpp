#include "files/SheetImport.h"

#include <memory>

#include "files/SheetCells.h"
#include "files/SheetFormats.h"

namespace q5300 {
namespace {

constexpr char kNoSpreadsheetInZip[] =
    Q5300_TEXT("q5300", "It is a zip file, but neither an .xlsx nor an .ods spreadsheet.");

}  // namespace

bool IsZipContainer(std::span<const uint8_t> bytes) {
  // A local file header, or the end record of an empty container.
  return bytes.size() >= 4 && bytes[0] == 'P' && bytes[1] == 'K' &&
         ((bytes[2] == 3 && bytes[3] == 4) || (bytes[2] == 5 && bytes[3] == 6));
}

Result<XmlReader::Source> SheetPart(ZipArchive& archive, int64_t index) {
  auto entry = archive.Read(index, MaxSheetPartBytes);
  if (!entry) return entry.failure();
  std::shared_ptr<ZipArchive::Entry> shared = std::move(*entry);
  return XmlReader::Source([shared] { return shared->Next(); });
}

Status ReadSheetFile(std::span<const uint8_t> bytes, ImportTarget& target) {
  auto archive = ZipArchive::Open(bytes);
  if (!archive) return archive.failure();
  ZipArchive& zip = **archive;
  if (zip.Find("xl/workbook.xml") >= 0 || zip.Find("[Content_Types].xml") >= 0) {
    return ReadXlsx(zip, target);
  }
  if (zip.Find("content.xml") >= 0 || zip.Find("mimetype") >= 0) return ReadOds(zip, target);
  return Message{kNoSpreadsheetInZip};
}

Result<ImportedPages> ReadSheetFile(std::span<const uint8_t> bytes, const ImportLayout& layout) {
  ImportTarget target(layout);
  if (const Status read = ReadSheetFile(bytes, target); !read) return read.failure();
  return target.TakeResult();
}

}  // namespace q5300
