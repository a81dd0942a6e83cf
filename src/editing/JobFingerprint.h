#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "data/GridModel.h"
#include "data/Job.h"
#include "editing/NumberingChoice.h"

namespace q5300 {

// What the operator has put into one page: its lines and tick as the grid holds
// them, and the attributes set from the page panel, the grid and the numbering
// dialog. Lengths, widths and sizes the program works out are left out, so that
// measuring, printing or previewing a page never counts as changing it.
struct PageInputs {
  std::u16string line1;
  std::u16string line2;
  bool checked = false;
  uint8_t autoLength = 0;
  std::array<char, 4> lengthCode{};
  uint16_t setLengthDots = 0;  // 0 while the length is automatic
  uint8_t autoFont = 0;
  uint8_t setFontSize = 0;  // 0 while the size is automatic
  uint8_t halfWidth = 0;
  char frame = 0;
  std::array<char, 2> direction{};
  uint16_t repeatCount = 0;
  NumberingFields numbering;

  friend bool operator==(const PageInputs&, const PageInputs&) = default;
};

// Everything the operator has put into a job. Two fingerprints compare equal
// exactly when no input differs, whatever the commands in between were.
struct JobFingerprint {
  JobSettings settings;
  std::vector<PageInputs> pages;

  friend bool operator==(const JobFingerprint&, const JobFingerprint&) = default;
};

// Row i of the grid goes with record i of the job.
JobFingerprint TakeJobFingerprint(const Job& job, const GridModel& grid);
// The same of a job held as values (a snapshot).
JobFingerprint TakeJobFingerprint(const JobSettings& settings, std::span<const PageRecord> records,
                                  std::span<const GridModel::Row> rows);

}  // namespace q5300
