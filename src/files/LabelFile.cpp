#include "files/LabelFile.h"

#include <algorithm>

#include "compile/CodePage.h"
#include "compile/PrintPacket.h"
#include "compile/RebuildRecords.h"

namespace q5300 {
namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif

// Only ASCII letters have a case in the names of label files: lowering byte by
// byte leaves the bytes of any other character as they are.
char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char16_t MarkerForControlByte(char16_t c) {
  switch (c) {
    case NumberCode:
      return NumberPlaceholder;
    case FixedCode:
      return FixedPlaceholder;
    case UpperCode:
      return UpperPlaceholder;
    case LowerCode:
      return LowerPlaceholder;
    case SuperscriptCode:
      return SuperscriptMarker;
    case SubscriptCode:
      return SubscriptMarker;
    default:
      return c;
  }
}

std::string Outside(std::string_view what, long value, std::string_view range) {
  return std::string(what) + " " + std::to_string(value) + " is not one of " + std::string(range);
}

}  // namespace

LabelFileKind KindOfPath(std::string_view path) {
  return !path.empty() && (path.back() == 'u' || path.back() == 'U') ? LabelFileKind::Qxu
                                                                     : LabelFileKind::Qxk;
}

std::string SavePathFor(std::string_view chosen, std::string_view extension,
                        std::string_view appended) {
  const std::size_t slash = chosen.find_last_of(kSeparators);
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  std::string path(chosen);
  std::transform(path.begin() + static_cast<std::ptrdiff_t>(nameStart), path.end(),
                 path.begin() + static_cast<std::ptrdiff_t>(nameStart), AsciiLower);
  const std::string_view name = std::string_view(path).substr(nameStart);
  if (!name.ends_with(extension)) path += appended;
  return path;
}

std::optional<std::string> SettingsFault(const JobSettings& s) {
  if (s.margin < 0 || s.margin > 20) return Outside("The character spacing", s.margin, "0..20");
  if (s.density < 1 || s.density > 16) return Outside("The print density", s.density, "1..16");
  if (IndexForCutMode(s.cutMode) < 0) {
    return "The cutting code " + std::to_string(static_cast<unsigned char>(s.cutMode)) +
           " is not one of N, C, L";
  }
  if (s.alignment > 1) return Outside("The alignment", s.alignment, "0, 1");
  if (s.material < Tube || s.material > HeatShrinkTube) {
    return Outside("The material", s.material, "0..2");
  }
  const auto sizes = MaterialAt(s.material).sizes.size();
  if (s.mediaSize < 0 || static_cast<std::size_t>(s.mediaSize) >= sizes) {
    return Outside("The medium size", s.mediaSize, sizes == 3 ? "0..2" : "0..3");
  }
  if (s.repeatMode > 1) return Outside("The repeat mode", s.repeatMode, "0, 1");
  if (s.copies < 1 || s.copies > 10) return Outside("The number of copies", s.copies, "1..10");
  return std::nullopt;
}

void SetMediaCodes(JobSettings& settings) {
  const MediaMaterial& material = MaterialAt(settings.material);
  SetField(settings.materialCode, material.materialCode);
  const auto size = static_cast<std::size_t>(settings.mediaSize);
  if (size < material.sizes.size()) SetField(settings.sizeCode, material.sizes[size].sizeCode);
}

GridLines GridLinesOf(const PageRecord& record) {
  const std::size_t n = std::min<std::size_t>(record.textLength, MaxTextBytes);
  std::u16string text =
      FromPrinterCodePage(std::string_view(reinterpret_cast<const char*>(record.text.data()), n));
  std::transform(text.begin(), text.end(), text.begin(), MarkerForControlByte);
  GridLines lines;
  const std::size_t separator = text.find(LineSeparator);
  if (separator == std::u16string::npos) {
    lines.line1 = std::move(text);
  } else {
    lines.line1 = text.substr(0, separator);
    lines.line2 = text.substr(separator + 1);
  }
  return lines;
}

int ImageSizeOf(std::span<const PageRecord* const> records) {
  int size = PacketHeaderSize + 1;
  for (const PageRecord* r : records) {
    if (r->IsPrintable()) {
      size += PacketRecordSize - 1 + std::min<int>(r->textLength, MaxTextBytes);
    }
  }
  return size;
}

}  // namespace q5300
