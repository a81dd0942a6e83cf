// Leaving a job: whether it holds changes that are not saved, and the question
// before the window closes, so that no work is lost by a slip.
#include "editing/Engine.h"
#include "editing/InputFilters.h"

namespace q5300 {
namespace {
constexpr char kSaveQuestion[] = "변경된 내용이 저장되지 않았습니다. 저장하시겠습니까?";
}

bool Engine::modified() const {
  // One page without text holds nothing that closing could lose, whatever its
  // settings, and whatever a file saved earlier holds.
  if (grid_.rowCount() == 1 && grid_.CellText(0, Line1Column).empty() &&
      grid_.CellText(0, Line2Column).empty()) {
    return false;
  }
  return TakeJobFingerprint(job_, grid_) != savedInputs_;
}

void Engine::MarkSaved() {
  savedInputs_ = TakeJobFingerprint(job_, grid_);
}

bool Engine::MayClose() {
  gridActions_.FocusGrid();
  if (!modified()) return true;
  switch (op_.AskSaveChanges(Message{kSaveQuestion})) {
    case SaveAnswer::Discard:
      return true;
    case SaveAnswer::Stay:
      return false;
    case SaveAnswer::Save:
      Save();
      // A cancelled dialog or a failed write keeps the window open with the job.
      return !modified();
  }
  return false;
}

bool Engine::ExitPressed() {
  const auto length = ReadLengthValue(controls_.lengthText);
  const auto repeat = ReadRepeatValue(controls_.repeatText);
  if (length) lengthValue_ = *length;
  if (repeat) repeatValue_ = *repeat;
  if (!length) {
    Tell("Please enter a number.");
    return false;
  }
  if (!repeat) {
    Tell("Please enter an integer.");
    return false;
  }
  return true;
}

}  // namespace q5300
