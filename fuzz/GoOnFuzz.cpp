// Any bytes as a file the operator opens or imports, followed into what the
// operator does next. The first byte picks the kind (qxk, qxu, CSV), the rest is
// the file. A file taken in is compiled for the printer and built into packets
// that the printer's decoder reads back whole, its preview is laid out, and it
// is saved both ways: each saved file opens again and saves to the same bytes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "FuzzEngine.h"
#include "compile/PrintPacket.h"
#include "compile/RebuildRecords.h"
#include "files/CsvImport.h"
#include "files/QxkFile.h"
#include "files/QxuFile.h"
#include "preview/PreviewLayout.h"
#include "preview/TextMeasure.h"
#include "printer/PacketDecoder.h"

namespace {

using namespace q5300;

// The file saved as `kind` opens in a new window and saves to the same bytes.
void SavedFileReadsBack(Engine& engine, LabelFileKind kind) {
  const auto saved = engine.LabelFileBytes(kind);
  if (!saved) {
    // Only a print image can be refused: the job's image would pass the limit.
    if (kind != LabelFileKind::Qxu || PrintImageSize(engine.job().pages.first()) < MaxImageSize) {
      __builtin_trap();
    }
    return;
  }
  fuzz::FuzzEngine reopened;
  if (!reopened.engine.OpenLabelBytes(*saved, kind, "again", true)) __builtin_trap();
  const auto again = reopened.engine.LabelFileBytes(kind);
  if (!again || *again != *saved) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const uint8_t> file(data + 1, size - 1);
  fuzz::FuzzEngine window;
  Engine& engine = window.engine;
  bool taken = false;
  switch (data[0] % 3) {
    case 0:
      taken = engine.OpenLabelBytes(file, LabelFileKind::Qxk, "fuzz.qxk", true);
      break;
    case 1:
      taken = engine.OpenLabelBytes(file, LabelFileKind::Qxu, "fuzz.qxu", true);
      break;
    default:
      taken = engine.ImportPages(
          ParseCsv(std::string_view(reinterpret_cast<const char*>(file.data()), file.size())),
          "fuzz.csv");
      break;
  }
  if (!taken) return 0;
  if (engine.grid().rowCount() != engine.job().pages.size() || engine.grid().rowCount() < 1 ||
      engine.grid().rowCount() > MaxPages) {
    __builtin_trap();
  }

  // The preview, laid out with a fixed advance in place of the window's fonts.
  engine.Preview();
  const auto& snapshot = window.view.snapshot();
  if (!snapshot) __builtin_trap();
  FixedAdvanceMeasure measure(9);
  const PreviewLayout layout(*snapshot, 96, measure);
  if (layout.contentWidth() < 0) __builtin_trap();
  layout.VisibleLabels(0, 4000, 20);

  // Compiled for the printer and built into packets, as a print job sends them.
  Job& job = engine.job();
  RebuildRecords(RebuildMode::PrinterMode, engine.grid(), engine.currentPageIndex(), job.pages,
                 job.settings.margin);
  int printable = 0;
  for (const PageRecord& r : job.pages) printable += r.IsPrintable() ? 1 : 0;
  int sent = 0;
  for (int start = 0;;) {
    const Packet packet = BuildPacket(job.settings, job.pages.first(), start);
    if (packet.kind == Packet::NothingToPrint) break;
    if (packet.kind == Packet::TooLong) {
      if (PrintImageSize(job.pages.first()) < MaxImageSize) __builtin_trap();
      sent = printable;
      break;
    }
    const DecodedMessage message = DecodeMessage(packet.bytes);
    if (message.kind != MessageKind::PrintPacket || message.fault != PacketFault::None) {
      __builtin_trap();
    }
    sent += static_cast<int>(message.packet.records.size());
    if (packet.next <= start) __builtin_trap();
    start = packet.next;
  }
  if (sent != printable) __builtin_trap();

  SavedFileReadsBack(engine, LabelFileKind::Qxk);
  SavedFileReadsBack(engine, LabelFileKind::Qxu);
  return 0;
}
