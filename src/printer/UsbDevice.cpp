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
constexpr int MaxDrainPackets = 64;
constexpr size_t MaxReadSize = 64 * 1024;
constexpr std::chrono::milliseconds ReappearPause{100};
constexpr int MaxPortDepth = 7;  // USB allows at most seven tiers

constexpr char kPrinterOn[] = Q5300_TEXT("q5300", "the printer %1 on %2");
constexpr char kPlaceByAddress[] = Q5300_TEXT("q5300", "bus %1, address %2");
constexpr char kPlaceByPort[] = Q5300_TEXT("q5300", "bus %1, port %2");
constexpr char kBindWinUsb[] =
    Q5300_TEXT("q5300", "Bind the WinUSB driver to the printer, then try again.");
constexpr char kInstallUdevRule[] = Q5300_TEXT(
    "q5300", "Install the udev rule 70-q5300.rules that comes with the program (it gives the "
    "logged-in user access with TAG+=\"uaccess\"): copy it to /etc/udev/rules.d/, run \"sudo "
    "udevadm control --reload-rules && sudo udevadm trigger\" and plug the printer in again. Or "
    "run the program as a member of the group that owns %1.");
constexpr char kMayNotOpen[] =
    Q5300_TEXT("q5300", "%1 is there, but this user may not open it. %2");
constexpr char kWentAway[] = Q5300_TEXT("q5300", "%1 went away while it was being opened.");
constexpr char kFailedWith[] = Q5300_TEXT("q5300", "%1: %2 failed with %3.");
constexpr char kInUse[] =
    Q5300_TEXT("q5300", "%1 is in use by another program; close it and try again.");
constexpr char kNoEndpoints[] = Q5300_TEXT(
    "q5300", "%1 has no bulk endpoint pair on interface 0; it is not in the mode this program "
    "drives.");
constexpr char kOpened[] = Q5300_TEXT("q5300", "Opened %1.");
constexpr char kOpening[] = Q5300_TEXT("q5300", "opening");
constexpr char kAskingConfiguration[] = Q5300_TEXT("q5300", "asking for the configuration");
constexpr char kReadingDescriptor[] = Q5300_TEXT("q5300", "reading the configuration descriptor");
constexpr char kSettingConfiguration[] = Q5300_TEXT("q5300", "setting the configuration");
constexpr char kClaiming[] = Q5300_TEXT("q5300", "claiming interface 0");
constexpr char kKernelDriverHolds[] =
    Q5300_TEXT("q5300", "a kernel driver holds it until a job opens it");
constexpr char kNoUsb[] = Q5300_TEXT("q5300", "USB cannot be used on this computer: %1");
constexpr char kCannotList[] = Q5300_TEXT("q5300", "the USB devices cannot be listed: %1");
constexpr char kNoPrinterConnected[] =
    Q5300_TEXT("q5300", "No printer is connected (looked for the USB ids %1).");

unsigned TimeoutOf(std::chrono::milliseconds duration) {
  return static_cast<unsigned>(std::max<std::chrono::milliseconds::rep>(duration.count(), 1));
}

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

// libusb's words, as they stand.
Phrase ErrorText(int error) {
  return Phrase::Literal(std::string(libusb_error_name(error)) + " (" + libusb_strerror(error) +
                         ")");
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
  UsbPlace place;
};

UsbPlace PlaceOf(libusb_device* device) {
  UsbPlace place;
  place.bus = libusb_get_bus_number(device);
  place.address = libusb_get_device_address(device);
  uint8_t ports[MaxPortDepth] = {};
  const int depth = libusb_get_port_numbers(device, ports, MaxPortDepth);
  if (depth > 0) place.ports.assign(ports, ports + depth);
  return place;
}

// Bus, then ports, then address: the order does not change when a printer is
// plugged in again, and two printers are always taken in the same order.
bool PlaceBefore(const UsbPlace& a, const UsbPlace& b) {
  if (a.bus != b.bus) return a.bus < b.bus;
  if (a.ports != b.ports) return a.ports < b.ports;
  return a.address < b.address;
}

std::vector<Candidate> Matching(const DeviceList& list, std::span<const UsbDeviceId> ids) {
  std::vector<Candidate> found;
  for (libusb_device* device : list.devices()) {
    libusb_device_descriptor descriptor{};
    if (libusb_get_device_descriptor(device, &descriptor) != 0) continue;
    const UsbDeviceId id{descriptor.idVendor, descriptor.idProduct};
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) continue;
    found.push_back({device, id, PlaceOf(device)});
  }
  std::sort(found.begin(), found.end(),
            [](const Candidate& a, const Candidate& b) { return PlaceBefore(a.place, b.place); });
  return found;
}

