#include "editing/UndoHistory.h"

#include <utility>

namespace q5300 {

void UndoHistory::Record(JobSnapshot before, bool replacedJob) {
  redo_.clear();
  undo_.push_back({std::move(before), replacedJob});
  if (undo_.size() > Depth) undo_.pop_front();
}

UndoHistory::Step UndoHistory::Undo(JobSnapshot now) {
  Step step = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back({std::move(now), step.replacedJob});
  return step;
}

UndoHistory::Step UndoHistory::Redo(JobSnapshot now) {
  Step step = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back({std::move(now), step.replacedJob});
  return step;
}

namespace {

std::size_t HeapBytes(const std::u16string& text) {
  // Short texts live inside the string itself.
  const std::size_t inside = std::u16string().capacity();
  return text.capacity() > inside ? (text.capacity() + 1) * sizeof(char16_t) : 0;
}

std::size_t SnapshotBytes(const JobSnapshot& job) {
  // What the pages compile to is shared with the job and the other steps.
  std::size_t bytes = sizeof(JobSnapshot) + job.pages.capacity() * sizeof(Page) + job.path.capacity();
  for (const Page& page : job.pages) bytes += HeapBytes(page.line1) + HeapBytes(page.line2);
  return bytes;
}

}  // namespace

std::size_t UndoHistory::MemoryBytes() const {
  std::size_t bytes = 0;
  for (const auto* steps : {&undo_, &redo_}) {
    for (const Step& step : *steps) bytes += SnapshotBytes(step.job);
  }
  return bytes;
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace q5300
