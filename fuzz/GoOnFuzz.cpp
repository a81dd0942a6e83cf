// Any bytes as a file the operator opens or imports, followed into what the
// operator does next. The first byte picks the kind (qxk, qxu, CSV), the rest is
// the file. A file taken in is compiled for the printer and built into packets
// that the printer's decoder reads back whole, its preview is laid out, and it
// is saved both ways: each saved file opens again and saves to the same bytes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "compile/PrintPacket.h"
#include "compile/RebuildRecords.h"
#include "files/CsvImport.h"
#include "files/QxkFile.h"
#include "files/QxuFile.h"
#include "preview/PreviewLayout.h"
#include "preview/TextMeasure.h"
#include "printer/PacketDecoder.h"
#include "support/WorkbenchRig.h"

namespace {

using namespace q5300;

// The file saved as `kind` opens in a new window and saves to the same bytes.
void SavedFileReadsBack(Workbench& bench, LabelFileKind kind) {
  const auto saved = bench.files.LabelFileBytes(kind);
  if (!saved) {
    // Only a print image can be refused: the job's image would pass the limit.
    CompiledJob image = bench.document.Compile(RebuildMode::PrinterMode);
    if (kind != LabelFileKind::Qxu || PrintImageSize(image.first()) < MaxImageSize) {
      __builtin_trap();
    }
    return;
  }
  testing::QuietWorkbench reopened;
  if (!reopened.bench.files.OpenLabelBytes(*saved, kind, "again", true)) __builtin_trap();
  const auto again = reopened.bench.files.LabelFileBytes(kind);
  if (!again || *again != *saved) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const uint8_t> file(data + 1, size - 1);
  q5300::testing::QuietWorkbench window;
  Workbench& bench = window.bench;
  bool taken = false;
  switch (data[0] % 3) {
    case 0:
      taken = bench.files.OpenLabelBytes(file, LabelFileKind::Qxk, "fuzz.qxk", true);
      break;
    case 1:
      taken = bench.files.OpenLabelBytes(file, LabelFileKind::Qxu, "fuzz.qxu", true);
      break;
    default:
      taken = bench.files.ImportPages(
          ParseCsv(std::string_view(reinterpret_cast<const char*>(file.data()), file.size())),
          "fuzz.csv");
      break;
  }
  if (!taken) return 0;
  const JobDocument& document = bench.document;
  if (document.grid().rowCount() < 1 || document.grid().rowCount() > MaxPages) __builtin_trap();
  // Every page is compiled as it stands, and the current page is one of them.
  for (const Page& page : document.pages()) {
    if (!IsCompiledFor(page, document.job().settings)) __builtin_trap();
  }
  if (document.currentPage() == nullptr) __builtin_trap();

  // The preview, laid out with a fixed advance in place of the window's fonts.
  bench.pages.Preview();
  const auto& snapshot = window.view.snapshot();
  if (!snapshot) __builtin_trap();
  FixedAdvanceMeasure measure(9);
  const PreviewLayout layout(*snapshot, 96, measure);
  if (layout.contentWidth() < 0) __builtin_trap();
  layout.VisibleLabels(0, 4000, 20);

  // Compiled for the printer and built into packets, as a print job sends them.
  const JobSettings& settings = document.job().settings;
  CompiledJob records = document.Compile(RebuildMode::PrinterMode);
  int printable = 0;
  for (const PageRecord& r : records.records()) printable += r.IsPrintable() ? 1 : 0;
  int sent = 0;
  for (int start = 0;;) {
    const Packet packet = BuildPacket(settings, records.first(), start);
    if (packet.kind == Packet::NothingToPrint) break;
    if (packet.kind == Packet::TooLong) {
      if (PrintImageSize(records.first()) < MaxImageSize) __builtin_trap();
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

  SavedFileReadsBack(bench, LabelFileKind::Qxk);
  SavedFileReadsBack(bench, LabelFileKind::Qxu);
  return 0;
}
