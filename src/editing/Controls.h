#pragma once

#include <optional>
#include <string>

namespace q5300 {

enum class ApplyScope { CurrentPage, FollowingPages };

// What the operator has put into the page panel and not yet applied: the scope
// of panel changes, and texts typed into the length and repeat boxes or the
// "사용자설정" radio clicked on a page of automatic length before "설정" is
// pressed. A draft ends when the current page changes or the job changes.
struct PanelDrafts {
  ApplyScope scope = ApplyScope::CurrentPage;  // radios 1039 / 1040
  std::optional<std::u16string> lengthText;
  std::optional<std::u16string> repeatText;
  bool setLengthChosen = false;

  // The texts and the radio go; the scope is how the operator works and stays.
  void End() {
    lengthText.reset();
    repeatText.reset();
    setLengthChosen = false;
  }
  friend bool operator==(const PanelDrafts&, const PanelDrafts&) = default;
};

// What the window's controls show, worked out by the job document from the
// job's settings, the current page and the drafts; the window shows them as
// they are, without running any change handling.
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

  // Page panel: the current page.
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

// The length box's text for a length in printer dots: whole millimetres, or
// one decimal where a set length has one ("20", "20.5"), the text that sets
// the same dots again.
std::u16string LengthBoxText(int dots);

}  // namespace q5300
