#pragma once

// What the page commands and the page panel tell the operator, marked for the
// window's translations (data/Phrase.h).
#include "data/Phrase.h"

namespace q5300 {

inline constexpr char kInputOverLength[] = Q5300_TEXT("q5300", "입력 길이 초과!");
inline constexpr char kSubscriptOverLength[] = Q5300_TEXT("q5300", "Input is over length!");
inline constexpr char kNoVerticalWriting[] = Q5300_TEXT("q5300", "세로쓰기불가!");
inline constexpr char kMaxPages[] = Q5300_TEXT("q5300", "Get the MaxPage!");
inline constexpr char kMaxPrintVolume[] =
    Q5300_TEXT("q5300", "Has exceeded the maximum print volume!");
inline constexpr char kFontTooLargeForTwoLines[] = Q5300_TEXT(
    "q5300", "글꼴크기가 너무 커, 두줄인쇄에 적합하지 않습니다. 1에서 3사이의 글꼴을 "
    "선택해주세요!");
inline constexpr char kRepeatOutOfRange[] =
    Q5300_TEXT("q5300", " [1-%1] 반복, 설정이 잘못 되었습니다!");

// The page panel.
inline constexpr char kEnterNumber[] = Q5300_TEXT("q5300", "Please enter a number.");
inline constexpr char kEnterInteger[] = Q5300_TEXT("q5300", "Please enter an integer.");
inline constexpr char kAutoFontBlocksAutoLength[] = Q5300_TEXT(
    "q5300", "%1 페이지는 자동 글꼴 크기가 설정되어, 자동 길이 설정을 할 수 없습니다. 설정이 "
    "잘못되었습니다!");
inline constexpr char kLengthRange[] = Q5300_TEXT("q5300", "(6-%1)까지의 길이를 설정하십시오!");
inline constexpr char kLengthRefused[] =
    Q5300_TEXT("q5300", "%1 페이지는 길이 범위 초과로, 설정이 잘못되었습니다!");
inline constexpr char kAutoLengthBlocksAutoFont[] = Q5300_TEXT(
    "q5300", "%1 페이지는 자동 길이가 설정되어 있어,자동으로 글꼴 크기를 설정할 수 없습니다! \r\n");
inline constexpr char kAutoFontOverLength[] =
    Q5300_TEXT("q5300", "%1 페이지는 길이의 범위가 초과되어, 다른 글꼴을 선택하십시오! \r\n");
inline constexpr char kFontCapped[] = Q5300_TEXT(
    "q5300", "%1 페이지의 글꼴 크기가 선택된 중간 사이즈의 범위를 초과하여, 다른 글꼴 크기를 "
    "선택하십시오!\r\n");
inline constexpr char kFontNotForTwoLines[] = Q5300_TEXT(
    "q5300", "%1 페이지의 글꼴 크기가 2줄 인쇄에 적합하지 않아, 다른 글꼴 크기를 선택하십시오\r\n");
inline constexpr char kFontOverLength[] =
    Q5300_TEXT("q5300", "%1 페이지의 길이가 범위를 초과하여, 다른 글꼴 크기를 선택하십시오 !\r\n");
inline constexpr char kDirectionOverLength[] =
    Q5300_TEXT("q5300", "%1 페이지 길이초과.\r\n 수평/수직 방향이 잘못 설정되어 있습니다,");
inline constexpr char kRepeatRange[] = Q5300_TEXT("q5300", "(1-%1) 반복!");

}  // namespace q5300
