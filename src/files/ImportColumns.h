#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "files/ImportLayout.h"
#include "files/ImportRules.h"

namespace q5300 {

// One row of an import file as a reader hands it on.
struct ImportCells {
  // The text of the columns the target asked for, in code page 949 and kept as
  // ImportField keeps it; the other cells are empty.
  std::span<const ImportField, MaxImportColumns> cells;
  // The repeat column read as C's atoi reads it; 0 (taken as 1) when it has no digits.
  long repeatCount = 0;
  // The cells up to the last one with text; 0 for a row without text.
  int width = 0;
};

// What becomes of the rows a reader gives: the pages of a layout under the
// rules of the job, or a preview of the file. Readers ask it which columns to
// keep and hand it every row.
class ImportTarget {
 public:
  // The pages of the default layout.
  ImportTarget() : ImportTarget(ImportLayout{}) {}
  // The pages of `layout`, which CheckImportLayout has let through.
  explicit ImportTarget(const ImportLayout& layout);
  // The first `rows` rows with text, and what the whole file shows of its columns.
  static ImportTarget Preview(int rows, ImportSeparator separator = ImportSeparator::Detect);

  // The columns whose text the next row needs, one bit per column.
  uint64_t textColumns() const { return textColumns_; }
  // The column the repeat count is read from, or ImportLayout::None.
  int repeatColumn() const { return repeatColumn_; }
  // The separator of a text file's fields, Detect to find it in its first lines.
  ImportSeparator separator() const { return layout_.separator; }
  // A text file's reader says which separator it reads with.
  void SeparatorUsed(ImportSeparator separator) { seen_.separator = separator; }
  // Any of the `count` columns from `first` on is wanted, as text or as the
  // repeat count. A preview wants every column, to the end of the file; a
  // layout with a header every column until the header is taken.
  bool Wants(long first, long count) const;

  // A row, `times` times in a row. False once no further row is wanted.
  bool Take(const ImportCells& row, long times = 1);
  void QuoteNotClosed(int line) { rules_.QuoteNotClosed(line); }
  void FormulaWithoutResult() { rules_.FormulaWithoutResult(); }

  const ImportedPages& result() const { return rules_.result(); }
  ImportedPages TakeResult() { return rules_.TakeResult(); }
  ImportPreview TakePreview();

 private:
  bool TakePreviewRow(const ImportCells& row, long times);
  bool TakeWireEnds(const ImportRow& first, const ImportRow& second, long times);

  ImportLayout layout_;
  ImportRules rules_;
  uint64_t textColumns_ = 0;
  int repeatColumn_ = ImportLayout::None;
  bool headerPending_ = false;  // the next row with text is the header
  // A preview: the rows with text so far and what they show.
  bool preview_ = false;
  int previewRows_ = 0;
  bool firstRowSeen_ = false;
  ImportPreview seen_;
};

}  // namespace q5300
