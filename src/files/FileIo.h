#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "data/Result.h"

namespace q5300 {

// Files are open only while a command runs; paths are UTF-8.
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The diagnostic line for a file that cannot be opened or created; the
// operator is told separately.
void TraceCannotOpen(const std::string& path, unsigned code);

// A regular file opened for reading in binary. A path that names no regular
// file (a folder, a device, a pipe) is refused before it is opened, so nothing
// waits on it. A failure writes the diagnostic line; the message says why.
Result<FilePtr> OpenForReading(const std::string& path);

// The reason the last read of `path` failed, from errno.
Message ReadFailure(const std::string& path);

// The whole file, refused when it is larger than `maxBytes` (no more than
// maxBytes + 1 bytes are ever read or held).
Result<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Something (a file, a folder, a link) has this name.
bool PathExists(const std::string& path);

// Writes `bytes` to a new file in the folder of `path`, flushes it to the disk
// and only then moves it over `path`. Any failure leaves an earlier file at
// `path` as it was and removes the new one; the message says why. A file the
// operator made read-only is not replaced. A symbolic link is written through.
Status WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace q5300
