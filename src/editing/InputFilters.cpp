#include "editing/InputFilters.h"

#include <charconv>
#include <cmath>

#include "compile/CodePage.h"

namespace q5300 {
namespace {

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

std::u16string_view Trim(std::u16string_view text) {
  auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// Number of code page characters in `bytes`.
std::size_t CharacterCount(std::string_view bytes) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i, ++n) {
    if (IsLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size()) ++i;
  }
  return n;
}

}  // namespace

std::optional<std::u16string> FilterLengthText(std::u16string_view text) {
  if (text.empty()) return std::nullopt;
  std::string bytes = ToPrinterCodePage(text);
  if (bytes.size() > 10) bytes.resize(10);
  if (CharacterCount(bytes) >= 6) {
    bytes.resize(5);
    return FromPrinterCodePage(bytes);
  }
  if (!IsDigit(static_cast<unsigned char>(bytes[0]))) return std::u16string();
  int state = 0;
  for (std::size_t i = 1; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (IsDigit(c) && state < 2) {
      if (state == 1) state = 2;
    } else if (c == '.' && state == 0) {
      state = 1;
    } else {
      bytes.resize(i);
      return FromPrinterCodePage(bytes);
    }
  }
  return std::nullopt;
}

std::optional<float> ReadLengthValue(std::u16string_view text) {
  const std::string ascii = U16ToAscii(Trim(text));
  if (ascii.empty()) return std::nullopt;
  float value = 0;
  const char* end = ascii.data() + ascii.size();
  const auto [ptr, ec] = std::from_chars(ascii.data(), end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int32_t> ReadRepeatValue(std::u16string_view text) {
  std::string ascii = U16ToAscii(Trim(text));
  if (!ascii.empty() && ascii[0] == '+') ascii.erase(0, 1);
  if (ascii.empty()) return std::nullopt;
  int32_t value = 0;
  const char* end = ascii.data() + ascii.size();
  const auto [ptr, ec] = std::from_chars(ascii.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<char16_t> FilterTypedCharacter(FilterMode mode, CaseMode caseMode, char16_t c) {
  if (c == u'\b') return c;
  switch (mode) {
    case FilterMode::AnyText:
      return c;
    case FilterMode::DigitsOnly:
      if (c >= u'0' && c <= u'9') return c;
      return std::nullopt;
    case FilterMode::LettersOnly: {
      const bool lower = c >= u'a' && c <= u'z';
      const bool upper = c >= u'A' && c <= u'Z';
      if (!lower && !upper) return std::nullopt;
      if (caseMode == CaseMode::Lower && upper) return static_cast<char16_t>(c - u'A' + u'a');
      if (caseMode == CaseMode::Upper && lower) return static_cast<char16_t>(c - u'a' + u'A');
      return c;
    }
  }
  return std::nullopt;
}

bool CellEditorAccepts(bool digitsOnly, std::u16string_view current, char16_t c) {
  if (digitsOnly && !(c >= u'0' && c <= u'9') && c != u'\b' && c != u'\f' && c != u'.') {
    return false;
  }
  return c == u'\b' || static_cast<int>(current.size()) < MaxCellCharacters;
}

std::u16string AsciiToU16(std::string_view text) { return {text.begin(), text.end()}; }

std::u16string Utf8ToU16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < text.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
  }
  return out;
}

std::string U16ToAscii(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

}  // namespace q5300
