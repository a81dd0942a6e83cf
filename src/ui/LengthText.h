#pragma once

#include <QString>

#include "editing/PageLength.h"

namespace q5300::ui {

// Why a page's text does not fit: empty when it fits.
QString OverLengthReason(const PageLength& length);
// The current page at a glance: "Page 3: 20.7 of 20.0 mm (248 / 240 dots) · 3 labels".
QString PageLengthText(int row, const PageLength& length);
// The job at a glance: "Job: 6 pages, 42 labels".
QString JobCountsText(const JobCounts& counts);

}  // namespace q5300::ui
