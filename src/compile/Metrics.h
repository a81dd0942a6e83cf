#pragma once

#include "data/PageRecord.h"

namespace q5300 {

// Added to the text extent for an automatic length and in the over-length test.
inline constexpr int LengthSlack = 48;

// Predicted line widths, automatic length, limit and label count of a record,
// in printer dots. `margin` is the job's extra spacing between two characters.
void ComputeMetrics(PageRecord& record, int margin);

// The wider of the record's lines, the first alone on a page of one line.
uint16_t WidestLine(const PageRecord& record);

// True when the record has a set length and its text does not fit into it.
// Computes the metrics first.
bool IsOverLength(PageRecord& record, int margin);

}  // namespace q5300
