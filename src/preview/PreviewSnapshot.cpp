#include "preview/PreviewSnapshot.h"

#include <algorithm>

#include "compile/CodePage.h"
#include "compile/Metrics.h"
#include "data/FixedField.h"
#include "data/NumberText.h"

namespace q5300 {
namespace {

bool IsWhiteSpace(char16_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

NumberKind KindOf(const PageRecord& r) {
  if (r.numNumber != 0) return NumberKind::Number;
  if (r.numFixed != 0) return NumberKind::Fixed;
  if (r.numHex2 != 0) return NumberKind::Hex2;
  if (r.numHex1 != 0) return NumberKind::Hex1;
  if (r.numLower != 0 || r.numUpper != 0) return NumberKind::Letter;
  return NumberKind::None;
}

}  // namespace

std::u16string TrimWhiteSpace(std::u16string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsWhiteSpace(text[begin])) ++begin;
  while (end > begin && IsWhiteSpace(text[end - 1])) --end;
  return std::u16string(text.substr(begin, end - begin));
}

PreviewPage PreviewPageOf(const PageRecord& r) {
  PreviewPage page;
  page.checked = r.isChecked != 0;
  page.current = r.isCurrent != 0;
  page.hasText = r.textLength != 0;
  const std::size_t length = std::min<std::size_t>(r.textLength, r.text.size());
  page.text = TrimWhiteSpace(
      FromPrinterCodePage(std::string_view(reinterpret_cast<const char*>(r.text.data()), length)));
  page.twoLines = r.twoLines != 0;
  page.fontSize = r.fontSize;
  page.vertical = r.IsVertical();
  page.frame = r.frame;
  page.boxLengthDots = r.autoLength == 1 ? 0 : r.limitDots;
  page.fitsBox = page.boxLengthDots == 0 || int{WidestLine(r)} + LengthSlack <= page.boxLengthDots;
  page.repeatCount = r.repeatCount;
  page.hasNumbering = r.hasNumbering != 0;
  page.kind = KindOf(r);
  if (page.kind == NumberKind::None || page.kind == NumberKind::Letter) {
    page.run.start = static_cast<unsigned char>(r.numStart[0]);
    page.run.end = static_cast<unsigned char>(r.numEnd[0]);
  } else {
    page.run.start = ParseDecimal(FieldText(r.numStart));
    page.run.end = ParseDecimal(FieldText(r.numEnd));
  }
  page.numCount = r.numCount;
  return page;
}

PreviewSnapshot TakePreviewSnapshot(const PageRecord* first, const JobSettings& settings) {
  PreviewSnapshot snapshot;
  snapshot.alignment = settings.alignment;
  snapshot.repeatMode = settings.repeatMode;
  for (const PageRecord* r = first; r != nullptr; r = r->next) {
    snapshot.pages.push_back(PreviewPageOf(*r));
  }
  return snapshot;
}


}  // namespace q5300
