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

constexpr char kNotOneOf[] = Q5300_TEXT("q5300", "%1 %2 is not one of %3");
constexpr char kCharacterSpacing[] = Q5300_TEXT("q5300", "The character spacing");
constexpr char kPrintDensity[] = Q5300_TEXT("q5300", "The print density");
constexpr char kCuttingCode[] = Q5300_TEXT("q5300", "The cutting code %1 is not one of N, C, L");
constexpr char kAlignment[] = Q5300_TEXT("q5300", "The alignment");
constexpr char kMaterial[] = Q5300_TEXT("q5300", "The material");
constexpr char kMediumSize[] = Q5300_TEXT("q5300", "The medium size");
constexpr char kRepeatMode[] = Q5300_TEXT("q5300", "The repeat mode");
constexpr char kCopies[] = Q5300_TEXT("q5300", "The number of copies");
constexpr char kTwoLineFlag[] = Q5300_TEXT("q5300", "the two-line flag");
constexpr char kAutoLengthFlag[] = Q5300_TEXT("q5300", "the automatic length flag");
constexpr char kAutoFontFlag[] = Q5300_TEXT("q5300", "the automatic font size flag");
constexpr char kHalfWidthFlag[] = Q5300_TEXT("q5300", "the half-width flag");
constexpr char kNumberingFlag[] = Q5300_TEXT("q5300", "the numbering flag");
constexpr char kNumberFlag[] = Q5300_TEXT("q5300", "the number flag");
constexpr char kFixedFlag[] = Q5300_TEXT("q5300", "the fixed-length number flag");
constexpr char kHex2Flag[] = Q5300_TEXT("q5300", "the two-digit hexadecimal flag");
constexpr char kHex1Flag[] = Q5300_TEXT("q5300", "the one-digit hexadecimal flag");
constexpr char kUpperFlag[] = Q5300_TEXT("q5300", "the capital letter flag");
constexpr char kLowerFlag[] = Q5300_TEXT("q5300", "the small letter flag");
constexpr char kFontSize[] = Q5300_TEXT("q5300", "the font size");
constexpr char kAutomaticFontZero[] =
    Q5300_TEXT("q5300", "the font size 0 (automatic) is on a page without automatic font size");
constexpr char kFrameCode[] = Q5300_TEXT("q5300", "the frame code %1 is not one of N, F, L");
constexpr char kDirectionCode[] =
    Q5300_TEXT("q5300", "the direction code %1 is not one of \"04\", \"13\"");
constexpr char kRepeatCount[] = Q5300_TEXT("q5300", "the repeat count");
constexpr char kRepeatTexts[] =
    Q5300_TEXT("q5300", "the repeat texts %1 and %2 do not give the repeat count %3");
constexpr char kLengthCode[] =
    Q5300_TEXT("q5300", "the length code %1 is neither \"Au\" nor a length of 6..150 mm");
constexpr char kSetLength[] = Q5300_TEXT("q5300", "the set length in dots");
constexpr char kCreationNumber[] = Q5300_TEXT("q5300", "the page's creation number");
constexpr char kNumberingStart[] =
    Q5300_TEXT("q5300", "the numbering start %1 is not a value of up to 3 characters");
constexpr char kNumberingEnd[] =
    Q5300_TEXT("q5300", "the numbering end %1 is not a value of up to 3 characters");
constexpr char kControlByte[] =
    Q5300_TEXT("q5300", "the text holds the byte %1 at %2, which is no character");
constexpr char kSecondLineBreak[] =
    Q5300_TEXT("q5300", "the text holds a second line break; a page has two lines at most");

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

Phrase Outside(const char* what, long value, const char* range) {
  return Phrase(kNotOneOf, what, value, Phrase::Literal(range));
}

