#pragma once

#include <concepts>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// Marks a text the window shows in the operator's language. lupdate reads it
// as QT_TRANSLATE_NOOP (src/ui/CMakeLists.txt); the context is always "q5300",
// where the window looks the core's texts up (ui/CoreTexts.h). To the program
// the mark is the text itself.
#define Q5300_TEXT(context, text) text

namespace q5300 {

// A text for the operator in a form the window can translate: a pattern with the
// places %1 to %9 and what goes into them, each a phrase of its own (translated
// in its turn) or a literal (a path, a number, a name) that stays as it is.
// Text() is the pattern filled as it stands, the program's own words: what the
// command line prints and the tests read.
class Phrase {
 public:
  Phrase() = default;
  // A whole text without variable parts: its own pattern.
  Phrase(const char* text) : pattern_(text) {}          // NOLINT(google-explicit-constructor)
  Phrase(std::string text) : pattern_(std::move(text)) {}  // NOLINT(google-explicit-constructor)
  // The pattern with its arguments; whole numbers become literals.
  template <typename... Args>
  Phrase(std::string pattern, Args&&... args)  // NOLINT(google-explicit-constructor)
    requires(sizeof...(Args) > 0)
      : pattern_(std::move(pattern)) {
    args_.reserve(sizeof...(Args));
    (args_.push_back(Argument(std::forward<Args>(args))), ...);
  }

  // Shown as it is in every language.
  static Phrase Literal(std::string text);
  static Phrase Number(long long value) { return Literal(std::to_string(value)); }
  // The parts one after the other, `separator` between them; empty parts are
  // left out.
  static Phrase Join(const std::vector<Phrase>& parts, const std::string& separator = {});
  // `phrase` ended with a full stop, its first letter raised (a-z to A-Z) when
  // it is shown: a reason that also stands inside other sentences.
  static Phrase Sentence(Phrase phrase);

  std::string Text() const;
  bool empty() const { return pattern_.empty() && args_.empty(); }

  const std::string& pattern() const { return pattern_; }
  const std::vector<Phrase>& args() const { return args_; }
  bool literal() const { return literal_; }
  bool sentence() const { return sentence_; }

  friend bool operator==(const Phrase&, const Phrase&) = default;
  // A phrase equals a text only as its Text(), which says so.
  friend bool operator==(const Phrase&, const char*) = delete;
  friend bool operator==(const Phrase&, const std::string&) = delete;

 private:
  template <typename T>
  static Phrase Argument(T&& value) {
    if constexpr (std::integral<std::remove_cvref_t<T>>) {
      return Number(static_cast<long long>(value));
    } else {
      return Phrase(std::forward<T>(value));
    }
  }

  std::string pattern_;
  std::vector<Phrase> args_;
  bool literal_ = false;
  bool sentence_ = false;
};

// The pattern with %1 to %9 replaced by the arguments in one pass, so that an
// argument holding "%1" stays as it is; a place without an argument stays too.
// The window fills a translated pattern by the same rule.
std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& args);

}  // namespace q5300
