#include "files/SheetStyles.h"

#include <algorithm>
#include <charconv>
#include <tuple>
#include <unordered_map>

namespace q5300 {
namespace {

constexpr char kStylesPart[] = Q5300_TEXT("q5300", "The styles (styles.xml)");

// A count or index written in decimal digits alone, or nothing.
std::optional<long> IndexOf(std::optional<std::string_view> text) {
  if (!text || text->empty() || text->size() > 9) return std::nullopt;
  long value = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc() || end != text->data() + text->size() || value < 0) {
    return std::nullopt;
  }
  return value;
}

class XlsxStylesReader final : public XmlHandler {
 public:
  std::unordered_map<long, std::string> codes;  // by number format id
  std::vector<long> cellFormats;                // the number format id of each cell style

  void Start(XmlName name, const XmlAttributes& attributes) override {
    // The formats of conditional formatting (in dxfs) are no cell's own.
    if (name.local == "numFmts") {
      inFormats_ = true;
    } else if (name.local == "numFmt" && inFormats_ && codes.size() < MaxNumberFormats) {
      const auto id = IndexOf(attributes.Get("numFmtId"));
      const auto code = attributes.Get("formatCode");
      if (id && code && code->size() <= NumberFormat::MaxCodeBytes) codes[*id] = std::string(*code);
    } else if (name.local == "cellXfs") {
      inCellStyles_ = true;
    } else if (name.local == "xf" && inCellStyles_ && cellFormats.size() < MaxCellStyles) {
      cellFormats.push_back(IndexOf(attributes.Get("numFmtId")).value_or(0));
    }
  }
  void End(XmlName name) override {
    if (name.local == "cellXfs") inCellStyles_ = false;
    if (name.local == "numFmts") inFormats_ = false;
  }
  void Text(std::string_view) override {}

 private:
  bool inCellStyles_ = false;
  bool inFormats_ = false;
};

}  // namespace

Result<XlsxStyles> XlsxStyles::Read(XmlReader::Source source, bool days1904) {
  XlsxStylesReader styles;
  XmlReader reader(styles, std::move(source), kStylesPart);
  if (const Status read = reader.ReadAll(); !read) return read.failure();
  // Each code is read once, however many cell styles share it.
  std::unordered_map<long, NumberFormat> formats;
  XlsxStyles result;
  result.formats_.reserve(styles.cellFormats.size());
  for (const long id : styles.cellFormats) {
    auto known = formats.find(id);
    if (known == formats.end()) {
      const auto code = styles.codes.find(id);
      const std::string_view text = code != styles.codes.end()
                                        ? std::string_view(code->second)
                                        : BuiltInFormatCode(static_cast<int>(std::min(id, 1000L)));
      known = formats.emplace(id, NumberFormat(text, days1904)).first;
    }
    result.formats_.push_back(known->second);
  }
  return result;
}

const NumberFormat& XlsxStyles::Of(std::optional<std::string_view> style) const {
  const auto index = IndexOf(style);
  if (!index || static_cast<std::size_t>(*index) >= formats_.size()) return general_;
  return formats_[static_cast<std::size_t>(*index)];
}

