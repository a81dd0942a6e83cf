#include "editing/NumberingChoice.h"

#include <optional>

#include "compile/CodePage.h"
#include "compile/RebuildRecords.h"
#include "data/FixedField.h"

namespace q5300 {
namespace {

constexpr std::array<NumberingChoice::Radio, NumberingKindCount> RadioTable = {{
    {NumberingKind::Number, 1023, Q5300_TEXT("q5300", "번호 : 0-999")},
    {NumberingKind::Fixed, 1021, Q5300_TEXT("q5300", "길이 고정 번호 : 000-999")},
    {NumberingKind::Hex2, 1065, "HEX:00~FF"},
    {NumberingKind::Hex1, 1066, "HEX:0~F"},
    {NumberingKind::Upper, 1024, Q5300_TEXT("q5300", "대문자 : A-Z")},
    {NumberingKind::Lower, 1022, Q5300_TEXT("q5300", "소문자 : a-z")},
}};

constexpr char kNoticeCaption[] = Q5300_TEXT("q5300", "알림");
constexpr char kEnterStart[] = Q5300_TEXT("q5300", "시작 문자를 입력해주세요!");
constexpr char kEnterEnd[] = Q5300_TEXT("q5300", "종료 문자를 입력해주세요!");

constexpr std::u16string_view HexDigits = u"0123456789ABCDEF";

bool IsHexKind(NumberingKind kind) {
  return kind == NumberingKind::Hex2 || kind == NumberingKind::Hex1;
}

std::size_t FlagIndex(NumberingKind kind) {
  return static_cast<std::size_t>(kind);
}

// Value of a capital hexadecimal digit; the boxes hold nothing else in the
// hexadecimal kinds.
int HexValue(char16_t c) {
  const std::size_t at = HexDigits.find(c);
  return at == std::u16string_view::npos ? 0 : static_cast<int>(at);
}

// The value of a text made only of decimal digits, or nothing.
std::optional<int> DecimalValue(std::u16string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  return value;
}

// A stored hexadecimal value is kept in decimal; the box shows it in `width`
// capital digits. A stored value that is not a number of the kind's range
// leaves the box empty, so the operator has to enter a new one.
std::u16string HexDisplay(std::u16string_view stored, int width) {
  if (stored.empty()) return std::u16string(static_cast<std::size_t>(width), u'0');
  const std::optional<int> value = DecimalValue(stored);
  const int limit = width == 2 ? 0xFF : 0xF;
  if (!value || *value > limit) return {};
  std::u16string digits;
  if (width == 2) digits += HexDigits[static_cast<std::size_t>(*value / 16)];
  digits += HexDigits[static_cast<std::size_t>(*value % 16)];
  return digits;
}

// Only hexadecimal digits may stand in a hexadecimal box: small a..f become
// capitals, anything else (letters past F, punctuation, blanks) empties the box,
// since it would have no value when OK is pressed.
std::u16string HexEntry(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'a' && c <= u'f') {
      c = static_cast<char16_t>(c - u'a' + u'A');
    } else if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'))) {
      return {};
    }
  }
  return text;
}

// What a box keeps of a text: the characters its filter takes, up to its limit.
std::u16string FilterBoxText(const BoxMode& mode, std::u16string_view text) {
  std::u16string kept;
  for (const char16_t c : text) {
    if (static_cast<int>(kept.size()) >= mode.limit) break;
    if (c == u'\b') continue;
    if (const std::optional<char16_t> taken = FilterTypedCharacter(mode.filter, mode.caseMode, c)) {
      kept += *taken;
    }
  }
  return kept;
}

// The text the printer receives for a box's value.
std::u16string ConvertedValue(NumberingKind kind, std::u16string_view text) {
  switch (kind) {
    case NumberingKind::Number:
      // Leading zeros go: "007" counts from 7.
      return AsciiToU16(std::to_string(DecimalValue(text).value_or(0)));
    case NumberingKind::Hex2: {
      int value = HexValue(text[0]);
      if (text.size() >= 2) value = 16 * value + HexValue(text[1]);
      return AsciiToU16(std::to_string(value));
    }
    case NumberingKind::Hex1:
      return AsciiToU16(std::to_string(HexValue(text[0])));
    case NumberingKind::Fixed:
    case NumberingKind::Upper:
    case NumberingKind::Lower:
      break;
  }
  return std::u16string(text);
}

// At most three characters with a zero after them.
std::array<char, 4> StoredValue(std::u16string_view text) {
  const std::string bytes = ToPrinterCodePage(text);
  std::array<char, 4> field{};
  SetField(field, std::string_view(bytes).substr(0, WholeCharacterPrefix(bytes, 3)));
  return field;
}

}  // namespace

