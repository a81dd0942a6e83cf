#pragma once

#include <cstdint>

namespace q5300 {

// How long a page prints, as the operator sees it beside the grid. Lengths are
// in printer dots.
struct PageLength {
  bool hasText = false;
  // The lines fit into one record: 40 characters and 40 bytes.
  bool fits = true;
  bool autoLength = false;
  // The length the text needs: its widest line and the slack of the printer.
  int neededDots = 0;
  // The length the page gets: the one set, or the automatic one.
  int lengthDots = 0;
  // The text does not fit the page: too long for the record, or for a set length.
  bool overLength = false;
  // Labels the page makes in one copy of the job when it is printed.
  int64_t labels = 0;
};

// The whole job at a glance.
struct JobCounts {
  int pages = 0;
  int printedPages = 0;  // ticked, with text
  int64_t labels = 0;    // in one copy
  int copies = 1;
  int overLengthPages = 0;
};

}  // namespace q5300
