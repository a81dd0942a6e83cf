#include "files/FileIo.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <utility>

#include "files/FileIoCommon.h"

// Reading and saving on POSIX systems.

namespace q5300 {

using fileio::Failure;
using fileio::NewTemporaryName;
using fileio::Reason;

namespace {

// What a name holds that is not a regular file, in the operator's words.
const char* WhatItIs(mode_t mode) {
  if (S_ISDIR(mode)) return kIoAFolder;
  if (S_ISFIFO(mode)) return kIoAPipe;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return kIoADevice;
  if (S_ISSOCK(mode)) return kIoASocket;
  return kIoSomethingElse;
}

Phrase NotAFile(mode_t mode) {
  return Phrase(kIoNotAFile, WhatItIs(mode));
}

// A descriptor closed at the end of its scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : fd_(other.Release()) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  ~Descriptor() { Reset(); }
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  int Release() { return std::exchange(fd_, -1); }
  void Reset(int fd = -1) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

// ---- Temporary files ---------------------------------------------------------------

// A temporary file of this user that no save holds any more: every save keeps
// its temporary file locked until it has taken the target's name, and the lock
// ends with the process, however it ends.
void RemoveIfStale(int folder, const char* name) {
  const Descriptor fd(
      openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!fd) return;
  struct stat opened {};
  if (fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != geteuid()) {
    return;
  }
  if (flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return;
  struct stat named {};
  if (fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == opened.st_dev &&
      named.st_ino == opened.st_ino) {
    unlinkat(folder, name, 0);
  }
}

void RemoveStaleTemporaries(int folder) {
  const int listing = dup(folder);
  if (listing < 0) return;
  DIR* dir = fdopendir(listing);
  if (dir == nullptr) {
    close(listing);
    return;
  }
  rewinddir(dir);
  while (const dirent* entry = readdir(dir)) {
    if (IsTemporaryFileName(entry->d_name)) RemoveIfStale(folder, entry->d_name);
  }
  closedir(dir);
}

// ---- Saving -------------------------------------------------------------------------

// The file a save replaces: the folder and the name in it, after any link.
struct Target {
  std::string folder;
  std::string name;
  std::optional<struct stat> earlier;  // the file replaced, when there is one
};

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// `code` gets the system's error code of a refusal, for the diagnostic line.
Result<Target> FindTarget(const std::string& path, int& code) {
  code = EINVAL;
  std::string resolved = path;
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) {
    code = errno;
    if (code != ENOENT) return Failure(Phrase(kIoCouldNotCreate, Reason(code)));
    // A new file; a missing folder shows when the file is made.
    return Target{FolderOf(path), NameOf(path), std::nullopt};
  }
  if (S_ISLNK(st.st_mode)) {
    // Written through: the file the link names is replaced, the link stays.
    char* real = realpath(path.c_str(), nullptr);
    if (real == nullptr) {
      code = errno;
      if (code == ENOENT) return Failure(kIoLinkToNothing);
      return Failure(Phrase(kIoLinkNotFollowed, Reason(code)));
    }
    resolved = real;
    std::free(real);
    if (stat(resolved.c_str(), &st) != 0) {
      code = errno;
      return Failure(Phrase(kIoLinkNotFollowed, Reason(code)));
    }
    if (!S_ISREG(st.st_mode)) return Failure(Phrase(kIoLinkNotToAFile, WhatItIs(st.st_mode)));
  } else if (!S_ISREG(st.st_mode)) {
    return Failure(NotAFile(st.st_mode));
  }
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    code = EACCES;
    return Failure(kIoReadOnly);
  }
  // Whoever may open the file for writing may replace it, as any editor would.
  if (faccessat(AT_FDCWD, resolved.c_str(), W_OK, AT_EACCESS) != 0) {
    code = errno;
    return code == EACCES || code == EPERM
               ? Failure(kIoMayNotChange)
               : Failure(Phrase(kIoCannotChange, Reason(code)));
  }
  return Target{FolderOf(resolved), NameOf(resolved), st};
}

// The new file, open for writing, locked, and named once it has a name.
struct NewFile {
  Descriptor fd;
  std::string name;  // empty while unnamed
};

// `code` gets the system's error code of a failure, for the diagnostic line.
Result<NewFile> CreateNamed(int folder, int& code) {
  NewFile file;
  code = EEXIST;
  for (int attempt = 0; attempt < 100; ++attempt) {
    file.name = NewTemporaryName();
    file.fd.Reset(openat(folder, file.name.c_str(),
                         O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file.fd) {
      code = errno;
      if (code != EEXIST) break;
      continue;
    }
    flock(file.fd.get(), LOCK_EX);
    // Another save in this folder may have found the file unlocked between its
    // making and the lock, taken it for a stale one and removed it.
    struct stat opened {};
    struct stat named {};
    if (fstat(file.fd.get(), &opened) != 0) return file;
    if (fstatat(folder, file.name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0
            ? named.st_dev == opened.st_dev && named.st_ino == opened.st_ino
            : errno != ENOENT) {
      return file;
    }
    file.fd.Reset();
  }
  return Failure(Phrase(kIoCouldNotCreate, Reason(code)));
}

// An unnamed file, where the file system makes them.
std::optional<NewFile> CreateUnnamed(int folder) {
#ifdef O_TMPFILE
  NewFile file;
  file.fd.Reset(openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  if (!file.fd) return std::nullopt;
  flock(file.fd.get(), LOCK_EX);
  return file;
#else
  (void)folder;
  return std::nullopt;
#endif
}

// Gives an unnamed file a temporary name beside the target.
bool LinkIn(int folder, NewFile& file) {
  const std::string self = "/proc/self/fd/" + std::to_string(file.fd.get());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = NewTemporaryName();
    int linked = linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW);
    if (linked != 0 && errno == ENOENT) {
      // No /proc: only a process that may read any file can name a descriptor.
      linked = linkat(file.fd.get(), "", folder, name.c_str(), AT_EMPTY_PATH);
    }
    if (linked == 0) {
      file.name = name;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return true;
}

// The earlier file's mode, and its owner and group where this user may give them.
void TakeOverAttributes(int fd, const struct stat& earlier) {
  if (fchown(fd, earlier.st_uid, earlier.st_gid) != 0) {
    [[maybe_unused]] const int group = fchown(fd, static_cast<uid_t>(-1), earlier.st_gid);
  }
  // After the owner: a change of owner clears the set-user and set-group bits.
  [[maybe_unused]] const int mode = fchmod(fd, earlier.st_mode & 07777);
}

}  // namespace

namespace fileio {

uint64_t ProcessNumber() {
  return static_cast<uint64_t>(getpid());
}

// EINVAL for a name that holds no regular file.
Result<FilePtr> OpenChecked(const std::string& path, int& code) {
  const auto failed = [&code](int error, Phrase phrase) {
    code = error;
    return Message{std::move(phrase)};
  };
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return failed(errno, Reason(errno));
  if (!S_ISREG(st.st_mode)) return failed(EINVAL, NotAFile(st.st_mode));
  Descriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!fd) return failed(errno, Reason(errno));
  if (fstat(fd.get(), &st) != 0) return failed(errno, Reason(errno));
  if (!S_ISREG(st.st_mode)) return failed(EINVAL, NotAFile(st.st_mode));
  const int flags = fcntl(fd.get(), F_GETFL);
  if (flags < 0 || fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
    return failed(errno, Reason(errno));
  }
  FilePtr file(fdopen(fd.get(), "rb"));
  if (!file) return failed(errno, Reason(errno));
  fd.Release();
  return file;
}

}  // namespace fileio

uint64_t FileSizeOf(std::FILE* file) {
  struct stat st {};
  if (fstat(fileno(file), &st) != 0 || st.st_size < 0) return 0;
  return static_cast<uint64_t>(st.st_size);
}

bool PathExists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

Status WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                           TemporaryFile temporary) {
  const auto refused = [&path](const Message& why, int code) {
    TraceCannotOpen(path, static_cast<unsigned>(code));
    return Status(why);
  };
  int refusal = 0;
  const auto target = FindTarget(path, refusal);
  if (!target) return refused(target.failure(), refusal);
  if (target->name.empty()) return refused(Failure(kIoNamesAFolder), EISDIR);

  const Descriptor folder(open(target->folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder) {
    const int code = errno;
    return refused(Failure(Phrase(kIoCouldNotCreate, Reason(code))), code);
  }
  RemoveStaleTemporaries(folder.get());

  std::optional<NewFile> made;
  if (temporary == TemporaryFile::Unnamed) made = CreateUnnamed(folder.get());
  const auto removeNew = [&] {
    if (made && !made->name.empty()) unlinkat(folder.get(), made->name.c_str(), 0);
  };
  for (;;) {
    if (!made) {
      auto named = CreateNamed(folder.get(), refusal);
      if (!named) return refused(named.failure(), refusal);
      made = std::move(*named);
    }
    errno = 0;
    bool written = WriteAll(made->fd.get(), bytes);
    if (written && target->earlier) TakeOverAttributes(made->fd.get(), *target->earlier);
    written = written && fsync(made->fd.get()) == 0;
    if (!written) {
      const int code = errno;
      removeNew();
      return Failure(Phrase(kIoCouldNotWrite, Reason(code)));
    }
    if (!made->name.empty() || LinkIn(folder.get(), *made)) break;
    // The file system made the file but cannot name it: once more, named.
    made.reset();
  }

  // The name may have been given to something else meanwhile.
  struct stat now {};
  if (fstatat(folder.get(), target->name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
      !S_ISREG(now.st_mode)) {
    removeNew();
    return refused(Failure(NotAFile(now.st_mode)), EINVAL);
  }
  if (renameat(folder.get(), made->name.c_str(), folder.get(), target->name.c_str()) != 0) {
    const int code = errno;
    removeNew();
    return refused(Failure(Phrase(kIoCouldNotReplace, Reason(code))), code);
  }
  // The new directory entry survives a power cut only once the folder is synced.
  fsync(folder.get());
  return Status::Ok();
}

int CreateNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  const bool written = WriteAll(fd, bytes);
  const int code = errno;
  if (close(fd) != 0 || !written) {
    const int error = written ? errno : code;
    unlink(path.c_str());
    return error;
  }
  return 0;
}

int AppendToRegularFile(const std::filesystem::path& path, std::string_view text) {
  struct stat named {};
  if (stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode)) return NotARegularFile;
  const int fd =
      open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) return errno;
  struct stat st {};
  int error = 0;
  if (fstat(fd, &st) != 0) {
    error = errno;
  } else if (!S_ISREG(st.st_mode)) {
    error = NotARegularFile;
  } else if (!WriteAll(fd, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()))) {
    error = errno;
    [[maybe_unused]] const int cut = ftruncate(fd, st.st_size);
  }
  if (close(fd) != 0 && error == 0) error = errno;
  return error;
}

void RemoveFile(const std::filesystem::path& path) {
  unlink(path.c_str());
}

}  // namespace q5300
