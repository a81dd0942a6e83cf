#include "usb/EmulatedPrinter.h"

#include <dlfcn.h>
#include <errno.h>
#include <linux/ioctl.h>
#include <linux/usbdevice_fs.h>
#include <umockdev.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace q5300::usbtest {
namespace {

constexpr uint8_t OutEndpoint = 0x02;
constexpr uint8_t InEndpoint = 0x82;
constexpr int DefaultShortLength = 8;

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string text;
  char digits[3];
  for (const uint8_t b : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", b);
    text += digits;
  }
  return text;
}

// Device, configuration, interface 0 (vendor class) and its two bulk endpoints.
std::vector<uint8_t> PrinterDescriptors(uint16_t vendor, uint16_t product) {
  return {0x12,
          0x01,
          0x00,
          0x02,
          0x00,
          0x00,
          0x00,
          0x40,
          static_cast<uint8_t>(vendor & 0xff),
          static_cast<uint8_t>(vendor >> 8),
          static_cast<uint8_t>(product & 0xff),
          static_cast<uint8_t>(product >> 8),
          0x00,
          0x01,
          0x00,
          0x00,
          0x00,
          0x01,
          0x09,
          0x02,
          0x20,
          0x00,
          0x01,
          0x01,
          0x00,
          0x80,
          0x32,
          0x09,
          0x04,
          0x00,
          0x00,
          0x02,
          0xff,
          0x00,
          0x00,
          0x00,
          0x07,
          0x05,
          OutEndpoint,
          0x02,
          0x40,
          0x00,
          0x00,
          0x07,
          0x05,
          InEndpoint,
          0x02,
          0x40,
          0x00,
          0x00};
}

constexpr const char* RootHub =
    "P: /devices/usb1\n"
    "N: bus/usb/001/001\n"
    "E: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DRIVER=usb\n"
    "E: BUSNUM=001\nE: DEVNUM=001\nE: DEVNAME=/dev/bus/usb/001/001\n"
    "A: busnum=1\\n\nA: devnum=1\\n\nA: speed=480\\n\nA: bConfigurationValue=1\\n\n"
    "H: descriptors=12010002090000406b1d020000010000000109021900010100e0000904000001090000000705"
    "810304000c\n";

usbdevfs_urb* Urb(UMockdevIoctlData* data) {
  return reinterpret_cast<usbdevfs_urb*>(data->data);
}

void Complete(UMockdevIoctlClient* client, int result, int error) {
  umockdev_ioctl_client_complete(client, result, error);
}

}  // namespace

EmulatedPrinter::EmulatedPrinter(uint8_t port, uint8_t address, uint16_t vendor, uint16_t product)
    : port_(port), address_(address), vendor_(vendor), product_(product) {
  reply_ = {'N', 0, 0, 0, 0, 0, 0, 0, 0};
  handler_ = umockdev_ioctl_base_new();
  g_signal_connect(handler_, "handle-ioctl", G_CALLBACK(&EmulatedPrinter::HandleIoctl), this);
}

EmulatedPrinter::~EmulatedPrinter() {
  for (UMockdevIoctlData* d : flying_) umockdev_ioctl_data_unref(d);
  for (UMockdevIoctlData* d : done_) umockdev_ioctl_data_unref(d);
  // The handler may outlive this printer (a client of it holds it): it must
  // not call back into freed memory.
  g_signal_handlers_disconnect_by_data(handler_, this);
  g_object_unref(handler_);
}

std::string EmulatedPrinter::devnode() const {
  char text[32];
  std::snprintf(text, sizeof text, "/dev/bus/usb/001/%03u", address_);
  return text;
}

std::string EmulatedPrinter::syspath() const {
  return "/sys/devices/usb1/1-" + std::to_string(port_);
}

std::string EmulatedPrinter::udevRecord() const {
  char address[8];
  std::snprintf(address, sizeof address, "%03u", address_);
  return "P: /devices/usb1/1-" + std::to_string(port_) + "\n" + "N: bus/usb/001/" + address + "\n" +
         "E: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DRIVER=usb\nE: BUSNUM=001\n" +
         "E: DEVNUM=" + address + "\nE: DEVNAME=" + devnode() + "\n" +
         "A: busnum=1\\n\nA: devnum=" + std::to_string(address_) + "\\n\n" +
         "A: speed=12\\n\nA: bConfigurationValue=1\\n\n" +
         "H: descriptors=" + Hex(PrinterDescriptors(vendor_, product_)) + "\n";
}

