// The first table of an OpenDocument spreadsheet (.ods), from its content.xml.
#include <charconv>
#include <string>

#include "files/SheetCells.h"
#include "files/SheetDays.h"
#include "files/SheetFormats.h"
#include "files/SheetImport.h"
#include "files/SheetStyles.h"

namespace q5300 {
namespace {

constexpr std::string_view kSpreadsheetType = "application/vnd.oasis.opendocument.spreadsheet";

constexpr char kContentPart[] = Q5300_TEXT("q5300", "The content (content.xml)");
constexpr char kNoSpreadsheet[] =
    Q5300_TEXT("q5300", "It is an OpenDocument file, but no spreadsheet (%1).");
constexpr char kNoContent[] = Q5300_TEXT("q5300", "It holds no content.xml.");

// The columns whose default cell style is kept; a sheet's wire list is in its
// first few.
constexpr long kStyledColumns = 1024;

// A count such as number-rows-repeated: 1 when absent or unreadable, at most `limit`.
long CountOf(std::optional<std::string_view> text, long limit) {
  if (!text) return 1;
  long value = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error == std::errc::result_out_of_range) return limit;
  if (error != std::errc() || value < 1) return 1;
  return std::min(value, limit);
}

class ContentReader final : public XmlHandler {
 public:
  ContentReader(XmlReader::Source source, ImportTarget& target, OdsStyles& styles)
      : reader_(*this, std::move(source), kContentPart), target_(target), styles_(styles) {}

  Status Read() { return reader_.ReadAll(); }

  void Start(XmlName name, const XmlAttributes& attributes) override {
    if (name.local == "body") inBody_ = true;
    // The automatic styles come before the body.
    if (!inBody_) styles_.Start(name, attributes);
    if (name.local == "spreadsheet") {
      inSpreadsheet_ = true;
      return;
    }
    if (!inSpreadsheet_) return;
    if (name.local == "table") {
      ++tableLevel_;  // a table inside a cell is no part of the sheet's rows
      return;
    }
    if (tableLevel_ != 1) return;
    if (cellLevel_ > 0) {
      StartInCell(name, attributes);
      return;
    }
    if (name.local == "table-column") {
      const auto style = attributes.Get("default-cell-style-name");
      const long times = CountOf(attributes.Get("number-columns-repeated"), kStyledColumns);
      for (long i = 0; i < times && columnStyles_.size() < kStyledColumns; ++i) {
        columnStyles_.emplace_back(style.value_or(""));
      }
    } else if (name.local == "table-row") {
      row_.Clear();
      column_ = 0;
      rowTimes_ = CountOf(attributes.Get("number-rows-repeated"), MaxSheetRows);
    } else if (name.local == "table-cell" || name.local == "covered-table-cell") {
      cellLevel_ = 1;
      cellColumn_ = column_;
      cellTimes_ = CountOf(attributes.Get("number-columns-repeated"), MaxSheetRows);
      column_ = std::min(column_ + cellTimes_, MaxSheetRows);
      cellWanted_ = target_.Wants(cellColumn_, cellTimes_);
      if (!cellWanted_) return;
      const std::string_view type = attributes.Get("value-type").value_or("");
      formula_ = type.empty() && attributes.Get("formula");
      number_ = ShownValue(type, attributes);
      // A formula whose result is a truth value (=1>0) is saved as the number 1
      // or 0 with TRUE or FALSE as its text; a cell without a style of its own
      // shows the text, as the sheet program does.
      const std::string_view value = attributes.Get("value").value_or("");
      truthValue_ = type == "float" && attributes.Get("formula") && !attributes.Get("style-name") &&
                    (value == "1" || value == "0");
      text_.Clear();
      paragraphs_ = 0;
    }
  }

  void End(XmlName name) override {
    if (!inBody_) styles_.End(name);
    if (!inSpreadsheet_) return;
    if (name.local == "spreadsheet") {
      inSpreadsheet_ = false;
    } else if (name.local == "table") {
      // Only the first table is read.
      if (--tableLevel_ == 0) reader_.Stop();
    } else if (tableLevel_ != 1) {
      return;
    } else if (cellLevel_ > 0) {
      if (--cellLevel_ == 0) {
        TakeCell();
      } else if ((name.local == "p" || name.local == "h") && paragraphLevel_ > 0) {
        --paragraphLevel_;
      }
    } else if (name.local == "table-row") {
      if (!TakeSheetRow(target_, row_, rowTimes_)) reader_.Stop();
    }
  }

  void Text(std::string_view text) override {
    if (!inBody_) styles_.Text(text);
    if (paragraphLevel_ > 0 && cellWanted_) text_.Append(text);
  }

 private:
  // The text of a cell's value as its data style shows it; nothing for the
  // text in the cell's paragraphs.
  std::optional<std::string> ShownValue(std::string_view type, const XmlAttributes& attributes) {
    // A truth value reads as an .xlsx file gives it, whatever a writer put in
    // its paragraph (some write 1 and 0).
    if (type == "boolean") {
      return attributes.Get("boolean-value").value_or("") == "true" ? "TRUE" : "FALSE";
    }
    std::optional<double> days;
    std::optional<std::string_view> value;
    if (type == "float" || type == "percentage" || type == "currency") {
      value = attributes.Get("value");
    } else if (type == "date") {
      if (const auto date = attributes.Get("date-value")) days = DaysOfDate(*date);
    } else if (type == "time") {
      if (const auto time = attributes.Get("time-value")) days = DaysOfDuration(*time);
    }
    if (!value && !days) return std::nullopt;
    const auto style = attributes.Get("style-name");
    const NumberFormat* format =
        styles_.Of(style ? *style
                   : cellColumn_ < static_cast<long>(columnStyles_.size())
                       ? std::string_view(columnStyles_[static_cast<std::size_t>(cellColumn_)])
                       : std::string_view());
    // A date in the general format (a number of days) as the cell shows it.
    if (days) {
      return format && !format->general() ? std::optional(format->Show(*days)) : std::nullopt;
    }
    if (format) return format->Show(*value);
    // A number without a format of its own as the general format shows it.
    return type == "float" ? std::optional(GeneralNumber(*value)) : std::nullopt;
  }

