#include "files/FormatCode.h"

#include <charconv>
#include <utility>

namespace q5300 {

using Token = NumberFormat::Token;
using Section = NumberFormat::Section;

namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Lower(text[i]) != Lower(prefix[i])) return false;
  }
  return true;
}

// The bytes of the UTF-8 character at the start of `text`.
std::size_t CharacterBytes(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t bytes = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  return std::min(bytes, text.size());
}

std::size_t RunOf(std::string_view code, std::size_t at) {
  std::size_t end = at;
  while (end < code.size() && Lower(code[end]) == Lower(code[at])) ++end;
  return end - at;
}

void AddLiteral(std::vector<Token>& tokens, std::string_view text) {
  if (!tokens.empty() && tokens.back().kind == Token::Literal) {
    tokens.back().text += text;
  } else {
    tokens.push_back({Token::Literal, std::string(text)});
  }
}

// A condition: a comparison and a number ("<=-1.5").
bool ReadCondition(std::string_view inside, Section& section) {
  using Compare = Section::Compare;
  static constexpr std::pair<std::string_view, Compare> kCompares[] = {
      {"<=", Compare::LessOrEqual}, {">=", Compare::GreaterOrEqual}, {"<>", Compare::NotEqual},
      {"<", Compare::Less},         {">", Compare::Greater},         {"=", Compare::Equal},
  };
  for (const auto& [sign, compare] : kCompares) {
    if (!inside.starts_with(sign)) continue;
    const std::string_view number = inside.substr(sign.size());
    double bound = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), bound);
    if (error != std::errc() || end != number.data() + number.size()) return false;
    section.compare = compare;
    section.bound = bound;
    return true;
  }
  return false;
}

// What is inside [ ]: a currency symbol and language ([$€-407]), a colour, an
// elapsed time or a condition. False for what cannot be shown here.
bool ReadBracket(std::string_view inside, Section& section) {
  std::vector<Token>& tokens = section.tokens;
  if (inside.starts_with('$')) {
    const std::size_t dash = inside.find('-');
    AddLiteral(tokens, inside.substr(
                           1, dash == std::string_view::npos ? std::string_view::npos : dash - 1));
    // The language: Korean is 412 (with the calendar and number digits before it).
    if (dash != std::string_view::npos) {
      const std::string_view language = inside.substr(dash + 1);
      section.korean =
          language.size() >= 3 && (language.ends_with("412") || StartsWithNoCase(language, "ko"));
    }
    return true;
  }
  if (!inside.empty() && RunOf(inside, 0) == inside.size() &&
      (Lower(inside[0]) == 'h' || Lower(inside[0]) == 'm' || Lower(inside[0]) == 's')) {
    tokens.push_back(
        {Token::Elapsed, std::string(1, Lower(inside[0])), static_cast<int>(inside.size())});
    return true;
  }
  for (const std::string_view colour :
       {"black", "blue", "cyan", "green", "magenta", "red", "white", "yellow", "color"}) {
    if (StartsWithNoCase(inside, colour)) return true;
  }
  return ReadCondition(inside, section);
}

}  // namespace

