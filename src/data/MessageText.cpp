#include "data/MessageText.h"

namespace q5300 {

std::string FillNumbers(std::string_view pattern, std::initializer_list<long> numbers) {
  std::string out;
  out.reserve(pattern.size() + 8);
  auto next = numbers.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 'd' &&
        next != numbers.end()) {
      out += std::to_string(*next++);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace q5300
