#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Phrase.h"
#include "files/ImportLayout.h"

namespace q5300 {

// The column dialog of the import without its window: which columns of a list
// make line 1, line 2 and the repeat count (or a fixed count), whether the first
// row names the columns, and whether a row makes one page or one per wire end.
// The window shows the first rows as a table beside the choices, passes every
// change in, and reads the layout back once OK is pressed.
class ColumnChoice {
 public:
  // ---- Texts of the dialog ---------------------------------------------------------
  static constexpr std::string_view Caption = Q5300_TEXT("q5300", "가져올 열 선택");
  static constexpr std::string_view Intro = Q5300_TEXT(
      "q5300", "이 목록은 열이 3개보다 많거나 첫 행이 제목입니다. 각 줄에 쓸 열을 고르십시오.");
  static constexpr std::string_view HeaderText = Q5300_TEXT("q5300", "첫 행은 열 제목");
  static constexpr std::string_view Line1Label = Q5300_TEXT("q5300", "1줄 :");
  static constexpr std::string_view Line2Label = Q5300_TEXT("q5300", "2줄 :");
  static constexpr std::string_view NoColumnText = Q5300_TEXT("q5300", "(없음)");
  static constexpr std::string_view RepeatColumnText = Q5300_TEXT("q5300", "반복 횟수 열 :");
  static constexpr std::string_view FixedRepeatText =
      Q5300_TEXT("q5300", "모든 페이지 반복 횟수 :");
  static constexpr std::string_view PerRowText = Q5300_TEXT("q5300", "한 행에 한 페이지");
  static constexpr std::string_view PerWireEndText =
      Q5300_TEXT("q5300", "전선 끝마다 한 페이지, 다른 끝의 2줄 :");
  static constexpr std::string_view FirstPagesText = Q5300_TEXT("q5300", "첫 페이지들 :");
  static constexpr std::string_view ColumnNumber = Q5300_TEXT("q5300", "%1열");
  static constexpr std::string_view NamedColumn = Q5300_TEXT("q5300", "%1열: %2");
  static constexpr std::string_view SeparatorLabel = Q5300_TEXT("q5300", "구분 기호 :");
  static constexpr std::string_view CommaText = Q5300_TEXT("q5300", "쉼표 (,)");
  static constexpr std::string_view SemicolonText = Q5300_TEXT("q5300", "세미콜론 (;)");
  static constexpr std::string_view TabText = Q5300_TEXT("q5300", "탭");

  // The first rows of the file read again with another separator; nothing when
  // it cannot be read.
  using Reread = std::function<std::optional<ImportPreview>(ImportSeparator)>;

  // Opens with a guess: the first row is a header when it has no digit while the
  // row after it has one; line 1 and line 2 are the first two columns; the third
  // column is the repeat count when the cells below the header that have text
  // are all numbers, otherwise every page is made once.
  // The layout keeps the separator the rows were read with.
  explicit ColumnChoice(ImportPreview preview, Reread reread = {});

  const ImportPreview& preview() const { return preview_; }
  const ImportLayout& layout() const { return layout_; }
  int columns() const { return preview_.columns; }

  void SetHeader(bool header) { layout_.header = header; }
  void SetLine1Column(int column);
  void SetLine2Column(int column);  // ImportLayout::None for an empty line 2
  void SetRepeatColumn(int column);
  void SetFixedRepeatCount(int count);  // clears the repeat column
  void SetOtherEndColumn(int column);   // ImportLayout::None for one page per row

  // A text file: its separator may be chosen. A spreadsheet has none.
  bool HasSeparator() const { return preview_.separator != ImportSeparator::Detect; }
  // The rows read again with `separator`, and the guess made again on them.
  void SetSeparator(ImportSeparator separator);

  // The column a box offers before it is chosen: the other wire end after line
  // 2's column, the repeat count in the third column, as far as there are such.
  int SuggestedOtherEnd() const;
  int SuggestedRepeatColumn() const { return Clamped(2); }

  // "3열", or with a header "3열: 단자" (the header's text, cut short).
  Phrase ColumnName(int column) const;
  // The first pages the chosen columns make of the rows shown, "line 1 / line 2 ×N".
  std::vector<std::u16string> FirstPages(std::size_t count) const;

 private:
  int Clamped(int column) const;
  void Guess();

  ImportPreview preview_;
  ImportLayout layout_;
  Reread reread_;
};

}  // namespace q5300
