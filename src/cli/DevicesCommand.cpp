// devices: the printers on USB, and whether this user can open them.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Session.h"
#include "printer/UsbDevice.h"
#include "printer/UsbIds.h"

namespace q5300::cli {
namespace {

std::string BusAddress(const UsbPrinterEntry& printer) {
  char text[40];
  std::snprintf(text, sizeof text, "bus %03u address %03u", unsigned{printer.bus},
                unsigned{printer.address});
  return text;
}

}  // namespace

ExitCode RunDevices(const ParsedArguments& /*args*/, Console& console) {
  const UsbIdList ids = UsbIdsFromEnvironment();
  const UsbPrinterListing listing = ListUsbPrinters(ids);
  for (const std::string& problem : listing.problems) Say(console.err, problem);

  // One line per printer: id, place on the bus, and whether it can be opened.
  int usable = 0;
  for (const UsbPrinterEntry& printer : listing.printers) {
    const bool opened = printer.access == OpenStatus::Opened;
    usable += opened ? 1 : 0;
    console.out << FormatUsbId(printer.id) << ' ' << BusAddress(printer) << ' '
                << (opened ? "ok" : "cannot-open");
    if (!opened) console.out << ": " << OneLine(printer.detail);
    console.out << '\n';
  }
  console.out.flush();
  if (listing.printers.empty()) {
    Say(console.err, "no printer on USB (looked for " + FormatUsbIds(ids.ids) + ")");
    return ExitCode::PrinterFailed;
  }
  if (usable == 0) {
    Say(console.err, "no printer on USB can be opened");
    return ExitCode::PrinterFailed;
  }
  return ExitCode::Success;
}

}  // namespace q5300::cli