std::optional<Section> ReadFormatSection(std::string_view code) {
  Section section;
  std::vector<Token>& tokens = section.tokens;
  std::size_t at = 0;
  while (at < code.size()) {
    const char c = code[at];
    const char lower = Lower(c);
    if (c == '"') {
      const std::size_t close = code.find('"', at + 1);
      if (close == std::string_view::npos) return std::nullopt;
      AddLiteral(tokens, code.substr(at + 1, close - at - 1));
      at = close + 1;
    } else if (c == '\\') {
      if (at + 1 >= code.size()) return std::nullopt;
      const std::size_t bytes = CharacterBytes(code.substr(at + 1));
      AddLiteral(tokens, code.substr(at + 1, bytes));
      at += 1 + bytes;
    } else if (c == '_' || c == '*') {
      // Room as wide as the next character, or that character over the rest of
      // the cell: a space, or nothing, in text.
      if (at + 1 >= code.size()) return std::nullopt;
      if (c == '_') AddLiteral(tokens, " ");
      at += 1 + CharacterBytes(code.substr(at + 1));
    } else if (c == '[') {
      const std::size_t close = code.find(']', at + 1);
      if (close == std::string_view::npos) return std::nullopt;
      if (!ReadBracket(code.substr(at + 1, close - at - 1), section)) return std::nullopt;
      at = close + 1;
    } else if (StartsWithNoCase(code.substr(at), "general")) {
      tokens.push_back({Token::General, ""});
      at += 7;
    } else if (c == '0' || c == '#' || c == '?') {
      tokens.push_back({Token::Digit, std::string(1, c)});
      ++at;
    } else if (c == '.') {
      if (!tokens.empty() && tokens.back().kind == Token::Second && at + 1 < code.size() &&
          code[at + 1] == '0') {
        const auto width = static_cast<int>(RunOf(code, at + 1));
        tokens.push_back({Token::SecondFraction, "", width});
        at += 1 + static_cast<std::size_t>(width);
      } else {
        tokens.push_back({Token::Point, "."});
        ++at;
      }
    } else if (c == ',') {
      tokens.push_back({Token::Comma, ","});
      ++at;
    } else if (c == '%') {
      tokens.push_back({Token::Percent, "%"});
      ++at;
    } else if (lower == 'e' && at + 1 < code.size() &&
               (code[at + 1] == '+' || code[at + 1] == '-')) {
      tokens.push_back({Token::Exponent, std::string(1, code[at + 1])});
      at += 2;
    } else if (StartsWithNoCase(code.substr(at), "am/pm")) {
      tokens.push_back({Token::AmPm, std::string(code.substr(at, 5))});
      at += 5;
    } else if (StartsWithNoCase(code.substr(at), "a/p")) {
      tokens.push_back({Token::AmPm, std::string(code.substr(at, 3))});
      at += 3;
    } else if (lower == 'a' && RunOf(code, at) >= 3) {
      // The name of the day: "aaa" short, "aaaa" long.
      const std::size_t run = RunOf(code, at);
      tokens.push_back({Token::Day, "", run == 3 ? 3 : 4});
      at += run;
    } else if (lower == 'y' || lower == 'm' || lower == 'd' || lower == 'h' || lower == 's') {
      const std::size_t run = RunOf(code, at);
      const Token::Kind kind = lower == 'y'   ? Token::Year
                               : lower == 'm' ? Token::Month
                               : lower == 'd' ? Token::Day
                               : lower == 'h' ? Token::Hour
                                              : Token::Second;
      tokens.push_back({kind, "", static_cast<int>(std::min<std::size_t>(run, 5))});
      at += run;
    } else if (c == '@') {
      tokens.push_back({Token::Text, "@"});
      ++at;
    } else if (c == '/') {
      // A fraction ("# ?/?"); in a date it is text. A denominator given as a
      // number ("# ?/10") is one literal, zeros and all.
      tokens.push_back({Token::Slash, "/"});
      ++at;
      if (at < code.size() && code[at] >= '1' && code[at] <= '9') {
        std::size_t end = at;
        while (end < code.size() && code[end] >= '0' && code[end] <= '9') ++end;
        tokens.push_back({Token::Literal, std::string(code.substr(at, end - at))});
        at = end;
      }
    } else {
      const std::size_t bytes = CharacterBytes(code.substr(at));
      AddLiteral(tokens, code.substr(at, bytes));
      at += bytes;
    }
  }

  // Minutes follow hours or come before seconds; months are everything else.
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    Token& token = tokens[i];
    const bool timed = token.kind >= Token::Year;
    section.date =
        section.date || (timed && token.kind != Token::AmPm) || token.kind == Token::SecondFraction;
    if (token.kind == Token::AmPm) section.twelveHours = true;
    if (token.kind == Token::SecondFraction) {
      token.width = std::min(token.width, 3);
      section.secondDigits = std::max(section.secondDigits, token.width);
    }
    if (token.kind != Token::Month || token.width > 2) continue;
    for (std::size_t j = i; j-- > 0;) {
      const Token::Kind kind = tokens[j].kind;
      if (kind == Token::Hour || (kind == Token::Elapsed && tokens[j].text == "h")) {
        token.kind = Token::Minute;
      }
      if (kind >= Token::Year) break;
    }
    for (std::size_t j = i + 1; j < tokens.size() && token.kind == Token::Month; ++j) {
      const Token::Kind kind = tokens[j].kind;
      if (kind == Token::Second || (kind == Token::Elapsed && tokens[j].text == "s")) {
        token.kind = Token::Minute;
      }
      if (kind >= Token::Year) break;
    }
  }
  bool digits = false;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    Token& token = tokens[i];
    if (token.kind == Token::Text) section.text = true;
    if (token.kind == Token::General) section.general = true;
    if (token.kind == Token::Percent) ++section.percents;
    if (token.kind == Token::Digit) digits = true;
    if (section.date) {
      if (token.kind == Token::Digit || token.kind == Token::Exponent ||
          token.kind == Token::General) {
        return std::nullopt;
      }
      if (token.kind == Token::Comma || token.kind == Token::Point ||
          token.kind == Token::Percent || token.kind == Token::Slash) {
        token.kind = Token::Literal;
      }
      continue;
    }
    if (token.kind == Token::Slash) {
      // A fraction after digits, text before them or after another.
      if (!digits || section.fraction) {
        token.kind = Token::Literal;
      } else {
        section.fraction = true;
      }
    }
    if (token.kind != Token::Comma) continue;
    // Between digits it groups the thousands, after the last digit it divides
    // by 1000, elsewhere it is text.
    std::size_t next = i + 1;
    while (next < tokens.size() && tokens[next].kind == Token::Comma) ++next;
    const bool digitNext = next < tokens.size() && tokens[next].kind == Token::Digit;
    if (!digits) {
      token.kind = Token::Literal;
    } else if (digitNext) {
      section.grouping = true;
      bool fraction = false;
      for (std::size_t j = 0; j < i; ++j) fraction = fraction || tokens[j].kind == Token::Point;
      if (fraction) token.kind = Token::Literal;
    } else {
      bool later = false;
      for (std::size_t j = next; j < tokens.size(); ++j) {
        later = later || tokens[j].kind == Token::Digit;
      }
      if (later) {
        token.kind = Token::Literal;
      } else {
        ++section.thousands;
      }
    }
  }
  return section;
}

