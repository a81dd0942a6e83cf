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
  return true;
}

std::optional<Message> Job::ChooseMediaSize(int index, int twoLinePages) {
  if (settings.materialCode[0] == 'L') {
    SetField(settings.sizeCode, index == 0 ? "6" : index == 1 ? "9" : "12");
  } else {
    if (index < 0 || index > 3) return std::nullopt;
    if (index <= 1 && twoLinePages > 0) {
      return Message{Phrase(kTwoLinesNeedWiderMedium, twoLinePages)};
    }
    SetField(settings.sizeCode, std::string(1, static_cast<char>('0' + index + 3)));
  }
  settings.mediaSize = index;
  return std::nullopt;
}

}  // namespace q5300
