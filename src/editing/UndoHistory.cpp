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

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace q5300
