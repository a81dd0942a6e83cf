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

Message Refusal(std::string text) {
  return Message{std::move(text)};
}

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
      const std::string why = ec ? ec.message() : "it is not a directory";
      return Refusal("The virtual printer cannot write into " + dir.string() + ": " + why + ".");
    }
    return std::unique_ptr<Device>(std::make_unique<VirtualPrinter>(clock, dir));
  }
  return Refusal(std::string(DeviceVariable) + "=\"" + std::string(choice) +
                 "\" is not understood; use \"usb\", \"virtual\" or \"virtual:DIR\".");
}

Result<std::unique_ptr<Device>> MakeDeviceFromEnvironment(const Clock& clock) {
  const char* value = std::getenv(std::string(DeviceVariable).c_str());
  return MakeDevice(value != nullptr ? value : "", clock);
}

}  // namespace q5300
