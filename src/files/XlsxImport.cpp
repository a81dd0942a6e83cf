// The first sheet of an Office Open XML workbook (.xlsx): the package's
// relationships lead to the workbook, its first sheet and the shared strings.
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <optional>
#include <string>
#include <vector>

#include "files/SheetCells.h"
#include "files/SheetDays.h"
#include "files/SheetFormats.h"
#include "files/SheetImport.h"
#include "files/SheetStyles.h"

namespace q5300 {
namespace {

// A string of a workbook escapes some characters as _xHHHH_ (a UTF-16 unit in
// hexadecimal), so up to 14 bytes stand for one character (a pair of escaped
// surrogates). As many are kept as tell a field too long for a page.
constexpr std::size_t kKeptEscapedBytes = 14 * (MaxTextBytes + 1);

// More relationships than a workbook has.
constexpr std::size_t kMaxRelationships = 10000;

// The parts of the file, as the reasons of XmlReader name them.
constexpr char kSharedStringsPart[] = Q5300_TEXT("q5300", "The shared strings");
constexpr char kFirstSheetPart[] = Q5300_TEXT("q5300", "The first sheet");
constexpr char kRelationshipsPart[] = Q5300_TEXT("q5300", "A list of relationships");
constexpr char kWorkbookPart[] = Q5300_TEXT("q5300", "The workbook");

constexpr char kNoSuchString[] =
    Q5300_TEXT("q5300", "A cell refers to shared string %1, but there are %2.");
constexpr char kStringIndexNoNumber[] = Q5300_TEXT(
    "q5300", "A cell of the first sheet names a shared string by \"%1\", which is no number.");
constexpr char kTooManyRelationships[] =
    Q5300_TEXT("q5300", "It lists more than %1 relationships; a workbook has far fewer.");
constexpr char kNoWorkbook[] = Q5300_TEXT("q5300", "It holds no workbook (%1).");
constexpr char kNoSheet[] = Q5300_TEXT("q5300", "Its workbook has no sheet.");
constexpr char kNoSheetList[] = Q5300_TEXT("q5300", "It does not say where its sheets are (%1).");
constexpr char kFirstSheetNoCells[] =
    Q5300_TEXT("q5300",
               "Its first sheet holds no cells (a chart or a dialog); move the sheet with the list "
               "to the front.");
constexpr char kFirstSheetNotInFile[] =
    Q5300_TEXT("q5300", "Its workbook names a first sheet that is not in the file.");
constexpr char kFirstSheetMissing[] = Q5300_TEXT("q5300", "Its first sheet (%1) is missing.");

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The UTF-16 unit of "_xHHHH_" at the start of `text`, or -1.
int32_t EscapedUnit(std::string_view text) {
  if (text.size() < 7 || text[0] != '_' || text[1] != 'x' || text[6] != '_') return -1;
  int32_t unit = 0;
  for (int i = 2; i < 6; ++i) {
    const int digit = HexDigit(text[static_cast<std::size_t>(i)]);
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

void AppendUtf8(std::string& out, UChar32 c) {
  char bytes[4];
  int32_t length = 0;
  UBool error = false;
  U8_APPEND(bytes, length, 4, c, error);
  if (error) {
    out += "\xEF\xBF\xBD";
  } else {
    out.append(bytes, static_cast<std::size_t>(length));
  }
}

// Undoes the _xHHHH_ escapes (a pair of escaped surrogates is one character).
std::string Unescape(std::string_view text) {
  if (text.find("_x") == std::string_view::npos) return std::string(text);
  std::string out;
  std::size_t at = 0;
  while (at < text.size()) {
    const int32_t unit = EscapedUnit(text.substr(at));
    if (unit < 0) {
      out += text[at++];
      continue;
    }
    at += 7;
    UChar32 c = unit;
    if (U16_IS_LEAD(unit)) {
      const int32_t trail = EscapedUnit(text.substr(at));
      if (trail >= 0 && U16_IS_TRAIL(trail)) {
        c = U16_GET_SUPPLEMENTARY(unit, trail);
        at += 7;
      }
    }
    AppendUtf8(out, U_IS_SURROGATE(c) ? 0xFFFD : c);
  }
  return out;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The column of a cell reference ("C12" is 2), or -1 when it has no letters.
long ColumnOf(std::string_view reference) {
  long column = 0;
  std::size_t letters = 0;
  for (const char c : reference) {
    const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    if (upper < 'A' || upper > 'Z') break;
    if (++letters > 4) return MaxSheetRows;  // past any sheet's last column
    column = column * 26 + (upper - 'A' + 1);
  }
  return letters == 0 ? -1 : column - 1;
}

struct Relationship {
  std::string id;
  std::string type;
  std::string target;
  bool external = false;
};

class RelationshipsReader final : public XmlHandler {
 public:
  std::vector<Relationship> all;
  bool tooMany = false;

  void Start(XmlName name, const XmlAttributes& attributes) override {
    if (name.local != "Relationship") return;
    if (all.size() >= kMaxRelationships) {
      tooMany = true;
      return;
    }
    Relationship r;
    r.id = attributes.Get("Id").value_or("");
    r.type = attributes.Get("Type").value_or("");
    r.target = attributes.Get("Target").value_or("");
    r.external = attributes.Get("TargetMode").value_or("") == "External";
    all.push_back(std::move(r));
  }
  void End(XmlName) override {}
  void Text(std::string_view) override {}
};

class WorkbookReader final : public XmlHandler {
 public:
  std::optional<std::string> firstSheet;  // its relationship's id
  bool days1904 = false;

  void Start(XmlName name, const XmlAttributes& attributes) override {
    if (name.local == "workbookPr") {
      const std::string_view flag = attributes.Get("date1904").value_or("");
      days1904 = flag == "1" || flag == "true";
    }
    if (name.local != "sheet" || firstSheet) return;
    firstSheet = std::string(attributes.Get("id").value_or(""));
  }
  void End(XmlName) override {}
  void Text(std::string_view) override {}
};

// The shared strings, read only as far as the cells need them: a workbook lists
// them in the order its cells first use them.
class SharedStrings final : public XmlHandler {
 public:
  explicit SharedStrings(std::optional<XmlReader::Source> source) {
    if (source) reader_.emplace(*this, std::move(*source), kSharedStringsPart);
  }

  // The string at `index`, or why there is none.
  Result<std::string_view> Get(uint64_t index) {
    while (index >= ends_.size() && reader_ && reader_->More()) {
    }
    if (index < ends_.size()) {
      const uint32_t begin = index == 0 ? 0 : ends_[index - 1];
      return std::string_view(arena_).substr(begin, ends_[index] - begin);
    }
    if (reader_ && reader_->failure()) return *reader_->failure();
    return Message{Phrase(kNoSuchString, index, ends_.size())};
  }

  void Start(XmlName name, const XmlAttributes&) override {
    if (name.local == "si") {
      inString_ = true;
      text_.Clear();
    } else if (name.local == "rPh") {
      ++phonetic_;  // a reading aid shown above the text, not the text
    } else if (name.local == "t" && inString_ && phonetic_ == 0) {
      inText_ = true;
    }
  }
  void End(XmlName name) override {
    if (name.local == "t") {
      inText_ = false;
    } else if (name.local == "rPh") {
      if (phonetic_ > 0) --phonetic_;
    } else if (name.local == "si" && inString_) {
      inString_ = false;
      arena_ += Unescape(text_.text());
      ends_.push_back(static_cast<uint32_t>(arena_.size()));
    }
  }
  void Text(std::string_view text) override {
    if (inText_) text_.Append(text);
  }

 private:
  std::optional<XmlReader> reader_;
  std::string arena_;
  std::vector<uint32_t> ends_;
  CellText text_{kKeptEscapedBytes};
  bool inString_ = false;
  bool inText_ = false;
  int phonetic_ = 0;
};

class SheetReader final : public XmlHandler {
 public:
  SheetReader(XmlReader::Source source, SharedStrings& strings, const XlsxStyles& styles,
              ImportTarget& target)
      : reader_(*this, std::move(source), kFirstSheetPart),
        strings_(strings),
        styles_(styles),
        target_(target) {}

  Status Read() { return reader_.ReadAll(); }

  void Start(XmlName name, const XmlAttributes& attributes) override {
    if (name.local == "sheetData") {
      inData_ = true;
    } else if (!inData_) {
      return;
    } else if (name.local == "row") {
      if (++rows_ > MaxSheetRows) {
        reader_.Stop();
        return;
      }
      row_.Clear();
      nextColumn_ = 0;
    } else if (name.local == "c") {
      const auto reference = attributes.Get("r");
      const long column = reference ? ColumnOf(*reference) : -1;
      column_ = column >= 0 ? column : nextColumn_;
      nextColumn_ = std::min(column_ + 1, MaxSheetRows);
      wanted_ = target_.Wants(column_, 1);
      type_ = std::string(attributes.Get("t").value_or("n"));
      format_ = &styles_.Of(attributes.Get("s"));
      formula_ = false;
      valued_ = false;
      text_.Clear();
    } else if (wanted_) {
      if (name.local == "v") {
        inValue_ = true;
        valued_ = true;
      } else if (name.local == "f") {
        formula_ = true;
      } else if (name.local == "is") {
        inInline_ = true;
        valued_ = true;
      } else if (name.local == "rPh") {
        ++phonetic_;
      } else if (name.local == "t" && inInline_ && phonetic_ == 0) {
        inValue_ = true;
      }
    }
  }

  void End(XmlName name) override {
    if (!inData_) return;
    if (name.local == "v" || name.local == "t") {
      inValue_ = false;
    } else if (name.local == "rPh") {
      if (phonetic_ > 0) --phonetic_;
    } else if (name.local == "is") {
      inInline_ = false;
    } else if (name.local == "c") {
      if (wanted_) TakeCell();
      column_ = MaxSheetRows;
      wanted_ = false;
    } else if (name.local == "row") {
      if (!TakeSheetRow(target_, row_)) reader_.Stop();
    } else if (name.local == "sheetData") {
      reader_.Stop();
    }
  }

  void Text(std::string_view text) override {
    if (inValue_) text_.Append(text);
  }

 private:
  void TakeCell() {
    const auto i = static_cast<std::size_t>(column_);
    const std::string& text = text_.text();
    // A formula saved with an empty value has no result either, but for a text
    // result, which may be empty.
    if (formula_ && (!valued_ || (text.empty() && type_ != "str"))) {
      target_.FormulaWithoutResult();
    }
    std::string value;
    if (type_ == "s") {
      uint64_t index = 0;
      const std::string_view digits = Trimmed(text);
      bool number = !digits.empty() && digits.size() <= 12;
      for (const char c : digits) {
        if (c < '0' || c > '9') number = false;
        index = index * 10 + static_cast<uint64_t>(c - '0');
      }
      if (!number) {
        reader_.Fail(
            Phrase(kStringIndexNoNumber, Phrase::Literal(std::string(digits.substr(0, 20)))));
        return;
      }
      const Result<std::string_view> shared = strings_.Get(index);
      if (!shared) {
        reader_.Fail(shared.failure().phrase);
        return;
      }
      value = format_->ShowText(*shared);
    } else if (type_ == "inlineStr" || type_ == "str") {
      value = format_->ShowText(Unescape(text));
    } else if (type_ == "b") {
      value = Trimmed(text) == "1" ? "TRUE" : Trimmed(text) == "0" ? "FALSE" : text;
    } else if (type_ == "n") {
      // As the cell's number format shows it.
      value = format_->Show(Trimmed(text));
    } else if (const auto days = type_ == "d" ? DaysOfDate(Trimmed(text)) : std::nullopt;
               days && !format_->general()) {
      value = format_->Show(*days);
    } else {
      value = text;  // an error such as #N/A, or a date written out
    }
    row_.Set(i, std::move(value));
  }

  XmlReader reader_;
  SharedStrings& strings_;
  const XlsxStyles& styles_;
  const NumberFormat* format_ = nullptr;  // of the cell being read
  ImportTarget& target_;
  SheetRow row_;
  CellText text_{kKeptEscapedBytes};
  std::string type_;
  long column_ = MaxSheetRows;  // of the cell being read
  bool wanted_ = false;         // the target wants the cell being read
  long nextColumn_ = 0;
  bool inData_ = false;
  bool inValue_ = false;
  bool inInline_ = false;
  bool formula_ = false;  // the cell has a formula
  bool valued_ = false;   // and a value saved with it
  int phonetic_ = 0;
  long rows_ = 0;  // read so far
};

Result<std::vector<Relationship>> ReadRelationships(ZipArchive& archive, int64_t index) {
  const auto source = SheetPart(archive, index);
  if (!source) return source.failure();
  RelationshipsReader relationships;
  XmlReader reader(relationships, *source, kRelationshipsPart);
  if (const Status read = reader.ReadAll(); !read) return read.failure();
  if (relationships.tooMany) {
    return Message{Phrase(kTooManyRelationships, kMaxRelationships)};
  }
  return std::move(relationships.all);
}

// The folder of a part's name, with its final slash ("xl/" for "xl/workbook.xml").
std::string FolderOf(std::string_view part) {
  const auto slash = part.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(part.substr(0, slash + 1));
}

// A relationship's target as a part name: relative to the folder of the part
// that names it, or from the root when it starts with a slash.
std::string Resolve(const std::string& folder, std::string_view target) {
  std::string path =
      target.starts_with('/') ? std::string(target.substr(1)) : folder + std::string(target);
  std::vector<std::string> segments;
  std::size_t at = 0;
  while (at <= path.size()) {
    const std::size_t slash = std::min(path.find('/', at), path.size());
    const std::string segment = path.substr(at, slash - at);
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!segment.empty() && segment != ".") {
      segments.push_back(segment);
    }
    at = slash + 1;
  }
  std::string resolved;
  for (const std::string& segment : segments) {
    if (!resolved.empty()) resolved += '/';
    resolved += segment;
  }
  return resolved;
}

}  // namespace

Status ReadXlsx(ZipArchive& archive, ImportTarget& target) {
  // The package's relationships name the workbook; most files keep it here.
  std::string workbook = "xl/workbook.xml";
  if (const int64_t packageRels = archive.Find("_rels/.rels"); packageRels >= 0) {
    const auto relationships = ReadRelationships(archive, packageRels);
    if (!relationships) return relationships.failure();
    for (const Relationship& r : *relationships) {
      if (r.type.ends_with("/officeDocument") && !r.external) {
        workbook = Resolve("", r.target);
        break;
      }
    }
  }
  const int64_t workbookIndex = archive.Find(workbook);
  if (workbookIndex < 0) return Message{Phrase(kNoWorkbook, Phrase::Literal(workbook))};

  WorkbookReader sheets;
  {
    const auto source = SheetPart(archive, workbookIndex);
    if (!source) return source.failure();
    XmlReader reader(sheets, *source, kWorkbookPart);
    if (const Status read = reader.ReadAll(); !read) return read.failure();
  }
  if (!sheets.firstSheet) return Message{kNoSheet};

  const std::string folder = FolderOf(workbook);
  const std::string relsName = folder + "_rels/" + workbook.substr(folder.size()) + ".rels";
  const int64_t relsIndex = archive.Find(relsName);
  if (relsIndex < 0) return Message{Phrase(kNoSheetList, Phrase::Literal(relsName))};
  const auto relationships = ReadRelationships(archive, relsIndex);
  if (!relationships) return relationships.failure();
  std::optional<std::string> sheetName;
  std::optional<std::string> stringsName;
  std::optional<std::string> stylesName;
  for (const Relationship& r : *relationships) {
    if (r.external) continue;
    if (r.id == *sheets.firstSheet) {
      if (!r.type.ends_with("/worksheet")) {
        return Message{kFirstSheetNoCells};
      }
      sheetName = Resolve(folder, r.target);
    } else if (r.type.ends_with("/sharedStrings") && !stringsName) {
      stringsName = Resolve(folder, r.target);
    } else if (r.type.ends_with("/styles") && !stylesName) {
      stylesName = Resolve(folder, r.target);
    }
  }
  if (!sheetName) return Message{kFirstSheetNotInFile};
  const int64_t sheetIndex = archive.Find(*sheetName);
  if (sheetIndex < 0) return Message{Phrase(kFirstSheetMissing, Phrase::Literal(*sheetName))};

  std::optional<XmlReader::Source> stringsSource;
  if (stringsName) {
    if (const int64_t stringsIndex = archive.Find(*stringsName); stringsIndex >= 0) {
      auto source = SheetPart(archive, stringsIndex);
      if (!source) return source.failure();
      stringsSource = std::move(*source);
    }
  }
  SharedStrings strings(std::move(stringsSource));
  // Without a styles part every cell is in the general format.
  XlsxStyles styles;
  if (const int64_t stylesIndex = stylesName ? archive.Find(*stylesName) : -1; stylesIndex >= 0) {
    auto source = SheetPart(archive, stylesIndex);
    if (!source) return source.failure();
    auto read = XlsxStyles::Read(std::move(*source), sheets.days1904);
    if (!read) return read.failure();
    styles = std::move(*read);
  }
  const auto sheetSource = SheetPart(archive, sheetIndex);
  if (!sheetSource) return sheetSource.failure();
  return SheetReader(*sheetSource, strings, styles, target).Read();
}

Result<ImportedPages> ReadXlsxSheet(std::string_view sheetXml, std::string_view sharedStringsXml,
                                    const ImportLayout& layout) {
  SharedStrings strings(sharedStringsXml.empty()
                            ? std::nullopt
                            : std::optional<XmlReader::Source>(XmlFromMemory(sharedStringsXml)));
  const XlsxStyles styles;
  ImportTarget target(layout);
  if (const Status read = SheetReader(XmlFromMemory(sheetXml), strings, styles, target).Read();
      !read) {
    return read.failure();
  }
  return target.TakeResult();
}

}  // namespace q5300