namespace {

bool Long(const XmlAttributes& attributes) {
  return attributes.Get("style").value_or("") == "long";
}

int NumberOf(const XmlAttributes& attributes, std::string_view name, int fallback) {
  const auto value = IndexOf(attributes.Get(name));
  return value ? static_cast<int>(std::min(*value, 30L)) : fallback;
}

bool IsDataStyle(std::string_view local) {
  return local == "number-style" || local == "percentage-style" || local == "currency-style" ||
         local == "date-style" || local == "time-style" || local == "text-style" ||
         local == "boolean-style";
}

// The digits of a number element: "#,##0" and ".00" for two places with
// grouping, the integer digits apart so that text can go in between them.
std::pair<std::string, std::string> DigitsCode(const XmlAttributes& attributes, bool scientific) {
  const int integers = NumberOf(attributes, "min-integer-digits", 1);
  const int places = NumberOf(attributes, "decimal-places", 0);
  const int minPlaces = std::min(NumberOf(attributes, "min-decimal-places", places), places);
  std::string code;
  // Without its places the number shows as much as the general format does.
  if (!scientific && !attributes.Get("decimal-places")) return {"General", ""};
  if (attributes.Get("grouping").value_or("") == "true") {
    code = integers >= 4 ? std::string(static_cast<std::size_t>(integers - 3), '0') + ",000"
                         : "#," + std::string(static_cast<std::size_t>(3 - integers), '#') +
                               std::string(static_cast<std::size_t>(integers), '0');
  } else {
    const int interval = scientific ? NumberOf(attributes, "exponent-interval", 1) : 1;
    code = std::string(static_cast<std::size_t>(std::max(interval - integers, 0)), '#') +
           std::string(static_cast<std::size_t>(integers), '0');
    if (code.empty()) code = "#";
  }
  std::string rest;
  if (places > 0) {
    rest += '.' + std::string(static_cast<std::size_t>(minPlaces), '0') +
            std::string(static_cast<std::size_t>(places - minPlaces), '#');
  }
  if (scientific) {
    rest += attributes.Get("forced-exponent-sign").value_or("true") == "false" ? "E-" : "E+";
    rest +=
        std::string(static_cast<std::size_t>(NumberOf(attributes, "min-exponent-digits", 2)), '0');
  }
  // A display factor of 1000 shows thousands: a comma each.
  for (auto factor = IndexOf(attributes.Get("display-factor")).value_or(1);
       factor >= 1000 && factor % 1000 == 0; factor /= 1000) {
    rest += ',';
  }
  return {code, rest};
}

// A fraction element: "# ?/?", "# ??/??", "?/?" (no whole number), "# ?/16".
std::string FractionCode(const XmlAttributes& attributes) {
  std::string code;
  if (attributes.Get("min-integer-digits")) {
    const int integers = NumberOf(attributes, "min-integer-digits", 0);
    code = integers == 0 ? "#" : std::string(static_cast<std::size_t>(integers), '0');
    code += ' ';
  }
  code += std::string(
      static_cast<std::size_t>(std::max(NumberOf(attributes, "min-numerator-digits", 1), 1)), '?');
  code += '/';
  if (const auto given = IndexOf(attributes.Get("denominator-value")); given && *given > 0) {
    return code + QuotedInFormatCode(std::to_string(*given));
  }
  int places = NumberOf(attributes, "min-denominator-digits", 1);
  if (const auto most = IndexOf(attributes.Get("max-denominator-value")); most && *most > 0) {
    places = static_cast<int>(std::to_string(*most).size());
  }
  return code + std::string(static_cast<std::size_t>(std::clamp(places, 1, 4)), '?');
}

// Text among the integer digits, `position` digits before the decimal point.
void Embed(std::string& integer, long position, std::string_view text) {
  std::size_t at = integer.size();
  while (at > 0 && position > 0) {
    --at;
    if (integer[at] == '0' || integer[at] == '#') --position;
  }
  integer.insert(at, QuotedInFormatCode(text));
}

}  // namespace

