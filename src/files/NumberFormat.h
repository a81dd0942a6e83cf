#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q5300 {

// A cell's number format as a sheet keeps it, written as a format code ("000",
// "#,##0.00", "0.0%", "0.00E+00", "# ?/?", "yyyy-mm-dd hh:mm", "0;(0);\"zero\"", "@"):
// it turns the cell's value into the text the sheet shows, with a decimal point
// and commas between thousands, and English names of months and days (Korean
// ones for AM/PM and days under [$-412]). Up to four sections apply to positive
// numbers, negative ones, zero and text, or to the numbers their conditions
// ("[>=100]") say. A code this reader cannot show (a code longer than
// MaxCodeBytes, [DBNum1]) shows every number as the general format does.
class NumberFormat {
 public:
  static constexpr std::size_t MaxCodeBytes = 255;

  // The general format.
  NumberFormat() = default;
  // `days1904`: dates are counted from 1 January 1904 (an option of .xlsx
  // workbooks).
  explicit NumberFormat(std::string_view code, bool days1904 = false);

  // A number's text; dates and times are counted in days from the sheet's day
  // zero (30 December 1899 for most).
  std::string Show(double value) const;
  // A number written as a cell's value is written ("7", "-1.5E-3"); text that is
  // no number comes back as it is.
  std::string Show(std::string_view value) const;
  // A text cell's text as its format's section for text shows it ("text: "@
  // shows abc as "text: abc"); as it is when the format has no such section.
  std::string ShowText(std::string_view text) const;

  bool general() const { return sections_ == nullptr; }

  struct Token;
  struct Section;

 private:
  // Shared: copies of a format are as cheap as a pointer.
  std::shared_ptr<const std::vector<Section>> sections_;
  bool days1904_ = false;
};

// The built-in code of an .xlsx number format id (0 to 49), as a sheet of
// English (US) shows it; empty for an id without one.
std::string_view BuiltInFormatCode(int id);

// A literal text inside a format code: each character escaped.
std::string QuotedInFormatCode(std::string_view text);

}  // namespace q5300
