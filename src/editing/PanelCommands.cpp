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

namespace {

// The page takes `change` when it keeps to its set length afterwards, as it
// prints (an automatic font size fitted to the length); false, the page left
// as it was, when it would not.
template <typename Change>
bool TryChange(JobEdit& e, Page& page, Change change) {
  PageRecord trial = e.Compiled(page).printer;
  change(trial);
  if (trial.autoLength == 0 && trial.autoFont != 0) FitFontSize(trial, e.settings());
  if (IsOverLength(trial, e.settings().margin)) return false;
  change(page.record);
  return true;
}

}  // namespace

template <typename Visit>
void PanelCommands::WalkScope(JobEdit& e, Visit visit) {
  const int count = e.pageCount();
  for (int row = std::max(e.currentRow(), 0); e.currentRow() >= 0 && row < count; ++row) {
    if (!visit(*e.PageAt(row), row)) return;
    if (e.drafts().scope == ApplyScope::CurrentPage) return;
  }
}

void PanelCommands::ScopeChosen(ApplyScope scope) {
  document_.ChangeDrafts([&](PanelDrafts& drafts) {
    drafts.scope = scope;
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
  const std::u16string shown = document_.controls().lengthText;
  document_.ChangeDrafts([&](PanelDrafts& drafts) {
    // The field is to show the text that is used, also when the cut gives back
    // the text it held before the key ("12.3" and a "4").
    const bool changed = cut || text != shown;
    drafts.lengthText = std::move(text);
    return changed;
  });
}

void PanelCommands::RepeatTextChanged(std::u16string text) {
  document_.ChangeDrafts([&](PanelDrafts& drafts) {
    drafts.repeatText = std::move(text);
    return false;
  });
}

void PanelCommands::AutoLengthClicked() {
  int refused = 0;
  document_.Change([&](JobEdit& e) {
    e.defaults().autoLength = true;
    SetField(e.defaults().lengthCode, "Au");
    WalkScope(e, [&](Page& page, int) {
      PageRecord& r = page.record;
      if (r.autoFont != 0) {
        ++refused;
        r.autoLength = 0;
      } else {
        SetField(r.lengthCode, "Au");
        r.autoLength = 1;
      }
      return true;
    });
    e.drafts().setLengthChosen = false;
  });
  if (refused > 0) {
    Tell(Phrase(kAutoFontBlocksAutoLength, refused));
  }
}

void PanelCommands::SetLengthModeClicked() {
  document_.ChangeDrafts([](PanelDrafts& drafts) {
    drafts.setLengthChosen = true;
    return true;
  });
}

void PanelCommands::SetLengthPressed() {
  if (!ReadPanelEdits(/*lengthButton=*/true)) return;
  const float length = lengthValue_;
  if (length < static_cast<float>(MinLengthMm) || length > static_cast<float>(MaxLengthMm)) {
    // The box shows the page's length again.
    document_.ChangeDrafts([](PanelDrafts& drafts) {
      drafts.lengthText.reset();
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
    WalkScope(e, [&](Page& page, int) {
      // A refused page keeps its length to the dot: its code may hold a fraction
      // less, or "Au" on a page that was never given a length of its own.
      const bool taken = TryChange(e, page, [&](PageRecord& r) {
        r.lengthCode = defaults.lengthCode;
        r.autoLength = 0;
        r.lengthDots = dots;
        r.limitDots = dots;
      });
      if (!taken) ++refused;
      return true;
    });
    e.drafts().setLengthChosen = false;
    e.drafts().lengthText.reset();
  });
  if (refused > 0) {
    Tell(Phrase(kLengthRefused, refused));
  }
}

void PanelCommands::FontSizeChosen(int index) {
  if (index < 0 || index > 6) return;
  int autoLengthPages = 0, overLength = 0, capped = 0, twoLinePages = 0;
  document_.Change([&](JobEdit& e) {
    e.defaults().autoFont = index == 0;
    e.defaults().fontSize = static_cast<uint8_t>(index);
    const JobSettings& settings = e.settings();
    const int largest = MaxFontSize(settings.material, settings.mediaSize);
    WalkScope(e, [&](Page& page, int) {
      if (index == 0) {
        if (page.record.autoLength == 1) {
          ++autoLengthPages;
          return true;
        }
        const bool taken = TryChange(e, page, [](PageRecord& r) {
          r.autoFont = 1;
          r.fontSize = 0;
        });
        if (!taken) ++overLength;
        return true;
      }
      if (index > largest) {
        ++capped;
      } else if (e.Compiled(page).printer.twoLines == 1 && index >= 4) {
        ++twoLinePages;
      } else {
        const bool taken = TryChange(e, page, [&](PageRecord& r) {
          r.autoFont = 0;
          r.fontSize = static_cast<uint8_t>(index);
        });
        if (!taken) ++overLength;
      }
      return true;
    });
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
    e.defaults().direction = code;
    const JobSettings& settings = e.settings();
    WalkScope(e, [&](Page& page, int) {
      // The page is judged on its text as the label file keeps it.
      PageRecord c = e.Compiled(page).editor;
      if (vertical && (c.hasNumbering != 0 || c.scriptCount != 0 ||
                       (c.halfWidth == 1 && c.twoLines == 1))) {
        refused = true;
        return false;
      }
      c.direction = code;
      if (c.autoLength == 0 && c.autoFont != 0) FitFontSize(c, settings);
      if (IsOverLength(c, settings.margin)) {
        ++overLength;
        return true;
      }
      page.record.direction = code;
      return true;
    });
    if (refused) e.defaults().direction = {'0', '4'};
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
    e.defaults().frame = frame;
    WalkScope(e, [&](Page& page, int) {
      page.record.frame = frame;
      return true;
    });
  });
}

void PanelCommands::WidthChosen(int index) {
  document_.Change([&](JobEdit& e) {
    const uint8_t half = index == 0 ? 0 : 1;
    WalkScope(e, [&](Page& page, int) {
      page.record.halfWidth = half;
      return true;
    });
  });
}

void PanelCommands::SetRepeatPressed() {
  if (!ReadPanelEdits(/*lengthButton=*/false)) return;
  const int32_t count = repeatValue_;
  if (count < MinRepeat || count > MaxRepeat) {
    // The box shows the page's count again.
    document_.ChangeDrafts([](PanelDrafts& drafts) {
      drafts.repeatText.reset();
      return true;
    });
    Tell(Phrase(kRepeatRange, MaxRepeat));
    return;
  }
  document_.Change([&](JobEdit& e) {
    WalkScope(e, [&](Page& page, int) {
      SetRepeat(page.record, static_cast<uint16_t>(count));
      return true;
    });
    e.defaults().repeatCount = static_cast<int16_t>(count);
    e.drafts().repeatText.reset();
  });
}

}  // namespace q5300
