#include "files/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <random>
#include <string_view>
#include <system_error>

#include "data/AsciiText.h"
#include "files/FileIoCommon.h"

// The part of reading and saving that is the same on every system; what speaks
// to the system is in FileIoPosix.cpp and FileIoWindows.cpp.

namespace q5300 {
namespace fileio {

Phrase Reason(int code) {
  return Phrase::Literal(std::generic_category().message(code));
}

Message Failure(Phrase phrase) {
  return Message{Phrase::Sentence(std::move(phrase))};
}

namespace {

constexpr std::string_view kTemporaryPrefix = ".q5300-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryRandomChars = 12;

bool IsDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Earlier versions named the new file ".NAME.T.C.A.tmp": the target's name and
// three numbers.
bool IsEarlierTemporaryName(std::string_view name) {
  if (!name.starts_with('.') || !name.ends_with(kTemporarySuffix)) return false;
  std::string_view rest = name.substr(1, name.size() - 1 - kTemporarySuffix.size());
  for (int part = 0; part < 3; ++part) {
    const std::size_t dot = rest.rfind('.');
    if (dot == std::string_view::npos || !IsDigits(rest.substr(dot + 1))) return false;
    rest = rest.substr(0, dot);
  }
  return EndsWithNoCase(rest, ".qxk") || EndsWithNoCase(rest, ".qxu") ||
         EndsWithNoCase(rest, ".png");
}

}  // namespace

std::string NewTemporaryName() {
  static constexpr std::string_view kAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 random{std::random_device{}() ^ (ProcessNumber() << 32)};
  std::string name(kTemporaryPrefix);
  for (std::size_t i = 0; i < kTemporaryRandomChars; ++i) {
    name += kAlphabet[random() % kAlphabet.size()];
  }
  name += kTemporarySuffix;
  return name;
}

}  // namespace fileio

using fileio::Failure;
using fileio::Reason;

namespace {

constexpr char kCouldNotRead[] = Q5300_TEXT("q5300", "the file could not be read: %1");
constexpr char kLargerThanAnyLabelFile[] =
    Q5300_TEXT("q5300", "the file is larger than %1 bytes, more than any label file holds");

}  // namespace

void TraceCannotOpen(const std::string& path, unsigned code) {
  std::fprintf(stderr, "Can't   open   file   %s,   error   =   %u\n", path.c_str(), code);
}

Result<FilePtr> OpenRegularFile(const std::string& path) {
  int code = 0;
  return fileio::OpenChecked(path, code);
}

Result<FilePtr> OpenForReading(const std::string& path) {
  int code = 0;
  auto file = fileio::OpenChecked(path, code);
  if (!file) {
    TraceCannotOpen(path, static_cast<unsigned>(code));
    return Failure(file.failure().phrase);
  }
  return file;
}

Message ReadFailure(const std::string& path) {
  const int code = errno;
  TraceCannotOpen(path, static_cast<unsigned>(code));
  return Failure(Phrase(kCouldNotRead, Reason(code)));
}

Result<std::vector<uint8_t>> ReadAtMost(std::FILE* file, const std::string& path,
                                        std::size_t maxBytes) {
  const std::size_t limit = maxBytes + 1;
  // Room for the size the file has now; more only if it grows.
  std::vector<uint8_t> bytes(
      static_cast<std::size_t>(std::min<uint64_t>(FileSizeOf(file) + 1, limit)));
  std::size_t got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (bytes.size() == limit) break;
      bytes.resize(std::min(bytes.size() * 2, limit));
    }
    errno = 0;
    const std::size_t n = std::fread(bytes.data() + got, 1, bytes.size() - got, file);
    got += n;
    if (n == 0) break;
  }
  if (std::ferror(file) != 0) return ReadFailure(path);
  bytes.resize(got);
  return bytes;
}

Result<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  auto file = OpenForReading(path);
  if (!file) return file.failure();
  auto bytes = ReadAtMost(file->get(), path, maxBytes);
  if (bytes && bytes->size() > maxBytes) {
    return Failure(Phrase(kLargerThanAnyLabelFile, maxBytes));
  }
  return bytes;
}

bool IsTemporaryFileName(std::string_view name) {
  using fileio::kTemporaryPrefix;
  using fileio::kTemporaryRandomChars;
  using fileio::kTemporarySuffix;
  if (name.size() == kTemporaryPrefix.size() + kTemporaryRandomChars + kTemporarySuffix.size() &&
      name.starts_with(kTemporaryPrefix) && name.ends_with(kTemporarySuffix)) {
    const std::string_view random = name.substr(kTemporaryPrefix.size(), kTemporaryRandomChars);
    return std::all_of(random.begin(), random.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
  }
  return fileio::IsEarlierTemporaryName(name);
}

}  // namespace q5300
