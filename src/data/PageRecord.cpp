#include "data/PageRecord.h"

#include <string>

#include "data/NumberText.h"

namespace q5300 {

void InitRecord(PageRecord& record, const PageDefaults& defaults, const JobSettings& settings) {
  record = PageRecord{};
  record.autoLength = 1;
  record.lengthDots = NewPageLengthDots;
  record.limitDots = NewPageLengthDots;
  record.creationNo = 1;
  record.reserved4 = 'N';
  record.isChecked = 1;
  record.isCurrent = 0;
  record.materialCode = settings.materialCode;
  record.sizeCode = settings.sizeCode;
  record.lengthCode = defaults.lengthCode;
  record.autoFont = defaults.autoFont ? 1 : 0;
  record.fontSize = defaults.fontSize;
  record.frame = defaults.frame;
  record.direction = defaults.direction;
  if (!defaults.autoLength) {
    record.autoLength = 0;
    // 12 times the length rounded toward zero; limitDots waits for the metrics.
    record.lengthDots = static_cast<uint16_t>(static_cast<int>(DotsPerMm * defaults.lengthMm));
  }
  SetRepeat(record, static_cast<uint16_t>(defaults.repeatCount));
}

void CopyPageContent(PageRecord& to, const PageRecord& from) {
  PageRecord* const prev = to.prev;
  PageRecord* const next = to.next;
  const uint32_t id = to.pageId;
  to = from;
  to.prev = prev;
  to.next = next;
  to.pageId = id;
}

void SetRepeat(PageRecord& record, uint16_t count) {
  record.repeatCount = count;
  record.repeatCode = FormatFixedDigits(static_cast<int16_t>(count), 4);
  SetField(record.repeatText, std::to_string(count));
}

}  // namespace q5300
