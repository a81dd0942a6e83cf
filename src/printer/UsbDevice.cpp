#include "printer/UsbDevice.h"

#include <libusb.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <deque>
#include <thread>

namespace q5300 {

namespace {

constexpr int ChipInterface = 0;
// Room for a printer that holds off its input while its buffer is full.
constexpr unsigned WriteTimeoutMs = 5000;
// A status reply is a single short packet; a printer that stays silent must not
// hold the program for long.
constexpr unsigned ReadTimeoutMs = 2000;
// Only what is already waiting is drained.
constexpr unsigned DrainTimeoutMs = 20;
constexpr int MaxDrainPackets = 64;
constexpr size_t MaxReadSize = 64 * 1024;
// A reset can make the chip enumerate again under a new address; it is given
// two seconds to come back.
constexpr int ReopenAttempts = 20;
constexpr std::chrono::milliseconds ReopenPause{100};

struct ContextExit {
  void operator()(libusb_context* context) const { libusb_exit(context); }
};
using Context = std::unique_ptr<libusb_context, ContextExit>;

struct HandleClose {
  void operator()(libusb_device_handle* handle) const { libusb_close(handle); }
};
using Handle = std::unique_ptr<libusb_device_handle, HandleClose>;

struct ConfigFree {
  void operator()(libusb_config_descriptor* config) const { libusb_free_config_descriptor(config); }
};
using ConfigDescriptor = std::unique_ptr<libusb_config_descriptor, ConfigFree>;

std::string ErrorText(int error) {
  return std::string(libusb_error_name(error)) + " (" + libusb_strerror(error) + ")";
}

class DeviceList {
 public:
  explicit DeviceList(libusb_context* context) {
    const auto count = libusb_get_device_list(context, &list_);
    if (count < 0) {
      error_ = static_cast<int>(count);
      list_ = nullptr;
    } else {
      count_ = static_cast<size_t>(count);
    }
  }
  DeviceList(const DeviceList&) = delete;
  DeviceList& operator=(const DeviceList&) = delete;
  ~DeviceList() {
    if (list_ != nullptr) libusb_free_device_list(list_, 1);
  }
  int error() const { return error_; }
  std::span<libusb_device* const> devices() const { return {list_, count_}; }

 private:
  libusb_device** list_ = nullptr;
  size_t count_ = 0;
  int error_ = 0;
};

// A matching device; valid while its DeviceList lives.
struct Candidate {
  libusb_device* device = nullptr;
  UsbDeviceId id;
  uint8_t bus = 0;
  uint8_t address = 0;
};

std::vector<Candidate> Matching(const DeviceList& list, std::span<const UsbDeviceId> ids) {
  std::vector<Candidate> found;
  for (libusb_device* device : list.devices()) {
    libusb_device_descriptor descriptor{};
    if (libusb_get_device_descriptor(device, &descriptor) != 0) continue;
    const UsbDeviceId id{descriptor.idVendor, descriptor.idProduct};
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) continue;
    found.push_back({device, id, libusb_get_bus_number(device), libusb_get_device_address(device)});
  }
  std::sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
    return a.bus != b.bus ? a.bus < b.bus : a.address < b.address;
  });
  return found;
}

std::string BusAddress(uint8_t bus, uint8_t address) {
  char text[32];
  std::snprintf(text, sizeof text, "bus %03u, address %03u", bus, address);
  return text;
}

std::string Describe(const Candidate& c) {
  return "the printer " + FormatUsbId(c.id) + " on " + BusAddress(c.bus, c.address);
}

std::string PermissionHint(const Candidate& c) {
#if defined(_WIN32)
  (void)c;
  return " Bind the WinUSB driver to the printer, then try again.";
#else
  char node[40];
  std::snprintf(node, sizeof node, "/dev/bus/usb/%03u/%03u", c.bus, c.address);
  return std::string(
             " Install the udev rule 70-q5300.rules that comes with the program (it gives the "
             "logged-in user access with TAG+=\"uaccess\"): copy it to /etc/udev/rules.d/, run "
             "\"sudo udevadm control --reload-rules && sudo udevadm trigger\" and plug the "
             "printer in again. Or run the program as a member of the group that owns ") +
         node + ".";
#endif
}