void OdsStyles::Start(XmlName name, const XmlAttributes& attributes) {
  const std::string_view local = name.local;
  if (!name_) {
    if (IsDataStyle(local) && dataStyles_.size() < MaxNumberFormats) {
      name_ = std::string(attributes.Get("name").value_or(""));
      style_ = {};
      kind_ = std::string(local);
      // A duration past a day shows all its hours.
      elapsed_ = attributes.Get("truncate-on-overflow").value_or("true") == "false";
      // Korean names of days and of AM and PM.
      if (attributes.Get("language").value_or("") == "ko") style_.code = "[$-412]";
    } else if (local == "style" && attributes.Get("family").value_or("") == "table-cell" &&
               cellStyles_.size() < MaxCellStyles) {
      if (const auto data = attributes.Get("data-style-name")) {
        cellStyles_[std::string(attributes.Get("name").value_or(""))] = std::string(*data);
      }
    }
    return;
  }
  // A style past the bound is not read on.
  if (unsupported_) return;
  const bool dated = kind_ == "date-style" || kind_ == "time-style";
  std::string& code = style_.code;
  if ((local == "number" && !dated) || local == "scientific-number") {
    std::tie(integer_, rest_) = DigitsCode(attributes, local == "scientific-number");
    inNumber_ = true;
  } else if (local == "embedded-text" && inNumber_) {
    inText_ = true;
    text_.clear();
    embeddedAt_ = IndexOf(attributes.Get("position")).value_or(0);
  } else if (local == "text" || local == "currency-symbol") {
    inText_ = true;
    text_.clear();
  } else if (local == "year") {
    code += Long(attributes) ? "yyyy" : "yy";
  } else if (local == "month") {
    const bool textual = attributes.Get("textual").value_or("") == "true";
    code += textual ? (Long(attributes) ? "mmmm" : "mmm") : (Long(attributes) ? "mm" : "m");
  } else if (local == "day") {
    code += Long(attributes) ? "dd" : "d";
  } else if (local == "day-of-week") {
    code += Long(attributes) ? "dddd" : "ddd";
  } else if (local == "hours") {
    const std::string hours = Long(attributes) ? "hh" : "h";
    code += elapsed_ || attributes.Get("truncate-on-overflow").value_or("") == "false"
                ? "[" + hours + "]"
                : hours;
    elapsed_ = false;
  } else if (local == "minutes") {
    const std::string minutes = Long(attributes) ? "mm" : "m";
    code += elapsed_ ? "[" + minutes + "]" : minutes;
    elapsed_ = false;
  } else if (local == "seconds") {
    code += Long(attributes) ? "ss" : "s";
    const int places = NumberOf(attributes, "decimal-places", 0);
    if (places > 0) code += '.' + std::string(static_cast<std::size_t>(std::min(places, 3)), '0');
  } else if (local == "am-pm") {
    code += "AM/PM";
  } else if (local == "text-content") {
    code += "@";
  } else if (local == "boolean") {
    // A truth value saved as a number (a formula such as =TRUE() or =1>0).
    code += "[=0]\"FALSE\";\"TRUE\"";
  } else if (local == "map") {
    std::string condition;
    for (const char c : attributes.Get("condition").value_or("")) {
      if (c != ' ') condition += c;
    }
    const std::string apply(attributes.Get("apply-style-name").value_or(""));
    if (condition == "value()>=0") {
      style_.positive = apply;
      style_.positiveWithZero = true;
    } else if (condition == "value()>0") {
      style_.positive = apply;
    } else if (condition == "value()<0") {
      style_.negative = apply;
    } else if (condition == "value()=0") {
      style_.zero = apply;
    }
    // Any comparison of the value, as a condition of a format code.
    std::string_view compared = condition;
    if (!compared.starts_with("value()") || style_.maps.size() >= 3) {
      unsupported_ = true;
    } else {
      compared.remove_prefix(7);
      std::string bracket = "[" + std::string(compared) + "]";
      if (compared.starts_with("!=")) bracket = "[<>" + std::string(compared.substr(2)) + "]";
      style_.maps.emplace_back(std::move(bracket), apply);
    }
  } else if (local == "fraction" && !dated) {
    code += FractionCode(attributes);
  } else if (local == "era" || local == "quarter" || local == "week-of-year" ||
             (local == "number" && dated)) {
    unsupported_ = true;
  }
  if (code.size() > NumberFormat::MaxCodeBytes) unsupported_ = true;
}

void OdsStyles::End(XmlName name) {
  if (!name_) return;
  if (inText_ && name.local == "embedded-text") {
    inText_ = false;
    if (integer_.size() + text_.size() > NumberFormat::MaxCodeBytes) {
      unsupported_ = true;
    } else {
      Embed(integer_, embeddedAt_, text_);
    }
  } else if (inNumber_ && (name.local == "number" || name.local == "scientific-number")) {
    inNumber_ = false;
    style_.code += integer_ + rest_;
    if (style_.code.size() > NumberFormat::MaxCodeBytes) unsupported_ = true;
  } else if (inText_ && (name.local == "text" || name.local == "currency-symbol")) {
    inText_ = false;
    // The percent sign of a percentage style scales the number.
    style_.code += kind_ == "percentage-style" && text_ == "%" ? text_ : QuotedInFormatCode(text_);
    if (style_.code.size() > NumberFormat::MaxCodeBytes) unsupported_ = true;
  } else if (IsDataStyle(name.local)) {
    if (unsupported_) style_.code.clear();
    // A style that shows no value at all ("<number:text>-</number:text>") is
    // kept: it is a section of another.
    dataStyles_[*name_] = std::move(style_);
    name_.reset();
    unsupported_ = false;
  }
}

