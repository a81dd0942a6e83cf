#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "data/JobSettings.h"
#include "editing/Page.h"
#include "editing/Controls.h"

namespace q5300 {

// A job as a value: its pages (with what they compile to, shared), the
// heading's box, the settings, the defaults of new pages, the current page and
// the file the job belongs to. A job of 200 pages takes some 60 KB.
struct JobSnapshot {
  JobSettings settings;
  PageDefaults defaults;
  std::vector<Page> pages;
  int headerCheck = 2;
  PageId currentPage = 0;
  int currentColumn = 0;
  std::string path;
};

// The steps the operator can take back and do again. Each step holds the job as
// it was on the other side of one change; a step that replaced the whole job
// (a file opened in its place, an import) also brings back the file it belonged to.
class UndoHistory {
 public:
  // Steps kept; the oldest goes when one more is recorded.
  static constexpr std::size_t Depth = 100;

  struct Step {
    JobSnapshot job;
    bool replacedJob = false;
  };

  // A change was made: `before` is the job as it was. What was undone cannot be
  // redone any more.
  void Record(JobSnapshot before, bool replacedJob);
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // The job to go back to; `now` becomes the step to redo. Only when CanUndo.
  Step Undo(JobSnapshot now);
  // The job to go forward to; `now` becomes the step to undo. Only when CanRedo.
  Step Redo(JobSnapshot now);
  void Clear();

  // About how much memory the steps take, in bytes.
  std::size_t MemoryBytes() const;

 private:
  std::deque<Step> undo_;
  std::deque<Step> redo_;
};

}  // namespace q5300