void EmulatedPrinter::SetReply(std::vector<uint8_t> reply) {
  const std::lock_guard lock(mutex_);
  reply_ = std::move(reply);
  silent_ = false;
}

void EmulatedPrinter::StaySilent() {
  const std::lock_guard lock(mutex_);
  silent_ = true;
}

void EmulatedPrinter::AddStaleInput(std::vector<uint8_t> upload) {
  const std::lock_guard lock(mutex_);
  input_.push_back(std::move(upload));
}

void EmulatedPrinter::ClaimedByAnotherProgram(bool claimed) {
  const std::lock_guard lock(mutex_);
  claimedElsewhere_ = claimed;
}

void EmulatedPrinter::FailOut(int nth, OutFault fault, std::optional<int> bytes) {
  const std::lock_guard lock(mutex_);
  faults_[outSubmitted_ + nth] = {
      fault, bytes.value_or(fault == OutFault::Short ? DefaultShortLength : 0)};
}

void EmulatedPrinter::StopTakingInput() {
  const std::lock_guard lock(mutex_);
  stopTakingInput_ = true;
}

void EmulatedPrinter::VanishAtReset() {
  const std::lock_guard lock(mutex_);
  vanishAtReset_ = true;
}

void EmulatedPrinter::HoldNextRequest() {
  const std::lock_guard lock(holdMutex_);
  holdNext_ = true;
}

void EmulatedPrinter::WaitUntilHeld() {
  std::unique_lock lock(holdMutex_);
  holdChanged_.wait(lock, [this] { return held_; });
}

void EmulatedPrinter::Release() {
  const std::lock_guard lock(holdMutex_);
  held_ = false;
  holdChanged_.notify_all();
}

std::vector<std::vector<uint8_t>> EmulatedPrinter::Taken() const {
  const std::lock_guard lock(mutex_);
  return taken_;
}

std::vector<std::vector<uint8_t>> EmulatedPrinter::TakenInPart() const {
  const std::lock_guard lock(mutex_);
  return takenInPart_;
}

int EmulatedPrinter::OutTransfersSubmitted() const {
  const std::lock_guard lock(mutex_);
  return outSubmitted_;
}

int EmulatedPrinter::HaltsCleared() const {
  const std::lock_guard lock(mutex_);
  return haltsCleared_;
}

int EmulatedPrinter::Requests(unsigned long request) const {
  const std::lock_guard lock(mutex_);
  const auto it = requests_.find(request);
  return it == requests_.end() ? 0 : it->second;
}

bool EmulatedPrinter::InterfaceClaimed() const {
  const std::lock_guard lock(mutex_);
  return interfaceClaimed_;
}

bool EmulatedPrinter::gone() const {
  const std::lock_guard lock(mutex_);
  return gone_;
}

void EmulatedPrinter::Vanish() {
  const std::lock_guard lock(mutex_);
  VanishLocked();
}

void EmulatedPrinter::VanishLocked() {
  gone_ = true;
  // Transfers under way end as the kernel ends them on a disconnect, with what
  // the printer took of them so far.
  for (UMockdevIoctlData* d : flying_) {
    Urb(d)->status = -ESHUTDOWN;
    done_.push_back(d);
  }
  flying_.clear();
}

int EmulatedPrinter::HandleIoctl(UMockdevIoctlBase* /*handler*/, UMockdevIoctlClient* client,
                                 EmulatedPrinter* printer) {
  return printer->Handle(client) ? TRUE : FALSE;
}

// Input waiting for the printer to answer goes to the reads under way.
void EmulatedPrinter::CompleteReads() {
  for (auto it = flying_.begin(); it != flying_.end() && !input_.empty();) {
    usbdevfs_urb* urb = Urb(*it);
    if ((urb->endpoint & 0x80) == 0) {
      ++it;
      continue;
    }
    const std::vector<uint8_t> upload = std::move(input_.front());
    input_.pop_front();
    const auto n = std::min<size_t>(upload.size(), static_cast<size_t>(urb->buffer_length));
    UMockdevIoctlData* buffer =
        umockdev_ioctl_data_resolve(*it, G_STRUCT_OFFSET(usbdevfs_urb, buffer),
                                    static_cast<gsize>(urb->buffer_length), nullptr);
    if (buffer != nullptr && n > 0) std::memcpy(buffer->data, upload.data(), n);
    urb->actual_length = static_cast<int>(n);
    urb->status = 0;
    done_.push_back(*it);
    it = flying_.erase(it);
  }
}

