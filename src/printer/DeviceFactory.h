#pragma once

#include <memory>
#include <string_view>

#include "data/Result.h"
#include "printer/Clock.h"
#include "printer/Device.h"

namespace q5300 {

// Picks the printer: "usb" (also when unset or empty) for the printer on USB,
// "virtual" for the virtual printer, "virtual:DIR" for one that stores every
// write in DIR.
inline constexpr std::string_view DeviceVariable = "Q5300_DEVICE";

// A device for `choice`, the value of Q5300_DEVICE. DIR is created when missing.
// `clock` must outlive the device.
Result<std::unique_ptr<Device>> MakeDevice(std::string_view choice, const Clock& clock);

// MakeDevice with the value of Q5300_DEVICE.
Result<std::unique_ptr<Device>> MakeDeviceFromEnvironment(const Clock& clock);

}  // namespace q5300
