#pragma once

#include <cstdint>
#include <string>

#include "editing/EditingOperator.h"
#include "editing/JobDocument.h"

namespace q5300 {

// The commands of the media bar (the job's medium and settings) and of the page
// panel (attributes of the current page, or of it and every page after it, and
// of the pages added from now on). Each is one change of the document.
class PanelCommands {
 public:
  PanelCommands(JobDocument& document, Operator& op) : document_(document), op_(op) {}

  // ---- Media bar (MediaBarCommands.cpp) -----------------------------------------------
  void MaterialChosen(int index);
  void SizeChosen(int index);
  void CuttingChosen(int index);
  void MarginChosen(int index);
  void AlignmentChosen(int index);
  void DensityChosen(int index);
  void CopiesChosen(int index);
  void RepeatModeChosen(bool continuous);

  // ---- Page panel (PanelCommands.cpp) --------------------------------------------------
  void ScopeChosen(ApplyScope scope);
  void AutoLengthClicked();
  void SetLengthModeClicked();
  void SetLengthPressed();
  void LengthTextChanged(std::u16string text);
  void RepeatTextChanged(std::u16string text);
  void FontSizeChosen(int index);
  void WidthChosen(int index);
  void FrameChosen(int index);
  void DirectionChosen(int index);
  void SetRepeatPressed();

  // "나가기": the window's OK action reads the length and repeat edits into their
  // values first; false, after a prompt, when one does not read as a number.
  bool ExitPressed();

 private:
  void Tell(Phrase text);
  // Reads edits 1019 and 1020 into their values, each when it reads as a number;
  // false (after a prompt) when the edit of the pressed button does not.
  bool ReadPanelEdits(bool lengthButton);
  // Walks the pages in scope from the current one; `visit` gets the record and its row.
  template <typename Visit>
  void WalkScope(JobEdit& e, Visit visit);

  JobDocument& document_;
  Operator& op_;
  float lengthValue_ = 20.0f;  // bound to edit 1019
  int32_t repeatValue_ = 1;    // bound to edit 1020
};

}  // namespace q5300
