#include "data/Job.h"

#include "data/Phrase.h"

namespace q5300 {
namespace {

constexpr char kTwoLinesNeedWiderMedium[] = Q5300_TEXT(
    "q5300", "두줄 인쇄를 하기 위한 매체가 적합하지 않습니다. %1 페이지가 두줄로 설정되어 "
    "있습니다.！");

}  // namespace

bool Job::ChooseMaterial(int index) {
  if (index < Tube || index > HeatShrinkTube) return false;
  const MediaMaterial& material = MediaTable()[static_cast<std::size_t>(index)];
  settings.material = index;
  settings.mediaSize = 1;
  SetField(settings.materialCode, material.materialCode);
  SetField(settings.sizeCode, material.sizes[1].sizeCode);
  CarryMediaCodesIntoPages();
  return true;
}

SizeChoice Job::ChooseMediaSize(int index, const PageRecord* current) {
  if (settings.materialCode[0] == 'L') {
    SetField(settings.sizeCode, index == 0 ? "6" : index == 1 ? "9" : "12");
  } else {
    if (index < 0 || index > 3) return {std::nullopt, settings.mediaSize};
    if (index <= 1) {
      int twoLinePages = 0;
      for (const PageRecord& r : pages) twoLinePages += r.twoLines == 1 ? 1 : 0;
      if (twoLinePages > 0) {
        int shown = current != nullptr ? current->sizeCode[0] - '3' : settings.mediaSize;
        // A page that carries no tube size (a damaged file) shows the job's size.
        if (shown < 0 || shown > 3) shown = settings.mediaSize;
        return {Message{Phrase(kTwoLinesNeedWiderMedium, twoLinePages)}, shown};
      }
    }
    SetField(settings.sizeCode, std::string(1, static_cast<char>('0' + index + 3)));
  }
  settings.mediaSize = index;
  CarryMediaCodesIntoPages();
  return {std::nullopt, index};
}

void Job::CarryMediaCodesIntoPages() {
  for (PageRecord& r : pages) {
    r.materialCode = settings.materialCode;
    r.sizeCode = settings.sizeCode;
  }
}

}  // namespace q5300
