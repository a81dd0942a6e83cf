#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/Phrase.h"

namespace q5300 {

struct UsbDeviceId {
  uint16_t vendor = 0;
  uint16_t product = 0;

  friend bool operator==(const UsbDeviceId&, const UsbDeviceId&) = default;
};

// The ids the printer's USB chip answers with in its vendor mode. A printer
// maker may program its own pair; Q5300_USB_IDS adds such printers without a
// rebuild.
inline constexpr std::string_view UsbIdsVariable = "Q5300_USB_IDS";
std::span<const UsbDeviceId> DefaultUsbIds();

struct UsbIdList {
  std::vector<UsbDeviceId> ids;
  std::vector<Phrase> problems;  // entries that were ignored, and why
};

// "4348:5537,1a86:5576": hexadecimal vendor:product pairs separated by commas;
// blanks around an entry and empty entries are ignored, duplicates kept once.
UsbIdList ParseUsbIds(std::string_view text);

// The ids of Q5300_USB_IDS, or the default ids when it is unset, empty or holds
// no usable entry (the problems then say so).
UsbIdList UsbIdsFromEnvironment();

// "4348:5537"
std::string FormatUsbId(UsbDeviceId id);
// "4348:5537, 4348:55e0"
std::string FormatUsbIds(std::span<const UsbDeviceId> ids);

}  // namespace q5300
