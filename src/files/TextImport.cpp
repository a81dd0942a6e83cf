#include "files/TextImport.h"

#include <unicode/ucnv.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
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

// The evidence for each reading of a text without a byte order mark, by what
// its characters are in that reading. Hangul syllables count most, then Hanja
// and the printer's symbols (the private use area in Unicode, the user-defined
// rows in code page 949); a byte sequence that is no character counts heavily
// against. A character of UTF-8 that counts takes three bytes, two of code page
// 949 one: the UTF-8 weight is above one and a half of the code page's, so that
// a UTF-8 text read in pairs never scores more in code page 949. Everything else
// (Latin, Greek and Cyrillic letters, signs) counts nothing either way: code
// page 949 reads many letters of other alphabets in UTF-8 as Hangul ("õ" is
// 천), and a reading is never chosen for its letters. The signs of units of
// measure count where a unit puts them (mm², m³, 30°C, 10µF, ±5): there they
// are likelier than the rare syllables code page 949 makes of the same bytes
// (짼, 쨀, 째, 쨉, 짹).
constexpr int kUtf8HangulHanjaOrSymbol = 5;
constexpr int kUnitSign = 4;
constexpr int kHangulSyllable = 3;
constexpr int kRareHangulSyllable = 1;  // code page 949's additions to KS X 1001
constexpr int kHanjaOrSymbol = 2;
constexpr int kNoCharacter = -10;

struct Scores {
  int64_t utf8 = 0;
  int64_t codePage = 0;
};

int Utf8Score(UChar32 c) {
  if (c < 0) return kNoCharacter;
  if ((c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x4E00 && c <= 0x9FFF) ||
      (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x3131 && c <= 0x318E) ||
      (c >= 0xE000 && c <= 0xF8FF)) {
    return kUtf8HangulHanjaOrSymbol;
  }
  return 0;
}

