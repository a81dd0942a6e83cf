#pragma once

// Records linked in order, as a job's compiled records are, built one by one for
// the tests of what reads records: packets, label files, the preview.
#include <cstdint>
#include <deque>
#include <vector>

#include "data/JobSettings.h"
#include "data/PageRecord.h"

namespace q5300::testing {

class RecordChain {
 public:
  // A record of a new page at the end, linked to the one before it.
  PageRecord* AppendRecord(const PageDefaults& defaults, const JobSettings& settings) {
    PageRecord& r = records_.emplace_back();
    InitRecord(r, defaults, settings);
    r.pageId = nextId_++;
    if (records_.size() > 1) {
      PageRecord& before = records_[records_.size() - 2];
      before.next = &r;
      r.prev = &before;
    }
    return &r;
  }
  // The last record goes.
  void RemoveLast() {
    if (records_.empty()) return;
    records_.pop_back();
    if (!records_.empty()) records_.back().next = nullptr;
  }
  void Clear() { records_.clear(); }
  PageRecord* last() { return records_.empty() ? nullptr : &records_.back(); }
  PageRecord* first() { return records_.empty() ? nullptr : &records_.front(); }
  const PageRecord* first() const { return records_.empty() ? nullptr : &records_.front(); }
  PageRecord* At(int index) {
    return index >= 0 && index < size() ? &records_[static_cast<std::size_t>(index)] : nullptr;
  }
  int size() const { return static_cast<int>(records_.size()); }
  bool empty() const { return records_.empty(); }
  // Copies, side by side, for what takes records as a span.
  std::vector<PageRecord> Records() const { return {records_.begin(), records_.end()}; }
  auto begin() { return records_.begin(); }
  auto end() { return records_.end(); }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

 private:
  std::deque<PageRecord> records_;
  uint32_t nextId_ = 1;
};

}  // namespace q5300::testing
