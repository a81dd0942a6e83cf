#pragma once

// Case in file names and option values: only ASCII letters have one here, so
// lowering byte by byte leaves the bytes of any other character as they are.
#include <algorithm>
#include <string_view>

namespace q5300 {

inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether `text` ends in `ending` (given in lower case), ASCII letters in any case.
inline bool EndsWithNoCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  const std::string_view tail = text.substr(text.size() - ending.size());
  return std::equal(tail.begin(), tail.end(), ending.begin(),
                    [](char a, char b) { return AsciiLower(a) == b; });
}

}  // namespace q5300
