#include "cli/Json.h"

#include <cstdio>

namespace q5300::cli {
namespace {

// Length of the valid UTF-8 sequence at the start of `s`, or 0.
std::size_t Utf8Length(std::string_view s) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const auto continuation = [&](std::size_t i, unsigned low = 0x80, unsigned high = 0xBF) {
    return i < s.size() && byte(i) >= low && byte(i) <= high;
  };
  const unsigned lead = byte(0);
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return continuation(1) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    // No overlong forms, no surrogates.
    const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : 0xBF;
    return continuation(1, low, high) && continuation(2) ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    const unsigned low = lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
    return continuation(1, low, high) && continuation(2) && continuation(3) ? 4 : 0;
  }
  return 0;
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  while (!text.empty()) {
    const char c = text.front();
    const std::size_t n = Utf8Length(text);
    if (n == 0) {
      out += "\\ufffd";
      text.remove_prefix(1);
      continue;
    }
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out.append(text.substr(0, n));
        }
    }
    text.remove_prefix(n);
  }
  out += '"';
  return out;
}

void JsonWriter::NewLine() {
  out_ << '\n';
  for (std::size_t i = 0; i < levels_.size(); ++i) out_ << "  ";
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  if (levels_.back().items++ > 0) out_ << ',';
  NewLine();
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  out_ << JsonString(name) << ": ";
  afterKey_ = true;
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  out_ << bracket;
  levels_.push_back({});
}

void JsonWriter::Close(char bracket) {
  const bool empty = levels_.back().items == 0;
  levels_.pop_back();
  if (!empty) NewLine();
  out_ << bracket;
  if (levels_.empty()) out_ << '\n';
}

void JsonWriter::String(std::string_view text) {
  BeforeValue();
  out_ << JsonString(text);
}

void JsonWriter::Number(int64_t value) {
  BeforeValue();
  out_ << value;
}

void JsonWriter::Number(double value, int decimals) {
  BeforeValue();
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  out_ << text;
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ << (value ? "true" : "false");
}

}  // namespace q5300::cli
