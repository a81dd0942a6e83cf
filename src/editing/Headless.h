#pragma once

// An engine without a window: the command-line program, fuzzing and
// benchmarks run the same commands with these in place of the widgets.
#include <optional>

#include "editing/Engine.h"
#include "editing/GridActions.h"
#include "preview/PreviewSnapshot.h"

namespace q5300 {

// No grid widget: there is no edit to commit and no row to show.
class NoGrid final : public GridActions {
 public:
  void FocusGrid() override {}
  void BeginCellEdit(int /*row*/, int /*column*/) override {}
  void SelectRow(int /*row*/, bool /*ensureVisible*/) override {}
};

// Keeps what the preview command hands to the strip.
class PreviewCatcher final : public WindowView {
 public:
  void PreviewChanged(const PreviewSnapshot& snapshot, double mediaWidthMm) override {
    snapshot_ = snapshot;
    mediaWidthMm_ = mediaWidthMm;
  }
  const std::optional<PreviewSnapshot>& snapshot() const { return snapshot_; }
  double mediaWidthMm() const { return mediaWidthMm_; }

 private:
  std::optional<PreviewSnapshot> snapshot_;
  double mediaWidthMm_ = 9.0;
};

}  // namespace q5300
