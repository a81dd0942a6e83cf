#pragma once

// What every reader of import files owes the job: pages a job can hold, which a
// workbench takes in and saves, and which read the same once opened again and save
// to the same bytes.
#include <cstddef>
#include <string>
#include <vector>

#include "compile/CodePage.h"
#include "compile/RebuildRecords.h"
#include "data/JobSettings.h"
#include "files/ImportRules.h"
#include "support/WorkbenchRig.h"

namespace q5300::fuzz {

inline std::vector<std::u16string> ShownLines(const JobDocument& document) {
  std::vector<std::u16string> lines;
  for (int row = 0; row < document.grid().rowCount(); ++row) {
    lines.push_back(document.grid().CellText(row, Line1Column));
    lines.push_back(document.grid().CellText(row, Line2Column));
  }
  return lines;
}

inline void CheckImport(const ImportedPages& import) {
  if (import.pages.size() > static_cast<std::size_t>(MaxPages)) __builtin_trap();
  if (import.pageLimitReached != (import.pages.size() == static_cast<std::size_t>(MaxPages))) {
    __builtin_trap();
  }
  if (import.overLongLines < 0 || import.unclosedQuoteLine < 0) __builtin_trap();
  for (const ImportedPage& page : import.pages) {
    if (page.repeatCount < MinRepeat || page.repeatCount > MaxRepeat) __builtin_trap();
    if (page.line1.empty() && page.line2.empty()) __builtin_trap();
    for (const std::u16string* line : {&page.line1, &page.line2}) {
      for (const char16_t c : *line) {
        if (c < 0x20) __builtin_trap();
      }
    }
    const std::string text = ToPrinterCodePage(JoinLines(page.line1, page.line2));
    if (text.size() > static_cast<std::size_t>(MaxTextBytes)) __builtin_trap();
  }

  testing::QuietWorkbench imported;
  if (!imported.bench.files.ImportPages(import, "fuzz")) return;
  const std::vector<std::u16string> lines = ShownLines(imported.bench.document);
  const auto saved = imported.bench.files.LabelFileBytes(LabelFileKind::Qxk);
  if (!saved) __builtin_trap();
  testing::QuietWorkbench reopened;
  if (!reopened.bench.files.OpenLabelBytes(*saved, LabelFileKind::Qxk, "fuzz.qxk", true)) {
    __builtin_trap();
  }
  if (ShownLines(reopened.bench.document) != lines) __builtin_trap();
  // Saved once more, the reopened job gives the same bytes.
  const auto again = reopened.bench.files.LabelFileBytes(LabelFileKind::Qxk);
  if (!again || *again != *saved) __builtin_trap();
}

}  // namespace q5300::fuzz
