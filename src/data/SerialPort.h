#pragma once

#include <cstddef>
#include <iterator>

#include "data/JobSettings.h"
#include "data/PageRecord.h"

namespace q5300 {

// The record k places after r, or the last record when the list ends first (a
// negative k also gives the last record). RecordAt(r, 0) is r.
PageRecord* RecordAt(PageRecord* r, int k);

// The pages of a job: a doubly linked chain of records, one per grid row, in row
// order. The list owns its records; nothing else frees one.
class PageList {
 public:
  PageList() = default;
  PageList(const PageList&) = delete;
  PageList& operator=(const PageList&) = delete;
  ~PageList() { FreeAllRecords(); }

  PageRecord* first() const { return first_; }
  PageRecord* last() const;
  int size() const { return count_; }
  bool empty() const { return first_ == nullptr; }

  // A new initialised record as the first and only one; the list must be empty.
  PageRecord* CreateFirstRecord(const PageDefaults& defaults, const JobSettings& settings);
  // A new initialised record directly after r (r null or the list empty: the first record).
  PageRecord* InsertRecordAfter(PageRecord* r, const PageDefaults& defaults,
                                const JobSettings& settings);
  // A new initialised record after the last one.
  PageRecord* AppendRecord(const PageDefaults& defaults, const JobSettings& settings);
  // A page of this list brought back (undo, redo): appended with its content and,
  // when it is not in the list now, its identity.
  PageRecord* AppendRecordAs(const PageRecord& page, const PageDefaults& defaults,
                             const JobSettings& settings);
  // Unlinks and frees r; returns the record that takes its place: its successor, or
  // its predecessor when r was last, or none when the list is now empty.
  PageRecord* RemoveRecord(PageRecord* r);
  // Frees every record, last to first.
  void FreeAllRecords();

  // Record at list position index (0-based), or null outside 0..size-1.
  PageRecord* At(int index) const;
  // List position of r, or -1 when r is not in this list.
  int IndexOf(const PageRecord* r) const;
  // The record of the page with this identity, or null.
  PageRecord* Find(uint32_t pageId) const;

  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = PageRecord;
    using difference_type = std::ptrdiff_t;
    using pointer = PageRecord*;
    using reference = PageRecord&;
    explicit Iterator(PageRecord* r = nullptr) : r_(r) {}
    PageRecord& operator*() const { return *r_; }
    PageRecord* operator->() const { return r_; }
    Iterator& operator++() {
      r_ = r_->next;
      return *this;
    }
    Iterator operator++(int) {
      Iterator old = *this;
      r_ = r_->next;
      return old;
    }
    friend bool operator==(const Iterator&, const Iterator&) = default;

   private:
    PageRecord* r_;
  };
  Iterator begin() const { return Iterator(first_); }
  Iterator end() const { return Iterator(nullptr); }

 private:
  PageRecord* NewRecord(const PageDefaults& defaults, const JobSettings& settings);

  PageRecord* first_ = nullptr;
  int count_ = 0;
  // Identities are never given twice in the life of a list.
  uint32_t nextPageId_ = 1;
};

}  // namespace q5300
