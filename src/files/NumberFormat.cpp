#include "files/NumberFormat.h"

#include <charconv>
#include <cmath>

#include "files/FormatCode.h"
#include "files/SheetCells.h"
#include "files/SheetDays.h"
#include "files/ShowSection.h"

namespace q5300 {

using Section = NumberFormat::Section;
using Token = NumberFormat::Token;

namespace {

// A section chosen by conditions shows a negative number without its sign when
// it is for negative numbers alone: its condition says so ("[<0]"), or one before
// it took every other number ("[>=0]").
bool ForNegativesOnly(const std::vector<Section>& sections, std::size_t chosen) {
  using Compare = Section::Compare;
  const Section& section = sections[chosen];
  if (section.compare == Compare::Less) return section.bound <= 0;
  if (section.compare == Compare::LessOrEqual) return section.bound < 0;
  if (section.compare != Compare::None) return false;
  for (std::size_t i = 0; i < chosen; ++i) {
    const Section& before = sections[i];
    if ((before.compare == Compare::GreaterOrEqual && before.bound <= 0) ||
        (before.compare == Compare::Greater && before.bound < 0)) {
      return true;
    }
  }
  return false;
}

}  // namespace

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
  bool conditioned = false;
  for (std::size_t i = 0; i < numeric; ++i) {
    conditioned = conditioned || sections[i].compare != Section::Compare::None;
  }
  if (conditioned) {
    // The first section whose condition the number meets, or that has none.
    std::size_t chosen = 0;
    while (chosen < numeric && !sections[chosen].Meets(value)) ++chosen;
    if (chosen == numeric) return general;
    section = &sections[chosen];
    minus = value < 0 && !ForNegativesOnly(sections, chosen);
  } else if (value < 0 && numeric >= 2) {
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

std::string NumberFormat::ShowText(std::string_view text) const {
  if (!sections_) return std::string(text);
  const std::vector<Section>& sections = *sections_;
  // The fourth section, or a last one with '@' after one for numbers.
  const Section* section = nullptr;
  if (sections.size() == 4) {
    section = &sections[3];
  } else if (sections.back().text) {
    section = &sections.back();
  }
  if (section == nullptr) return std::string(text);
  std::string shown;
  for (const Token& token : section->tokens) {
    if (token.kind == Token::Text) {
      shown += text;
    } else if (token.kind == Token::Literal) {
      shown += token.text;
    }
  }
  return shown;
}

std::string NumberFormat::Show(std::string_view value) const {
  double number = 0;
  const char* const end = value.data() + value.size();
  const auto [stop, error] = std::from_chars(value.data(), end, number);
  if (error != std::errc() || stop != end || !std::isfinite(number)) return std::string(value);
  return Show(number);
}

}  // namespace q5300
