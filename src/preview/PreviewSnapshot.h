#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/JobSettings.h"
#include "data/PageRecord.h"
#include "data/PageRecord.h"
#include "preview/NumberRun.h"

namespace q5300 {

// What the preview draws of one page, copied out of its record. The preview
// never keeps a record pointer: Delete, Open and Import free records, and the
// strip may repaint at any time.
struct PreviewPage {
  bool checked = false;
  bool current = false;
  bool hasText = false;  // textLength != 0; a text of blanks is still drawn
  // The record text decoded, blanks removed from both ends; control bytes come
  // back as U+0012..U+001E.
  std::u16string text;
  bool twoLines = false;
  uint8_t fontSize = 0;
  bool vertical = false;
  char frame = 'N';
  int boxLengthDots = 0;  // 0 for an automatic length, else limitDots
  // The printer prints the whole text within the set length: its widest line
  // and the slack fit. The preview then shows all of it, however wide the
  // screen's face draws it. Otherwise the box cuts it, as the printer would.
  bool fitsBox = false;
  int repeatCount = 0;
  bool hasNumbering = false;
  NumberKind kind = NumberKind::None;
  NumberRun run;     // the counter's first and last values
  int numCount = 0;  // values per pass

  bool IsDrawn() const { return checked && hasText; }
};

struct PreviewSnapshot {
  std::vector<PreviewPage> pages;
  uint8_t alignment = 0;  // 0 centre, 1 left
  uint8_t repeatMode = Continuous;
};

// Copies what the preview reads from the pages, first to last, and the job's
// alignment and repeat mode.
PreviewSnapshot TakePreviewSnapshot(const PageRecord* first, const JobSettings& settings);
PreviewPage PreviewPageOf(const PageRecord& record);

// Removes white space from both ends: tab to carriage return, space, and the
// Unicode spaces (no-break, ideographic and the like). The control characters
// U+0012..U+001E are kept.
std::u16string TrimWhiteSpace(std::u16string_view text);

}  // namespace q5300
