#include "printer/UsbIds.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace q5300 {

namespace {

constexpr UsbDeviceId DefaultIds[] = {
    {0x4348, 0x5537}, {0x4348, 0x55e0}, {0x1a86, 0x5537}, {0x1a86, 0x5576}};

constexpr char kIdIgnored[] = Q5300_TEXT(
    "q5300", "\"%1\" ignored: an id is a hexadecimal vendor:product pair such as 4348:5537");
constexpr char kNoUsableId[] =
    Q5300_TEXT("q5300", "%1 holds no usable id; looking for the default ids %2");

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// One to four hexadecimal digits.
bool ParseHex16(std::string_view text, uint16_t& value) {
  if (text.empty() || text.size() > 4) return false;
  unsigned v = 0;
  for (const char c : text) {
    unsigned digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      return false;
    }
    v = v * 16 + digit;
  }
  value = static_cast<uint16_t>(v);
  return true;
}

}  // namespace

std::span<const UsbDeviceId> DefaultUsbIds() {
  return DefaultIds;
}

UsbIdList ParseUsbIds(std::string_view text) {
  UsbIdList list;
  for (;;) {
    const size_t comma = text.find(',');
    const std::string_view entry = Trim(text.substr(0, comma));
    text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    if (!entry.empty()) {
      const size_t colon = entry.find(':');
      UsbDeviceId id;
      if (colon == std::string_view::npos || !ParseHex16(entry.substr(0, colon), id.vendor) ||
          !ParseHex16(entry.substr(colon + 1), id.product)) {
        list.problems.emplace_back(kIdIgnored, Phrase::Literal(std::string(entry)));
      } else if (std::find(list.ids.begin(), list.ids.end(), id) == list.ids.end()) {
        list.ids.push_back(id);
      }
    }
    if (comma == std::string_view::npos) break;
  }
  return list;
}

UsbIdList UsbIdsFromEnvironment() {
  const std::string name(UsbIdsVariable);
  const char* value = std::getenv(name.c_str());
  UsbIdList list = ParseUsbIds(value != nullptr ? value : "");
  for (Phrase& problem : list.problems) {
    problem = Phrase("%1: %2", Phrase::Literal(name), std::move(problem));
  }
  if (list.ids.empty()) {
    if (value != nullptr && !Trim(value).empty()) {
      list.problems.emplace_back(kNoUsableId, Phrase::Literal(name),
                                 Phrase::Literal(FormatUsbIds(DefaultUsbIds())));
    }
    list.ids.assign(DefaultIds, DefaultIds + std::size(DefaultIds));
  }
  return list;
}

std::string FormatUsbId(UsbDeviceId id) {
  char text[16];
  std::snprintf(text, sizeof text, "%04x:%04x", id.vendor, id.product);
  return text;
}

std::string FormatUsbIds(std::span<const UsbDeviceId> ids) {
  std::string text;
  for (const UsbDeviceId id : ids) {
    if (!text.empty()) text += ", ";
    text += FormatUsbId(id);
  }
  return text;
}

}  // namespace q5300