bool EmulatedPrinter::Submit(UMockdevIoctlClient* client, UMockdevIoctlData* urbData) {
  usbdevfs_urb* urb = Urb(urbData);
  umockdev_ioctl_data_ref(urbData);
  // A transfer that does not complete here keeps in its length what the
  // printer took of it, for the moment it is discarded or cut off.
  urb->actual_length = 0;
  if ((urb->endpoint & 0x80) != 0) {
    flying_.push_back(urbData);
    CompleteReads();
    Complete(client, 0, 0);
    return true;
  }
  const int number = ++outSubmitted_;
  std::vector<uint8_t> bytes;
  if (urb->buffer_length > 0) {
    UMockdevIoctlData* buffer =
        umockdev_ioctl_data_resolve(urbData, G_STRUCT_OFFSET(usbdevfs_urb, buffer),
                                    static_cast<gsize>(urb->buffer_length), nullptr);
    if (buffer != nullptr) bytes.assign(buffer->data, buffer->data + urb->buffer_length);
  }
  if (stopTakingInput_) {
    flying_.push_back(urbData);  // ends only when it is discarded
    Complete(client, 0, 0);
    return true;
  }
  const auto failure = faults_.find(number);
  if (failure == faults_.end()) {
    urb->status = 0;
    urb->actual_length = urb->buffer_length;
    taken_.push_back(bytes);
    if (bytes.size() == 2 && bytes[0] == 0x01 && bytes[1] == 'A' && !silent_) {
      input_.push_back(reply_);
    }
    done_.push_back(urbData);
    CompleteReads();
    Complete(client, 0, 0);
    return true;
  }
  const auto taken =
      std::min<size_t>(static_cast<size_t>(std::max(failure->second.bytes, 0)), bytes.size());
  takenInPart_.emplace_back(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(taken));
  urb->actual_length = static_cast<int>(taken);
  switch (failure->second.fault) {
    case OutFault::Stall:
      urb->status = -EPIPE;
      done_.push_back(urbData);
      break;
    case OutFault::Short:
      urb->status = 0;
      done_.push_back(urbData);
      break;
    case OutFault::Vanish:
      flying_.push_back(urbData);
      VanishLocked();
      break;
    case OutFault::TimeOut:
      flying_.push_back(urbData);  // ends when libusb discards it
      break;
  }
  Complete(client, 0, 0);
  return true;
}

bool EmulatedPrinter::Handle(UMockdevIoctlClient* client) {
  {
    std::unique_lock hold(holdMutex_);
    if (holdNext_) {
      holdNext_ = false;
      held_ = true;
      holdChanged_.notify_all();
      holdChanged_.wait(hold, [this] { return !held_; });
    }
  }
  const std::lock_guard lock(mutex_);
  const gulong request = umockdev_ioctl_client_get_request(client);
  UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
  ++requests_[request];

  if (gone_ && request != USBDEVFS_REAPURB && request != USBDEVFS_REAPURBNDELAY &&
      request != USBDEVFS_DISCARDURB) {
    Complete(client, -1, ENODEV);
    return true;
  }
  switch (request) {
    case USBDEVFS_GET_CAPABILITIES: {
      UMockdevIoctlData* caps = umockdev_ioctl_data_resolve(arg, 0, sizeof(guint32), nullptr);
      *reinterpret_cast<guint32*>(caps->data) =
          USBDEVFS_CAP_BULK_CONTINUATION | USBDEVFS_CAP_NO_PACKET_SIZE_LIM |
          USBDEVFS_CAP_REAP_AFTER_DISCONNECT | USBDEVFS_CAP_ZERO_PACKET;
      umockdev_ioctl_data_unref(caps);
      Complete(client, 0, 0);
      return true;
    }
    case USBDEVFS_CLAIMINTERFACE:
    case USBDEVFS_DISCONNECT_CLAIM:
      if (claimedElsewhere_) {
        Complete(client, -1, EBUSY);
      } else {
        interfaceClaimed_ = true;
        Complete(client, 0, 0);
      }
      return true;
    case USBDEVFS_RELEASEINTERFACE:
      interfaceClaimed_ = false;
      Complete(client, 0, 0);
      return true;
    case USBDEVFS_GETDRIVER:
      Complete(client, -1, ENODATA);  // no kernel driver holds the chip
      return true;
    case USBDEVFS_CLEAR_HALT:
      ++haltsCleared_;
      if (vanishAtReset_) {
        vanishAtReset_ = false;
        VanishLocked();
        Complete(client, -1, ENODEV);
        return true;
      }
      Complete(client, 0, 0);
      return true;
    case USBDEVFS_SETINTERFACE:
    case USBDEVFS_RESET:
    case USBDEVFS_RESETEP:
    case USBDEVFS_IOCTL:
      Complete(client, 0, 0);
      return true;
    case USBDEVFS_SUBMITURB: {
      UMockdevIoctlData* urbData =
          umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_urb), nullptr);
      const bool handled = Submit(client, urbData);
      umockdev_ioctl_data_unref(urbData);
      return handled;
    }
    case USBDEVFS_REAPURB:
    case USBDEVFS_REAPURBNDELAY: {
      if (done_.empty()) {
        Complete(client, -1, gone_ ? ENODEV : EAGAIN);
        return true;
      }
      UMockdevIoctlData* urbData = done_.front();
      done_.pop_front();
      UMockdevIoctlData* pointer = umockdev_ioctl_data_resolve(arg, 0, sizeof(gpointer), nullptr);
      umockdev_ioctl_data_set_ptr(pointer, 0, urbData);
      umockdev_ioctl_data_unref(pointer);
      umockdev_ioctl_data_unref(urbData);
      Complete(client, 0, 0);
      return true;
    }
    case USBDEVFS_DISCARDURB: {
      const auto address = reinterpret_cast<gulong>(*reinterpret_cast<void**>(arg->data));
      for (auto it = flying_.begin(); it != flying_.end(); ++it) {
        if ((*it)->client_addr != address) continue;
        // What the printer took before the transfer was given up stays in its length.
        Urb(*it)->status = -ENOENT;
        done_.push_back(*it);
        flying_.erase(it);
        Complete(client, 0, 0);
        return true;
      }
      Complete(client, -1, EINVAL);
      return true;
    }
    default:
      return false;
  }
}

