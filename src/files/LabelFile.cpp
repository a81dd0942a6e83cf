#include "files/LabelFile.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "compile/CodePage.h"
#include "compile/PrintPacket.h"
#include "compile/RebuildRecords.h"
#include "data/AsciiText.h"
#include "data/PageRecord.h"

namespace q5300 {
namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif

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

std::string Quoted(std::string_view field) {
  std::string text = "\"";
  for (const char c : field) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F && c != '"' && c != '\\') {
      text += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
      text += escaped;
    }
  }
  return text + "\"";
}

// A fixed field holds its text and then only zero bytes.
template <std::size_t N>
bool ZeroPadded(const std::array<char, N>& field) {
  const std::size_t n = FieldText(field).size();
  return std::all_of(field.begin() + static_cast<std::ptrdiff_t>(n), field.end(),
                     [](char c) { return c == 0; });
}

// "Au", or whole millimetres 6..150 in decimal.
bool IsLengthCode(const std::array<char, 4>& code) {
  if (!ZeroPadded(code)) return false;
  const std::string_view text = FieldText(code);
  if (text == "Au") return true;
  if (text.empty() || text.size() > 3 || text[0] == '0') return false;
  int mm = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    mm = mm * 10 + (c - '0');
  }
  return mm >= MinLengthMm && mm <= MaxLengthMm;
}

// A numbering start or end: up to three characters of the numbering dialog.
bool IsNumberingValue(const std::array<char, 4>& value) {
  const std::string_view text = FieldText(value);
  return text.size() <= 3 && ZeroPadded(value) && std::all_of(text.begin(), text.end(), [](char c) {
           return static_cast<unsigned char>(c) >= 0x20;
         });
}

// The control bytes a page text may hold: placeholders, line separator, markers.
bool IsPrinterControl(uint8_t b) {
  return b == NumberCode || b == FixedCode || b == UpperCode || b == LowerCode ||
         b == SeparatorCode || b == SuperscriptCode || b == SubscriptCode;
}

// A page given a length of its own that it could not keep, in earlier versions,
// got 12 times the digits its code "Au" reads as.
constexpr uint16_t kEarlierRefusedLengthDots = 12 * 239;

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

std::optional<std::string> PageFault(const PageRecord& r) {
  const std::pair<const char*, uint8_t> flags[] = {
      {"the two-line flag", r.twoLines},
      {"the automatic length flag", r.autoLength},
      {"the automatic font size flag", r.autoFont},
      {"the half-width flag", r.halfWidth},
      {"the numbering flag", r.hasNumbering},
      {"the number flag", r.numNumber},
      {"the fixed-length number flag", r.numFixed},
      {"the two-digit hexadecimal flag", r.numHex2},
      {"the one-digit hexadecimal flag", r.numHex1},
      {"the capital letter flag", r.numUpper},
      {"the small letter flag", r.numLower},
  };
  for (const auto& [what, value] : flags) {
    if (value > 1) return Outside(what, value, "0, 1");
  }
  constexpr int kLargestFontSize = 6;  // every entry of the font size table
  if (r.fontSize > kLargestFontSize) return Outside("the font size", r.fontSize, "0..6");
  if (r.fontSize == 0 && r.autoFont == 0) {
    return std::string("the font size 0 (automatic) is on a page without automatic font size");
  }
  if (r.frame != 'N' && r.frame != 'F' && r.frame != 'L') {
    return "the frame code " + std::to_string(static_cast<unsigned char>(r.frame)) +
           " is not one of N, F, L";
  }
  const std::string_view direction(r.direction.data(), r.direction.size());
  if (direction != "04" && direction != "13") {
    return "the direction code " + Quoted(direction) + " is not one of \"04\", \"13\"";
  }
  if (r.repeatCount < MinRepeat || r.repeatCount > MaxRepeat) {
    return Outside("the repeat count", r.repeatCount, "1..200");
  }
  PageRecord repeat;
  SetRepeat(repeat, r.repeatCount);
  if (r.repeatCode != repeat.repeatCode || r.repeatText != repeat.repeatText) {
    return "the repeat texts " +
           Quoted(std::string_view(r.repeatCode.data(), r.repeatCode.size())) + " and " +
           Quoted(std::string_view(r.repeatText.data(), r.repeatText.size())) +
           " do not give the repeat count " + std::to_string(r.repeatCount);
  }
  if (!IsLengthCode(r.lengthCode)) {
    return "the length code " + Quoted(std::string_view(r.lengthCode.data(), 4)) +
           " is neither \"Au\" nor a length of 6..150 mm";
  }
  constexpr int kShortest = MinLengthMm * DotsPerMm;
  constexpr int kLongest = MaxLengthMm * DotsPerMm;
  if (r.autoLength == 0 && (r.lengthDots < kShortest || r.lengthDots > kLongest) &&
      !(r.lengthDots == kEarlierRefusedLengthDots && FieldText(r.lengthCode) == "Au")) {
    return Outside("the set length in dots", r.lengthDots, "72..1800 (6..150 mm)");
  }
  if (r.creationNo < 1 || r.creationNo > MaxPages) {
    return Outside("the page's creation number", r.creationNo, "1..200");
  }
  if (!IsNumberingValue(r.numStart)) {
    return "the numbering start " + Quoted(std::string_view(r.numStart.data(), 4)) +
           " is not a value of up to 3 characters";
  }
  if (!IsNumberingValue(r.numEnd)) {
    return "the numbering end " + Quoted(std::string_view(r.numEnd.data(), 4)) +
           " is not a value of up to 3 characters";
  }
  const std::size_t n = std::min<std::size_t>(r.textLength, MaxTextBytes);
  int separators = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const uint8_t b = r.text[i];
    // The second byte of a double-byte character is never below 0x41; a lead
    // byte before a lower byte stands alone.
    if (IsLeadByte(b) && i + 1 < n && r.text[i + 1] >= 0x41) {
      ++i;
      continue;
    }
    if (b < 0x20 && !IsPrinterControl(b)) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%02X", b);
      return "the text holds the byte " + std::string(hex) + " at " + std::to_string(i) +
             ", which is no character";
    }
    if (b == SeparatorCode && ++separators > 1) {
      return std::string("the text holds a second line break; a page has two lines at most");
    }
  }
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