OpenStatus StatusOf(int error) {
  switch (error) {
    case LIBUSB_ERROR_ACCESS:
      return OpenStatus::NoPermission;
    case LIBUSB_ERROR_NO_DEVICE:
    case LIBUSB_ERROR_NOT_FOUND:
      return OpenStatus::NoDevice;
    default:
      return OpenStatus::Failed;
  }
}

OpenResult Failure(int error, const Candidate& c, std::string_view doing) {
  const OpenStatus status = StatusOf(error);
  switch (status) {
    case OpenStatus::NoPermission:
      return {status,
              Describe(c) + " is there, but this user may not open it." + PermissionHint(c)};
    case OpenStatus::NoDevice:
      return {status, Describe(c) + " went away while it was being opened."};
    default:
      return {status,
              Describe(c) + ": " + std::string(doing) + " failed with " + ErrorText(error) + "."};
  }
}

// An open handle with interface 0 claimed; released and closed on destruction.
struct Claim {
  Handle handle;
  bool claimed = false;
  UsbDeviceId id;
  uint8_t outEndpoint = 0;
  uint8_t inEndpoint = 0;
  size_t inPacketSize = 64;

  Claim() = default;
  Claim(const Claim&) = delete;
  Claim& operator=(const Claim&) = delete;
  ~Claim() {
    if (claimed) libusb_release_interface(handle.get(), ChipInterface);
  }
};

struct Endpoints {
  bool found = false;
  uint8_t out = 0;
  uint8_t in = 0;
  size_t inPacketSize = 0;
};

Endpoints FindBulkEndpoints(const libusb_config_descriptor& config) {
  Endpoints e;
  bool haveOut = false;
  bool haveIn = false;
  for (int i = 0; i < config.bNumInterfaces; ++i) {
    const libusb_interface& interface = config.interface[i];
    if (interface.num_altsetting < 1) continue;
    const libusb_interface_descriptor& setting = interface.altsetting[0];
    if (setting.bInterfaceNumber != ChipInterface) continue;
    for (int k = 0; k < setting.bNumEndpoints; ++k) {
      const libusb_endpoint_descriptor& ep = setting.endpoint[k];
      if ((ep.bmAttributes & 0x03) != LIBUSB_TRANSFER_TYPE_BULK) continue;
      if ((ep.bEndpointAddress & LIBUSB_ENDPOINT_IN) != 0) {
        if (haveIn) continue;
        haveIn = true;
        e.in = ep.bEndpointAddress;
        e.inPacketSize = ep.wMaxPacketSize & 0x7ff;
      } else if (!haveOut) {
        haveOut = true;
        e.out = ep.bEndpointAddress;
      }
    }
  }
  e.found = haveIn && haveOut && e.inPacketSize > 0;
  return e;
}

