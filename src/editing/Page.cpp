#include "editing/Page.h"

#include "compile/Metrics.h"
#include "compile/RebuildRecords.h"
#include "editing/NumberingChoice.h"
#include "editing/PageFit.h"

namespace q5300 {
namespace {

// The attributes the operator sets; the rest of a record is worked out from
// them and the text. A length or a font size the program worked out for an
// automatic one is not the operator's.
auto InputsOf(const PageRecord& r) {
  return std::make_tuple(r.isChecked, r.autoLength, r.lengthCode,
                         r.autoLength != 0 ? uint16_t{0} : r.lengthDots, r.autoFont,
                         r.autoFont != 0 ? uint8_t{0} : r.fontSize, r.halfWidth, r.frame,
                         r.direction, r.repeatCount, NumberingFieldsOf(r));
}

}  // namespace

bool SameContent(const Page& a, const Page& b) {
  return a.line1 == b.line1 && a.line2 == b.line2 && InputsOf(a.record) == InputsOf(b.record);
}

bool operator==(const Page& a, const Page& b) {
  return a.id == b.id && SameContent(a, b);
}

bool IsCompiledFor(const Page& page, const JobSettings& settings) {
  const CompiledPage* c = page.compiled.get();
  return c != nullptr && c->margin == settings.margin &&
         c->largestFont == MaxFontSize(settings.material, settings.mediaSize) &&
         c->line1 == page.line1 && c->line2 == page.line2 && c->source == page.record &&
         c->printer.pageId == page.id;
}

std::shared_ptr<const CompiledPage> CompilePage(const Page& page, const JobSettings& settings) {
  auto c = std::make_shared<CompiledPage>();
  c->line1 = page.line1;
  c->line2 = page.line2;
  c->source = page.record;
  c->margin = settings.margin;
  c->largestFont = MaxFontSize(settings.material, settings.mediaSize);

  PageRecord& printer = c->printer = page.record;
  printer.pageId = page.id;
  printer.isCurrent = 0;
  TakeText(printer, page.line1, page.line2, settings);

  // The label file's form keeps the size the printer's form was fitted to.
  PageRecord& editor = c->editor = page.record;
  editor.pageId = page.id;
  editor.isCurrent = 0;
  editor.fontSize = printer.fontSize;
  const std::size_t editorBytes =
      CompilePageText(RebuildMode::EditorMode, page.line1, page.line2, editor);
  ComputeMetrics(editor, settings.margin);

  const bool fits = FitsCharacters(page.line1, page.line2) &&
                    editorBytes <= static_cast<std::size_t>(MaxTextBytes);
  c->length = MeasureTaken(printer, fits, settings);
  c->preview = PreviewPageOf(editor);
  return c;
}

void ClearWidthsIfEmpty(Page& page) {
  if (page.HasLines()) return;
  page.record.line1Width = 0;
  page.record.line2Width = 0;
}

}  // namespace q5300
