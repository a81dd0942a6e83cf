#include "data/JobSettings.h"

#include "data/Phrase.h"

namespace q5300 {
namespace {

constexpr MediaSize kTubeSizes[] = {
    {"3.0", "3", 5.0}, {"4.0", "4", 6.5}, {"5.0", "5", 8.0}, {"6.0", "6", 10.0}};
constexpr MediaSize kLabelSizes[] = {{"6 mm", "6", 6.0}, {"9 mm", "9", 9.0}, {"12mm", "12", 12.0}};

constexpr MediaMaterial kMaterials[] = {
    {Q5300_TEXT("q5300", "튜브"), "TUB", kTubeSizes},
    {Q5300_TEXT("q5300", "라벨"), "LAB", kLabelSizes},
    {Q5300_TEXT("q5300", "열수축 튜브"), "STU", kTubeSizes},
};

constexpr std::string_view kCutting[] = {Q5300_TEXT("q5300", "커팅없음"),
                                         Q5300_TEXT("q5300", "하프커팅"),
                                         Q5300_TEXT("q5300", "커팅라인인쇄")};
constexpr std::string_view kMargins[] = {"0",  "1",  "2",  "3",  "4",  "5",  "6",
                                         "7",  "8",  "9",  "10", "11", "12", "13",
                                         "14", "15", "16", "17", "18", "19", "20"};
constexpr std::string_view kAlignment[] = {Q5300_TEXT("q5300", "가운데"),
                                           Q5300_TEXT("q5300", "왼쪽")};
constexpr std::string_view kDensity[] = {"0", "1", "2", "3", "4", "5", "6", "7",
                                         "8", "9", "A", "B", "C", "D", "E", "F"};
constexpr std::string_view kCopies[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

constexpr int kMaxFontSize[3][4] = {{6, 6, 6, 6}, {6, 6, 6, 6}, {6, 6, 6, 6}};

}  // namespace

std::span<const MediaMaterial> MediaTable() { return kMaterials; }

const MediaMaterial& MaterialAt(int32_t material) {
  return (material >= 0 && material < 3) ? kMaterials[material] : kMaterials[0];
}

int MaxFontSize(int32_t material, int32_t mediaSize) {
  if (material < 0 || material > 2 || mediaSize < 0 || mediaSize > 3) return 6;
  return kMaxFontSize[material][mediaSize];
}

double PreviewWidthMm(int32_t material, int32_t mediaSize) {
  if (material < 0 || material > 2) return 0.0;
  const auto sizes = kMaterials[material].sizes;
  if (mediaSize < 0 || static_cast<std::size_t>(mediaSize) >= sizes.size()) return 0.0;
  return sizes[static_cast<std::size_t>(mediaSize)].previewWidthMm;
}

std::span<const std::string_view> CuttingItems() { return kCutting; }
std::span<const std::string_view> MarginItems() { return kMargins; }
std::span<const std::string_view> AlignmentItems() { return kAlignment; }
std::span<const std::string_view> DensityItems() { return kDensity; }
std::span<const std::string_view> CopiesItems() { return kCopies; }

char CutModeForIndex(int index) {
  if (index == 0) return NoCut;
  if (index == 2) return PrintCutLine;
  return HalfCut;
}

int IndexForCutMode(char cutMode) {
  switch (cutMode) {
    case NoCut: return 0;
    case HalfCut: return 1;
    case PrintCutLine: return 2;
    default: return -1;
  }
}

}  // namespace q5300
