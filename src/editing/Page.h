#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "data/JobSettings.h"
#include "data/PageRecord.h"
#include "editing/PageLength.h"
#include "preview/PreviewSnapshot.h"

namespace q5300 {

// A page's identity for the life of a job: what a print job goes on from and
// what undo brings back. Never written to a file or sent to the printer.
using PageId = uint32_t;

// What a page's lines and attributes compile to for the job's settings, kept
// with the page so that only a page that changed is compiled again.
struct CompiledPage {
  // The printer's form: what a packet and a print image carry, and what the
  // lengths are measured on.
  PageRecord printer;
  // The form a label file keeps: markers and symbols stay characters of their
  // own. The preview draws it.
  PageRecord editor;
  PageLength length;
  PreviewPage preview;

  // What it was compiled from.
  std::u16string line1;
  std::u16string line2;
  PageRecord source;
  int margin = 0;
  int largestFont = 0;
};

// One page of a job as a value: its two lines as the operator typed them and
// its record, which carries the tick (isChecked), every attribute, the repeat
// count, the numbering and the medium codes. The record's text and what is
// counted and measured from it belong to the compiled forms, never to the
// page: `compiled` holds them, kept up to date by the job document.
struct Page {
  PageId id = 0;
  std::u16string line1;
  std::u16string line2;
  PageRecord record;
  std::shared_ptr<const CompiledPage> compiled;

  bool checked() const { return record.isChecked != 0; }
  bool HasLines() const { return !line1.empty() || !line2.empty(); }
  // The compiled forms, once the document has compiled the page.
  const PageRecord& printer() const { return compiled->printer; }
  const PageLength& length() const { return compiled->length; }

  // The same page with the same content.
  friend bool operator==(const Page& a, const Page& b);
};

// What the operator has put into the two pages is the same: lines, tick and
// every attribute set from the page panel, the grid and the numbering dialog.
// Lengths, widths and sizes the program works out are left out, so that
// measuring, printing or previewing a page never counts as changing it.
bool SameContent(const Page& a, const Page& b);

// The page's lines, its attributes and the job's settings are those it was
// compiled from.
bool IsCompiledFor(const Page& page, const JobSettings& settings);

// Compiles the page in both forms and measures it; the page is left as it is.
// Two compiles of its text.
std::shared_ptr<const CompiledPage> CompilePage(const Page& page, const JobSettings& settings);

// A page whose text is gone keeps no widths of the text it had.
void ClearWidthsIfEmpty(Page& page);

}  // namespace q5300