bool Section::Meets(double value) const {
  switch (compare) {
    case Compare::Less:
      return value < bound;
    case Compare::LessOrEqual:
      return value <= bound;
    case Compare::Greater:
      return value > bound;
    case Compare::GreaterOrEqual:
      return value >= bound;
    case Compare::Equal:
      return value == bound;
    case Compare::NotEqual:
      return value != bound;
    case Compare::None:
      break;
  }
  return true;
}

std::vector<std::string_view> FormatSections(std::string_view code) {
  std::vector<std::string_view> sections;
  std::size_t begin = 0;
  bool quoted = false;
  for (std::size_t at = 0; at < code.size(); ++at) {
    const char c = code[at];
    if (c == '"') {
      quoted = !quoted;
    } else if (quoted) {
      continue;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++at;
    } else if (c == ';') {
      sections.push_back(code.substr(begin, at - begin));
      begin = at + 1;
    }
  }
  sections.push_back(code.substr(begin));
  return sections;
}

std::string_view BuiltInFormatCode(int id) {
  switch (id) {
    case 0:
      return "General";
    case 1:
      return "0";
    case 2:
      return "0.00";
    case 3:
      return "#,##0";
    case 4:
      return "#,##0.00";
    case 5:
      return "\"$\"#,##0_);\\(\"$\"#,##0\\)";
    case 6:
      return "\"$\"#,##0_);[Red]\\(\"$\"#,##0\\)";
    case 7:
      return "\"$\"#,##0.00_);\\(\"$\"#,##0.00\\)";
    case 8:
      return "\"$\"#,##0.00_);[Red]\\(\"$\"#,##0.00\\)";
    case 9:
      return "0%";
    case 10:
      return "0.00%";
    case 11:
      return "0.00E+00";
    case 12:
      return "# ?/?";
    case 13:
      return "# ?\?/??";
    case 14:
      return "m/d/yyyy";
    case 15:
      return "d-mmm-yy";
    case 16:
      return "d-mmm";
    case 17:
      return "mmm-yy";
    case 18:
      return "h:mm AM/PM";
    case 19:
      return "h:mm:ss AM/PM";
    case 20:
      return "hh:mm";
    case 21:
      return "hh:mm:ss";
    case 22:
      return "m/d/yyyy h:mm";
    case 37:
      return "#,##0_);\\(#,##0\\)";
    case 38:
      return "#,##0_);[Red]\\(#,##0\\)";
    case 39:
      return "#,##0.00_);\\(#,##0.00\\)";
    case 40:
      return "#,##0.00_);[Red]\\(#,##0.00\\)";
    case 41:
      return "_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"_);_(@_)";
    case 42:
      return "_(\"$\"* #,##0_);_(\"$\"* \\(#,##0\\);_(\"$\"* \"-\"_);_(@_)";
    case 43:
      return "_(* #,##0.00_);_(* \\(#,##0.00\\);_(* \"-\"??_);_(@_)";
    case 44:
      return "_(\"$\"* #,##0.00_);_(\"$\"* \\(#,##0.00\\);_(\"$\"* \"-\"??_);_(@_)";
    case 45:
      return "mm:ss";
    case 46:
      return "[h]:mm:ss";
    case 47:
      return "mm:ss.0";
    case 48:
      return "##0.0E+0";
    case 49:
      return "@";
    default:
      return "";
  }
}

std::string QuotedInFormatCode(std::string_view text) {
  std::string code;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t bytes = CharacterBytes(text.substr(at));
    code += '\\';
    code += text.substr(at, bytes);
    at += bytes;
  }
  return code;
}

}  // namespace q5300
