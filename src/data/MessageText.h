#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace q5300 {

// The pattern with each "%d" replaced, in order, by the next number.
std::string FillNumbers(std::string_view pattern, std::initializer_list<long> numbers);

}  // namespace q5300