void OdsStyles::Text(std::string_view text) {
  if (inText_ && text_.size() <= NumberFormat::MaxCodeBytes) text_ += text;
}

namespace {

// The sections of a style with maps of any conditions: each map's style under
// its condition, in their order, and the style itself for the numbers no map
// takes (or for text, when it shows text).
template <class Own>
std::string ConditionedCode(const auto& style, const Own& own) {
  std::string code;
  for (const auto& [condition, name] : style.maps) {
    const std::optional<std::string> section = own(name);
    if (!section) return "";
    code += condition + *section + ';';
  }
  return code + style.code;
}

}  // namespace

std::string OdsStyles::CodeOf(const std::string& dataStyle) const {
  const auto found = dataStyles_.find(dataStyle);
  if (found == dataStyles_.end()) return "";
  const DataStyle& style = found->second;
  if (style.code.empty()) return "";
  const auto own = [this](const std::string& name) -> std::optional<std::string> {
    const auto other = dataStyles_.find(name);
    if (other == dataStyles_.end() || other->second.code.empty()) return std::nullopt;
    return other->second.code;
  };
  // The sections of a code: positive (with zero), negative, zero.
  std::vector<std::optional<std::string>> sections;
  if (style.maps.empty()) return style.code;
  if (!style.zero.empty() ||
      style.maps.size() != static_cast<std::size_t>(!style.positive.empty()) +
                               static_cast<std::size_t>(!style.negative.empty())) {
    return ConditionedCode(style, own);
  }
  if (!style.positive.empty() && style.positiveWithZero && style.negative.empty()) {
    sections = {own(style.positive), style.code};
  } else if (!style.positive.empty() && !style.negative.empty() && !style.positiveWithZero) {
    sections = {own(style.positive), own(style.negative), style.code};
  } else if (!style.positive.empty() && !style.positiveWithZero) {
    sections = {own(style.positive), style.code, style.code};
  } else if (style.positive.empty() && style.zero.empty()) {
    sections = {style.code, own(style.negative)};
  } else {
    return ConditionedCode(style, own);
  }
  std::string code;
  for (const auto& section : sections) {
    if (!section) return "";
    if (!code.empty()) code += ';';
    code += *section;
  }
  return code;
}

const NumberFormat* OdsStyles::Of(std::string_view cellStyle) {
  const std::string name(cellStyle.empty() ? std::string_view("Default") : cellStyle);
  auto known = formats_.find(name);
  if (known == formats_.end()) {
    std::optional<NumberFormat> format;
    if (const auto data = cellStyles_.find(name); data != cellStyles_.end()) {
      const std::string code = CodeOf(data->second);
      if (!code.empty()) format = NumberFormat(code);
    }
    if (formats_.size() >= MaxCellStyles) formats_.clear();
    known = formats_.emplace(name, std::move(format)).first;
  }
  return known->second ? &*known->second : nullptr;
}

namespace {

// styles.xml: the data styles and cell styles, wherever they are in it.
class OdsStylesReader final : public XmlHandler {
 public:
  explicit OdsStylesReader(OdsStyles& styles) : styles_(styles) {}
  void Start(XmlName name, const XmlAttributes& attributes) override {
    styles_.Start(name, attributes);
  }
  void End(XmlName name) override { styles_.End(name); }
  void Text(std::string_view text) override { styles_.Text(text); }

 private:
  OdsStyles& styles_;
};

}  // namespace

Status ReadOdsStyles(XmlReader::Source source, OdsStyles& styles) {
  OdsStylesReader handler(styles);
  XmlReader reader(handler, std::move(source), kStylesPart);
  return reader.ReadAll();
}

}  // namespace q5300