Phrase Describe(const Candidate& c) {
  return Phrase(kPrinterOn, Phrase::Literal(FormatUsbId(c.id)), c.place.Describe());
}

Phrase PermissionHint(const Candidate& c) {
#if defined(_WIN32)
  (void)c;
  return kBindWinUsb;
#else
  char node[40];
  std::snprintf(node, sizeof node, "/dev/bus/usb/%03u/%03u", c.place.bus, c.place.address);
  return Phrase(kInstallUdevRule, Phrase::Literal(node));
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

OpenResult Failure(int error, const Candidate& c, const char* doing) {
  const OpenStatus status = StatusOf(error);
  switch (status) {
    case OpenStatus::NoPermission:
      return {status, Phrase(kMayNotOpen, Describe(c), PermissionHint(c))};
    case OpenStatus::NoDevice:
      return {status, Phrase(kWentAway, Describe(c))};
    default:
      return {status, Phrase(kFailedWith, Describe(c), doing, ErrorText(error))};
  }
}

OpenResult InUse(const Candidate& c) {
  return {OpenStatus::Failed, Phrase(kInUse, Describe(c))};
}

// An open handle with interface 0 claimed; released and closed on destruction.
struct Claim {
  Handle handle;
  bool claimed = false;
  UsbDeviceId id;
  UsbPlace place;
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
  opened->place = c.place;
  libusb_device_handle* raw = nullptr;
  int r = libusb_open(c.device, &raw);
  if (r != 0) return Failure(r, c, kOpening);
  opened->handle.reset(raw);
  libusb_device_handle* const handle = opened->handle.get();

  // Platforms without kernel drivers to detach answer "not supported".
  libusb_set_auto_detach_kernel_driver(handle, 1);

  int configuration = 0;
  r = libusb_get_configuration(handle, &configuration);
  if (r != 0) return Failure(r, c, kAskingConfiguration);
  if (configuration == 0) {
    libusb_config_descriptor* first = nullptr;
    r = libusb_get_config_descriptor(c.device, 0, &first);
    if (r != 0) return Failure(r, c, kReadingDescriptor);
    const ConfigDescriptor owned(first);
    r = libusb_set_configuration(handle, owned->bConfigurationValue);
    if (r != 0) return Failure(r, c, kSettingConfiguration);
  }

  libusb_config_descriptor* active = nullptr;
  r = libusb_get_active_config_descriptor(c.device, &active);
  if (r != 0) return Failure(r, c, kReadingDescriptor);
  const ConfigDescriptor config(active);
  const Endpoints endpoints = FindBulkEndpoints(*config);
  if (!endpoints.found) {
    return {OpenStatus::Failed, Phrase(kNoEndpoints, Describe(c))};
  }
  opened->outEndpoint = endpoints.out;
  opened->inEndpoint = endpoints.in;
  opened->inPacketSize = endpoints.inPacketSize;

  r = libusb_claim_interface(handle, ChipInterface);
  if (r == LIBUSB_ERROR_BUSY) return InUse(c);
  if (r != 0) return Failure(r, c, kClaiming);
  opened->claimed = true;

  claim = std::move(opened);
  OpenResult result{OpenStatus::Opened, Phrase(kOpened, Describe(c))};
  result.printer = Describe(c);
  return result;
}

// Whether this user could open and claim the printer, changing nothing: no
// kernel driver is detached and no configuration is set.
OpenResult ProbeAccess(const Candidate& c) {
  libusb_device_handle* raw = nullptr;
  int r = libusb_open(c.device, &raw);
  if (r != 0) return Failure(r, c, kOpening);
  const Handle handle(raw);
  int configuration = 0;
  r = libusb_get_configuration(handle.get(), &configuration);
  if (r != 0) return Failure(r, c, kAskingConfiguration);
  // An unconfigured chip or one held by a kernel driver is configured or
  // detached when a job opens it; until then it is left as it is.
  if (configuration == 0) return {OpenStatus::Opened, ""};
  if (libusb_kernel_driver_active(handle.get(), ChipInterface) == 1) {
    return {OpenStatus::Opened, kKernelDriverHolds};
  }
  r = libusb_claim_interface(handle.get(), ChipInterface);
  if (r == LIBUSB_ERROR_BUSY) return InUse(c);
  if (r != 0 && r != LIBUSB_ERROR_NOT_FOUND) return Failure(r, c, kClaiming);
  if (r == 0) libusb_release_interface(handle.get(), ChipInterface);
  return {OpenStatus::Opened, ""};
}

// Every printer with one of the ids, in place order, each tried for access and
// released again; the printer at `ours` (when set) is open here and is not
// tried: this program's own claim would make it look busy.
UsbPrinterListing ListPrinters(const UsbIdList& ids, const std::optional<UsbPlace>& ours) {
  UsbPrinterListing listing;
  listing.problems = ids.problems;
  libusb_context* rawContext = nullptr;
  const int r = libusb_init(&rawContext);
  if (r != 0) {
    listing.problems.emplace_back(kNoUsb, ErrorText(r));
    return listing;
  }
  const Context context(rawContext);
  const DeviceList list(rawContext);
  if (list.error() != 0) {
    listing.problems.emplace_back(kCannotList, ErrorText(list.error()));
    return listing;
  }
  for (const Candidate& c : Matching(list, ids.ids)) {
    const OpenResult access =
        ours && c.place.SamePlace(*ours) ? OpenResult{OpenStatus::Opened, ""} : ProbeAccess(c);
    listing.printers.push_back({c.id, c.place, access.status, access.detail});
  }
  return listing;
}

Phrase WithProblems(Phrase text, const std::vector<Phrase>& problems) {
  std::vector<Phrase> parts{std::move(text)};
  for (const Phrase& problem : problems) parts.emplace_back("%1.", problem);
  return Phrase::Join(parts, " ");
}

}  // namespace