NumberingFields NumberingFieldsOf(const PageRecord& page) {
  NumberingFields fields;
  fields.flags = {page.numNumber, page.numFixed, page.numHex2,
                  page.numHex1,   page.numUpper, page.numLower};
  fields.start = page.numStart;
  fields.end = page.numEnd;
  return fields;
}

void StoreNumberingFields(PageRecord& page, const NumberingFields& fields) {
  page.numNumber = fields.flags[0];
  page.numFixed = fields.flags[1];
  page.numHex2 = fields.flags[2];
  page.numHex1 = fields.flags[3];
  page.numUpper = fields.flags[4];
  page.numLower = fields.flags[5];
  page.numStart = fields.start;
  page.numEnd = fields.end;
  bool any = false;
  for (const uint8_t flag : fields.flags) any = any || flag != 0;
  page.hasNumbering = any ? 1 : 0;
}

char16_t PlaceholderOf(NumberingKind kind) {
  switch (kind) {
    case NumberingKind::Number:
      return NumberPlaceholder;
    case NumberingKind::Upper:
      return UpperPlaceholder;
    case NumberingKind::Lower:
      return LowerPlaceholder;
    case NumberingKind::Fixed:
    case NumberingKind::Hex2:
    case NumberingKind::Hex1:
      break;
  }
  return FixedPlaceholder;
}

BoxMode BoxModeOf(NumberingKind kind) {
  switch (kind) {
    case NumberingKind::Number:
    case NumberingKind::Fixed:
      return {FilterMode::DigitsOnly, 3, CaseMode::AsTyped};
    case NumberingKind::Hex2:
      return {FilterMode::AnyText, 2, CaseMode::AsTyped};
    case NumberingKind::Hex1:
      return {FilterMode::AnyText, 1, CaseMode::AsTyped};
    case NumberingKind::Upper:
      return {FilterMode::LettersOnly, 1, CaseMode::Upper};
    case NumberingKind::Lower:
      return {FilterMode::LettersOnly, 1, CaseMode::Lower};
  }
  return {};
}

std::span<const NumberingChoice::Radio> NumberingChoice::Radios() {
  return RadioTable;
}

NumberingChoice::NumberingChoice(const NumberingFields& fields) : fields_(fields) {
  for (int k = 0; k < NumberingKindCount; ++k) {
    if (fields.flags[static_cast<std::size_t>(k)] != 0) {
      kind_ = static_cast<NumberingKind>(k);
      break;
    }
  }
  const std::array<const std::array<char, 4>*, 2> stored = {&fields.start, &fields.end};
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    const std::u16string decoded = FromPrinterCodePage(FieldText(*stored[i]));
    if (kind_ == NumberingKind::Hex2) {
      texts_[i] = HexDisplay(decoded, 2);
    } else if (kind_ == NumberingKind::Hex1) {
      texts_[i] = HexDisplay(decoded, 1);
    } else {
      // A value from a label file may not suit the kind; the box shows only
      // what could have been typed into it.
      texts_[i] = FilterBoxText(boxMode(), decoded);
    }
  }
}

void NumberingChoice::KindClicked(NumberingKind kind) {
  kind_ = kind;
  for (std::u16string& text : texts_) text.clear();
}

void NumberingChoice::TextChanged(NumBox box, std::u16string text) {
  std::u16string kept = FilterBoxText(boxMode(), text);
  if (IsHexKind(kind_)) kept = HexEntry(std::move(kept));
  texts_[Index(box)] = std::move(kept);
}

void NumberingChoice::Typed(NumBox box, char16_t c) {
  std::u16string text = texts_[Index(box)];
  if (c == u'\b') {
    if (!text.empty()) text.pop_back();
  } else {
    const BoxMode mode = boxMode();
    const std::optional<char16_t> taken = FilterTypedCharacter(mode.filter, mode.caseMode, c);
    if (!taken || static_cast<int>(text.size()) >= mode.limit) return;
    text += *taken;
  }
  TextChanged(box, std::move(text));
}

Status NumberingChoice::Accept() {
  fields_.flags.fill(0);
  fields_.flags[FlagIndex(kind_)] = 1;
  if (text(NumBox::Start).empty()) return Message{kEnterStart, kNoticeCaption};
  fields_.start = StoredValue(ConvertedValue(kind_, text(NumBox::Start)));
  if (text(NumBox::End).empty()) return Message{kEnterEnd, kNoticeCaption};
  fields_.end = StoredValue(ConvertedValue(kind_, text(NumBox::End)));
  return Status::Ok();
}

}  // namespace q5300