EmulatedBus::EmulatedBus() {
  if (!available()) return;
  testbed_ = umockdev_testbed_new();
  if (!umockdev_testbed_add_from_string(testbed_, RootHub, nullptr)) {
    throw std::runtime_error("the emulated root hub could not be added");
  }
}

EmulatedBus::~EmulatedBus() {
  if (testbed_ == nullptr) return;
  // Every descriptor is closed by now (the bus outlives the devices of a test),
  // so no client can be left connecting to a handler that goes.
  for (const auto& printer : printers_) {
    umockdev_testbed_detach_ioctl(testbed_, printer->devnode().c_str(), nullptr);
  }
  g_object_unref(testbed_);
}

bool EmulatedBus::available() {
  // The preload library stands in for the kernel's files; without it the
  // program would talk to the real USB subsystem.
  void* preload = dlopen("libumockdev-preload.so.0", RTLD_NOW | RTLD_NOLOAD);
  if (preload == nullptr) return false;
  dlclose(preload);
  return true;
}

EmulatedPrinter& EmulatedBus::Plug(uint8_t port, uint16_t vendor, uint16_t product) {
  auto printer = std::make_unique<EmulatedPrinter>(port, nextAddress_++, vendor, product);
  // The handler first, so that the device answers as soon as it appears.
  if (!umockdev_testbed_attach_ioctl(testbed_, printer->devnode().c_str(), printer->handler(),
                                     nullptr) ||
      !umockdev_testbed_add_from_string(testbed_, printer->udevRecord().c_str(), nullptr)) {
    throw std::runtime_error("the emulated printer could not be added");
  }
  printers_.push_back(std::move(printer));
  return *printers_.back();
}

void EmulatedBus::Unplug(EmulatedPrinter& printer) {
  printer.Vanish();
  umockdev_testbed_remove_device(testbed_, printer.syspath().c_str());
  // The handler stays until the bus goes. A program may have opened the device
  // node a moment ago: its connection to the handler waits in the socket's
  // queue until umockdev's thread takes it up, and detaching the handler now
  // would drop it, so that the program's next request failed with EPIPE inside
  // the preload library, which aborts the whole test program. Left attached,
  // the handler answers it with ENODEV.
}

std::string EmulatedBus::NodePath(const EmulatedPrinter& printer) const {
  gchar* root = umockdev_testbed_get_root_dir(testbed_);
  std::string path = std::string(root) + printer.devnode();
  g_free(root);
  return path;
}

}  // namespace q5300::usbtest
