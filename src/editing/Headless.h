#pragma once

// A workbench without a window: the command-line program, fuzzing and
// benchmarks run the same commands with this in place of the widgets.
#include <optional>

#include "editing/JobDocument.h"
#include "preview/PreviewSnapshot.h"

namespace q5300 {

// Keeps what the preview command hands to the strip.
class PreviewCatcher final : public DocumentView {
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
