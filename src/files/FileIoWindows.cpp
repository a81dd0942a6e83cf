#include "files/FileIo.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <optional>
#include <string_view>
#include <utility>

#include "files/FileIoCommon.h"
#include "files/WideText.h"

// Reading and saving on Windows. Paths arrive as UTF-8 and reach the system as
// UTF-16 through the wide-character calls, so every name the file system takes
// works, whatever the code page of the session.

namespace q5300 {
namespace fileio {

uint64_t ProcessNumber() {
  return GetCurrentProcessId();
}

// ---- Names and messages ------------------------------------------------------------

std::optional<std::wstring> Wide(std::string_view text) {
  if (text.empty()) return std::wstring();
  if (text.size() > INT_MAX) return std::nullopt;
  const int size = static_cast<int>(text.size());
  const int length =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
  return wide;
}

namespace {

std::string Narrow(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

// The system's text for a Windows error code, as a phrase without a full stop.
Phrase SystemReason(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string phrase = length > 0 ? Narrow(std::wstring_view(text, length)) : std::string();
  LocalFree(text);
  while (!phrase.empty() && (phrase.back() == '.' || phrase.back() == ' ' ||
                             phrase.back() == '\r' || phrase.back() == '\n')) {
    phrase.pop_back();
  }
  return Phrase::Literal(phrase.empty() ? "error " + std::to_string(code) : phrase);
}

// The code of the diagnostic line for a name that holds no regular file.
constexpr DWORD kNotAFileCode = ERROR_INVALID_PARAMETER;

// A handle closed at the end of its scope.
class Handle {
 public:
  explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  Handle(Handle&& other) noexcept : handle_(other.Release()) {}
  Handle& operator=(Handle&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  ~Handle() { Reset(); }
  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
  void Reset(HANDLE handle = INVALID_HANDLE_VALUE) {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = handle;
  }

 private:
  HANDLE handle_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// What an open handle holds when it is not a regular file, in the operator's
// words; nothing for a regular file. `attributes` receives the file's attributes.
std::optional<Phrase> NotRegular(HANDLE file, DWORD& attributes) {
  const DWORD type = GetFileType(file);
  if (type == FILE_TYPE_PIPE) return kIoAPipe;
  if (type == FILE_TYPE_CHAR) return kIoADevice;
  BY_HANDLE_FILE_INFORMATION info{};
  if (type != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info)) return kIoSomethingElse;
  attributes = info.dwFileAttributes;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return kIoAFolder;
  return std::nullopt;
}

// ---- Temporary files ---------------------------------------------------------------

// Removes the file of an open handle: only what was opened goes, never something
// that took the name meanwhile. The handle needs DELETE access.
void RemoveThrough(HANDLE file) {
  FILE_DISPOSITION_INFO disposition{TRUE};
  SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

// A temporary file that no save holds any more. Every save holds its temporary
// file open for writing, sharing only its removal, until it has taken the
// target's name; an open that shares nothing is refused while that handle lives,
// and the handle ends with the process, however it ends. Whose file it was is
// not asked: the folder's permissions decide who may remove it.
void RemoveIfStale(const std::wstring& path) {
  const Handle file(CreateFileW(path.c_str(), DELETE | FILE_READ_ATTRIBUTES, 0, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file) return;
  DWORD attributes = 0;
  if (NotRegular(file.get(), attributes) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    return;
  }
  RemoveThrough(file.get());
}

// `folder` is a path prefix: empty, a drive ("C:") or ending in a separator.
void RemoveStaleTemporaries(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        IsTemporaryFileName(Narrow(found.cFileName))) {
      RemoveIfStale(folder + found.cFileName);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

// ---- Saving -------------------------------------------------------------------------

// The file a save replaces: the folder and the name in it, after any link.
struct Target {
  std::wstring folder;  // a path prefix, as RemoveStaleTemporaries takes it
  std::wstring name;
  std::optional<DWORD> earlier;  // the attributes of the file replaced, when there is one
};

Target Split(const std::wstring& path, std::optional<DWORD> earlier) {
  std::size_t start = path.find_last_of(L"\\/");
  if (start != std::wstring::npos) {
    ++start;
  } else {
    start = path.size() >= 2 && path[1] == L':' ? 2 : 0;
  }
  return Target{path.substr(0, start), path.substr(start), earlier};
}

// The path a handle was finally opened at, after every link.
std::optional<std::wstring> FinalPath(HANDLE file) {
  constexpr DWORD flags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
  const DWORD size = GetFinalPathNameByHandleW(file, nullptr, 0, flags);
  if (size == 0) return std::nullopt;
  std::wstring path(size, L'\0');
  const DWORD length = GetFinalPathNameByHandleW(file, path.data(), size, flags);
  if (length == 0 || length >= size) return std::nullopt;
  path.resize(length);
  return path;
}

bool IsMissing(DWORD code) {
  return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
}

Result<Target> FindTarget(const std::wstring& path, DWORD& code) {
  // The attributes of the name itself: a link is not followed here.
  const DWORD named = GetFileAttributesW(path.c_str());
  if (named == INVALID_FILE_ATTRIBUTES) {
    code = GetLastError();
    if (!IsMissing(code)) return Failure(Phrase(kIoCouldNotCreate, SystemReason(code)));
    // A new file; a missing folder shows when the file is made.
    return Split(path, std::nullopt);
  }
  const bool link = (named & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  // Opened through any link, only to read what it is: opening a pipe or a device
  // does not wait on it, and nothing is read or written.
  const Handle opened(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!opened) {
    code = GetLastError();
    if (link && IsMissing(code)) return Failure(kIoLinkToNothing);
    if (link) return Failure(Phrase(kIoLinkNotFollowed, SystemReason(code)));
    return Failure(Phrase(kIoCannotChange, SystemReason(code)));
  }
  DWORD attributes = 0;
  if (const auto what = NotRegular(opened.get(), attributes)) {
    code = kNotAFileCode;
    return Failure(Phrase(link ? kIoLinkNotToAFile : kIoNotAFile, *what));
  }
  std::wstring resolved = path;
  if (link) {
    // Written through: the file the link names is replaced, the link stays.
    auto finalPath = FinalPath(opened.get());
    if (!finalPath) {
      code = GetLastError();
      return Failure(Phrase(kIoLinkNotFollowed, SystemReason(code)));
    }
    resolved = std::move(*finalPath);
  }
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    code = ERROR_ACCESS_DENIED;
    return Failure(kIoReadOnly);
  }
  // Whoever may open the file for writing may replace it, as any editor would.
  // Opening it so changes nothing in it.
  const Handle writable(CreateFileW(resolved.c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!writable) {
    code = GetLastError();
    if (code == ERROR_ACCESS_DENIED) {
      return Failure(kIoMayNotChange);
    }
    return Failure(Phrase(kIoCannotChange, SystemReason(code)));
  }
  return Split(resolved, attributes);
}

// The new file, open for writing and named beside the target. It shares only its
// removal, so that the rename can take it while it is held and no other save
// takes it for stale.
struct NewFile {
  Handle handle;
  std::wstring path;
};

Result<NewFile> CreateNamed(const std::wstring& folder, DWORD& code) {
  code = ERROR_FILE_EXISTS;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = NewTemporaryName();  // ASCII only
    NewFile file{Handle(), folder + std::wstring(name.begin(), name.end())};
    file.handle.Reset(CreateFileW(file.path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_DELETE,
                                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.handle) return file;
    code = GetLastError();
    if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS) break;
  }
  return Failure(Phrase(kIoCouldNotCreate, SystemReason(code)));
}

bool WriteAll(HANDLE file, std::span<const uint8_t> bytes) {
  constexpr std::size_t kLargestWrite = std::size_t{1} << 30;
  while (!bytes.empty()) {
    const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kLargestWrite));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    bytes = bytes.subspan(written);
  }
  return true;
}

// The earlier file's hidden, system and not-indexed marks. Permissions on
// Windows come from the folder: the new file inherits them as the earlier one
// did (a list set on the earlier file by hand is not carried over).
void TakeOverAttributes(HANDLE file, DWORD earlier) {
  const DWORD kept = earlier & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
  if (kept == 0) return;
  FILE_BASIC_INFO info{};  // times of zero are left as they are
  info.FileAttributes = kept | FILE_ATTRIBUTE_ARCHIVE;
  SetFileInformationByHandle(file, FileBasicInfo, &info, sizeof info);
}

// The new directory entry is on the disk only once the folder is flushed. NTFS
// flushes a folder opened for writing; where a file system refuses, the rename
// is still whole, only perhaps not yet on the disk.
void FlushFolder(const std::wstring& folder) {
  // The prefix without its last separator, but for a root; "." stands for the
  // current folder only where the path is not taken literally (no "\\?\").
  std::wstring path = folder;
  if (path.empty() || path.back() == L':') {
    path += L".";
  } else if (path.size() > 1 && path[path.size() - 2] != L':' && path[path.size() - 2] != L'\\' &&
             path[path.size() - 2] != L'/') {
    path.pop_back();
  }
  const Handle handle(CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (handle) FlushFileBuffers(handle.get());
}

}  // namespace

// Opening a pipe or a device does not wait on it; only reading would, and
// nothing is read before the handle is checked.
Result<FilePtr> OpenChecked(const std::string& path, int& code) {
  const auto failed = [&code](DWORD error, Phrase phrase) {
    code = static_cast<int>(error);
    return Message{std::move(phrase)};
  };
  const auto wide = Wide(path);
  if (!wide) return failed(ERROR_NO_UNICODE_TRANSLATION, kIoNotUtf8);
  // The name first, so that a missing file or a folder is refused unopened.
  const DWORD named = GetFileAttributesW(wide->c_str());
  if (named == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return failed(error, SystemReason(error));
  }
  if ((named & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return failed(kNotAFileCode, Phrase(kIoNotAFile, kIoAFolder));
  Handle file(CreateFileW(wide->c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    return failed(error, SystemReason(error));
  }
  DWORD attributes = 0;
  if (const auto what = NotRegular(file.get(), attributes)) {
    return failed(kNotAFileCode, Phrase(kIoNotAFile, *what));
  }
  // What is read is what was checked: the stream reads from this very handle.
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file.get()), _O_RDONLY | _O_BINARY);
  if (fd < 0) return failed(ERROR_INVALID_HANDLE, kIoCouldNotOpen);
  file.Release();  // the descriptor owns it now
  FilePtr stream(_fdopen(fd, "rb"));
  if (!stream) {
    const int error = errno;
    _close(fd);
    code = error;
    return Message{Reason(error)};
  }
  return stream;
}

}  // namespace fileio

using fileio::Failure;

uint64_t FileSizeOf(std::FILE* file) {
  struct _stat64 st {};
  if (_fstat64(_fileno(file), &st) != 0 || st.st_size < 0) return 0;
  return static_cast<uint64_t>(st.st_size);
}

bool PathExists(const std::string& path) {
  // GetFileAttributesW looks at a link itself, so a link to nothing exists too.
  const auto wide = fileio::Wide(path);
  return wide && GetFileAttributesW(wide->c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Windows makes no unnamed files: the new file has its temporary name from the
// start, whatever `temporary` asks.
Status WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                           TemporaryFile /*temporary*/) {
  const auto refused = [&path](const Message& why, DWORD code) {
    TraceCannotOpen(path, static_cast<unsigned>(code));
    return Status(why);
  };
  const auto wide = fileio::Wide(path);
  if (!wide) return refused(Failure(kIoNotUtf8), ERROR_NO_UNICODE_TRANSLATION);
  DWORD code = 0;
  const auto target = fileio::FindTarget(*wide, code);
  if (!target) return refused(target.failure(), code != 0 ? code : fileio::kNotAFileCode);
  if (target->name.empty()) {
    return refused(Failure(kIoNamesAFolder), ERROR_DIRECTORY);
  }
  fileio::RemoveStaleTemporaries(target->folder);

  auto made = fileio::CreateNamed(target->folder, code);
  if (!made) return refused(made.failure(), code);
  const HANDLE file = made->handle.get();
  if (!fileio::WriteAll(file, bytes) || !FlushFileBuffers(file)) {
    code = GetLastError();
    fileio::RemoveThrough(file);
    return Failure(Phrase(kIoCouldNotWrite, fileio::SystemReason(code)));
  }
  if (target->earlier) fileio::TakeOverAttributes(file, *target->earlier);

  // The name may have been given to a folder meanwhile.
  const std::wstring destination = target->folder + target->name;
  const DWORD now = GetFileAttributesW(destination.c_str());
  if (now != INVALID_FILE_ATTRIBUTES && (now & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    fileio::RemoveThrough(file);
    return refused(Failure(Phrase(kIoNotAFile, kIoAFolder)), fileio::kNotAFileCode);
  }
  // One rename in the folder: the name holds the earlier file or the whole new
  // one (flushed above), never a part. Write-through matters should the system
  // ever move by copying.
  if (!MoveFileExW(made->path.c_str(), destination.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    code = GetLastError();
    fileio::RemoveThrough(file);
    return refused(Failure(Phrase(kIoCouldNotReplace, fileio::SystemReason(code))), code);
  }
  fileio::FlushFolder(target->folder);
  return Status::Ok();
}

namespace {

// The virtual printer's files: through the C runtime's wide-character calls, so any folder name works; binary,
// and not handed down to child processes. Opening a pipe or a device does not
// wait on it, and what was opened is checked before anything is written.

bool WriteAllTo(int fd, std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    const auto chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), INT_MAX));
    const int n = _write(fd, bytes.data(), chunk);
    if (n <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

int CreateNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                        _S_IREAD | _S_IWRITE);
  if (fd < 0) return errno;
  const bool written = WriteAllTo(fd, bytes);
  const int code = errno;
  if (_close(fd) != 0 || !written) {
    const int error = written ? errno : code;
    _wunlink(path.c_str());
    return error;
  }
  return 0;
}

int AppendToRegularFile(const std::filesystem::path& path, std::string_view text) {
  struct _stat64 named {};
  if (_wstat64(path.c_str(), &named) == 0 && (named.st_mode & _S_IFMT) != _S_IFREG) {
    return NotARegularFile;
  }
  const int fd = _wopen(path.c_str(), _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT,
                        _S_IREAD | _S_IWRITE);
  if (fd < 0) return errno;
  struct _stat64 st {};
  int error = 0;
  if (_fstat64(fd, &st) != 0) {
    error = errno;
  } else if ((st.st_mode & _S_IFMT) != _S_IFREG) {
    error = NotARegularFile;
  } else if (!WriteAllTo(fd, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()))) {
    error = errno;
    [[maybe_unused]] const errno_t cut = _chsize_s(fd, st.st_size);
  }
  if (_close(fd) != 0 && error == 0) error = errno;
  return error;
}

void RemoveFile(const std::filesystem::path& path) {
  _wunlink(path.c_str());
}

}  // namespace q5300
