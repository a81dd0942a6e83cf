#pragma once

#include <string_view>

#include "data/JobSettings.h"
#include "data/PageRecord.h"
#include "editing/PageLength.h"

namespace q5300 {

// The two lines fit into one page record: at most 40 characters and 40 bytes.
bool FitsOnePage(std::u16string_view line1, std::u16string_view line2);
// The first half of that: at most 40 characters, the line break counted.
bool FitsCharacters(std::u16string_view line1, std::u16string_view line2);

// Largest font size from 1 to the medium's maximum at which the page keeps to its
// set length. False when none fits (the size is then as it was).
bool FitFontSize(PageRecord& page, const JobSettings& settings);

// The page takes the text as the printer gets it, so that a packet carries it
// right and the length is measured on what is printed (a marker is one control
// byte there, not a double-byte character); the automatic font size is fitted
// to a set length. Returns the length of the text in bytes before the cut to 40.
std::size_t TakeText(PageRecord& page, std::u16string_view line1, std::u16string_view line2,
                     const JobSettings& settings);

// How long a page prints, measured on its record in the printer's form as
// TakeText left it (the metrics are refreshed); `fits`: its lines fit one record.
PageLength MeasureTaken(PageRecord& printerForm, bool fits, const JobSettings& settings);

// How long the page of `record` prints with these lines (an edit not yet
// committed), measured on a copy: one compile of the text.
PageLength MeasureDraft(const PageRecord& record, std::u16string_view line1,
                        std::u16string_view line2, const JobSettings& settings);

}  // namespace q5300
