#include "data/SerialPort.h"

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

PageRecord* RecordAt(PageRecord* r, int k) {
  if (r == nullptr || k == 0) return r;
  int steps = 0;
  while (r->next != nullptr && steps != k) {
    r = r->next;
    ++steps;
  }
  return r;
}

PageRecord* PageList::last() const {
  PageRecord* r = first_;
  while (r != nullptr && r->next != nullptr) r = r->next;
  return r;
}

PageRecord* PageList::CreateFirstRecord(const PageDefaults& defaults, const JobSettings& settings) {
  FreeAllRecords();
  PageRecord* const r = NewRecord(defaults, settings);
  first_ = r;
  count_ = 1;
  return r;
}

PageRecord* PageList::InsertRecordAfter(PageRecord* r, const PageDefaults& defaults,
                                        const JobSettings& settings) {
  if (first_ == nullptr || r == nullptr) {
    if (first_ == nullptr) return CreateFirstRecord(defaults, settings);
    // Before the first record.
    PageRecord* const n = NewRecord(defaults, settings);
    n->next = first_;
    first_->prev = n;
    first_ = n;
    ++count_;
    return n;
  }
  PageRecord* const n = NewRecord(defaults, settings);
  n->prev = r;
  n->next = r->next;
  if (r->next != nullptr) r->next->prev = n;
  r->next = n;
  ++count_;
  return n;
}

PageRecord* PageList::NewRecord(const PageDefaults& defaults, const JobSettings& settings) {
  auto* r = new PageRecord;
  InitRecord(*r, defaults, settings);
  r->pageId = nextPageId_++;
  return r;
}

PageRecord* PageList::AppendRecord(const PageDefaults& defaults, const JobSettings& settings) {
  return InsertRecordAfter(last(), defaults, settings);
}

PageRecord* PageList::RemoveRecord(PageRecord* r) {
  if (r == nullptr || first_ == nullptr) return nullptr;
  PageRecord* result = nullptr;
  if (r == first_) {
    result = r->next;
    if (result != nullptr) result->prev = nullptr;
    first_ = result;
  } else if (r->next != nullptr) {
    result = r->next;
    r->prev->next = result;
    result->prev = r->prev;
  } else {
    result = r->prev;
    result->next = nullptr;
  }
  delete r;
  --count_;
  return result;
}

void PageList::FreeAllRecords() {
  PageRecord* r = last();
  while (r != nullptr) {
    PageRecord* const before = r->prev;
    if (before != nullptr) before->next = nullptr;
    delete r;
    r = before;
  }
  first_ = nullptr;
  count_ = 0;
}

PageRecord* PageList::At(int index) const {
  if (index < 0 || index >= count_) return nullptr;
  return RecordAt(first_, index);
}

PageRecord* PageList::Find(uint32_t pageId) const {
  for (PageRecord* p = first_; p != nullptr; p = p->next) {
    if (p->pageId == pageId) return p;
  }
  return nullptr;
}

PageRecord* PageList::AppendRecordAs(const PageRecord& page, const PageDefaults& defaults,
                                     const JobSettings& settings) {
  PageRecord* const r = AppendRecord(defaults, settings);
  CopyPageContent(*r, page);
  // Only a page this list made before may be brought back under its identity.
  if (page.pageId != 0 && page.pageId < r->pageId && Find(page.pageId) == nullptr) {
    r->pageId = page.pageId;
  }
  return r;
}

int PageList::IndexOf(const PageRecord* r) const {
  int i = 0;
  for (const PageRecord* p = first_; p != nullptr; p = p->next, ++i) {
    if (p == r) return i;
  }
  return -1;
}

}  // namespace q5300
