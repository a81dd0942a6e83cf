#include "files/FileIo.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace q5300 {
namespace {

namespace fs = std::filesystem;

fs::path PathOf(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::FILE* OpenFile(const fs::path& path, const char* mode) {
#ifdef _WIN32
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wideMode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

std::string Reason(int code) {
  return std::generic_category().message(code);
}

Message Failure(const std::string& reason) {
  return Message{reason + "."};
}

// Flushes the file's data to the disk, not only to the system.
bool SyncToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// The new directory entry survives a power cut only once the folder is synced.
void SyncFolder([[maybe_unused]] const fs::path& folder) {
#ifndef _WIN32
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
#endif
}

// A name of its own beside the target: hidden, and unlikely to meet another.
fs::path TemporaryBeside(const fs::path& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  const auto tick =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  fs::path name = u8".";
  name += target.filename();
  for (const unsigned long long part : {tick % 1000000007ULL, 0ULL + counter++, 0ULL + attempt}) {
    name += u8".";
    name += std::to_string(part);
  }
  name += u8".tmp";
  return target.parent_path() / name;
}

}  // namespace

void TraceCannotOpen(const std::string& path, unsigned code) {
  std::fprintf(stderr, "Can't   open   file   %s,   error   =   %u\n", path.c_str(), code);
}

Result<FilePtr> OpenForReading(const std::string& path) {
  const fs::path p = PathOf(path);
  std::error_code ec;
  const fs::file_status status = fs::status(p, ec);
  if (ec) {
    TraceCannotOpen(path, static_cast<unsigned>(ec.value()));
    return Failure(ec.message());
  }
  if (!fs::is_regular_file(status)) {
    const int code = fs::is_directory(status) ? EISDIR : EINVAL;
    TraceCannotOpen(path, static_cast<unsigned>(code));
    return Failure(fs::is_directory(status) ? "It is a folder, not a file" : "It is not a file");
  }
  errno = 0;
  FilePtr file(OpenFile(p, "rb"));
  if (!file) {
    const int code = errno;
    TraceCannotOpen(path, static_cast<unsigned>(code));
    return Failure(Reason(code));
  }
  return file;
}

Message ReadFailure(const std::string& path) {
  const int code = errno;
  TraceCannotOpen(path, static_cast<unsigned>(code));
  return Failure("The file could not be read: " + Reason(code));
}

Result<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  auto file = OpenForReading(path);
  if (!file) return file.failure();
  std::vector<uint8_t> bytes(maxBytes + 1);
  std::size_t got = 0;
  while (got < bytes.size()) {
    errno = 0;
    const std::size_t n = std::fread(bytes.data() + got, 1, bytes.size() - got, file->get());
    got += n;
    if (n == 0) break;
  }
  if (std::ferror(file->get()) != 0) return ReadFailure(path);
  if (got > maxBytes) {
    return Failure("The file is larger than " + std::to_string(maxBytes) +
                   " bytes, more than any label file holds");
  }
  bytes.resize(got);
  return bytes;
}

bool PathExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(PathOf(path), ec));
}

Status WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
  fs::path target = PathOf(path);
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
  const fs::file_status earlier = fs::status(target, ec);
  const bool replacing = fs::exists(earlier);
  if (replacing && fs::is_regular_file(earlier) &&
      (earlier.permissions() & fs::perms::owner_write) == fs::perms::none) {
    TraceCannotOpen(path, EACCES);
    return Failure("The file is read-only; it was left as it was");
  }

  fs::path temporary;
  FilePtr file;
  for (unsigned attempt = 0; attempt < 100 && !file; ++attempt) {
    temporary = TemporaryBeside(target, attempt);
    errno = 0;
    file.reset(OpenFile(temporary, "wbx"));
    if (!file && errno != EEXIST) break;
  }
  if (!file) {
    const int code = errno;
    TraceCannotOpen(path, static_cast<unsigned>(code));
    return Failure("The file could not be created: " + Reason(code));
  }

  errno = 0;
  bool written =
      bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  written = written && SyncToDisk(file.get());
  written = (std::fclose(file.release()) == 0) && written;
  if (!written) {
    const int code = errno;
    fs::remove(temporary, ec);
    return Failure("The file could not be written: " + Reason(code));
  }
  if (replacing && fs::is_regular_file(earlier)) {
    fs::permissions(temporary, earlier.permissions(), ec);
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    const std::error_code renameError = ec;
    fs::remove(temporary, ec);
    TraceCannotOpen(path, static_cast<unsigned>(renameError.value()));
    return Failure("The file could not be replaced: " + renameError.message());
  }
  SyncFolder(target.parent_path().empty() ? fs::path(".") : target.parent_path());
  return Status::Ok();
}

}  // namespace q5300
