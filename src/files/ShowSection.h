#pragma once

// How each kind of section of a number format shows a value: digits, a
// fraction, a date and time. NumberFormat picks the section.
#include <cstddef>
#include <optional>
#include <string>

#include "files/FormatCode.h"

namespace q5300 {

// The digits of `whole` in the digit places of tokens [begin, end) of
// `section`, with the text between them.
std::string IntegerPart(const NumberFormat::Section& section, std::size_t begin, std::size_t end,
                        const std::string& whole, bool grouping = true);

// A number in a section of digits: `magnitude` is not negative.
std::string ShowNumber(const NumberFormat::Section& section, double magnitude);

// A number in a section with a fraction, or nothing when the section cannot
// show it.
std::optional<std::string> ShowFraction(const NumberFormat::Section& section, double magnitude);

// A date and time: `days` from the sheet's day zero, not negative.
std::string ShowDate(const NumberFormat::Section& section, double days);

}  // namespace q5300
