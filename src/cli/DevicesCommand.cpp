// devices: the printers on USB, and whether this user can open them.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Session.h"
#include "printer/UsbDevice.h"
#include "printer/UsbIds.h"

namespace q5300::cli {
namespace {

// "bus 001 port 1.2 address 005": the port path stays when the printer is
// plugged in again, the address does not.
std::string Place(const UsbPrinterEntry& printer) {
  const std::string ports = printer.place.PortPath();
  char text[64];
  std::snprintf(text, sizeof text, "bus %03u port %s address %03u", unsigned{printer.place.bus},
                ports.empty() ? "-" : ports.c_str(), unsigned{printer.place.address});
  return text;
}

}  // namespace

ExitCode RunDevices(const ParsedArguments& /*args*/, Console& console) {
  const UsbIdList ids = UsbIdsFromEnvironment();
  const UsbPrinterListing listing = ListUsbPrinters(ids);
  for (const Phrase& problem : listing.problems) Say(console.err, problem.Text());

  // One line per printer: id, place on the bus, and whether it can be opened.
  int usable = 0;
  for (const UsbPrinterEntry& printer : listing.printers) {
    const bool opened = printer.access == OpenStatus::Opened;
    usable += opened ? 1 : 0;
    console.out << FormatUsbId(printer.id) << ' ' << Place(printer) << ' '
                << (opened ? "ok" : "cannot-open");
    if (!printer.detail.empty()) console.out << ": " << OneLine(printer.detail.Text());
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
