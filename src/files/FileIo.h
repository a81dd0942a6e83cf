#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
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

// A regular file opened for reading in binary, quietly. The name is looked at
// first, so that a device is never opened only to be refused; then the file is
// opened without waiting and what was opened is checked again, so a name handed
// to a pipe or a device in between is refused too, never waited on. What is read
// is what was checked. The failure's text is a phrase in the system's words or
// ours ("it is a pipe, not a file"), without a full stop, for a message of the
// caller's own.
Result<FilePtr> OpenRegularFile(const std::string& path);

// The same, with the diagnostic line on failure and a message that says why.
Result<FilePtr> OpenForReading(const std::string& path);

// The reason the last read of `path` failed, from errno.
Message ReadFailure(const std::string& path);

// The size of an open file in bytes.
uint64_t FileSizeOf(std::FILE* file);

// An open file read to its end, but no more than maxBytes + 1 bytes: a result
// longer than `maxBytes` tells a file that is larger (or grew while it was read).
Result<std::vector<uint8_t>> ReadAtMost(std::FILE* file, const std::string& path,
                                        std::size_t maxBytes);

// The whole file, refused when it is larger than `maxBytes` (no more than
// maxBytes + 1 bytes are ever read or held).
Result<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Files written beside the job, not saved over one (the virtual printer's
// records). Each gives 0 or what went wrong: an error code of the system, or
// NotARegularFile.
inline constexpr int NotARegularFile = -1;
// Writes `bytes` to a new file at `path`, never one that is there already
// (EEXIST when the name is taken). Half a write is no record of it, so a failed
// file is removed.
int CreateNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);
// Appends `text` to the regular file at `path` (made when missing), or leaves it
// as it was. A pipe or a device there is refused, not waited on.
int AppendToRegularFile(const std::filesystem::path& path, std::string_view text);
void RemoveFile(const std::filesystem::path& path);

// Something (a file, a folder, a link) has this name.
bool PathExists(const std::string& path);

// How a save makes the new file before it takes the name: unnamed until it is
// whole, where the file system can (a save killed while it writes leaves
// nothing behind), or under a temporary name from the start.
enum class TemporaryFile { Unnamed, Named };

// Writes `bytes` to a new file in the folder of `path`, flushes it to the disk
// and only then moves it over `path`, so the name always holds the earlier file
// or the whole new one. Only a regular file, or a symbolic link to one (written
// through), is replaced: a folder, a pipe, a device, a socket or a link to
// nothing is refused. A file is replaced only when this user may write to it,
// and never when it has no write permission at all; it keeps its mode and, where
// this user may give them (root), its owner and group. Any failure leaves an
// earlier file at `path` as it was and removes the new one; the message says why.
// The temporary name is short and fixed in length, so any name the file system
// takes can be saved; temporary files a killed save left in the folder are
// removed first.
Status WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                           TemporaryFile temporary = TemporaryFile::Unnamed);

// Names this program gives its temporary files beside a saved file: those of
// today and those of earlier versions (".NAME.N.N.N.tmp" for a label file or an
// image).
bool IsTemporaryFileName(std::string_view name);

}  // namespace q5300
