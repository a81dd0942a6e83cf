#include "printer/DeviceFactory.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "printer/UsbDevice.h"
#include "printer/VirtualPrinter.h"

namespace q5300 {

namespace {

constexpr std::string_view VirtualPrefix = "virtual:";

constexpr char kCannotWriteInto[] =
    Q5300_TEXT("q5300", "The virtual printer cannot write into %1: %2.");
constexpr char kNotADirectory[] = Q5300_TEXT("q5300", "it is not a directory");
constexpr char kNotUnderstood[] = Q5300_TEXT(
    "q5300", "%1=\"%2\" is not understood; use \"usb\", \"virtual\" or \"virtual:DIR\".");

}  // namespace

Result<std::unique_ptr<Device>> MakeDevice(std::string_view choice, const Clock& clock) {
  if (choice.empty() || choice == "usb")
    return std::unique_ptr<Device>(std::make_unique<UsbDevice>());
  if (choice == "virtual") {
    return std::unique_ptr<Device>(std::make_unique<VirtualPrinter>(clock));
  }
  if (choice.starts_with(VirtualPrefix) && choice.size() > VirtualPrefix.size()) {
    const std::filesystem::path dir(choice.substr(VirtualPrefix.size()));
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec || !std::filesystem::is_directory(dir)) {
      const Phrase why = ec ? Phrase::Literal(ec.message()) : Phrase(kNotADirectory);
      return Message{Phrase(kCannotWriteInto, Phrase::Literal(dir.string()), why)};
    }
    return std::unique_ptr<Device>(std::make_unique<VirtualPrinter>(clock, dir));
  }
  return Message{Phrase(kNotUnderstood, Phrase::Literal(std::string(DeviceVariable)),
                        Phrase::Literal(std::string(choice)))};
}

Result<std::unique_ptr<Device>> MakeDeviceFromEnvironment(const Clock& clock) {
  const char* value = std::getenv(std::string(DeviceVariable).c_str());
  return MakeDevice(value != nullptr ? value : "", clock);
}

}  // namespace q5300
