// print FILE [--device usb|virtual|virtual:DIR] [--from-page N | --pages LIST]:
// the window's Print command, on the whole job or on the pages chosen.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

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

constexpr std::size_t MaxListedPages = 100000;

// "44-47,60": page numbers from 1 and ranges of them, in any order; the pages
// in order, each once. Nothing for a list that is not of that form.
std::optional<std::vector<int>> PageList(std::string_view list) {
  std::vector<int> pages;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    const std::size_t dash = item.find('-');
    const auto from = PositiveNumber(item.substr(0, dash));
    const auto to = dash == std::string_view::npos ? from : PositiveNumber(item.substr(dash + 1));
    if (!from || !to || *to < *from) return std::nullopt;
    // A list longer than any job is refused before it is spelled out.
    if (static_cast<std::size_t>(*to - *from) + pages.size() >= MaxListedPages) return std::nullopt;
    for (int page = *from; page <= *to; ++page) pages.push_back(page);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  std::sort(pages.begin(), pages.end());
  pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
  return pages;
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

  PageChoice pages;
  if (const auto given = args.Value("--from-page")) {
    const auto page = PositiveNumber(*given);
    if (!page)
      return UsageError(console, "print", "--from-page takes a page number from 1: " + *given);
    pages.fromPage = *page;
  }
  if (const auto given = args.Value("--pages")) {
    if (args.Value("--from-page")) {
      return UsageError(console, "print", "--pages and --from-page cannot be given together");
    }
    auto listed = PageList(*given);
    if (!listed) {
      return UsageError(
          console, "print",
          "--pages takes page numbers from 1 and ranges, such as 44-47,60: " + *given);
    }
    pages.pages = std::move(*listed);
  }

  SystemClock clock;
  auto device = MakeDevice(choice, clock);
  if (!device) {
    // Only the virtual printer's folder can be refused: its files are the output.
    Say(console.err, OneLine(device.failure().text));
    return ExitCode::BadOutput;
  }
  PrintRun run(**device, clock, console.err);
  const ExitCode result = run.Run(file, pages, *layout);
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