bool IsAsciiLetter(uint8_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A sign of a unit of measure in UTF-8 where a unit puts it: ² and ³ after "m",
// ° before "C" or "F", µ before a letter, ± before a digit. `before` and `after`
// are the bytes around it (0 at either end of the text).
int UnitSignScore(UChar32 c, uint8_t before, uint8_t after) {
  switch (c) {
    case 0xB2:  // ²
    case 0xB3:  // ³
      return before == 'm' ? kUnitSign : 0;
    case 0xB0:  // °
      return after == 'C' || after == 'F' ? kUnitSign : 0;
    case 0xB5:  // µ
      return IsAsciiLetter(after) ? kUnitSign : 0;
    case 0xB1:  // ±
      return after >= '0' && after <= '9' ? kUnitSign : 0;
    default:
      return 0;
  }
}

// The score of the code page 949 character of `lead` and `trail`.
int CodePageScore(uint8_t lead, uint8_t trail) {
  if (trail >= 0xA1 && trail <= 0xFE) {
    if (lead >= 0xB0 && lead <= 0xC8) return kHangulSyllable;
    if (lead == 0xC9 || lead == 0xFE || (lead >= 0xCA && lead <= 0xFD)) return kHanjaOrSymbol;
    if (lead >= 0xA1 && lead <= 0xAF) return 0;  // signs and letters
  }
  // The additional syllables: 0x81..0xA0 with any second byte, 0xA1..0xC6 with
  // the second bytes below 0xA1 (0xC6 up to 0x52).
  const bool letterTrail = (trail >= 0x41 && trail <= 0x5A) || (trail >= 0x61 && trail <= 0x7A);
  if (lead >= 0x81 && lead <= 0xA0 && (letterTrail || (trail >= 0x81 && trail <= 0xFE))) {
    return kRareHangulSyllable;
  }
  if (lead >= 0xA1 && lead <= 0xC5 && (letterTrail || (trail >= 0x81 && trail <= 0xA0))) {
    return kRareHangulSyllable;
  }
  if (lead == 0xC6 && trail >= 0x41 && trail <= 0x52) return kRareHangulSyllable;
  return kNoCharacter;
}

// Both readings of the whole text at once. ASCII reads the same in both and is
// passed over eight bytes at a time.
Scores ScoreReadings(const uint8_t* data, std::size_t length) {
  Scores scores;
  std::size_t utf8At = 0;
  std::size_t codePageAt = 0;
  for (;;) {
    // Both readings in step on an ASCII byte: skip the run.
    if (utf8At == codePageAt) {
      std::size_t at = utf8At;
      while (length - at >= 8) {
        uint64_t word;
        std::memcpy(&word, data + at, sizeof word);
        if ((word & 0x8080808080808080u) != 0) break;
        at += 8;
      }
      while (at < length && data[at] < 0x80) ++at;
      utf8At = codePageAt = at;
      if (at == length) break;
    }
    // The reading that lags behind takes its next character.
    if (utf8At <= codePageAt && utf8At < length) {
      if (data[utf8At] < 0x80) {
        ++utf8At;
      } else {
        UChar32 c;
        // U8_NEXT takes an int32_t length: a character needs 4 bytes at most.
        const int32_t window = static_cast<int32_t>(std::min<std::size_t>(length - utf8At, 4));
        int32_t i = 0;
        U8_NEXT(data + utf8At, i, window, c);
        const std::size_t end = utf8At + static_cast<std::size_t>(i);
        scores.utf8 += Utf8Score(c) + UnitSignScore(c, utf8At > 0 ? data[utf8At - 1] : 0,
                                                    end < length ? data[end] : 0);
        utf8At = end;
      }
    } else if (codePageAt < length) {
      const uint8_t lead = data[codePageAt];
      if (lead < 0x80) {
        ++codePageAt;
      } else if (codePageAt + 1 == length) {
        scores.codePage += kNoCharacter;
        ++codePageAt;
      } else {
        const uint8_t trail = data[codePageAt + 1];
        const int score = CodePageScore(lead, trail);
        scores.codePage += score;
        // A byte that starts no character is passed over alone, as the
        // conversion does with it.
        codePageAt += score == kNoCharacter && trail < 0x80 ? 1 : 2;
      }
    } else {
      break;
    }
  }
  return scores;
}

// UTF-16 without a mark. Its ASCII characters (separators and line ends among
// them) are each one zero byte and one other, at odd places for little endian
// and even ones for big endian; no text of the other encodings holds a zero byte
// but by accident. A reading is taken when it has separators or line ends,
// neither a zero character nor half a surrogate pair, and explains three in four
// of the text's zero bytes at least: as the high byte of an ASCII character or
// the low byte of a Hangul syllable (가 is 0xAC00). A wrong reading makes ASCII
// into 0x4100 and the like.
std::optional<TextEncoding> Utf16Reading(const uint8_t* data, std::size_t length) {
  const auto zeros = static_cast<int64_t>(std::count(data, data + length, uint8_t{0}));
  // A line of a list in UTF-16 has a separator or a line end for every forty
  // characters at most, each with its zero byte: far fewer zero bytes than that
  // are an accident, such as a file padded with zeros at its end.
  if (zeros * 32 < static_cast<int64_t>(length)) return std::nullopt;
  struct Reading {
    int64_t separators = 0;
    int64_t explained = 0;  // zero bytes
    bool broken = false;
  };
  Reading readings[2];  // little endian, big endian
  for (int big = 0; big < 2; ++big) {
    Reading& reading = readings[big];
    bool highSurrogate = false;
    for (std::size_t at = 0; at + 1 < length && !reading.broken; at += 2) {
      const char16_t unit = big ? static_cast<char16_t>(data[at] << 8 | data[at + 1])
                                : static_cast<char16_t>(data[at + 1] << 8 | data[at]);
      const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
      reading.broken = unit == 0 || low != highSurrogate;
      highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
      if (unit == u',' || unit == u'\t' || unit == u'\n' || unit == u'\r') ++reading.separators;
      if (unit < 0x80 || ((unit & 0xFF) == 0 && unit >= 0xAC00 && unit <= 0xD7A3)) {
        ++reading.explained;
      }
    }
  }
  const auto qualifies = [zeros](const Reading& r) {
    return !r.broken && r.separators > 0 && r.explained * 4 >= zeros * 3;
  };
  if (qualifies(readings[0]) && (!qualifies(readings[1]) ||
                                 readings[0].explained >= readings[1].explained)) {
    return TextEncoding::Utf16LE;
  }
  if (qualifies(readings[1])) return TextEncoding::Utf16BE;
  return std::nullopt;
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

DetectedEncoding DetectTextEncoding(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return {TextEncoding::Utf8, 3};
  if (bytes.starts_with("\xFF\xFE")) return {TextEncoding::Utf16LE, 2};
  if (bytes.starts_with("\xFE\xFF")) return {TextEncoding::Utf16BE, 2};

  const auto* const data = reinterpret_cast<const uint8_t*>(bytes.data());
  const std::size_t length = bytes.size();
  if (std::memchr(data, 0, length) != nullptr) {
    if (const auto utf16 = Utf16Reading(data, length)) return {*utf16, 0};
  }
  const Scores scores = ScoreReadings(data, length);
  // Alike evidence (none, or the same for both) goes to the printer's own code.
  if (scores.utf8 > scores.codePage) return {TextEncoding::Utf8, 0};
  return {};
}

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
