#pragma once

namespace q5300 {

// Words of the print job that more than one of its parts says.
inline constexpr const char* LinkFailedMessage = "시리얼 포트 오류!";

}  // namespace q5300
