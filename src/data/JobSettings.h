#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "data/FixedField.h"

namespace q5300 {

// Printer resolution: a length of L mm is trunc(12 * L) dots.
inline constexpr int DotsPerMm = 12;
// Millimetres of a length in printer dots.
inline constexpr double DotsToMm(int dots) {
  return static_cast<double>(dots) / DotsPerMm;
}
inline constexpr int MaxPages = 200;
inline constexpr int MaxTextBytes = 40;
inline constexpr int MinRepeat = 1;
inline constexpr int MaxRepeat = 200;
inline constexpr int MinLengthMm = 6;
inline constexpr int MaxLengthMm = 150;

enum Material : int32_t { Tube = 0, Label = 1, HeatShrinkTube = 2 };

inline constexpr char NoCut = 'N';
inline constexpr char HalfCut = 'C';
inline constexpr char PrintCutLine = 'L';

inline constexpr uint8_t Continuous = 1;  // 1, 1, 2, 2, 3, 3
inline constexpr uint8_t Sequential = 0;  // 1, 2, 3, 1, 2, 3

// The media-bar choices; they hold for the whole job.
struct JobSettings {
  int32_t material = Tube;
  int32_t mediaSize = 1;
  std::array<char, 4> materialCode = FixedText<4>("TUB");
  std::array<char, 3> sizeCode = FixedText<3>("4");
  char cutMode = HalfCut;
  int32_t margin = 0;  // extra dots between two characters of a line
  uint8_t alignment = 0;  // 0 centre, 1 left
  uint8_t density = 8;
  int32_t copies = 1;
  uint8_t repeatMode = Continuous;

  friend bool operator==(const JobSettings&, const JobSettings&) = default;
};

// The attribute set of the page panel that new pages take.
struct PageDefaults {
  bool autoLength = false;
  std::array<char, 4> lengthCode = FixedText<4>("Au");
  float lengthMm = 20.0f;
  bool autoFont = false;
  uint8_t fontSize = 4;  // 0 while automatic
  int16_t repeatCount = 1;
  char frame = 'N';
  std::array<char, 2> direction = {'0', '4'};

  friend bool operator==(const PageDefaults&, const PageDefaults&) = default;
};

// ---- Value tables of the medium -------------------------------------------------

struct MediaSize {
  std::string_view item;      // as the size box lists it
  std::string_view sizeCode;  // as the printer receives it
  double previewWidthMm;
};

struct MediaMaterial {
  std::string_view item;
  std::string_view materialCode;
  std::span<const MediaSize> sizes;
};

// Rows 0..2 by `material`.
std::span<const MediaMaterial> MediaTable();
// The material row for an index; an index outside the table gives the tube row.
const MediaMaterial& MaterialAt(int32_t material);

// The largest font size by material and size index (every entry is 6).
int MaxFontSize(int32_t material, int32_t mediaSize);

// The width of the flat medium the preview draws, or 0 for an index outside the tables.
double PreviewWidthMm(int32_t material, int32_t mediaSize);

// Item lists of the media-bar boxes, in order.
std::span<const std::string_view> CuttingItems();    // box 1016
std::span<const std::string_view> MarginItems();     // box 1007: "0".."20"
std::span<const std::string_view> AlignmentItems();  // box 1024
std::span<const std::string_view> DensityItems();    // box 1026: "0".."9", "A".."F"
std::span<const std::string_view> CopiesItems();     // box 1032: "1".."10"

// Box index <-> field value.
char CutModeForIndex(int index);         // 0 'N', 2 'L', anything else 'C'
int IndexForCutMode(char cutMode);       // -1 for a code the box does not hold

}  // namespace q5300
