#pragma once

#include <array>
#include <cstdint>

#include "data/JobSettings.h"

namespace q5300 {

inline constexpr uint16_t NewPageLengthDots = 25 * DotsPerMm;  // 300

// Everything that is printed, saved, measured and previewed for one page. The
// text is code page 949 with the printer's control bytes; the grid holds the
// lines as typed. Field order and widths are those of the record the printer
// and the label files know; serialisation is explicit, field by field.
struct PageRecord {
  uint8_t reserved0 = 0;
  uint8_t hasNumbering = 0;
  uint8_t numNumber = 0;  // placeholder 0x12, "0-999"
  uint8_t numFixed = 0;   // placeholder 0x14, "000-999"
  uint8_t numHex2 = 0;    // placeholder 0x14, "00~FF"
  uint8_t numHex1 = 0;    // placeholder 0x14, "0~F"
  uint8_t numUpper = 0;   // placeholder 0x16, "A-Z"
  uint8_t numLower = 0;   // placeholder 0x18, "a-z"
  uint8_t twoLines = 0;
  uint8_t scriptCount = 0;
  uint8_t superCount = 0;
  uint8_t subCount = 0;
  uint8_t autoLength = 0;
  uint8_t autoFont = 0;
  uint8_t wideCount = 0;
  char frame = 0;  // 'N' none, 'F' rectangle, 'L' underline
  uint8_t numDigits = 0;
  uint8_t reserved1 = 0;
  uint8_t reserved2 = 0;
  uint8_t reserved3 = 0;
  uint8_t textLength = 0;
  char reserved4 = 0;
  std::array<char, 2> direction{};  // "04" horizontal, "13" vertical
  uint8_t fontSize = 0;
  uint8_t halfWidth = 0;
  std::array<char, 4> materialCode{};
  std::array<char, 4> lengthCode{};
  std::array<char, 3> sizeCode{};
  std::array<char, 5> repeatText{};
  uint16_t repeatCount = 0;
  uint16_t line1Width = 0;
  uint16_t line2Width = 0;
  uint16_t lengthDots = 0;
  uint16_t limitDots = 0;
  uint16_t labelTotal = 0;
  uint16_t numCount = 0;
  std::array<char, 4> numStart{};
  std::array<char, 4> numEnd{};
  std::array<uint8_t, 41> text{};
  std::array<char, 5> repeatCode{};
  uint8_t isChecked = 0;
  uint8_t isCurrent = 0;
  uint8_t creationNo = 0;
  // The page's identity for the life of the job, given by the page list and
  // kept by undo: what a print job goes on from. Never written to a file or
  // sent to the printer.
  uint32_t pageId = 0;
  PageRecord* prev = nullptr;
  PageRecord* next = nullptr;

  bool IsVertical() const { return direction[0] != '0'; }
  // Field by field, the links included.
  friend bool operator==(const PageRecord&, const PageRecord&) = default;
  // Only ticked pages with text go to the printer.
  bool IsPrintable() const { return isChecked != 0 && textLength != 0; }
};

// The labels a page prints, counted without the 16-bit wrap of labelTotal: 200
// repeats of 1000 numbers are 200,000 labels.
inline int64_t LabelCount(const PageRecord& r) {
  if (!r.IsPrintable()) return 0;
  return r.hasNumbering != 0 ? int64_t{r.repeatCount} * r.numCount : int64_t{r.repeatCount};
}

// Fills a record with the values of a new page: the page panel's attribute set
// and the job's medium codes. Links are cleared.
void InitRecord(PageRecord& record, const PageDefaults& defaults, const JobSettings& settings);

// Every field of `from` except the two links and the identity.
void CopyPageContent(PageRecord& to, const PageRecord& from);

// Sets repeatCount, repeatCode ("0012") and repeatText ("12").
void SetRepeat(PageRecord& record, uint16_t count);

}  // namespace q5300
