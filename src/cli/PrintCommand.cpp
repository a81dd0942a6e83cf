// print FILE [--device usb|virtual|virtual:DIR] [--from-page N]: the window's
// Print command.
#include <cstdlib>

#include "cli/Commands.h"
#include "cli/ImportOptions.h"
#include "cli/PrintRun.h"
#include "cli/Session.h"
#include "printer/DeviceFactory.h"
#include "printer/VirtualPrinter.h"

namespace q5300::cli {
namespace {

bool IsDeviceChoice(std::string_view choice) {
  return choice == "usb" || choice == "virtual" ||
         (choice.starts_with("virtual:") && choice.size() > std::string_view("virtual:").size());
}

}  // namespace

ExitCode RunPrint(const ParsedArguments& args, Console& console) {
  const std::string& file = args.positionals[0];
  if (const auto refused = RefuseUnlessInput(console, "print", "FILE", file)) return *refused;
  std::string choice = "usb";
  if (const auto given = args.Value("--device")) {
    if (!IsDeviceChoice(*given)) {
      return UsageError(console, "print",
                        "--device " + *given + " is not usb, virtual or virtual:DIR");
    }
    choice = *given;
  } else if (const char* variable = std::getenv(std::string(DeviceVariable).c_str());
             variable != nullptr && *variable != '\0') {
    if (!IsDeviceChoice(variable)) {
      return UsageError(
          console, "print",
          std::string(DeviceVariable) + "=" + variable + " is not usb, virtual or virtual:DIR");
    }
    choice = variable;
  }

  const auto layout = ImportLayoutFor(args, console, "print", file);
  if (!layout) return ExitCode::Usage;

  int fromPage = 1;
  if (const auto given = args.Value("--from-page")) {
    const auto page = PositiveNumber(*given);
    if (!page)
      return UsageError(console, "print", "--from-page takes a page number from 1: " + *given);
    fromPage = *page;
  }

  SystemClock clock;
  auto device = MakeDevice(choice, clock);
  if (!device) {
    // Only the virtual printer's folder can be refused: its files are the output.
    Say(console.err, OneLine(device.failure().text));
    return ExitCode::BadOutput;
  }
  PrintRun run(**device, clock, console.err);
  const ExitCode result = run.Run(file, fromPage, *layout);
  if (result == ExitCode::PrinterFailed) {
    // The virtual printer fails a write it cannot store: that is its output file.
    if (const auto* printer = dynamic_cast<const VirtualPrinter*>(device->get());
        printer != nullptr && !printer->outputError().empty()) {
      Say(console.err, printer->outputError());
      return ExitCode::BadOutput;
    }
  }
  return result;
}

}  // namespace q5300::cli
