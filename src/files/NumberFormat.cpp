#include "files/NumberFormat.h"

#include <charconv>
#include <cmath>

#include "files/FormatCode.h"
#include "files/SheetCells.h"
#include "files/SheetDays.h"
#include "files/ShowSection.h"

namespace q5300 {

using Section = NumberFormat::Section;

NumberFormat::NumberFormat(std::string_view code, bool days1904) : days1904_(days1904) {
  if (code.empty() || code.size() > MaxCodeBytes) return;
  std::vector<Section> sections;
  for (const std::string_view part : FormatSections(code)) {
    if (sections.size() == 4) break;
    std::optional<Section> section = ReadFormatSection(part);
    if (!section) return;
    sections.push_back(std::move(*section));
  }
  // "General" alone, or "@" alone, is the general format.
  if (sections.size() == 1 && sections[0].tokens.size() == 1 &&
      (sections[0].general || sections[0].text)) {
    return;
  }
  sections_ = std::make_shared<const std::vector<Section>>(std::move(sections));
}

std::string NumberFormat::Show(double value) const {
  char out[32];
  const auto written = std::to_chars(out, out + sizeof out, value);
  const std::string general =
      GeneralNumber(std::string_view(out, static_cast<std::size_t>(written.ptr - out)));
  if (!sections_ || !std::isfinite(value)) return general;
  const std::vector<Section>& sections = *sections_;
  // The sections for numbers: the text section is for text alone.
  std::size_t numeric = sections.size();
  if (numeric == 4 || (numeric > 1 && sections[numeric - 1].text)) --numeric;
  if (numeric == 0) return general;
  const Section* section = &sections[0];
  bool minus = value < 0;
  if (value < 0 && numeric >= 2) {
    section = &sections[1];
    minus = false;
  } else if (value == 0 && numeric >= 3) {
    section = &sections[2];
  }
  if (section->text) return general;
  const double magnitude = std::fabs(value);
  if (section->date) {
    // 1 January 1904 is day 1462 from the usual day zero.
    const double days = days1904_ ? value + 1462 : value;
    if (days < 0 || days > SheetLastDay + 1) return general;
    return ShowDate(*section, days);
  }
  std::string shown;
  if (section->fraction) {
    const std::optional<std::string> fraction = ShowFraction(*section, magnitude);
    if (!fraction) return general;
    shown = *fraction;
  } else {
    shown = ShowNumber(*section, magnitude);
  }
  if (!minus) return shown;
  // A negative number that shows as zero shows without its sign.
  bool nonzero = false;
  for (const char c : shown) nonzero = nonzero || (c >= '1' && c <= '9');
  return nonzero ? "-" + shown : shown;
}

std::string NumberFormat::Show(std::string_view value) const {
  double number = 0;
  const char* const end = value.data() + value.size();
  const auto [stop, error] = std::from_chars(value.data(), end, number);
  if (error != std::errc() || stop != end || !std::isfinite(number)) return std::string(value);
  return Show(number);
}

}  // namespace q5300
