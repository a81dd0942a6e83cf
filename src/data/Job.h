#pragma once

#include <optional>

#include "data/JobSettings.h"
#include "data/Result.h"
#include "data/PageRecord.h"

namespace q5300 {

// A job's media settings and the page panel's defaults for new pages (the job
// document holds its pages). The media-bar rules live here; they tell the
// caller of a refusal instead of showing anything.
struct Job {
  JobSettings settings;
  PageDefaults defaults;

  // Material box: the size list of the new material and its item 1. No check:
  // two-line pages keep their lines. The caller carries the new codes into
  // every page.
  bool ChooseMaterial(int index);
  // Size box. Tube sizes 3.0 and 4.0 are refused while any page has two lines
  // (`twoLinePages` of them); the refusal, or nothing when the size is taken.
  std::optional<Message> ChooseMediaSize(int index, int twoLinePages);
  void ChooseCutting(int index) { settings.cutMode = CutModeForIndex(index); }
  void ChooseMargin(int index) { settings.margin = index; }
  void ChooseAlignment(int index) { settings.alignment = static_cast<uint8_t>(index); }
  void ChooseDensity(int index) { settings.density = static_cast<uint8_t>(index + 1); }
  void ChooseCopies(int index) { settings.copies = index + 1; }
  void ChooseRepeatMode(uint8_t mode) { settings.repeatMode = mode; }

  // Puts the job's material and size codes into a page's record.
  void CarryMediaCodesInto(PageRecord& record) const {
    record.materialCode = settings.materialCode;
    record.sizeCode = settings.sizeCode;
  }
};

}  // namespace q5300