OpenResult OpenAndClaim(const Candidate& c, std::unique_ptr<Claim>& claim) {
  auto opened = std::make_unique<Claim>();
  opened->id = c.id;
  libusb_device_handle* raw = nullptr;
  int r = libusb_open(c.device, &raw);
  if (r != 0) return Failure(r, c, "opening");
  opened->handle.reset(raw);
  libusb_device_handle* const handle = opened->handle.get();

  // Platforms without kernel drivers to detach answer "not supported".
  libusb_set_auto_detach_kernel_driver(handle, 1);

  int configuration = 0;
  r = libusb_get_configuration(handle, &configuration);
  if (r != 0) return Failure(r, c, "asking for the configuration");
  if (configuration == 0) {
    libusb_config_descriptor* first = nullptr;
    r = libusb_get_config_descriptor(c.device, 0, &first);
    if (r != 0) return Failure(r, c, "reading the configuration descriptor");
    const ConfigDescriptor owned(first);
    r = libusb_set_configuration(handle, owned->bConfigurationValue);
    if (r != 0) return Failure(r, c, "setting the configuration");
  }

  libusb_config_descriptor* active = nullptr;
  r = libusb_get_active_config_descriptor(c.device, &active);
  if (r != 0) return Failure(r, c, "reading the configuration descriptor");
  const ConfigDescriptor config(active);
  const Endpoints endpoints = FindBulkEndpoints(*config);
  if (!endpoints.found) {
    return {OpenStatus::Failed,
            Describe(c) +
                " has no bulk endpoint pair on interface 0; it is not in the mode "
                "this program drives."};
  }
  opened->outEndpoint = endpoints.out;
  opened->inEndpoint = endpoints.in;
  opened->inPacketSize = endpoints.inPacketSize;

  r = libusb_claim_interface(handle, ChipInterface);
  if (r == LIBUSB_ERROR_BUSY) {
    return {OpenStatus::Failed,
            Describe(c) + " is in use by another program; close it and try again."};
  }
  if (r != 0) return Failure(r, c, "claiming interface 0");
  opened->claimed = true;

  claim = std::move(opened);
  return {OpenStatus::Opened, "Opened " + Describe(c) + "."};
}

std::string WithProblems(std::string text, const std::vector<std::string>& problems) {
  for (const std::string& problem : problems) text += " " + problem + ".";
  return text;
}

}  // namespace

struct UsbDevice::Session {
  Context context;  // outlives the claim: declared first, destroyed last
  std::unique_ptr<Claim> claim;
  std::deque<std::vector<uint8_t>> uploads;

  libusb_device_handle* handle() const { return claim->handle.get(); }

  // A stalled endpoint stays stalled until it is cleared.
  void Recover(int error, uint8_t endpoint) const {
    if (error == LIBUSB_ERROR_PIPE) libusb_clear_halt(handle(), endpoint);
  }
};

UsbDevice::UsbDevice() : UsbDevice(UsbIdsFromEnvironment()) {}

UsbDevice::UsbDevice(UsbIdList ids) : ids_(std::move(ids)) {}

UsbDevice::~UsbDevice() = default;

OpenResult UsbDevice::Open() {
  session_.reset();
  libusb_context* rawContext = nullptr;
  const int r = libusb_init(&rawContext);
  if (r != 0) {
    return {
        OpenStatus::NoDevice,
        WithProblems("USB cannot be used on this computer: " + ErrorText(r) + ".", ids_.problems)};
  }
  auto session = std::make_unique<Session>();
  session->context.reset(rawContext);

  const DeviceList list(rawContext);
  if (list.error() != 0) {
    return {OpenStatus::NoDevice,
            WithProblems("The USB devices cannot be listed: " + ErrorText(list.error()) + ".",
                         ids_.problems)};
  }
  const std::vector<Candidate> candidates = Matching(list, ids_.ids);
  if (candidates.empty()) {
    return {OpenStatus::NoDevice, WithProblems("No printer is connected (looked for the USB ids " +
                                                   FormatUsbIds(ids_.ids) + ").",
                                               ids_.problems)};
  }
  // Device 0 is the first printer that opens; if none does, the first one's
  // reason is the one to report.
  OpenResult first;
  for (size_t i = 0; i < candidates.size(); ++i) {
    OpenResult result = OpenAndClaim(candidates[i], session->claim);
    if (result.ok()) {
      session_ = std::move(session);
      return result;
    }
    if (i == 0) first = std::move(result);
  }
  return first;
}

void UsbDevice::Close() {
  session_.reset();
}

void UsbDevice::Reset() {
  if (!session_) return;
  session_->uploads.clear();
  const int r = libusb_reset_device(session_->handle());
  if (r == 0) return;
  session_.reset();
  if (r != LIBUSB_ERROR_NOT_FOUND) return;
  // The chip enumerated again under a new address: the old handle is dead.
  for (int attempt = 0; attempt < ReopenAttempts; ++attempt) {
    std::this_thread::sleep_for(ReopenPause);
    if (Open().ok()) return;
  }
}

