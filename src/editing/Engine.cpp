#include "editing/Engine.h"

#include <algorithm>

#include "compile/CodePage.h"
#include "compile/Metrics.h"
#include "compile/PrintPacket.h"
#include "data/MessageText.h"
#include "data/NumberText.h"
#include "editing/CellTexts.h"
#include "editing/InputFilters.h"
#include "preview/PreviewGeometry.h"

namespace q5300 {
namespace {

// An empty text is not measured again: the widths of the text it replaced must
// not make the empty page look too long.
void ForgetWidths(PageRecord& page) {
  page.line1Width = 0;
  page.line2Width = 0;
}

}  // namespace

void Engine::TakeText(PageRecord& page, std::u16string_view line1, std::u16string_view line2) {
  CompilePageText(RebuildMode::PrinterMode, line1, line2, page);
  if (page.textLength == 0) ForgetWidths(page);
  if (page.autoLength == 0 && page.autoFont != 0) FitFontSize(page);
}

Engine::Engine(EditingOperator& op, GridActions& gridActions, TimerService& timers, Device& device,
               Clock& clock)
    : op_(op),
      gridActions_(gridActions),
      timers_(timers),
      clock_(clock),
      link_(device, clock),
      printJob_(link_, popup_, timers, op, *this) {
  popup_.SetUp();
  printJob_.SetPrinterObserver([this] {
    if (view_ != nullptr) view_->PrinterChanged(printJob_.printerNote());
  });
}

Engine::~Engine() {
  // USB work under way ends (every transfer has a time-out) before the job it
  // reports to goes.
  link_.worker().Stop();
  timers_.Stop(TimerId::Continue);
  timers_.Stop(TimerId::FinalMessage);
}

void Engine::StartUp(bool checkDevice) {
  grid_.SetHeaderCheckState(CheckColumn, CheckedBox);
  currentPageIndex_ = -1;
  currentRecord_ = nullptr;
  Add();
  MarkSaved();
  // The first page is where the job starts, not a change to take back.
  history_.Clear();
  JobChanged();
  if (checkDevice) printJob_.CheckDevice();
}

void Engine::Tell(const std::string& text) {
  op_.Tell(Message{text});
}

void Engine::Rebuild(RebuildMode mode) {
  RebuildRecords(mode, grid_, currentPageIndex_, job_.pages, job_.settings.margin);
}

void Engine::ControlsChanged() {
  if (view_ != nullptr) view_->ControlsChanged();
}

void Engine::PagesChanged() {
  if (view_ != nullptr) view_->PagesChanged();
}

void Engine::Preview() {
  gridActions_.FocusGrid();
  previewShown_ = true;
  RefreshPreview();
}

void Engine::RefreshPreview() {
  if (!previewShown_) return;
  // Markers and symbols stay characters of their own for the drawing.
  Rebuild(RebuildMode::EditorMode);
  if (const auto width = PreviewMediaWidth(job_.settings)) previewWidthMm_ = *width;
  if (view_ != nullptr)
    view_->PreviewChanged(TakePreviewSnapshot(job_.pages, job_.settings), previewWidthMm_);
}

void Engine::PrepareForPrinting() {
  gridActions_.FocusGrid();
  Rebuild(RebuildMode::PrinterMode);
}

// ---- Pages ------------------------------------------------------------------------

void Engine::SetCurrentPage(int row) {
  if (!grid_.IsValidRow(row)) {
    currentPageIndex_ = -1;
    currentRecord_ = nullptr;
    return;
  }
  currentPageIndex_ = row;
  grid_.SetCurrentRow(row);
  gridActions_.SelectRow(row, true);
  currentRecord_ = RecordAt(job_.pages.first(), row);
  for (int i = 0; i < grid_.rowCount(); ++i) {
    grid_.SetCellText(i, MarkColumn, i == row ? u"∽" : u"");
    grid_.SetCellText(i, PageColumn, NumberCellText(i + 1));
  }
}

void Engine::Add() {
  if (grid_.rowCount() >= MaxPages) {
    Tell("Get the MaxPage!");
    return;
  }
  gridActions_.FocusGrid();
  const Change change(*this);
  PageRecord* const before = currentRecord_;
  PageRecord* record = nullptr;
  int row = 0;
  if (job_.pages.empty()) {
    record = job_.pages.CreateFirstRecord(job_.defaults, job_.settings);
  } else if (currentPageIndex_ < 0 || currentRecord_ == nullptr) {
    // No current page: the new page goes to the end rather than replacing the list.
    row = job_.pages.size();
    record = job_.pages.AppendRecord(job_.defaults, job_.settings);
  } else {
    row = currentPageIndex_ + 1;
    record = job_.pages.InsertRecordAfter(currentRecord_, job_.defaults, job_.settings);
  }
  if (PrintImageSize(job_.pages.first()) >= MaxImageSize) {
    job_.pages.RemoveRecord(record);
    currentRecord_ = before;
    Tell("Has exceeded the maximum print volume!");
    return;
  }
  currentRecord_ = record;
  record->creationNo = static_cast<uint8_t>(grid_.rowCount() + 1);

  grid_.InsertRow(row);
  grid_.SetChecked(row, true);
  grid_.SetCellText(row, PageColumn, NumberCellText(row + 1));
  grid_.SetCellText(row, RepeatColumn, NumberCellText(job_.defaults.repeatCount));
  grid_.SetCellText(row, FontSizeColumn, NumberCellText(job_.defaults.fontSize));
  grid_.SetCellText(row, FrameColumn, FrameCellText(job_.defaults.frame));
  grid_.SetCellText(row, DirectionColumn, DirectionCellText(job_.defaults.direction));
  grid_.SetCellText(row, ZoomColumn, ZoomCellText(record->halfWidth));
  grid_.SetCurrentColumn(PageColumn);
  SetCurrentPage(row);
  PagesChanged();
}

void Engine::Delete() {
  gridActions_.FocusGrid();
  const Change change(*this);
  if (grid_.rowCount() == 1) {
    PageRecord* only = job_.pages.first();
    if (only != nullptr) {
      only->textLength = 0;
      only->text.fill(0);
      // No text, so no second line either: the page must not count as a two-line page.
      only->twoLines = 0;
      ForgetWidths(*only);
    }
    grid_.SetCellText(0, Line1Column, u"");
    grid_.SetCellText(0, Line2Column, u"");
    return;
  }
  if (currentPageIndex_ < 0 || currentRecord_ == nullptr) return;  // nothing is current
  const int row = currentPageIndex_;
  const int count = grid_.rowCount();
  printJob_.PageRemoved(*currentRecord_);
  currentRecord_ = job_.pages.RemoveRecord(currentRecord_);
  grid_.DeleteRow(row);
  SetCurrentPage(row == count - 1 ? row - 1 : row);
  PagesChanged();
}

// ---- Media bar ----------------------------------------------------------------------

void Engine::MaterialChosen(int index) {
  const Change change(*this);
  if (!job_.ChooseMaterial(index)) return;
  controls_.material = index;
  controls_.mediaSize = 1;
  previewWidthMm_ = PreviewWidthMm(job_.settings.material, job_.settings.mediaSize);
  if (view_ != nullptr) view_->MediaWidthChanged(previewWidthMm_);
  ControlsChanged();
}

void Engine::SizeChosen(int index) {
  const Change change(*this);
  const SizeChoice choice = job_.ChooseMediaSize(index, currentRecord_);
  controls_.mediaSize = choice.shownIndex;
  ControlsChanged();
  if (choice.refusal) op_.Tell(*choice.refusal);
}

void Engine::CuttingChosen(int index) {
  const Change change(*this);
  job_.ChooseCutting(index);
  controls_.cutting = index;
}

void Engine::MarginChosen(int index) {
  const Change change(*this);
  job_.ChooseMargin(index);
  controls_.margin = index;
}

void Engine::AlignmentChosen(int index) {
  const Change change(*this);
  job_.ChooseAlignment(index);
  controls_.alignment = index;
}

void Engine::DensityChosen(int index) {
  const Change change(*this);
  job_.ChooseDensity(index);
  controls_.density = index;
}

void Engine::CopiesChosen(int index) {
  const Change change(*this);
  job_.ChooseCopies(index);
  controls_.copies = index;
}

void Engine::RepeatModeChosen(bool continuous) {
  const Change change(*this);
  job_.ChooseRepeatMode(continuous ? Continuous : Sequential);
  controls_.continuous = continuous;
}

// ---- Grid -----------------------------------------------------------------------

void Engine::RowClicked(int row, int /*column*/) {
  if (!grid_.IsValidRow(row)) return;
  SetCurrentPage(row);
  const PageRecord& page = *currentRecord_;
  if (!job_.defaults.autoFont && page.fontSize <= 6) controls_.fontSize = page.fontSize;
  if (page.halfWidth <= 1) controls_.width = page.halfWidth;
  if (const int frame = IndexForFrame(page.frame); frame >= 0) controls_.frame = frame;
  if (const int direction = page.direction[0] - '0'; direction == 0 || direction == 1) {
    controls_.direction = direction;
  }
  ControlsChanged();
  JobChanged();
}

bool Engine::CellEditQuery(int /*row*/, int column) {
  const PageRecord* page = currentRecord_;
  if (column == Line2Column && page != nullptr && page->twoLines == 0 && page->autoFont == 0 &&
      page->fontSize > 3) {
    Tell("글꼴크기가 너무 커, 두줄인쇄에 적합하지 않습니다. 1에서 3사이의 글꼴을 선택해주세요!");
    return false;
  }
  return true;
}

bool Engine::FitsOnePage(std::u16string_view line1, std::u16string_view line2) {
  const std::size_t characters = line1.size() + (line2.empty() ? 0 : 1 + line2.size());
  // Hangul takes two bytes a syllable, and so do the symbols and markers in a
  // label file: 40 characters may still not fit into the record's 40 bytes. The
  // running number's placeholder is one control byte there.
  return characters <= static_cast<std::size_t>(MaxTextBytes) &&
         CompiledTextBytes(RebuildMode::EditorMode, line1, line2) <=
             static_cast<std::size_t>(MaxTextBytes);
}

void Engine::CellEdited(int row, int column) {
  const Change change(*this);
  // The flag belongs to this one edit, whatever becomes of it.
  const bool endedByEnter = editEndedByEnter;
  editEndedByEnter = false;
  // The edited row's own record: a click on another row may be on its way.
  PageRecord* page = job_.pages.At(row);
  if (!grid_.IsValidRow(row) || page == nullptr) return;
  const int margin = job_.settings.margin;

  if (column == RepeatColumn) {
    const long count = ReadLeadingInteger(grid_.CellText(row, RepeatColumn));
    if (count > MaxRepeat || count <= 0) {
      Tell(FillNumbers(" [1-%d] 반복, 설정이 잘못 되었습니다!", {MaxRepeat}));
      grid_.SetCellText(row, RepeatColumn, NumberCellText(page->repeatCount));
      return;
    }
    SetRepeat(*page, static_cast<uint16_t>(count));
  } else {
    const std::u16string& line1 = grid_.CellText(row, Line1Column);
    const std::u16string& line2 = grid_.CellText(row, Line2Column);
    page->twoLines = line2.empty() ? 0 : 1;
    if (!FitsOnePage(line1, line2)) {
      Tell("입력 길이 초과!");
      return;
    }
    TakeText(*page, line1, line2);
    if (IsOverLength(*page, margin)) {
      Tell("입력 길이 초과!");
      return;
    }
  }

  if (!endedByEnter) return;
  const int last = grid_.rowCount() - 1;
  if (row < last) {
    int target = row + 1;
    int targetColumn = column;
    if (column == Line2Column) {
      targetColumn = Line1Column;
      int i = row + 1;
      for (const PageRecord* r = job_.pages.At(i); r != nullptr; r = r->next, ++i) {
        if (r->autoFont == 0 && r->fontSize <= 3) {
          target = i;
          targetColumn = Line2Column;
          break;
        }
      }
    }
    SetCurrentPage(target);
    gridActions_.BeginCellEdit(target, targetColumn);
  } else if (row == last && row < MaxPages && PrintImageSize(job_.pages.first()) < MaxImageSize) {
    const int before = grid_.rowCount();
    SetCurrentPage(row);
    Add();
    if (grid_.rowCount() > before) gridActions_.BeginCellEdit(row + 1, Line1Column);
  }
}

void Engine::HeadingClicked(int column) {
  if (column != CheckColumn) return;
  const Change change(*this);
  const int state = grid_.GetHeaderCheckState(CheckColumn);
  if (state != EmptyBox && state != CheckedBox) return;
  const bool check = state == EmptyBox;
  grid_.SetHeaderCheckState(CheckColumn, check ? CheckedBox : EmptyBox);
  for (int row = 0; row < grid_.rowCount(); ++row) grid_.SetChecked(row, check);
}

}  // namespace q5300
