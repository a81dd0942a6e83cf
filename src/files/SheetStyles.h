#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "data/Result.h"
#include "files/NumberFormat.h"
#include "files/XmlReader.h"

// The number formats of a sheet's cells, as the two kinds of file keep them.
namespace q5300 {

// More cell styles or number formats than a workbook has (a spreadsheet
// program allows some 64,000 cell styles): the ones past it show as the
// general format.
inline constexpr std::size_t MaxCellStyles = 1 << 17;
// More number formats of their own than a workbook has (a spreadsheet program
// keeps a few hundred): the ones past it show as the general format. Each takes
// some memory once read, so they are bounded far below the cell styles.
inline constexpr std::size_t MaxNumberFormats = 4096;

// The styles part of an .xlsx file (xl/styles.xml): each cell style (the
// cell's s attribute counts them from 0) with its number format.
class XlsxStyles {
 public:
  // No styles: every cell in the general format.
  XlsxStyles() = default;
  // `days1904`: the workbook counts its days from 1 January 1904.
  static Result<XlsxStyles> Read(XmlReader::Source source, bool days1904);

  // The format of a cell's s attribute (the general one when absent or unknown).
  const NumberFormat& Of(std::optional<std::string_view> style) const;

 private:
  std::vector<NumberFormat> formats_;
  NumberFormat general_;
};

// The data styles of an .ods file (number, percentage, currency, date and time
// styles) and the cell styles that name them, read from styles.xml and from
// the automatic styles of content.xml alike: each data style becomes the format
// code that shows the same.
class OdsStyles {
 public:
  // The elements of a part outside its body, as a reader passes them on.
  void Start(XmlName name, const XmlAttributes& attributes);
  void End(XmlName name);
  void Text(std::string_view text);

  // The format of a cell style (the "Default" one when `cellStyle` is empty);
  // nothing when the style gives none, or none that can be shown here.
  const NumberFormat* Of(std::string_view cellStyle);

 private:
  struct DataStyle {
    std::string code;  // empty when it cannot be shown here
    // Its other styles for positive numbers, negative ones and zero, by name.
    std::string positive;
    std::string negative;
    std::string zero;
    bool positiveWithZero = false;
    // Every map in order: its condition as a format code writes it ("[>=100]")
    // and the style it applies.
    std::vector<std::pair<std::string, std::string>> maps;
  };
  std::string CodeOf(const std::string& dataStyle) const;

  std::unordered_map<std::string, DataStyle> dataStyles_;
  std::unordered_map<std::string, std::string> cellStyles_;  // data style by cell style
  std::unordered_map<std::string, std::optional<NumberFormat>> formats_;  // by cell style
  // The data style being read.
  std::optional<std::string> name_;
  DataStyle style_;
  std::string kind_;  // "date-style", "percentage-style", ...
  bool inText_ = false;
  bool inNumber_ = false;  // in its number element, whose digits are held apart
  std::string integer_;    // the number element's integer digits
  std::string rest_;       // and what follows them
  long embeddedAt_ = 0;
  bool elapsed_ = false;  // hours past a day are shown
  bool unsupported_ = false;
  std::string text_;
};

// Reads the parts of an .ods file's styles.xml that OdsStyles takes.
Status ReadOdsStyles(XmlReader::Source source, OdsStyles& styles);

}  // namespace q5300
