// The page panel: attributes of the current page, or of it and every page after
// it, and of the pages added from now on.
#include "editing/PanelCommands.h"

#include <array>
#include <string>

#include "compile/Metrics.h"
#include "compile/RebuildRecords.h"
#include "editing/CellTexts.h"
#include "editing/InputFilters.h"
#include "editing/PageFit.h"
#include "editing/PageMessages.h"

namespace q5300 {

template <typename Visit>
void PanelCommands::WalkScope(JobEdit& e, Visit visit) {
  int row = e.currentRow();
  for (PageRecord* page = e.Current(); page != nullptr; page = page->next, ++row) {
    if (!visit(*page, row)) return;
    if (e.controls().scope == ApplyScope::CurrentPage) return;
  }
}

void PanelCommands::ScopeChosen(ApplyScope scope) {
  document_.ChangeControls([&](ControlsState& controls) {
    controls.scope = scope;
    return false;
  });
}

bool PanelCommands::ReadPanelEdits(bool lengthButton) {
  // Each button needs only its own edit: a length left unreadable (in a field
  // that automatic length has disabled, say) must not block the repeat count.
  const auto length = ReadLengthValue(document_.controls().lengthText);
  const auto repeat = ReadRepeatValue(document_.controls().repeatText);
  if (length) lengthValue_ = *length;
  if (repeat) repeatValue_ = *repeat;
  if (lengthButton && !length) {
    Tell(kEnterNumber);
    return false;
  }
  if (!lengthButton && !repeat) {
    Tell(kEnterInteger);
    return false;
  }
  return true;
}

bool PanelCommands::ExitPressed() {
  const auto length = ReadLengthValue(document_.controls().lengthText);
  const auto repeat = ReadRepeatValue(document_.controls().repeatText);
  if (length) lengthValue_ = *length;
  if (repeat) repeatValue_ = *repeat;
  if (!length) {
    Tell(kEnterNumber);
    return false;
  }
  if (!repeat) {
    Tell(kEnterInteger);
    return false;
  }
  return true;
}

void PanelCommands::LengthTextChanged(std::u16string text) {
  // Text put back into the field is filtered again, until it stands: "1a3456" is
  // cut to five characters first and then to "1". Every pass shortens the text.
  bool cut = false;
  while (auto replacement = FilterLengthText(text)) {
    if (*replacement == text) break;
    text = std::move(*replacement);
    cut = true;
  }
  document_.ChangeControls([&](ControlsState& controls) {
    // The field is to show the text that is used, also when the cut gives back
    // the text it held before the key ("12.3" and a "4").
    const bool changed = cut || text != controls.lengthText;
    controls.lengthText = std::move(text);
    return changed;
  });
}

void PanelCommands::RepeatTextChanged(std::u16string text) {
  document_.ChangeControls([&](ControlsState& controls) {
    controls.repeatText = std::move(text);
    return false;
  });
}

void PanelCommands::AutoLengthClicked() {
  int refused = 0;
  document_.Change([&](JobEdit& e) {
    e.defaults().autoLength = true;
    SetField(e.defaults().lengthCode, "Au");
    WalkScope(e, [&](PageRecord& page, int) {
      if (page.autoFont != 0) {
        ++refused;
        page.autoLength = 0;
      } else {
        SetField(page.lengthCode, "Au");
        page.autoLength = 1;
      }
      return true;
    });
    e.controls().autoLength = true;
    e.controls().lengthEditEnabled = false;
    e.ControlsChanged();
  });
  if (refused > 0) {
    Tell(Phrase(kAutoFontBlocksAutoLength, refused));
  }
}

void PanelCommands::SetLengthModeClicked() {
  document_.ChangeControls([](ControlsState& controls) {
    controls.autoLength = false;
    controls.lengthEditEnabled = true;
    return true;
  });
}

void PanelCommands::SetLengthPressed() {
  if (!ReadPanelEdits(/*lengthButton=*/true)) return;
  const float length = lengthValue_;
  if (length < static_cast<float>(MinLengthMm) || length > static_cast<float>(MaxLengthMm)) {
    lengthValue_ = 25.0f;
    document_.ChangeControls([](ControlsState& controls) {
      controls.lengthText = u"25";
      return true;
    });
    Tell(Phrase(kLengthRange, MaxLengthMm));
    return;
  }
  int refused = 0;
  document_.Change([&](JobEdit& e) {
    PageDefaults& defaults = e.defaults();
    // The code carries whole millimetres; the dots keep the fraction.
    SetField(defaults.lengthCode, std::to_string(static_cast<int>(length)));
    defaults.autoLength = false;
    defaults.lengthMm = length;
    const auto dots =
        static_cast<uint16_t>(static_cast<int>(static_cast<float>(DotsPerMm) * length));
    const int margin = e.settings().margin;
    WalkScope(e, [&](PageRecord& page, int) {
      const auto oldCode = page.lengthCode;
      const uint8_t oldAuto = page.autoLength;
      const uint16_t oldDots = page.lengthDots;
      page.lengthCode = defaults.lengthCode;
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
  });
  if (refused > 0) {
    Tell(Phrase(kLengthRefused, refused));
  }
}

void PanelCommands::FontSizeChosen(int index) {
  if (index < 0 || index > 6) return;
  int autoLengthPages = 0, overLength = 0, capped = 0, twoLinePages = 0;
  document_.Change([&](JobEdit& e) {
    ControlsState& controls = e.controls();
    controls.fontSize = index;
    e.defaults().autoFont = index == 0;
    e.defaults().fontSize = static_cast<uint8_t>(index);
    const JobSettings& settings = e.settings();
    const int margin = settings.margin;
    const int largest = MaxFontSize(settings.material, settings.mediaSize);
    GridModel& grid = e.grid();
    WalkScope(e, [&](PageRecord& page, int row) {
      const uint8_t oldAuto = page.autoFont;
      const uint8_t oldSize = page.fontSize;
      if (index == 0) {
        if (page.autoLength == 1) {
          ++autoLengthPages;
          return true;
        }
        page.autoFont = 1;
        page.fontSize = 0;
        FitFontSize(page, settings);
        if (IsOverLength(page, margin)) {
          page.autoFont = oldAuto;
          page.fontSize = oldSize;
          ++overLength;
        } else {
          grid.SetCellText(row, FontSizeColumn, u"0");
        }
        return true;
      }
      if (index > largest) {
        controls.fontSize = largest;
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
          grid.SetCellText(row, FontSizeColumn, NumberCellText(index));
        }
      }
      return true;
    });
    e.ControlsChanged();
  });

  std::vector<Phrase> message;
  if (index == 0) {
    if (autoLengthPages > 0) message.emplace_back(kAutoLengthBlocksAutoFont, autoLengthPages);
    if (overLength > 0) message.emplace_back(kAutoFontOverLength, overLength);
  } else {
    if (capped > 0) message.emplace_back(kFontCapped, capped);
    if (twoLinePages > 0) message.emplace_back(kFontNotForTwoLines, twoLinePages);
    if (overLength > 0) message.emplace_back(kFontOverLength, overLength);
  }
  if (!message.empty()) Tell(Phrase::Join(message));
}

void PanelCommands::DirectionChosen(int index) {
  if (index < 0) return;
  int overLength = 0;
  bool refused = false;
  document_.Change([&](JobEdit& e) {
    const bool vertical = index != 0;
    const std::array<char, 2> code =
        vertical ? std::array<char, 2>{'1', '3'} : std::array<char, 2>{'0', '4'};
    e.controls().direction = vertical ? 1 : 0;
    e.defaults().direction = code;
    const JobSettings& settings = e.settings();
    const int margin = settings.margin;
    GridModel& grid = e.grid();
    WalkScope(e, [&](PageRecord& page, int row) {
      // The page is judged on its text compiled as the label file keeps it, on
      // a copy: the stored record keeps the printer's form.
      PageRecord c = page;
      CompilePageText(RebuildMode::EditorMode, grid.CellText(row, Line1Column),
                      grid.CellText(row, Line2Column), c);
      ComputeMetrics(c, margin);
      c.hasNumbering =
          (c.numNumber | c.numFixed | c.numHex2 | c.numHex1 | c.numUpper | c.numLower) != 0 ? 1
                                                                                             : 0;
      if (vertical && (c.hasNumbering != 0 || c.scriptCount != 0 ||
                       (c.halfWidth == 1 && c.twoLines == 1))) {
        refused = true;
        return false;
      }
      c.direction = code;
      if (c.autoLength == 0 && c.autoFont != 0) FitFontSize(c, settings);
      if (IsOverLength(c, margin)) {
        ++overLength;
        return true;
      }
      page.direction = c.direction;
      page.fontSize = c.fontSize;
      grid.SetCellText(row, DirectionColumn, DirectionCellText(code));
      return true;
    });
    if (refused) {
      e.controls().direction = 0;
      e.defaults().direction = {'0', '4'};
    }
    e.ControlsChanged();
  });
  if (refused) {
    Tell(kNoVerticalWriting);
    return;
  }
  if (overLength > 0) {
    Tell(Phrase(kDirectionOverLength, overLength));
  }
}

void PanelCommands::FrameChosen(int index) {
  document_.Change([&](JobEdit& e) {
    const char frame = FrameForIndex(index);
    e.controls().frame = IndexForFrame(frame);
    e.defaults().frame = frame;
    WalkScope(e, [&](PageRecord& page, int row) {
      page.frame = frame;
      e.grid().SetCellText(row, FrameColumn, FrameCellText(frame));
      return true;
    });
  });
}

void PanelCommands::WidthChosen(int index) {
  document_.Change([&](JobEdit& e) {
    const uint8_t half = index == 0 ? 0 : 1;
    e.controls().width = half;
    WalkScope(e, [&](PageRecord& page, int row) {
      page.halfWidth = half;
      e.grid().SetCellText(row, ZoomColumn, ZoomCellText(half));
      return true;
    });
  });
}

void PanelCommands::SetRepeatPressed() {
  if (!ReadPanelEdits(/*lengthButton=*/false)) return;
  const int32_t count = repeatValue_;
  if (count < MinRepeat || count > MaxRepeat) {
    repeatValue_ = 1;
    document_.ChangeControls([](ControlsState& controls) {
      controls.repeatText = u"1";
      return true;
    });
    Tell(Phrase(kRepeatRange, MaxRepeat));
    return;
  }
  document_.Change([&](JobEdit& e) {
    WalkScope(e, [&](PageRecord& page, int row) {
      SetRepeat(page, static_cast<uint16_t>(count));
      e.grid().SetCellText(row, RepeatColumn, NumberCellText(count));
      return true;
    });
    e.defaults().repeatCount = static_cast<int16_t>(count);
  });
}

}  // namespace q5300
