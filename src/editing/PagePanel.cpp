// The page panel: attributes of the current page, or of it and every page after it.
#include <string>

#include "compile/Metrics.h"
#include "data/MessageText.h"
#include "editing/CellTexts.h"
#include "editing/Engine.h"
#include "editing/InputFilters.h"

namespace q5300 {

template <typename Visit>
void Engine::WalkScope(Visit visit) {
  int row = currentPageIndex_;
  for (PageRecord* page = currentRecord_; page != nullptr; page = page->next, ++row) {
    if (!visit(*page, row)) return;
    if (controls_.scope == ApplyScope::CurrentPage) return;
  }
}

void Engine::ScopeChosen(ApplyScope scope) {
  controls_.scope = scope;
}

bool Engine::ReadPanelEdits(bool lengthButton) {
  // Each button needs only its own edit: a length left unreadable (in a field
  // that automatic length has disabled, say) must not block the repeat count.
  const auto length = ReadLengthValue(controls_.lengthText);
  const auto repeat = ReadRepeatValue(controls_.repeatText);
  if (length) lengthValue_ = *length;
  if (repeat) repeatValue_ = *repeat;
  if (lengthButton && !length) {
    Tell("Please enter a number.");
    return false;
  }
  if (!lengthButton && !repeat) {
    Tell("Please enter an integer.");
    return false;
  }
  return true;
}

void Engine::LengthTextChanged(std::u16string text) {
  // Text put back into the field is filtered again, until it stands: "1a3456" is
  // cut to five characters first and then to "1". Every pass shortens the text.
  bool cut = false;
  while (auto replacement = FilterLengthText(text)) {
    if (*replacement == text) break;
    text = std::move(*replacement);
    cut = true;
  }
  // The field is to show the text that is used, also when the cut gives back the
  // text it held before the key ("12.3" and a "4").
  const bool changed = cut || text != controls_.lengthText;
  controls_.lengthText = std::move(text);
  if (changed) ControlsChanged();
}

void Engine::RepeatTextChanged(std::u16string text) {
  controls_.repeatText = std::move(text);
}

void Engine::AutoLengthClicked() {
  const Change change(*this);
  job_.defaults.autoLength = true;
  SetField(job_.defaults.lengthCode, "Au");
  int refused = 0;
  WalkScope([&](PageRecord& page, int) {
    if (page.autoFont != 0) {
      ++refused;
      page.autoLength = 0;
    } else {
      SetField(page.lengthCode, "Au");
      page.autoLength = 1;
    }
    return true;
  });
  controls_.autoLength = true;
  controls_.lengthEditEnabled = false;
  ControlsChanged();
  if (refused > 0) {
    Tell(
        FillNumbers("%d 페이지는 자동 글꼴 크기가 설정되어, 자동 길이 설정을 할 수 없습니다. "
                    "설정이 잘못되었습니다!",
                    {refused}));
  }
}

void Engine::SetLengthModeClicked() {
  controls_.autoLength = false;
  controls_.lengthEditEnabled = true;
  ControlsChanged();
}

void Engine::SetLengthPressed() {
  if (!ReadPanelEdits(/*lengthButton=*/true)) return;
  const Change change(*this);
  const float length = lengthValue_;
  if (length < static_cast<float>(MinLengthMm) || length > static_cast<float>(MaxLengthMm)) {
    lengthValue_ = 25.0f;
    controls_.lengthText = u"25";
    ControlsChanged();
    Tell(FillNumbers("(6-%d)까지의 길이를 설정하십시오!", {MaxLengthMm}));
    return;
  }
  // The code carries whole millimetres; the dots keep the fraction.
  SetField(job_.defaults.lengthCode, std::to_string(static_cast<int>(length)));
  job_.defaults.autoLength = false;
  job_.defaults.lengthMm = length;
  const auto dots = static_cast<uint16_t>(static_cast<int>(static_cast<float>(DotsPerMm) * length));
  const int margin = job_.settings.margin;
  int refused = 0;
  WalkScope([&](PageRecord& page, int) {
    const auto oldCode = page.lengthCode;
    const uint8_t oldAuto = page.autoLength;
    const uint16_t oldDots = page.lengthDots;
    page.lengthCode = job_.defaults.lengthCode;
    page.autoLength = 0;
    page.lengthDots = dots;
    if (IsOverLength(page, margin)) {
      ++refused;
      // A refused page keeps its length to the dot: its code may hold a fraction
      // less, or "Au" on a page that was never given a length of its own.
      page.lengthCode = oldCode;
      page.autoLength = oldAuto;
      page.lengthDots = oldDots;
    }
    page.limitDots = page.lengthDots;
    return true;
  });
  if (refused > 0) {
    Tell(FillNumbers("%d 페이지는 길이 범위 초과로, 설정이 잘못되었습니다!", {refused}));
  }
}

bool Engine::FitFontSize(PageRecord& page) {
  const int margin = job_.settings.margin;
  const int largest = MaxFontSize(job_.settings.material, job_.settings.mediaSize);
  const uint8_t start = page.fontSize;
  if (IsOverLength(page, margin)) {
    for (;;) {
      if (page.fontSize > 1) {
        --page.fontSize;
        if (!IsOverLength(page, margin)) return true;
      } else {
        page.fontSize = start;
        IsOverLength(page, margin);  // metrics of the size it keeps
        return false;
      }
    }
  }
  while (page.fontSize < largest) {
    ++page.fontSize;
    if (IsOverLength(page, margin)) {
      --page.fontSize;
      IsOverLength(page, margin);
      return true;
    }
  }
  return true;
}

void Engine::FontSizeChosen(int index) {
  if (index < 0 || index > 6) return;
  const Change change(*this);
  controls_.fontSize = index;
  job_.defaults.autoFont = index == 0;
  job_.defaults.fontSize = static_cast<uint8_t>(index);
  const int margin = job_.settings.margin;
  const int largest = MaxFontSize(job_.settings.material, job_.settings.mediaSize);
  int autoLengthPages = 0, overLength = 0, capped = 0, twoLinePages = 0;
  WalkScope([&](PageRecord& page, int row) {
    const uint8_t oldAuto = page.autoFont;
    const uint8_t oldSize = page.fontSize;
    if (index == 0) {
      if (page.autoLength == 1) {
        ++autoLengthPages;
        return true;
      }
      page.autoFont = 1;
      page.fontSize = 0;
      FitFontSize(page);
      if (IsOverLength(page, margin)) {
        page.autoFont = oldAuto;
        page.fontSize = oldSize;
        ++overLength;
      } else {
        grid_.SetCellText(row, FontSizeColumn, u"0");
      }
      return true;
    }
    if (index > largest) {
      controls_.fontSize = largest;
      ++capped;
    } else if (page.twoLines == 1 && index >= 4) {
      ++twoLinePages;
    } else {
      page.autoFont = 0;
      page.fontSize = static_cast<uint8_t>(index);
      if (IsOverLength(page, margin)) {
        page.autoFont = oldAuto;
        page.fontSize = oldSize;
        ++overLength;
      } else {
        grid_.SetCellText(row, FontSizeColumn, NumberCellText(index));
      }
    }
    return true;
  });
  ControlsChanged();

  std::string message;
  if (index == 0) {
    if (autoLengthPages > 0) {
      message += FillNumbers(
          "%d 페이지는 자동 길이가 설정되어 있어,자동으로 글꼴 크기를 설정할 수 없습니다! \r\n",
          {autoLengthPages});
    }
    if (overLength > 0) {
      message += FillNumbers("%d 페이지는 길이의 범위가 초과되어, 다른 글꼴을 선택하십시오! \r\n",
                             {overLength});
    }
  } else {
    if (capped > 0) {
      message += FillNumbers(
          "%d 페이지의 글꼴 크기가 선택된 중간 사이즈의 범위를 초과하여, 다른 글꼴 크기를 "
          "선택하십시오!\r\n",
          {capped});
    }
    if (twoLinePages > 0) {
      message += FillNumbers(
          "%d 페이지의 글꼴 크기가 2줄 인쇄에 적합하지 않아, 다른 글꼴 크기를 선택하십시오\r\n",
          {twoLinePages});
    }
    if (overLength > 0) {
      message += FillNumbers(
          "%d 페이지의 길이가 범위를 초과하여, 다른 글꼴 크기를 선택하십시오 !\r\n", {overLength});
    }
  }
  if (!message.empty()) Tell(message);
}

void Engine::DirectionChosen(int index) {
  if (index < 0) return;
  const Change change(*this);
  const bool vertical = index != 0;
  const std::array<char, 2> code =
      vertical ? std::array<char, 2>{'1', '3'} : std::array<char, 2>{'0', '4'};
  controls_.direction = vertical ? 1 : 0;
  job_.defaults.direction = code;
  Rebuild(RebuildMode::EditorMode);
  const int margin = job_.settings.margin;
  int overLength = 0;
  bool refused = false;
  WalkScope([&](PageRecord& page, int row) {
    page.hasNumbering = (page.numNumber | page.numFixed | page.numHex2 | page.numHex1 |
                         page.numUpper | page.numLower) != 0
                            ? 1
                            : 0;
    if (vertical && (page.hasNumbering != 0 || page.scriptCount != 0 ||
                     (page.halfWidth == 1 && page.twoLines == 1))) {
      refused = true;
      return false;
    }
    const auto oldDirection = page.direction;
    page.direction = code;
    if (page.autoLength == 0 && page.autoFont != 0) FitFontSize(page);
    if (IsOverLength(page, margin)) {
      ++overLength;
      page.direction = oldDirection;
      IsOverLength(page, margin);
    } else {
      grid_.SetCellText(row, DirectionColumn, DirectionCellText(code));
    }
    return true;
  });
  if (refused) {
    controls_.direction = 0;
    job_.defaults.direction = {'0', '4'};
    ControlsChanged();
    Tell("세로쓰기불가!");
    return;
  }
  ControlsChanged();
  if (overLength > 0) {
    Tell(FillNumbers("%d 페이지 길이초과.\r\n 수평/수직 방향이 잘못 설정되어 있습니다,",
                     {overLength}));
  }
}

void Engine::FrameChosen(int index) {
  const Change change(*this);
  const char frame = FrameForIndex(index);
  controls_.frame = IndexForFrame(frame);
  job_.defaults.frame = frame;
  WalkScope([&](PageRecord& page, int row) {
    page.frame = frame;
    grid_.SetCellText(row, FrameColumn, FrameCellText(frame));
    return true;
  });
}

void Engine::WidthChosen(int index) {
  const Change change(*this);
  const uint8_t half = index == 0 ? 0 : 1;
  controls_.width = half;
  WalkScope([&](PageRecord& page, int row) {
    page.halfWidth = half;
    grid_.SetCellText(row, ZoomColumn, ZoomCellText(half));
    return true;
  });
}

void Engine::SetRepeatPressed() {
  if (!ReadPanelEdits(/*lengthButton=*/false)) return;
  const Change change(*this);
  const int32_t count = repeatValue_;
  if (count < MinRepeat || count > MaxRepeat) {
    repeatValue_ = 1;
    controls_.repeatText = u"1";
    ControlsChanged();
    Tell(FillNumbers("(1-%d) 반복!", {MaxRepeat}));
    return;
  }
  WalkScope([&](PageRecord& page, int row) {
    SetRepeat(page, static_cast<uint16_t>(count));
    grid_.SetCellText(row, RepeatColumn, NumberCellText(count));
    return true;
  });
  job_.defaults.repeatCount = static_cast<int16_t>(count);
}

}  // namespace q5300
