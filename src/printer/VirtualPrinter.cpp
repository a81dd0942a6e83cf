#include "printer/VirtualPrinter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>
#include <system_error>
#include <thread>
#include <type_traits>

#include "files/FileIo.h"
#include "printer/PrintedLabels.h"

namespace q5300 {

namespace {

constexpr uint8_t StaleByte = 0xEE;

constexpr char kVirtualPrinter[] = Q5300_TEXT("q5300", "the virtual printer");
constexpr char kWritingInto[] = Q5300_TEXT("q5300", "the virtual printer writing into %1");
constexpr char kOpened[] = Q5300_TEXT("q5300", "Opened %1.");
constexpr char kUnplugged[] = Q5300_TEXT("q5300", "The virtual printer has been unplugged.");
constexpr char kToldNoDevice[] =
    Q5300_TEXT("q5300", "No printer is connected (virtual printer told so).");
constexpr char kToldNoPermission[] =
    Q5300_TEXT("q5300", "The virtual printer is there, but this user may not open it (told so).");
constexpr char kToldFailed[] =
    Q5300_TEXT("q5300", "The virtual printer could not be opened (told so).");

// The number of a file named write-NNNN.bin, or 0.
unsigned FileNumber(const std::string& name) {
  constexpr std::string_view prefix = "write-";
  constexpr std::string_view suffix = ".bin";
  if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
      !name.ends_with(suffix)) {
    return 0;
  }
  const std::string_view digits =
      std::string_view(name).substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (digits.size() > 9) return 0;
  unsigned number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + static_cast<unsigned>(c - '0');
  }
  return number;
}

// A file name as ASCII, or empty. Only ASCII names can be ours, and no other is
// converted: on Windows a name outside the session's code page cannot be.
std::string AsciiName(const std::filesystem::path& name) {
  std::string ascii;
  for (const auto c : name.native()) {
    const auto code = static_cast<std::make_unsigned_t<std::filesystem::path::value_type>>(c);
    if (code == 0 || code >= 0x80) return {};
    ascii += static_cast<char>(code);
  }
  return ascii;
}

unsigned NextFreeNumber(const std::filesystem::path& dir) {
  unsigned highest = 0;
  std::error_code ec;
  for (auto it = std::filesystem::directory_iterator(dir, ec);
       !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    highest = std::max(highest, FileNumber(AsciiName(it->path().filename())));
  }
  return highest + 1;
}

}  // namespace

VirtualPrinter::VirtualPrinter(const Clock& clock) : clock_(clock) {}

VirtualPrinter::VirtualPrinter(const Clock& clock, std::filesystem::path outputDir)
    : clock_(clock), outputDir_(std::move(outputDir)) {
  nextFileNumber_ = NextFreeNumber(*outputDir_);
}

std::vector<uint8_t> VirtualPrinter::ReadyReply() {
  std::vector<uint8_t> reply(9, 0);
  reply[0] = 'N';
  return reply;
}

void VirtualPrinter::UnplugAfterWrites(int writes) {
  unplugIn_ = std::max(writes, 0);
  if (unplugIn_ == 0) unplugged_ = true;
}

void VirtualPrinter::AddStaleInput(int count) {
  for (int i = 0; i < count; ++i) uploads_.push_back({StaleByte});
}

void VirtualPrinter::Log(DeviceCall call, int64_t result, std::span<const uint8_t> bytes,
                         std::size_t taken) {
  calls_.push_back({call, clock_.Now(), {bytes.begin(), bytes.end()}, result, taken});
}

int VirtualPrinter::CountCalls(DeviceCall call) const {
  return static_cast<int>(std::count_if(
      calls_.begin(), calls_.end(), [call](const DeviceCallRecord& r) { return r.call == call; }));
}

std::vector<DecodedPacket> VirtualPrinter::packets() const {
  std::vector<DecodedPacket> found;
  for (const ReceivedWrite& w : received_) {
    if (w.message.kind == MessageKind::PrintPacket) found.push_back(w.message.packet);
  }
  return found;
}

// What opening would give now; nothing changes.
OpenResult VirtualPrinter::Answer() {
  OpenResult result;
  if (unplugged_) {
    result = {OpenStatus::NoDevice, kUnplugged};
  } else {
    switch (refusal_) {
      case OpenStatus::NoDevice:
        result = {OpenStatus::NoDevice, kToldNoDevice};
        break;
      case OpenStatus::NoPermission:
        result = {OpenStatus::NoPermission, kToldNoPermission};
        break;
      case OpenStatus::Failed:
        result = {OpenStatus::Failed, kToldFailed};
        break;
      case OpenStatus::Opened:
        result.status = OpenStatus::Opened;
        result.printer = outputDir_ ? Phrase(kWritingInto, Phrase::Literal(outputDir_->string()))
                                    : Phrase(kVirtualPrinter);
        result.detail = Phrase(kOpened, result.printer);
        break;
    }
  }
  return result;
}

OpenResult VirtualPrinter::Open() {
  OpenResult result = Answer();
  if (result.ok()) {
    open_ = true;
    outputError_.clear();
  }
  Log(DeviceCall::Open, static_cast<int64_t>(result.status));
  return result;
}

