#pragma once

#include <sstream>
#include <string>

#include "data/PageRecord.h"

namespace q5300::testing {

// The record's text as the bytes it holds.
inline std::string RecordBytes(const PageRecord& r) {
  return std::string(reinterpret_cast<const char*>(r.text.data()), r.textLength);
}

// Every field of a record but the links, one "name=value" per field, so that a
// comparison of two records names the fields that differ.
inline std::string RecordText(const PageRecord& r) {
  std::ostringstream out;
  auto bytes = [&out](const char* name, const auto& field) {
    out << name << '=';
    for (const auto c : field) out << static_cast<int>(static_cast<unsigned char>(c)) << ' ';
    out << '\n';
  };
  auto number = [&out](const char* name, long value) { out << name << '=' << value << '\n'; };
  number("reserved0", r.reserved0);
  number("hasNumbering", r.hasNumbering);
  number("numNumber", r.numNumber);
  number("numFixed", r.numFixed);
  number("numHex2", r.numHex2);
  number("numHex1", r.numHex1);
  number("numUpper", r.numUpper);
  number("numLower", r.numLower);
  number("twoLines", r.twoLines);
  number("scriptCount", r.scriptCount);
  number("superCount", r.superCount);
  number("subCount", r.subCount);
  number("autoLength", r.autoLength);
  number("autoFont", r.autoFont);
  number("wideCount", r.wideCount);
  number("frame", r.frame);
  number("numDigits", r.numDigits);
  number("reserved1", r.reserved1);
  number("reserved2", r.reserved2);
  number("reserved3", r.reserved3);
  number("textLength", r.textLength);
  number("reserved4", r.reserved4);
  bytes("direction", r.direction);
  number("fontSize", r.fontSize);
  number("halfWidth", r.halfWidth);
  bytes("materialCode", r.materialCode);
  bytes("lengthCode", r.lengthCode);
  bytes("sizeCode", r.sizeCode);
  bytes("repeatText", r.repeatText);
  number("repeatCount", r.repeatCount);
  number("line1Width", r.line1Width);
  number("line2Width", r.line2Width);
  number("lengthDots", r.lengthDots);
  number("limitDots", r.limitDots);
  number("labelTotal", r.labelTotal);
  number("numCount", r.numCount);
  bytes("numStart", r.numStart);
  bytes("numEnd", r.numEnd);
  bytes("text", r.text);
  bytes("repeatCode", r.repeatCode);
  number("isChecked", r.isChecked);
  number("isCurrent", r.isCurrent);
  number("creationNo", r.creationNo);
  return out.str();
}

}  // namespace q5300::testing
