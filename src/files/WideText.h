#pragma once

// Windows only: the program's UTF-8 names and texts as the wide ones the
// system's calls take.
#ifdef _WIN32
#include <optional>
#include <string>
#include <string_view>

namespace q5300::fileio {

// Nothing for text that is no UTF-8.
std::optional<std::wstring> Wide(std::string_view text);

}  // namespace q5300::fileio
#endif
