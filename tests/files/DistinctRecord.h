#pragma once

#include "compile/RebuildRecords.h"
#include "data/FixedField.h"
#include "data/PageRecord.h"

namespace q5300::testing {

// Every field a value of its own, so that a field at the wrong offset or in
// the wrong byte order shows. The text is 'x' and one Hangul syllable.
inline PageRecord DistinctRecord() {
  PageRecord r;
  r.numUpper = 0x01;
  r.reserved1 = 0x02;
  r.frame = 'F';
  r.reserved0 = 0x03;
  r.reserved2 = 0x04;
  r.twoLines = 0x05;
  r.autoFont = 0x06;
  r.fontSize = 0x07;
  r.creationNo = 0x08;
  r.halfWidth = 0x09;
  r.wideCount = 0x0A;
  r.numLower = 0x0B;
  SetField(r.sizeCode, "12");
  SetField(r.materialCode, "LAB");
  r.numNumber = 0x0C;
  r.labelTotal = 0x0D0E;
  SetField(r.repeatCode, "0199");
  r.repeatCount = 0x0F10;
  SetField(r.repeatText, "199");
  r.reserved3 = 0x11;
  r.direction = {'1', '3'};
  r.scriptCount = 0x12;
  r.limitDots = 0x1314;
  r.lengthDots = 0x1516;
  r.autoLength = 0x17;
  SetField(r.lengthCode, "125");
  SetField(r.numEnd, "345");
  r.numCount = 0x1819;
  SetField(r.numStart, "12");
  r.numDigits = 0x1A;
  r.numFixed = 0x1B;
  r.numHex2 = 0x1C;
  r.numHex1 = 0x1D;
  StorePageText(r, "x\xB0\xA1");
  r.line1Width = 0x1E1F;
  r.line2Width = 0x2021;
  r.subCount = 0x22;
  r.superCount = 0x23;
  r.reserved4 = 'Q';
  r.hasNumbering = 0x24;
  r.isChecked = 1;
  return r;
}

// DistinctRecord() with the values a page can have where a reader checks them:
// the flags 0 or 1, a font size, a repeat count and a set length in range. The
// unchecked fields keep their distinct values; each flag is told apart from the
// others by FlagFields().
inline PageRecord ReadableDistinctRecord() {
  PageRecord r = DistinctRecord();
  r.twoLines = 1;
  r.autoFont = 1;
  r.fontSize = 5;
  r.halfWidth = 1;
  r.numLower = 0;
  r.numNumber = 0;
  r.repeatCount = 199;  // as repeatCode and repeatText say
  r.autoLength = 0;
  r.lengthDots = 0x0516;  // 108.5 mm
  r.numFixed = 0;
  r.numHex2 = 0;
  r.numHex1 = 0;
  r.hasNumbering = 1;
  return r;
}

// The one-byte flags of a page, 0 or 1 each.
struct FlagField {
  const char* name;
  uint8_t PageRecord::*field;
};
inline constexpr FlagField FlagFields[] = {
    {"twoLines", &PageRecord::twoLines},         {"autoLength", &PageRecord::autoLength},
    {"autoFont", &PageRecord::autoFont},         {"halfWidth", &PageRecord::halfWidth},
    {"hasNumbering", &PageRecord::hasNumbering}, {"numNumber", &PageRecord::numNumber},
    {"numFixed", &PageRecord::numFixed},         {"numHex2", &PageRecord::numHex2},
    {"numHex1", &PageRecord::numHex1},           {"numUpper", &PageRecord::numUpper},
    {"numLower", &PageRecord::numLower},
};

}  // namespace q5300::testing
