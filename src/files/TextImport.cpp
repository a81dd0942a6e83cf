#include "files/TextImport.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "files/CsvImport.h"

namespace q5300 {
namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

ConverterPtr Open(const char* name) {
  UErrorCode status = U_ZERO_ERROR;
  ConverterPtr converter(ucnv_open(name, &status));
  if (U_FAILURE(status)) return nullptr;
  return converter;
}

const char* IcuName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return "UTF-8";
    case TextEncoding::Utf16LE:
      return "UTF-16LE";
    case TextEncoding::Utf16BE:
      return "UTF-16BE";
    case TextEncoding::CodePage949:
      break;
  }
  return "windows-949";
}

}  // namespace

namespace {

void ReadText(std::string_view bytes, CsvImporter& importer) {
  const DetectedEncoding detected = DetectTextEncoding(bytes);
  bytes.remove_prefix(detected.markBytes);
  if (detected.encoding == TextEncoding::CodePage949) {
    if (importer.Feed(bytes)) importer.Finish();
    return;
  }

  const ConverterPtr from = Open(IcuName(detected.encoding));
  const ConverterPtr to = Open(IcuName(TextEncoding::CodePage949));
  if (from == nullptr || to == nullptr) return;
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setSubstChars(to.get(), "?", 1, &status);
  if (U_FAILURE(status)) return;

  // The text is converted piece by piece, so the import stops converting as soon
  // as it has its pages.
  constexpr std::size_t kPiece = 64 * 1024;
  char out[16 * 1024];
  UChar pivot[4 * 1024];
  UChar* pivotSource = pivot;
  UChar* pivotTarget = pivot;
  const char* source = bytes.data();
  const char* const sourceEnd = bytes.data() + bytes.size();
  bool reset = true;
  for (;;) {
    const char* const pieceEnd = source + std::min<std::size_t>(kPiece, sourceEnd - source);
    const bool last = pieceEnd == sourceEnd;
    for (;;) {
      char* target = out;
      status = U_ZERO_ERROR;
      ucnv_convertEx(to.get(), from.get(), &target, out + sizeof out, &source, pieceEnd, pivot,
                     &pivotSource, &pivotTarget, pivot + std::size(pivot), reset, last, &status);
      reset = false;
      if (!importer.Feed(std::string_view(out, static_cast<std::size_t>(target - out)))) return;
      if (status != U_BUFFER_OVERFLOW_ERROR) break;
    }
    // Substitution leaves no error behind; anything else ends the text here.
    if (last || U_FAILURE(status)) break;
  }
  importer.Finish();
}

}  // namespace

ImportedPages ReadImportText(std::string_view bytes) {
  CsvImporter importer;
  ReadText(bytes, importer);
  return importer.TakeResult();
}

void ReadImportText(std::string_view bytes, ImportTarget& target) {
  CsvImporter importer(std::move(target));
  ReadText(bytes, importer);
  target = std::move(importer.target());
}

}  // namespace q5300
