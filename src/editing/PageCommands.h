#pragma once

#include <string>

#include "editing/EditingOperator.h"
#include "editing/JobDocument.h"

namespace q5300 {

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
  // Makes `row` the current page without loading it into the panel.
  void SetCurrentPage(int row);

  // ---- The grid (GridEdits.cpp) ------------------------------------------------------
  // A click on (row, column) makes the row the current page and loads it into
  // the panel.
  void RowClicked(int row, int column);
  // Whether the cell may be edited: a second line is refused at font sizes 4..6.
  bool CellEditQuery(int row, int column);
  // The grid's report of a committed edit: the text goes into the cell and the
  // page takes it; Enter goes on to the next row, or adds a page after the last.
  // One change, taken back as a whole.
  void CommitCellEdit(int row, int column, std::u16string text, bool byEnter);
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
  void InsertMarker(char16_t marker, bool superscript, const char* overLengthMessage);
  // The committed text of (row, column) goes into its page.
  void CellEdited(JobEdit& e, int row, int column, bool byEnter);
  bool MayEditLine2(const PageRecord* page);

  JobDocument& document_;
  EditingOperator& op_;
};

}  // namespace q5300
