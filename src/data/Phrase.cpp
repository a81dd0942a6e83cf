#include "data/Phrase.h"

namespace q5300 {

Phrase Phrase::Literal(std::string text) {
  Phrase phrase(std::move(text));
  phrase.literal_ = true;
  return phrase;
}

Phrase Phrase::Join(const std::vector<Phrase>& parts, const std::string& separator) {
  // Nine places to a pattern: longer lists go on in a last place of their own.
  constexpr std::size_t kPlaces = 9;
  Phrase joined;
  std::size_t used = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (parts[i].empty()) continue;
    if (used == kPlaces - 1 && i + 1 < parts.size()) {
      Phrase rest = Join(std::vector<Phrase>(parts.begin() + static_cast<std::ptrdiff_t>(i),
                                             parts.end()),
                         separator);
      if (!rest.empty()) {
        joined.pattern_ += separator + "%9";
        joined.args_.push_back(std::move(rest));
      }
      break;
    }
    if (used > 0) joined.pattern_ += separator;
    joined.pattern_ += "%" + std::to_string(++used);
    joined.args_.push_back(parts[i]);
  }
  return joined;
}

Phrase Phrase::Sentence(Phrase phrase) {
  Phrase sentence("%1", std::move(phrase));
  sentence.sentence_ = true;
  return sentence;
}

std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < args.size()) {
        out += args[index];
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

std::string Phrase::Text() const {
  if (literal_) return pattern_;
  std::vector<std::string> filled;
  filled.reserve(args_.size());
  for (const Phrase& arg : args_) filled.push_back(arg.Text());
  std::string text = args_.empty() ? pattern_ : FillPlaces(pattern_, filled);
  if (sentence_) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
      text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    text += '.';
  }
  return text;
}

}  // namespace q5300
