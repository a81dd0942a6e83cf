#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace q5300::cli {

// `text` (UTF-8) as a JSON string with its quotes: quotes, backslashes and
// control characters escaped; a byte that is not part of valid UTF-8 becomes
// U+FFFD, so the document stays valid whatever a file held.
std::string JsonString(std::string_view text);

// Writes one JSON document, indented by two blanks, fields in the order they are
// written. The caller pairs Begin and End; Key precedes every value in an object.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  void Key(std::string_view name);

  void String(std::string_view text);
  void Number(int64_t value);
  // A fixed number of decimals, for millimetres.
  void Number(double value, int decimals);
  void Bool(bool value);

  // Key and value in one.
  template <typename T>
  void Field(std::string_view name, const T& value) {
    Key(name);
    Value(value);
  }

 private:
  void Value(std::string_view text) { String(text); }
  void Value(const std::string& text) { String(text); }
  void Value(const char* text) { String(text); }
  void Value(bool value) { Bool(value); }
  template <typename Int>
  void Value(Int value) {
    Number(static_cast<int64_t>(value));
  }

  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);
  void NewLine();

  struct Level {
    int items = 0;
  };
  std::ostream& out_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

}  // namespace q5300::cli
