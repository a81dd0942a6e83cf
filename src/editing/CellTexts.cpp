#include "editing/CellTexts.h"

#include "editing/InputFilters.h"

namespace q5300 {

std::u16string FrameCellText(char frame) {
  switch (frame) {
    case 'N': return u"None";
    case 'F': return u"Frame";
    case 'L': return u"Underline";
    default: return u"";
  }
}

std::u16string DirectionCellText(const std::array<char, 2>& direction) {
  return direction[0] == '0' ? u"Horizontal" : u"Vertical";
}

std::u16string ZoomCellText(uint8_t halfWidth) { return halfWidth != 0 ? u"반각" : u"전각"; }

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