OpenResult VirtualPrinter::Probe() {
  OpenResult result = Answer();
  if (result.ok()) result.detail = {};
  Log(DeviceCall::Probe, static_cast<int64_t>(result.status));
  return result;
}

void VirtualPrinter::Close() {
  open_ = false;
  Log(DeviceCall::Close, 0);
}

ResetResult VirtualPrinter::Reset() {
  const bool gone = open_ && unplugged_;
  if (gone) open_ = false;
  Log(DeviceCall::Reset, gone ? 1 : 0);
  return gone ? ResetResult::Gone : ResetResult::Done;
}

uint32_t VirtualPrinter::UsbId() {
  const uint32_t id = Usable() ? VirtualUsbId : 0;
  Log(DeviceCall::UsbId, id);
  return id;
}

int VirtualPrinter::PendingUploads() {
  const int pending = Usable() ? static_cast<int>(uploads_.size()) : 0;
  Log(DeviceCall::PendingUploads, pending);
  return pending;
}

int VirtualPrinter::Read(std::span<uint8_t> buffer) {
  if (!Usable()) {
    Log(DeviceCall::Read, -1);
    return -1;
  }
  if (emptyReads_ > 0) {
    --emptyReads_;
    if (!uploads_.empty()) uploads_.pop_front();
    Log(DeviceCall::Read, 0);
    return 0;
  }
  if (uploads_.empty() || buffer.empty()) {
    Log(DeviceCall::Read, 0);
    return 0;
  }
  const std::vector<uint8_t> upload = std::move(uploads_.front());
  uploads_.pop_front();
  const size_t n = std::min(buffer.size(), upload.size());
  std::copy_n(upload.begin(), n, buffer.begin());
  Log(DeviceCall::Read, static_cast<int64_t>(n), buffer.first(n));
  return static_cast<int>(n);
}

Written VirtualPrinter::Write(std::span<const uint8_t> bytes) {
  if (arrival_) arrival_(bytes);
  if (stallWrites_ && Usable()) {
    // A printer whose input is full holds the write until it times out.
    std::this_thread::sleep_for(*stallWrites_);
    Log(DeviceCall::Write, 0, bytes);
    return {};
  }
  // A printer that lost a write takes nothing more until it is opened again:
  // later writes must not hide the loss.
  bool taken = Usable() && outputError_.empty();
  if (taken && writeFailsIn_ > 0 && --writeFailsIn_ == 0) {
    // The write fails, perhaps after part of it went out.
    const std::size_t part = std::min(failedWriteTakes_, bytes.size());
    failedWriteTakes_ = 0;
    if (unplugAtFailedWrite_) {
      unplugAtFailedWrite_ = false;
      unplugged_ = true;
    }
    Log(DeviceCall::Write, 0, bytes, part);
    return {false, part};
  }
  DecodedMessage message = DecodeMessage(bytes);
  if (taken) taken = Store(bytes, message);
  Log(DeviceCall::Write, taken ? 1 : 0, bytes, taken ? bytes.size() : 0);
  if (!taken) return {};

  received_.push_back({clock_.Now(), {bytes.begin(), bytes.end()}, std::move(message)});
  if (received_.back().message.kind == MessageKind::StatusQuery) {
    if (nextReplies_.empty()) {
      uploads_.push_back(statusReply_);
    } else {
      uploads_.push_back(std::move(nextReplies_.front()));
      nextReplies_.pop_front();
    }
  }
  if (unplugIn_ > 0 && --unplugIn_ == 0) unplugged_ = true;
  return {true, bytes.size()};
}

bool VirtualPrinter::Store(std::span<const uint8_t> bytes, const DecodedMessage& message) {
  if (!outputDir_) return true;
  // Each write a file of its own, never one that is there already.
  int error = EEXIST;
  std::filesystem::path path;
  for (int attempt = 0; attempt < 1000 && error == EEXIST; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "write-%04u.bin", nextFileNumber_);
    path = *outputDir_ / name;
    error = CreateNewFile(path, bytes);
    if (error == EEXIST) ++nextFileNumber_;
  }
  if (error != 0) return Fail(path, error);
  if (message.kind == MessageKind::PrintPacket) {
    // What the printer would print: one line per label, in print order.
    std::string lines;
    ForEachPrintedLabel(message.packet, [&lines](const std::string& text) {
      lines += text;
      lines += '\n';
      return true;
    });
    const std::filesystem::path labelsPath = *outputDir_ / "labels.txt";
    if (const int appended = AppendToRegularFile(labelsPath, lines); appended != 0) {
      RemoveFile(path);
      return Fail(labelsPath, appended);
    }
  }
  ++nextFileNumber_;
  return true;
}

bool VirtualPrinter::Fail(const std::filesystem::path& path, int code) {
  outputError_ = "Cannot write " + path.string() + ": " +
                 (code == NotARegularFile ? std::string("it is not a regular file")
                                           : std::generic_category().message(code)) +
                 ".";
  return false;
}

}  // namespace q5300