uint32_t UsbDevice::UsbId() {
  if (!session_) return 0;
  const UsbDeviceId id = session_->claim->id;
  return static_cast<uint32_t>(id.product) << 16 | id.vendor;
}

int UsbDevice::PendingUploads() {
  if (!session_) return 0;
  Session& s = *session_;
  for (int i = 0; i < MaxDrainPackets; ++i) {
    std::vector<uint8_t> packet(s.claim->inPacketSize);
    int got = 0;
    const int r = libusb_bulk_transfer(s.handle(), s.claim->inEndpoint, packet.data(),
                                       static_cast<int>(packet.size()), &got, DrainTimeoutMs);
    if (got > 0) {
      packet.resize(static_cast<size_t>(got));
      s.uploads.push_back(std::move(packet));
    }
    if (r != 0) s.Recover(r, s.claim->inEndpoint);
    if (r != 0 || got <= 0) break;
  }
  return static_cast<int>(s.uploads.size());
}

int UsbDevice::Read(std::span<uint8_t> buffer) {
  if (!session_) return -1;
  if (buffer.empty()) return 0;
  Session& s = *session_;
  if (s.uploads.empty()) {
    // Asking for whole packets: a packet longer than the request would be an
    // overflow error, and the data would be lost.
    const size_t packet = s.claim->inPacketSize;
    const size_t wanted = std::min(buffer.size(), MaxReadSize);
    std::vector<uint8_t> upload((wanted + packet - 1) / packet * packet);
    int got = 0;
    const int r = libusb_bulk_transfer(s.handle(), s.claim->inEndpoint, upload.data(),
                                       static_cast<int>(upload.size()), &got, ReadTimeoutMs);
    if (r != 0 && r != LIBUSB_ERROR_TIMEOUT) {
      s.Recover(r, s.claim->inEndpoint);
      return -1;
    }
    if (got <= 0) return 0;
    upload.resize(static_cast<size_t>(got));
    s.uploads.push_back(std::move(upload));
  }
  const std::vector<uint8_t> upload = std::move(s.uploads.front());
  s.uploads.pop_front();
  const size_t n = std::min(buffer.size(), upload.size());
  std::copy_n(upload.begin(), n, buffer.begin());
  return static_cast<int>(n);
}

bool UsbDevice::Write(std::span<const uint8_t> bytes) {
  if (!session_) return false;
  if (bytes.size() > static_cast<size_t>(INT_MAX)) return false;
  Session& s = *session_;
  // libusb takes a non-const buffer for both directions; an OUT transfer only
  // reads it. A zero-length transfer still needs a valid pointer.
  uint8_t none = 0;
  unsigned char* data = bytes.empty() ? &none : const_cast<unsigned char*>(bytes.data());
  int sent = 0;
  const int r = libusb_bulk_transfer(s.handle(), s.claim->outEndpoint, data,
                                     static_cast<int>(bytes.size()), &sent, WriteTimeoutMs);
  if (r != 0) {
    s.Recover(r, s.claim->outEndpoint);
    return false;
  }
  return static_cast<size_t>(sent) == bytes.size();
}

UsbPrinterListing ListUsbPrinters(const UsbIdList& ids) {
  UsbPrinterListing listing;
  listing.problems = ids.problems;
  libusb_context* rawContext = nullptr;
  const int r = libusb_init(&rawContext);
  if (r != 0) {
    listing.problems.push_back("USB cannot be used on this computer: " + ErrorText(r));
    return listing;
  }
  const Context context(rawContext);
  const DeviceList list(rawContext);
  if (list.error() != 0) {
    listing.problems.push_back("the USB devices cannot be listed: " + ErrorText(list.error()));
    return listing;
  }
  for (const Candidate& c : Matching(list, ids.ids)) {
    std::unique_ptr<Claim> claim;
    const OpenResult access = OpenAndClaim(c, claim);
    listing.printers.push_back(
        {c.id, c.bus, c.address, access.status, access.ok() ? "can be opened" : access.detail});
  }
  return listing;
}

}  // namespace q5300
