// render FILE OUTPUT.png [--page N]: the preview strip as the window draws it.
#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>

#include "cli/Commands.h"
#include "cli/ImportOptions.h"
#include "cli/Render.h"
#include "cli/RenderArguments.h"
#include "cli/Session.h"
#include "files/FileIo.h"
#include "ui/PreviewPainter.h"
#include "ui/Theme.h"

namespace q5300::cli {
namespace {

// Qt's notes about its surroundings (no runtime folder, no session) are not
// the script's business; its errors are.
void QtMessage(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s: %s\n", ProgramName.data(), text.toLocal8Bit().constData());
  }
}

// The painter needs an application object with fonts; nothing is ever shown.
std::unique_ptr<QGuiApplication> MakeApplication() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  qInstallMessageHandler(QtMessage);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "q5300-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

StripImage RenderStrip(const PreviewSnapshot& snapshot, double mediaWidthMm, bool fromCurrentPage) {
  InitQ5300Resources();
  ui::QtTextMeasure measure;
  const PreviewLayout layout(snapshot, RenderDpi, measure);
  StripImage strip;
  strip.contentWidth = layout.contentWidth();
  // From a page: as the strip shows it once it has followed that page, with
  // the point 20 pixels before the page's marker at the left edge.
  if (fromCurrentPage) strip.start = std::max<int64_t>(layout.currentPageX().value_or(0), 0);
  const int64_t width = std::max<int64_t>(strip.contentWidth - strip.start, 1);
  strip.clipped = width > MaxRenderWidth;
  strip.image = QImage(static_cast<int>(std::min<int64_t>(width, MaxRenderWidth)), RenderHeight,
                       QImage::Format_RGB32);
  {
    QPainter painter(&strip.image);
    ui::PaintPreview(painter, ui::PreviewFrame{&layout, strip.start, RenderDpi, mediaWidthMm},
                     strip.image.size());
  }
  return strip;
}

ExitCode RunRender(const ParsedArguments& args, Console& console) {
  const std::string& file = args.positionals[0];
  const std::string& output = args.positionals[1];
  if (const auto refused = RefuseRenderArguments(args, console)) return *refused;
  const std::optional<int> page = RenderPage(args);

  const auto layout = ImportLayoutFor(args, console, "render", file);
  if (!layout) return ExitCode::Usage;

  OfflineSession session(console.err);
  if (const ExitCode loaded = session->Load(file, *layout); loaded != ExitCode::Success) {
    return loaded;
  }
  Workbench& bench = session->bench();
  if (page) {
    const int pages = bench.document.grid().rowCount();
    if (*page > pages) {
      return UsageError(console, "render", PageBeyondJob("--page", *page, pages));
    }
    // As the window shows it after a click on that page.
    bench.pages.SetCurrentPage(*page - 1);
  }
  bench.pages.Preview();
  const auto& snapshot = session->view().snapshot();
  if (!snapshot) return ExitCode::BadInput;  // the preview command always hands one over

  const auto application = MakeApplication();
  const StripImage strip = RenderStrip(*snapshot, session->view().mediaWidthMm(), page.has_value());
  if (strip.clipped) {
    Say(console.err, "the strip is " + std::to_string(strip.contentWidth - strip.start) +
                         " pixels wide from where it starts; the image shows its first " +
                         std::to_string(MaxRenderWidth) + " (--page draws from a later page)");
  }

  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!strip.image.save(&buffer, "PNG")) {
    Say(console.err, "the image of " + file + " could not be made into a PNG file");
    return ExitCode::BadOutput;
  }
  const Status written =
      WriteFileAtomically(output, std::span(reinterpret_cast<const uint8_t*>(png.constData()),
                                            static_cast<std::size_t>(png.size())));
  if (!written) {
    Say(console.err, "cannot write " + output + ": " + OneLine(written.failure().text));
    return ExitCode::BadOutput;
  }
  return ExitCode::Success;
}

}  // namespace q5300::cli
