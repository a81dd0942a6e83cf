// The commands that move a job between the window and the disk: the toolbar's
// Open, Save and SaveU for label files, the export's dialog, and the question
// before the window closes.
#include "editing/FileCommands.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "compile/PrintPacket.h"
#include "data/AsciiText.h"
#include "editing/FileMessages.h"
#include "files/FileIo.h"
#include "files/LabelFile.h"
#include "files/QxkFile.h"
#include "files/QxuFile.h"

namespace q5300 {
namespace {

constexpr char kDiscardQuestion[] = Q5300_TEXT("q5300", "현재 항목을 삭제하시겠습니까?");
constexpr char kReplaceQuestion[] = Q5300_TEXT("q5300", "이 파일이 이미 있습니다. 바꾸시겠습니까?");
constexpr char kSaveQuestion[] =
    Q5300_TEXT("q5300", "변경된 내용이 저장되지 않았습니다. 저장하시겠습니까?");
constexpr char kNothingFits[] = Q5300_TEXT(
    "q5300", "None of the file's %1 pages fits after the %2 pages of the job (at most %3 pages "
    "and %4 bytes of print data). Nothing was opened.");
constexpr char kPartOpened[] = Q5300_TEXT(
    "q5300", "%1 of the file's %2 pages were opened; the last %3 were left out: a job holds at "
    "most %4 pages and %5 bytes of print data.");


// The largest label file: a print image's length is 16 bits wide.
constexpr std::size_t kMaxLabelFileSize = 0xFFFF;

// A page of a label file as the job keeps it: its lines decoded from the
// file's text, every attribute of its record, and its tick.
void TakeFilePage(Page& page, const PageRecord& file) {
  const GridLines lines = GridLinesOf(file);
  page.line1 = lines.line1;
  page.line2 = lines.line2;
  page.record = file;
  page.record.prev = page.record.next = nullptr;
  page.record.pageId = 0;
  page.record.isCurrent = 0;
  page.record.isChecked = 1;
  // The text is the lines': the record keeps none of its own.
  page.record.text.fill(0);
  page.record.textLength = 0;
}

}  // namespace

void FileCommands::Open() {
  // Both kinds first: the qxk file just saved shows without a change of filter.
  const auto chosen = op_.ChooseFile(OpenDialog(
      ".qxu", std::string(kLabelFilesName) +
                  "(*.qxk;*.qxu)|*.qxk;*.qxu|QXU(*.qxu)|*.qxu|QXK(*.qxk)|*.qxk|"));
  if (!chosen) return;
  OpenFile(*chosen);
}

bool FileCommands::OpenFile(const std::string& path) {
  bool discard = false;
  if (document_.pageCount() > 0) {
    discard = HoldsOnlyAnEmptyPage() || op_.AskYesNo(Message{kDiscardQuestion});
  }
  return OpenLabelFile(path, discard);
}

bool FileCommands::HoldsOnlyAnEmptyPage() const {
  return document_.pageCount() == 1 && !document_.PageAt(0)->HasLines();
}

bool FileCommands::OpenLabelFile(const std::string& path, bool discard) {
  const auto bytes = ReadWholeFile(path, kMaxLabelFileSize);
  if (!bytes) {
    op_.Tell(AboutFile(kCannotOpen, path, bytes.failure().phrase));
    return false;
  }
  return OpenLabelBytes(*bytes, KindOfPath(path), path, discard);
}

bool FileCommands::OpenLabelBytes(std::span<const uint8_t> bytes, LabelFileKind kind,
                                  const std::string& path, bool discard) {
  const bool image = kind == LabelFileKind::Qxu;
  const JobSettings& settings = document_.job().settings;
  const auto file = image ? ReadQxu(bytes, settings) : ReadQxk(bytes, settings);
  if (!file) {
    op_.Tell(AboutFile(kCannotOpen, path, file.failure().phrase));
    return false;
  }

  // The limits of a job hold for the pages kept and the file's pages together:
  // the pages of the file that fit are taken, and the operator hears of the rest.
  const int kept = discard ? 0 : document_.pageCount();
  const int fromFile = static_cast<int>(file->pages.size());
  std::vector<const PageRecord*> all;
  if (!discard) {
    for (const Page& page : document_.pages()) all.push_back(&page.printer());
  }
  for (const PageRecord& r : file->pages) all.push_back(&r);
  int taken = std::min(fromFile, MaxPages - kept);
  all.resize(static_cast<std::size_t>(kept + taken));
  while (taken > 0 && ImageSizeOf(all) >= MaxImageSize) {
    all.pop_back();
    --taken;
  }
  if (taken == 0 && fromFile > 0) {
    op_.Tell(AboutFile(kCannotOpen, path,
                       Phrase(kNothingFits, fromFile, kept, MaxPages, MaxImageSize)));
    return false;
  }

  // A job that holds nothing of the operator's yet (the empty page it starts
  // with) is not kept to come back to: the file is where the job starts.
  const bool startsHere = discard && HoldsOnlyAnEmptyPage() && !document_.canUndo();
  document_.Change([&](JobEdit& e) {
    if (discard) {
      e.ReplacesJob();
      e.DiscardPages();
      e.SetPath(path);
    } else {
      e.JoinOtherPages();
    }
    e.settings() = file->settings;
    for (const PageRecord& page : std::span(file->pages).first(static_cast<std::size_t>(taken))) {
      TakeFilePage(e.InsertPage(e.pageCount()), page);
    }
    e.SetCurrentColumn(Line1Column);
    if (e.pageCount() == 0) {
      // A print image without printable pages: the job keeps its first, empty page.
      pages_.Add();
    } else {
      e.SetCurrentPage(e.pageCount() - 1);
    }
    // Pages added to a job, or a file taken in part, are not saved anywhere yet;
    // a job replaced by the whole file is.
    if (discard && taken == fromFile) e.MarkSaved();
  });
  if (startsHere && taken == fromFile) document_.Started();
  if (taken < fromFile) {
    op_.Tell(AboutFile(kImageLimit, path,
                       Phrase(kPartOpened, taken, fromFile, fromFile - taken, MaxPages,
                              MaxImageSize)));
  }
  return true;
}

void FileCommands::Save() {
  const auto chosen = op_.ChooseFile(SaveDialog(".qxk", "QXK(*.qxk)|*.qxk|"));
  if (!chosen) return;
  const std::string path = SavePathFor(*chosen, ".qxk", ".qxk");
  if (!MayWrite(*chosen, path)) return;
  SaveLabelFile(path, LabelFileKind::Qxk);
}

void FileCommands::SaveU() {
  const auto chosen = op_.ChooseFile(SaveDialog("Vexal", "QXU(*.qxu)|*.qxu|"));
  if (!chosen) return;
  const std::string path = SavePathFor(*chosen, ".qxu", ".QXU");
  if (!MayWrite(*chosen, path)) return;
  SaveLabelFile(path, LabelFileKind::Qxu);
}

bool FileCommands::SaveLabelFile(const std::string& path, LabelFileKind kind) {
  const auto bytes = LabelFileBytes(kind);
  if (!bytes) {
    op_.Tell(AboutFile(kCannotSave, path, bytes.failure().phrase));
    return false;
  }
  const Status written = WriteFileAtomically(path, *bytes);
  if (!written) {
    op_.Tell(AboutFile(kCannotSave, path, written.failure().phrase));
    return false;
  }
  // A print image loses what the printer does not need: the job stays unsaved.
  if (kind == LabelFileKind::Qxk) {
    document_.Change([&](JobEdit& e) {
      e.MarkSaved();
      e.SetPath(path);
    });
  }
  return true;
}

Result<std::vector<uint8_t>> FileCommands::LabelFileBytes(LabelFileKind kind) const {
  const JobSettings& settings = document_.job().settings;
  if (kind == LabelFileKind::Qxk) {
    return WriteQxk(settings, document_.Compile(RebuildMode::EditorMode).records());
  }
  // The image stamps each page as it writes it.
  return WriteQxu(settings, document_.Compile(RebuildMode::PrinterMode).records());
}

bool FileCommands::MayWrite(const std::string& chosen, const std::string& path) {
  // The dialog asked about the name it was given; a lower-cased name or an added
  // extension can name another file, which is not replaced without a question.
  if (path == chosen || !PathExists(path)) return true;
  return op_.AskYesNo(Message{Phrase("%1\n%2", Phrase::Literal(path), kReplaceQuestion)});
}

// Export: the job's pages out to a CSV file that the import reads back as the
// same pages (lines and repeat counts; every other attribute is the import's).
void FileCommands::Export(CsvEncoding encoding) {
  const auto chosen =
      op_.ChooseFile(SaveDialog(".csv", std::string(kExcelFileName) + "(*.csv)|*.csv|"));
  if (!chosen) return;
  const std::string path = EndsWithNoCase(*chosen, ".csv") ? *chosen : *chosen + ".csv";
  if (!MayWrite(*chosen, path)) return;
  // The window says where the file went; the command line stays quiet.
  if (ExportCsvFile(path, encoding)) TellExported(path);
}

bool FileCommands::MayClose() {
  if (!document_.modified()) return true;
  switch (op_.AskSaveChanges(Message{kSaveQuestion})) {
    case SaveAnswer::Discard:
      return true;
    case SaveAnswer::Stay:
      return false;
    case SaveAnswer::Save:
      Save();
      // A cancelled dialog or a failed write keeps the window open with the job.
      return !document_.modified();
  }
  return false;
}

}  // namespace q5300