Phrase Quoted(std::string_view field) {
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
  return Phrase::Literal(text + "\"");
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

std::optional<Phrase> SettingsFault(const JobSettings& s) {
  if (s.margin < 0 || s.margin > 20) return Outside(kCharacterSpacing, s.margin, "0..20");
  if (s.density < 1 || s.density > 16) return Outside(kPrintDensity, s.density, "1..16");
  if (IndexForCutMode(s.cutMode) < 0) {
    return Phrase(kCuttingCode, static_cast<unsigned char>(s.cutMode));
  }
  if (s.alignment > 1) return Outside(kAlignment, s.alignment, "0, 1");
  if (s.material < Tube || s.material > HeatShrinkTube) {
    return Outside(kMaterial, s.material, "0..2");
  }
  const auto sizes = MaterialAt(s.material).sizes.size();
  if (s.mediaSize < 0 || static_cast<std::size_t>(s.mediaSize) >= sizes) {
    return Outside(kMediumSize, s.mediaSize, sizes == 3 ? "0..2" : "0..3");
  }
  if (s.repeatMode > 1) return Outside(kRepeatMode, s.repeatMode, "0, 1");
  if (s.copies < 1 || s.copies > 10) return Outside(kCopies, s.copies, "1..10");
  return std::nullopt;
}

std::optional<Phrase> PageFault(const PageRecord& r) {
  const std::pair<const char*, uint8_t> flags[] = {
      {kTwoLineFlag, r.twoLines},    {kAutoLengthFlag, r.autoLength}, {kAutoFontFlag, r.autoFont},
      {kHalfWidthFlag, r.halfWidth}, {kNumberingFlag, r.hasNumbering}, {kNumberFlag, r.numNumber},
      {kFixedFlag, r.numFixed},      {kHex2Flag, r.numHex2},          {kHex1Flag, r.numHex1},
      {kUpperFlag, r.numUpper},      {kLowerFlag, r.numLower},
  };
  for (const auto& [what, value] : flags) {
    if (value > 1) return Outside(what, value, "0, 1");
  }
  constexpr int kLargestFontSize = 6;  // every entry of the font size table
  if (r.fontSize > kLargestFontSize) return Outside(kFontSize, r.fontSize, "0..6");
  if (r.fontSize == 0 && r.autoFont == 0) return Phrase(kAutomaticFontZero);
  if (r.frame != 'N' && r.frame != 'F' && r.frame != 'L') {
    return Phrase(kFrameCode, static_cast<unsigned char>(r.frame));
  }
  const std::string_view direction(r.direction.data(), r.direction.size());
  if (direction != "04" && direction != "13") return Phrase(kDirectionCode, Quoted(direction));
  if (r.repeatCount < MinRepeat || r.repeatCount > MaxRepeat) {
    return Outside(kRepeatCount, r.repeatCount, "1..200");
  }
  PageRecord repeat;
  SetRepeat(repeat, r.repeatCount);
  if (r.repeatCode != repeat.repeatCode || r.repeatText != repeat.repeatText) {
    return Phrase(kRepeatTexts, Quoted(std::string_view(r.repeatCode.data(), r.repeatCode.size())),
                  Quoted(std::string_view(r.repeatText.data(), r.repeatText.size())),
                  r.repeatCount);
  }
  if (!IsLengthCode(r.lengthCode)) {
    return Phrase(kLengthCode, Quoted(std::string_view(r.lengthCode.data(), 4)));
  }
  constexpr int kShortest = MinLengthMm * DotsPerMm;
  constexpr int kLongest = MaxLengthMm * DotsPerMm;
  if (r.autoLength == 0 && (r.lengthDots < kShortest || r.lengthDots > kLongest) &&
      !(r.lengthDots == kEarlierRefusedLengthDots && FieldText(r.lengthCode) == "Au")) {
    return Outside(kSetLength, r.lengthDots, "72..1800 (6..150 mm)");
  }
  if (r.creationNo < 1 || r.creationNo > MaxPages) {
    return Outside(kCreationNumber, r.creationNo, "1..200");
  }
  if (!IsNumberingValue(r.numStart)) {
    return Phrase(kNumberingStart, Quoted(std::string_view(r.numStart.data(), 4)));
  }
  if (!IsNumberingValue(r.numEnd)) {
    return Phrase(kNumberingEnd, Quoted(std::string_view(r.numEnd.data(), 4)));
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
      return Phrase(kControlByte, Phrase::Literal(hex), i);
    }
    if (b == SeparatorCode && ++separators > 1) {
      return Phrase(kSecondLineBreak);
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
