#pragma once

#include "data/Phrase.h"

namespace q5300 {

// Words of the print job that more than one of its parts says.
inline constexpr char LinkFailedMessage[] = Q5300_TEXT("q5300", "시리얼 포트 오류!");
inline constexpr char InputOverLengthMessage[] = Q5300_TEXT("q5300", "Input is over length!!");

}  // namespace q5300