std::string UsbPlace::PortPath() const {
  std::string path;
  for (const uint8_t port : ports) {
    if (!path.empty()) path += '.';
    path += std::to_string(port);
  }
  return path;
}

Phrase UsbPlace::Describe() const {
  char number[8];
  std::snprintf(number, sizeof number, "%03u", bus);
  const Phrase busNumber = Phrase::Literal(number);
  if (ports.empty()) {
    std::snprintf(number, sizeof number, "%03u", address);
    return Phrase(kPlaceByAddress, busNumber, Phrase::Literal(number));
  }
  return Phrase(kPlaceByPort, busNumber, Phrase::Literal(PortPath()));
}

bool UsbPlace::SamePlace(const UsbPlace& other) const {
  if (bus != other.bus) return false;
  // Without ports only the very same device is the same place.
  if (ports.empty() || other.ports.empty()) return address == other.address;
  return ports == other.ports;
}

struct UsbDevice::Session {
  Context context;  // outlives the claim: declared first, destroyed last
  std::unique_ptr<Claim> claim;
  std::deque<std::vector<uint8_t>> uploads;

  libusb_device_handle* handle() const { return claim->handle.get(); }
};

UsbDevice::UsbDevice() : UsbDevice(UsbIdsFromEnvironment()) {}

UsbDevice::UsbDevice(UsbIdList ids, UsbTimeouts timeouts)
    : ids_(std::move(ids)), timeouts_(timeouts) {}

UsbDevice::~UsbDevice() = default;

OpenResult UsbDevice::Open() {
  return OpenAt({});
}

// Opens the first printer that can be opened, or with `only` set, the printer
// at that place and no other.
OpenResult UsbDevice::OpenAt(const UsbPlace& only) {
  const bool anywhere = only.bus == 0;
  session_.reset();
  lost_ = false;
  libusb_context* rawContext = nullptr;
  const int r = libusb_init(&rawContext);
  if (r != 0) {
    return {OpenStatus::NoDevice,
            WithProblems(Phrase::Sentence(Phrase(kNoUsb, ErrorText(r))), ids_.problems)};
  }
  auto session = std::make_unique<Session>();
  session->context.reset(rawContext);

  const DeviceList list(rawContext);
  if (list.error() != 0) {
    return {OpenStatus::NoDevice,
            WithProblems(Phrase::Sentence(Phrase(kCannotList, ErrorText(list.error()))),
                         ids_.problems)};
  }
  std::vector<Candidate> candidates = Matching(list, ids_.ids);
  if (!anywhere) {
    std::erase_if(candidates, [&only](const Candidate& c) { return !c.place.SamePlace(only); });
  }
  if (candidates.empty()) {
    return {OpenStatus::NoDevice,
            WithProblems(Phrase(kNoPrinterConnected, Phrase::Literal(FormatUsbIds(ids_.ids))),
                         ids_.problems)};
  }
  // Device 0 is the first printer that opens, in place order; the ones passed
  // over are named with their reason. If none opens, the first one's reason is
  // the one to report.
  OpenResult first;
  std::vector<Phrase> skipped;
  for (size_t i = 0; i < candidates.size(); ++i) {
    OpenResult result = OpenAndClaim(candidates[i], session->claim);
    if (result.ok()) {
      result.skipped = std::move(skipped);
      session_ = std::move(session);
      return result;
    }
    skipped.push_back(result.detail);
    if (i == 0) first = std::move(result);
  }
  return first;
}

