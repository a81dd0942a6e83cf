#include "compile/CodePage.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <memory>

namespace q5300 {
namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// "windows-949" is the Unified Hangul Code with the user-defined rows. ICU's
// "cp949" is a different (IBM) code page and must not be used here.
ConverterPtr OpenConverter() {
  UErrorCode status = U_ZERO_ERROR;
  ConverterPtr converter(ucnv_open("windows-949", &status));
  if (U_FAILURE(status)) return nullptr;
  ucnv_setSubstChars(converter.get(), "?", 1, &status);
  ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr,
                        &status);
  ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr,
                      &status);
  if (U_FAILURE(status)) return nullptr;
  return converter;
}

// A converter carries state between calls, so every thread gets its own.
UConverter* Converter() {
  thread_local const ConverterPtr converter = OpenConverter();
  return converter.get();
}

// Without conversion data only ASCII survives; nothing else is guessed at.
std::string AsciiOnly(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

std::u16string AsciiOnly(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out.push_back(b);
    } else {
      out.push_back(u'\uFFFD');
      if (IsLeadByte(b) && i + 1 < bytes.size()) ++i;
    }
  }
  return out;
}

}  // namespace

std::size_t ToPrinterCodePage(std::u16string_view text, std::span<char> out) {
  UConverter* const converter = Converter();
  if (converter == nullptr) {
    const std::string ascii = AsciiOnly(text);
    const std::size_t n = std::min(ascii.size(), out.size());
    std::copy_n(ascii.begin(), n, out.begin());
    return n;
  }
  ucnv_resetFromUnicode(converter);
  char* target = out.data();
  const UChar* source = text.data();
  UErrorCode status = U_ZERO_ERROR;
  // A full buffer ends the conversion; what did not fit is dropped with the reset
  // of the next call.
  ucnv_fromUnicode(converter, &target, out.data() + out.size(), &source, text.data() + text.size(),
                   nullptr, true, &status);
  return static_cast<std::size_t>(target - out.data());
}

std::string ToPrinterCodePage(std::u16string_view text) {
  // At most two bytes per UTF-16 unit: a double-byte character, or one '?' for
  // a unit or a surrogate pair without a form in the code page.
  std::string out(text.size() * 2, '\0');
  out.resize(ToPrinterCodePage(text, std::span<char>(out)));
  return out;
}

std::u16string FromPrinterCodePage(std::string_view bytes) {
  const auto end = bytes.find('\0');
  if (end != std::string_view::npos) bytes = bytes.substr(0, end);
  UConverter* const converter = Converter();
  if (converter == nullptr) return AsciiOnly(bytes);
  ucnv_resetToUnicode(converter);
  // Every character of the code page is one UTF-16 unit and takes at least one byte.
  std::u16string out(bytes.size(), u'\0');
  UChar* target = out.data();
  const char* source = bytes.data();
  UErrorCode status = U_ZERO_ERROR;
  ucnv_toUnicode(converter, &target, out.data() + out.size(), &source, bytes.data() + bytes.size(),
                 nullptr, true, &status);
  out.resize(static_cast<std::size_t>(target - out.data()));
  return out;
}

std::size_t WholeCharacterPrefix(std::string_view bytes, std::size_t limit) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    // A lead byte that already lacks its second byte counts as one byte.
    const bool pair = IsLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size();
    const std::size_t width = pair ? 2 : 1;
    if (i + width > limit) break;
    i += width;
  }
  return i;
}

}  // namespace q5300
