#pragma once

#include <string>

namespace q5300 {

enum class ApplyScope { CurrentPage, FollowingPages };

// What the window's controls show. The commands set these without running any
// change handling; the window shows them as they are.
struct ControlsState {
  // Media bar: item indexes of the boxes.
  int material = 0;    // 1004
  int mediaSize = 1;   // 1005 (its item list follows `material`)
  int cutting = 1;     // 1016
  int margin = 0;      // 1007
  int alignment = 0;   // 1024
  int density = 7;     // 1026: the item of the start density 8 (density = item + 1)
  int copies = 0;      // 1032
  bool continuous = true;  // radio 1022 checked, else 1021

  ApplyScope scope = ApplyScope::CurrentPage;  // radios 1039 / 1040

  // Page panel.
  bool autoLength = false;        // radio 1027 checked, else 1028
  bool lengthEditEnabled = true;  // edit 1019 and button 1030
  std::u16string lengthText = u"20";  // edit 1019
  std::u16string repeatText = u"1";   // edit 1020
  int fontSize = 4;    // 1010: 0 "자동", 1..6
  int width = 0;       // 1011: "전각", "반각"
  int frame = 0;       // 1006: "없음", "사각프레임", "밑줄"
  int direction = 0;   // 1025: "수평", "수직"

  friend bool operator==(const ControlsState&, const ControlsState&) = default;
};

}  // namespace q5300