  void StartInCell(XmlName name, const XmlAttributes& attributes) {
    ++cellLevel_;
    if (!cellWanted_) return;
    if ((name.local == "p" || name.local == "h") && cellLevel_ == 2) {
      // The paragraphs right in a cell are its lines; a comment on the cell
      // keeps its own a level deeper.
      if (paragraphs_++ > 0) text_.Append("\n");
      ++paragraphLevel_;
    } else if (paragraphLevel_ == 0) {
      return;
    } else if (name.local == "s") {
      text_.Append(static_cast<std::size_t>(CountOf(attributes.Get("c"), KeptUtf8Bytes)), ' ');
    } else if (name.local == "tab") {
      text_.Append("\t");
    } else if (name.local == "line-break") {
      text_.Append("\n");
    } else if (name.local == "p" || name.local == "h") {
      ++paragraphLevel_;
    }
  }

  void TakeCell() {
    paragraphLevel_ = 0;
    if (!cellWanted_) return;
    if (formula_ && text_.text().empty()) target_.FormulaWithoutResult();
    const bool truth = truthValue_ && (text_.text() == "TRUE" || text_.text() == "FALSE");
    const std::string value = number_ && !truth ? *number_ : text_.text();
    const long end = std::min(cellColumn_ + cellTimes_, long{MaxImportColumns});
    for (long column = cellColumn_; column < end; ++column) {
      row_.Set(static_cast<std::size_t>(column), value);
    }
  }

  XmlReader reader_;
  ImportTarget& target_;
  OdsStyles& styles_;
  SheetRow row_;
  CellText text_{KeptUtf8Bytes};
  std::optional<std::string> number_;
  std::vector<std::string> columnStyles_;  // the default cell style of each column
  bool formula_ = false;                   // the cell has a formula without a value
  bool truthValue_ = false;                // its value may be a truth value
  bool inBody_ = false;
  bool inSpreadsheet_ = false;
  int tableLevel_ = 0;
  long column_ = 0;
  long rowTimes_ = 1;
  int cellLevel_ = 0;  // 1 in a cell, more in the elements inside it
  long cellColumn_ = 0;
  long cellTimes_ = 1;
  bool cellWanted_ = false;  // the target wants a column of the cell being read
  int paragraphs_ = 0;
  int paragraphLevel_ = 0;
};

}  // namespace

namespace {

constexpr char kOdsProtected[] = Q5300_TEXT(
    "q5300", "It is protected with a password (its content is encrypted); save it without one.");

// Reads a small part of the archive whole; empty when it is not there.
Result<std::string> SmallPart(ZipArchive& archive, const char* name, uint64_t maxBytes) {
  const int64_t index = archive.Find(name);
  if (index < 0) return std::string();
  auto entry = archive.Read(index, maxBytes);
  if (!entry) return entry.failure();
  std::string text;
  for (;;) {
    const auto piece = (*entry)->Next();
    if (!piece) return piece.failure();
    if (piece->empty()) break;
    text += *piece;
  }
  return text;
}

}  // namespace

Status ReadOds(ZipArchive& archive, ImportTarget& target) {
  if (archive.Find("mimetype") >= 0) {
    const auto type = SmallPart(archive, "mimetype", 256);
    if (!type) return type.failure();
    if (!type->starts_with(kSpreadsheetType)) {
      return Message{Phrase(kNoSpreadsheet, Phrase::Literal(type->substr(0, 80)))};
    }
  }
  // A password encrypts the parts and says so in the manifest; their bytes
  // would read as XML that is not well-formed.
  const auto manifest = SmallPart(archive, "META-INF/manifest.xml", 1024 * 1024);
  if (!manifest) return manifest.failure();
  if (manifest->find("encryption-data") != std::string::npos) return Message{kOdsProtected};

  const int64_t content = archive.Find("content.xml");
  if (content < 0) return Message{kNoContent};
  // The named cell styles and the data styles they share.
  OdsStyles styles;
  if (const int64_t stylesIndex = archive.Find("styles.xml"); stylesIndex >= 0) {
    const auto stylesSource = SheetPart(archive, stylesIndex);
    if (!stylesSource) return stylesSource.failure();
    if (const Status read = ReadOdsStyles(*stylesSource, styles); !read) return read.failure();
  }
  const auto source = SheetPart(archive, content);
  if (!source) return source.failure();
  return ContentReader(*source, target, styles).Read();
}

Result<ImportedPages> ReadOdsContent(std::string_view contentXml, const ImportLayout& layout) {
  ImportTarget target(layout);
  OdsStyles styles;  // the automatic styles of content.xml alone
  if (const Status read = ContentReader(XmlFromMemory(contentXml), target, styles).Read(); !read) {
    return read.failure();
  }
  return target.TakeResult();
}

}  // namespace q5300
