#include <string>

#include "cli/JobInfo.h"
#include "cli/Json.h"
#include "data/FixedField.h"

namespace q5300::cli {
namespace {

// A one-byte code as a string: "" for the zero byte.
std::string Code(char c) {
  return c == 0 ? std::string() : std::string(1, c);
}

template <std::size_t N>
std::string Text(const std::array<char, N>& field) {
  return std::string(FieldText(field));
}

std::string Hex(std::span<const uint8_t> bytes) {
  static constexpr char Digits[] = "0123456789abcdef";
  std::string text;
  for (const uint8_t b : bytes) {
    text += Digits[b >> 4];
    text += Digits[b & 0x0F];
  }
  return text;
}

void WriteSettings(JsonWriter& json, const JobSettings& s) {
  json.Key("settings");
  json.BeginObject();
  json.Field("material", s.material);
  json.Field("mediaSize", s.mediaSize);
  json.Field("materialCode", Text(s.materialCode));
  json.Field("sizeCode", Text(s.sizeCode));
  json.Field("cutMode", Code(s.cutMode));
  json.Field("margin", s.margin);
  json.Field("alignment", s.alignment);
  json.Field("density", s.density);
  json.Field("copies", s.copies);
  json.Field("repeatMode", s.repeatMode);
  json.EndObject();
}

void WritePage(JsonWriter& json, const PageInfo& page) {
  const PageRecord& r = page.record;
  const std::size_t n = std::min<std::size_t>(r.textLength, MaxTextBytes);
  json.BeginObject();
  json.Field("page", page.number);
  json.Field("reserved0", r.reserved0);
  json.Field("hasNumbering", r.hasNumbering);
  json.Field("numNumber", r.numNumber);
  json.Field("numFixed", r.numFixed);
  json.Field("numHex2", r.numHex2);
  json.Field("numHex1", r.numHex1);
  json.Field("numUpper", r.numUpper);
  json.Field("numLower", r.numLower);
  json.Field("twoLines", r.twoLines);
  json.Field("scriptCount", r.scriptCount);
  json.Field("superCount", r.superCount);
  json.Field("subCount", r.subCount);
  json.Field("autoLength", r.autoLength);
  json.Field("autoFont", r.autoFont);
  json.Field("wideCount", r.wideCount);
  json.Field("frame", Code(r.frame));
  json.Field("numDigits", r.numDigits);
  json.Field("reserved1", r.reserved1);
  json.Field("reserved2", r.reserved2);
  json.Field("reserved3", r.reserved3);
  json.Field("textLength", r.textLength);
  json.Field("reserved4", Code(r.reserved4));
  json.Field("direction", Text(r.direction));
  json.Field("fontSize", r.fontSize);
  json.Field("halfWidth", r.halfWidth);
  json.Field("materialCode", Text(r.materialCode));
  json.Field("lengthCode", Text(r.lengthCode));
  json.Field("sizeCode", Text(r.sizeCode));
  json.Field("repeatText", Text(r.repeatText));
  json.Field("repeatCount", r.repeatCount);
  json.Field("line1Width", r.line1Width);
  json.Field("line2Width", r.line2Width);
  json.Field("lengthDots", r.lengthDots);
  json.Field("limitDots", r.limitDots);
  json.Field("labelTotal", r.labelTotal);
  json.Field("numCount", r.numCount);
  json.Field("numStart", Text(r.numStart));
  json.Field("numEnd", Text(r.numEnd));
  // The page's text to read: line 1, and line 2 after a line break.
  json.Field("text",
             page.line2.empty() && r.twoLines == 0 ? page.line1 : page.line1 + "\n" + page.line2);
  json.Field("repeatCode", Text(r.repeatCode));
  json.Field("isChecked", r.isChecked);
  json.Field("isCurrent", r.isCurrent);
  json.Field("creationNo", r.creationNo);
  // Besides the record: the lines apart, the text bytes the printer gets, the
  // length in millimetres, the numbering kind and the labels the page yields.
  json.Field("line1", page.line1);
  json.Field("line2", page.line2);
  json.Field("textBytes", Hex(std::span(r.text).first(n)));
  json.Key("lengthMm");
  json.Number(DotsToMm(r.lengthDots), 2);
  json.Field("numbering", page.numbering);
  json.Field("labels", page.labels);
  json.EndObject();
}

}  // namespace

void WriteInfoJson(std::ostream& out, const JobInfo& info) {
  JsonWriter json(out);
  json.BeginObject();
  json.Field("file", info.file);
  json.Field("format", info.format);
  WriteSettings(json, info.settings);
  json.Field("pageCount", static_cast<int64_t>(info.pages.size()));
  json.Field("labelCount", info.labels);
  json.Key("pages");
  json.BeginArray();
  for (const PageInfo& page : info.pages) WritePage(json, page);
  json.EndArray();
  json.EndObject();
}

}  // namespace q5300::cli
