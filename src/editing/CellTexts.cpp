#include "editing/CellTexts.h"

#include "data/Phrase.h"
#include "editing/InputFilters.h"

namespace q5300 {
namespace {

// The window shows these words of the grid translated.
constexpr char kNoFrame[] = Q5300_TEXT("q5300", "None");
constexpr char kFrame[] = Q5300_TEXT("q5300", "Frame");
constexpr char kUnderline[] = Q5300_TEXT("q5300", "Underline");
constexpr char kHorizontal[] = Q5300_TEXT("q5300", "Horizontal");
constexpr char kVertical[] = Q5300_TEXT("q5300", "Vertical");
constexpr char kFullWidth[] = Q5300_TEXT("q5300", "전각");
constexpr char kHalfWidth[] = Q5300_TEXT("q5300", "반각");

}  // namespace

std::u16string FrameCellText(char frame) {
  switch (frame) {
    case 'N': return AsciiToU16(kNoFrame);
    case 'F': return AsciiToU16(kFrame);
    case 'L': return AsciiToU16(kUnderline);
    default: return u"";
  }
}

std::u16string DirectionCellText(const std::array<char, 2>& direction) {
  return AsciiToU16(direction[0] == '0' ? kHorizontal : kVertical);
}

std::u16string ZoomCellText(uint8_t halfWidth) {
  return Utf8ToU16(halfWidth != 0 ? kHalfWidth : kFullWidth);
}

std::u16string NumberCellText(long value) { return AsciiToU16(std::to_string(value)); }

char FrameForIndex(int index) {
  if (index == 1) return 'F';
  if (index == 2) return 'L';
  return 'N';
}

int IndexForFrame(char frame) {
  switch (frame) {
    case 'N': return 0;
    case 'F': return 1;
    case 'L': return 2;
    default: return -1;
  }
}

}  // namespace q5300
