#pragma once

#include <string>

#include "editing/EditingOperator.h"
#include "editing/JobDocument.h"

namespace q5300 {

// The size of the job's print image, as the job limit measures it: the pages
// that changed are compiled first.
int JobImageSize(JobEdit& e);

// The commands on pages and their texts: adding and deleting pages, the grid's
// clicks and committed edits, the row boxes, the markers, the electrical
// symbols and the numbering. Each is one change of the document.
class PageCommands {
 public:
  PageCommands(JobDocument& document, EditingOperator& op) : document_(document), op_(op) {}

  // ---- Pages (Pages.cpp) -----------------------------------------------------------
  // A new page of the page panel's attributes after the current one.
  void Add();
  // The current page goes; the only page keeps its row and loses its text.
  void Delete();
  // Makes `row` the current page.
  void SetCurrentPage(int row);

  // ---- The grid (GridEdits.cpp) ------------------------------------------------------
  // The grid's selection moved to (row, column), by a click or a key: the row's
  // page is the current page, and the panel shows it.
  void RowClicked(int row, int column);
  // Whether the cell may be edited: a second line is refused at font sizes 4..6.
  bool CellEditQuery(int row, int column);
  // The grid's report of a committed edit: the page of `row` takes the text;
  // Enter goes on to the next row, or adds a page after the last. One change,
  // taken back as a whole. False, after the operator was told why, when the
  // page cannot take the text (too long for a page, a second line at a large
  // font size): nothing changed, and the text is the operator's to mend.
  bool CommitCellEdit(int row, int column, std::u16string text, bool byEnter);
  // The operator ticked or cleared the box of a row.
  void RowChecked(int row, bool checked);
  // The first heading ticks or clears every row.
  void HeadingClicked(int column);

  // ---- Texts (TextCommands.cpp) --------------------------------------------------------
  void Superscript();
  void Subscript();
  void ElectricalSymbols();
  void NumberingPressed();

  // The preview command: from now on the strip shows the job.
  void Preview() { document_.ShowPreview(); }

 private:
  void Tell(Phrase text);
  void TellOverLength();
  void InsertMarker(char16_t marker, const char* overLengthMessage);
  // The page of `row` takes `text` into `column`; false when it is refused.
  bool CellEdited(JobEdit& e, int row, int column, std::u16string text, bool byEnter);
  bool MayEditLine2(const Page* page, bool tell = true);

  JobDocument& document_;
  EditingOperator& op_;
};

}  // namespace q5300