OpenResult UsbDevice::Probe() {
  // Open lets go of the printer open here and takes the first one that can be
  // taken: the open one only while it is still there and no printer before it
  // has become free.
  std::optional<UsbPlace> ours;
  if (session_ && !lost_) ours = session_->claim->place;
  const UsbPrinterListing listing = ListPrinters(ids_, ours);
  if (listing.printers.empty()) {
    return {OpenStatus::NoDevice,
            WithProblems(Phrase(kNoPrinterConnected, Phrase::Literal(FormatUsbIds(ids_.ids))),
                         listing.problems)};
  }
  std::vector<Phrase> skipped;
  for (const UsbPrinterEntry& entry : listing.printers) {
    const Candidate c{nullptr, entry.id, entry.place};
    if (entry.access == OpenStatus::Opened) {
      OpenResult result{OpenStatus::Opened, ""};
      result.printer = Describe(c);
      result.skipped = std::move(skipped);
      return result;
    }
    skipped.push_back(entry.detail);
  }
  const UsbPrinterEntry& first = listing.printers.front();
  return {first.access, first.detail};
}

void UsbDevice::Close() {
  session_.reset();
  lost_ = false;
}

ResetResult UsbDevice::Reset() {
  if (!session_) return ResetResult::Done;
  Session& s = *session_;
  s.uploads.clear();
  bool gone = lost_;
  for (const uint8_t endpoint : {s.claim->outEndpoint, s.claim->inEndpoint}) {
    if (gone) break;
    gone = libusb_clear_halt(s.handle(), endpoint) == LIBUSB_ERROR_NO_DEVICE;
  }
  if (!gone) return ResetResult::Done;

  // The printer went away: it may come back at the same place (switched off and
  // on, plugged in again). Another printer is never taken in its stead.
  const UsbPlace place = s.claim->place;
  session_.reset();
  const auto deadline = std::chrono::steady_clock::now() + timeouts_.reappear;
  for (;;) {
    if (OpenAt(place).ok()) return ResetResult::Reopened;
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(ReappearPause);
  }
  session_.reset();
  lost_ = true;
  return ResetResult::Gone;
}

uint32_t UsbDevice::UsbId() {
  if (!session_) return 0;
  const UsbDeviceId id = session_->claim->id;
  return static_cast<uint32_t>(id.product) << 16 | id.vendor;
}

void UsbDevice::AfterTransferError(int error, uint8_t endpoint) {
  if (error == LIBUSB_ERROR_NO_DEVICE) lost_ = true;
  // A stalled endpoint stays stalled until it is cleared.
  if (error == LIBUSB_ERROR_PIPE) libusb_clear_halt(session_->handle(), endpoint);
}

int UsbDevice::PendingUploads() {
  if (!session_) return 0;
  Session& s = *session_;
  for (int i = 0; i < MaxDrainPackets; ++i) {
    std::vector<uint8_t> packet(s.claim->inPacketSize);
    int got = 0;
    const int r =
        libusb_bulk_transfer(s.handle(), s.claim->inEndpoint, packet.data(),
                             static_cast<int>(packet.size()), &got, TimeoutOf(timeouts_.drain));
    if (got > 0) {
      packet.resize(static_cast<size_t>(got));
      s.uploads.push_back(std::move(packet));
    }
    AfterTransferError(r, s.claim->inEndpoint);
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
    const int r =
        libusb_bulk_transfer(s.handle(), s.claim->inEndpoint, upload.data(),
                             static_cast<int>(upload.size()), &got, TimeoutOf(timeouts_.read));
    if (r != 0 && r != LIBUSB_ERROR_TIMEOUT) {
      AfterTransferError(r, s.claim->inEndpoint);
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

Written UsbDevice::Write(std::span<const uint8_t> bytes) {
  if (!session_) return {};
  if (bytes.size() > static_cast<size_t>(INT_MAX)) return {};
  Session& s = *session_;
  // libusb takes a non-const buffer for both directions; an OUT transfer only
  // reads it. A zero-length transfer still needs a valid pointer.
  uint8_t none = 0;
  unsigned char* data = bytes.empty() ? &none : const_cast<unsigned char*>(bytes.data());
  int sent = 0;
  const int r =
      libusb_bulk_transfer(s.handle(), s.claim->outEndpoint, data, static_cast<int>(bytes.size()),
                           &sent, TimeoutOf(timeouts_.write));
  // A transfer that times out or is cut off may have delivered its first bytes.
  const size_t taken = static_cast<size_t>(std::max(sent, 0));
  if (r != 0) {
    AfterTransferError(r, s.claim->outEndpoint);
    return {false, taken};
  }
  return {taken == bytes.size(), taken};
}

UsbPrinterListing ListUsbPrinters(const UsbIdList& ids) {
  return ListPrinters(ids, std::nullopt);
}

}  // namespace q5300
