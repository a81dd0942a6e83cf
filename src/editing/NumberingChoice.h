#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "data/PageRecord.h"
#include "data/Phrase.h"
#include "data/Result.h"
#include "editing/InputFilters.h"

namespace q5300 {

// The running values a page can carry, in the order of the record's kind flags.
enum class NumberingKind : int { Number = 0, Fixed = 1, Hex2 = 2, Hex1 = 3, Upper = 4, Lower = 5 };
inline constexpr int NumberingKindCount = 6;

// The numbering fields of a page record: the six kind flags (0 or 1, by
// NumberingKind) and the start and end values (ASCII, zero-filled).
struct NumberingFields {
  std::array<uint8_t, NumberingKindCount> flags{};
  std::array<char, 4> start{};
  std::array<char, 4> end{};

  friend bool operator==(const NumberingFields&, const NumberingFields&) = default;
};

NumberingFields NumberingFieldsOf(const PageRecord& page);
// Writes the flags, start and end into the page and sets hasNumbering from the flags.
void StoreNumberingFields(PageRecord& page, const NumberingFields& fields);

// The grid character that stands for the running value of a kind.
char16_t PlaceholderOf(NumberingKind kind);

// What the start and end boxes accept while a kind is chosen.
struct BoxMode {
  FilterMode filter = FilterMode::AnyText;
  int limit = 0;  // characters
  CaseMode caseMode = CaseMode::AsTyped;

  friend bool operator==(const BoxMode&, const BoxMode&) = default;
};
BoxMode BoxModeOf(NumberingKind kind);

enum class NumBox { Start = 0, End = 1 };

// The numbering dialog without its window. The window shows the radios and the
// two boxes, passes every click and text change in, shows the box texts that
// come out, and closes with OK only when Accept() succeeds.
class NumberingChoice {
 public:
  // ---- Texts and controls of the dialog ---------------------------------------------
  static constexpr std::string_view Caption = Q5300_TEXT("q5300", "넘버링 설정");
  static constexpr std::string_view KindGroupText = Q5300_TEXT("q5300", "넘버링 형식 선택");
  static constexpr std::string_view ValueGroupText = Q5300_TEXT("q5300", "숫자 입력");
  static constexpr std::string_view StartLabel = Q5300_TEXT("q5300", "시작 :");
  static constexpr std::string_view EndLabel = Q5300_TEXT("q5300", "종료 :");
  static constexpr std::string_view OkText = Q5300_TEXT("q5300", "확인(&O)");
  static constexpr std::string_view CancelText = Q5300_TEXT("q5300", "취소(&C)");
  static constexpr int StartBoxId = 1032;
  static constexpr int EndBoxId = 1033;

  struct Radio {
    NumberingKind kind;
    int controlId;
    std::string_view caption;
  };
  // The six radios of the kind group, top to bottom.
  static std::span<const Radio> Radios();

  // Opens on a copy of the page's fields: the radio of the kind whose flag is set
  // (the number kind when none is), and the stored start and end as the boxes
  // show them (a hexadecimal value in hexadecimal digits).
  explicit NumberingChoice(const NumberingFields& fields);

  NumberingKind checkedKind() const { return kind_; }
  BoxMode boxMode() const { return BoxModeOf(kind_); }
  const std::u16string& text(NumBox box) const { return texts_[Index(box)]; }

  // A radio was clicked: its kind is chosen and both boxes are emptied.
  void KindClicked(NumberingKind kind);
  // The text of a box changed (typed, pasted, or set by the window). The box
  // keeps only what its mode accepts; in the hexadecimal kinds small a..f become
  // capitals and any other character than a hexadecimal digit empties the box.
  // Read text(box) back and show it when it differs.
  void TextChanged(NumBox box, std::u16string text);
  // A key typed at the end of a box, as the filtered field takes it: Backspace
  // removes the last character, a refused character or one past the limit is dropped.
  void Typed(NumBox box, char16_t c);

  // OK pressed. Takes the kind and both values into the dialog's fields, or
  // returns the message to show while the dialog stays open.
  Status Accept();

  // The dialog's copy of the fields: as opened, and after a successful Accept
  // what the page is to take.
  const NumberingFields& fields() const { return fields_; }

 private:
  static std::size_t Index(NumBox box) { return static_cast<std::size_t>(box); }

  NumberingFields fields_;
  NumberingKind kind_ = NumberingKind::Number;
  std::array<std::u16string, 2> texts_;
};

}  // namespace q5300
