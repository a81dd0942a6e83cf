#pragma once

#include <optional>

#include "data/JobSettings.h"
#include "data/Result.h"
#include "data/SerialPort.h"

namespace q5300 {

// The answer to a size pick: the refusal, if any, and the item the size box
// shows afterwards (the current page's size after a refusal).
struct SizeChoice {
  std::optional<Message> refusal;
  int shownIndex = 0;
};

// A job: its media settings, the page panel's defaults for new pages, and the
// pages. The media-bar rules live here; they tell the caller of a refusal
// instead of showing anything.
struct Job {
  JobSettings settings;
  PageDefaults defaults;
  PageList pages;

  // Material box: the size list of the new material, its item 1, and the new
  // codes in every page. No check: two-line pages keep their lines.
  bool ChooseMaterial(int index);
  // Size box. Tube sizes 3.0 and 4.0 are refused while any page has two lines.
  SizeChoice ChooseMediaSize(int index, const PageRecord* current);
  void ChooseCutting(int index) { settings.cutMode = CutModeForIndex(index); }
  void ChooseMargin(int index) { settings.margin = index; }
  void ChooseAlignment(int index) { settings.alignment = static_cast<uint8_t>(index); }
  void ChooseDensity(int index) { settings.density = static_cast<uint8_t>(index + 1); }
  void ChooseCopies(int index) { settings.copies = index + 1; }
  void ChooseRepeatMode(uint8_t mode) { settings.repeatMode = mode; }

  // Copies the job's material and size codes into every page.
  void CarryMediaCodesIntoPages();
};

}  // namespace q5300
