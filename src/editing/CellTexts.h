#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace q5300 {

// Attribute texts of the grid's columns.
std::u16string FrameCellText(char frame);  // "None", "Frame", "Underline"; "" for another code
std::u16string DirectionCellText(const std::array<char, 2>& direction);  // "Horizontal", "Vertical"
std::u16string ZoomCellText(uint8_t halfWidth);                          // "전각", "반각"
std::u16string NumberCellText(long value);                               // "12"

// Frame box item <-> code: 0 'N', 1 'F', 2 'L'.
char FrameForIndex(int index);
int IndexForFrame(char frame);  // -1 for another code

}  // namespace q5300
