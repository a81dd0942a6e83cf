#include "editing/PageFit.h"

#include "compile/Metrics.h"
#include "compile/RebuildRecords.h"

namespace q5300 {

bool FitsCharacters(std::u16string_view line1, std::u16string_view line2) {
  const std::size_t characters = line1.size() + (line2.empty() ? 0 : 1 + line2.size());
  return characters <= static_cast<std::size_t>(MaxTextBytes);
}

bool FitsOnePage(std::u16string_view line1, std::u16string_view line2) {
  // Hangul takes two bytes a syllable, and so do the symbols and markers in a
  // label file: 40 characters may still not fit into the record's 40 bytes. The
  // running number's placeholder is one control byte there.
  return FitsCharacters(line1, line2) &&
         CompiledTextBytes(RebuildMode::EditorMode, line1, line2) <=
             static_cast<std::size_t>(MaxTextBytes);
}

bool FitFontSize(PageRecord& page, const JobSettings& settings) {
  const int margin = settings.margin;
  const int largest = MaxFontSize(settings.material, settings.mediaSize);
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

namespace {

// What TakeText does once the text is compiled.
void FitCompiledText(PageRecord& page, const JobSettings& settings) {
  // An empty text is not measured again: the widths of the text it replaced must
  // not make the empty page look too long.
  if (page.textLength == 0) {
    page.line1Width = 0;
    page.line2Width = 0;
  }
  if (page.autoLength == 0 && page.autoFont != 0) FitFontSize(page, settings);
}

}  // namespace

PageLength MeasureTaken(PageRecord& page, bool fits, const JobSettings& settings) {
  PageLength length;
  length.fits = fits;
  length.hasText = page.textLength != 0;
  length.autoLength = page.autoLength != 0;
  // The test measures the page first.
  const bool over = length.hasText && IsOverLength(page, settings.margin);
  length.neededDots = length.hasText ? WidestLine(page) + LengthSlack : 0;
  length.lengthDots = length.autoLength ? length.neededDots : page.lengthDots;
  length.overLength = !length.fits || over;
  length.labels = LabelCount(page);
  return length;
}

std::size_t TakeText(PageRecord& page, std::u16string_view line1, std::u16string_view line2,
                     const JobSettings& settings) {
  const std::size_t bytes = CompilePageText(RebuildMode::PrinterMode, line1, line2, page);
  FitCompiledText(page, settings);
  return bytes;
}

PageLength MeasureDraft(const PageRecord& record, std::u16string_view line1,
                        std::u16string_view line2, const JobSettings& settings) {
  PageRecord page = record;
  page.prev = page.next = nullptr;
  const std::size_t bytes = TakeText(page, line1, line2, settings);
  // A marker is one byte here and two in a label file; every other character
  // takes the same bytes in both.
  const std::size_t fileBytes = bytes + page.superCount + page.subCount;
  const bool fits = FitsCharacters(line1, line2) &&
                    bytes <= static_cast<std::size_t>(MaxTextBytes) &&
                    fileBytes <= static_cast<std::size_t>(MaxTextBytes);
  return MeasureTaken(page, fits, settings);
}

}  // namespace q5300
