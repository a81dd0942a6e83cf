#include "files/ImportFile.h"

#include <string_view>
#include <utility>
#include <vector>

#include "data/AsciiText.h"
#include "files/FileIo.h"
#include "files/ImportColumns.h"
#include "files/SheetImport.h"
#include "files/TextImport.h"

namespace q5300 {
namespace {

// The compound file of the binary workbooks of old.
bool IsCompoundFile(std::span<const uint8_t> bytes) {
  static constexpr uint8_t kMagic[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  return bytes.size() >= sizeof kMagic &&
         std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin());
}

constexpr char kTooLarge[] =
    Q5300_TEXT("q5300",
               "The file has %1 bytes, more than the %2 bytes (16 MB) an import file may have; 200 "
               "pages take far less. Nothing was imported.");
constexpr char kTooLargeAtLeast[] =
    Q5300_TEXT("q5300",
               "The file has at least %1 bytes, more than the %2 bytes (16 MB) an import file may "
               "have; 200 pages take far less. Nothing was imported.");
constexpr char kOldWorkbook[] =
    Q5300_TEXT("q5300",
               "It is a workbook in the old binary format (.xls), which is not read; save it as "
               ".xlsx, .ods or .csv.");
constexpr char kWorkbookProtected[] = Q5300_TEXT(
    "q5300",
    "It is protected with a password (the workbook inside is encrypted); save it without "
    "one.");
constexpr char kNoZipContainer[] =
    Q5300_TEXT("q5300",
               "Its name says spreadsheet, but it is no zip container as .xlsx and .ods files are; "
               "it may be damaged.");

// `size` is the file's size, or with `atLeast` what was read of a file whose size
// was not known beforehand (a pipe) or that grew while it was read.
Message TooLarge(uint64_t size, bool atLeast = false) {
  return Message{Phrase(atLeast ? kTooLargeAtLeast : kTooLarge, size, MaxImportFileSize)};
}

}  // namespace

namespace {

// Reads the file into `target`, whatever it is.
Status ReadInto(std::span<const uint8_t> bytes, const std::string& path, ImportTarget& target) {
  if (IsZipContainer(bytes)) return ReadSheetFile(bytes, target);
  if (IsCompoundFile(bytes)) {
    // A workbook saved with a password is its encrypted package inside such a
    // container, beside the stream that says how it is encrypted.
    static constexpr char16_t kPackage[] = u"EncryptedPackage";
    std::string name;
    for (const char16_t c : std::u16string_view(kPackage)) {
      name += static_cast<char>(c);
      name += '\0';
    }
    const std::string_view all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (all.find(name) != std::string_view::npos) return Message{kWorkbookProtected};
    return Message{kOldWorkbook};
  }
  if (EndsWithNoCase(path, ".xlsx") || EndsWithNoCase(path, ".ods")) {
    return Message{kNoZipContainer};
  }
  ReadImportText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                 target);
  return Status::Ok();
}

}  // namespace

Result<ImportedPages> ReadImport(std::span<const uint8_t> bytes, const std::string& path,
                                 const ImportLayout& layout) {
  if (const Status checked = CheckImportLayout(layout); !checked) return checked.failure();
  ImportTarget target(layout);
  if (const Status read = ReadInto(bytes, path, target); !read) return read.failure();
  return target.TakeResult();
}

Result<ImportPreview> PreviewImport(std::span<const uint8_t> bytes, const std::string& path,
                                    int rows, ImportSeparator separator) {
  ImportTarget target = ImportTarget::Preview(rows, separator);
  if (const Status read = ReadInto(bytes, path, target); !read) return read.failure();
  return target.TakePreview();
}

Result<std::vector<uint8_t>> ReadImportBytes(std::FILE* file, const std::string& path) {
  if (const uint64_t size = FileSizeOf(file); size > MaxImportFileSize) return TooLarge(size);
  auto bytes = ReadAtMost(file, path, MaxImportFileSize);
  if (!bytes) return bytes.failure();
  // The size given beforehand may be none (a pipe gives 0) or may have grown:
  // what was read is counted too.
  if (bytes->size() > MaxImportFileSize) return TooLarge(bytes->size(), /*atLeast=*/true);
  return std::move(*bytes);
}

}  // namespace q5300
