#include "files/ZipArchive.h"

#include <zip.h>

namespace q5300 {
namespace {

constexpr char kNotReadable[] = Q5300_TEXT("q5300", "It cannot be read as a zip container: %1.");
constexpr char kNoZip[] = Q5300_TEXT("q5300", "It is no zip container that can be read: %1.");
constexpr char kTooManyEntries[] =
    Q5300_TEXT("q5300", "Its zip container holds %1 entries; a spreadsheet has far fewer than %2.");
constexpr char kEntryUnreadable[] =
    Q5300_TEXT("q5300", "An entry of its zip container cannot be read.");
constexpr char kEncrypted[] =
    Q5300_TEXT("q5300", "It is protected with a password (%1 is encrypted); save it without one.");
constexpr char kUnpacksTo[] =
    Q5300_TEXT("q5300", "%1 in it unpacks to %2 bytes, more than the %3 it may have.");
constexpr char kPartUnreadable[] = Q5300_TEXT("q5300", "%1 in it cannot be read: %2.");
constexpr char kUnpacksToMore[] =
    Q5300_TEXT("q5300", "%1 in it unpacks to more than the %2 it may have.");

constexpr char kBytes[] = Q5300_TEXT("q5300", "%1 bytes");

// A limit as it reads best: whole megabytes, or else bytes (a limit below one
// megabyte would read "0 MB").
Phrase Megabytes(uint64_t bytes) {
  constexpr uint64_t kMegabyte = 1024 * 1024;
  if (bytes >= kMegabyte && bytes % kMegabyte == 0) {
    return Phrase::Literal(std::to_string(bytes / kMegabyte) + " MB");
  }
  return Phrase(kBytes, static_cast<long long>(bytes));
}

}  // namespace

Result<std::unique_ptr<ZipArchive>> ZipArchive::Open(std::span<const uint8_t> bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* const source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source == nullptr) {
    Message failure{Phrase(kNotReadable, Phrase::Literal(zip_error_strerror(&error)))};
    zip_error_fini(&error);
    return failure;
  }
  zip_t* const archive = zip_open_from_source(source, ZIP_RDONLY, &error);
  if (archive == nullptr) {
    zip_source_free(source);
    Message failure{Phrase(kNoZip, Phrase::Literal(zip_error_strerror(&error)))};
    zip_error_fini(&error);
    return failure;
  }
  zip_error_fini(&error);
  auto opened = std::make_unique<ZipArchive>(Key(), archive);
  const int64_t entries = zip_get_num_entries(archive, 0);
  if (entries > MaxEntries) {
    return Message{Phrase(kTooManyEntries, entries, MaxEntries)};
  }
  return opened;
}

ZipArchive::~ZipArchive() {
  zip_discard(archive_);
}

int64_t ZipArchive::Find(std::string_view name) const {
  return zip_name_locate(archive_, std::string(name).c_str(), ZIP_FL_NOCASE);
}

Result<std::unique_ptr<ZipArchive::Entry>> ZipArchive::Read(int64_t index, uint64_t maxBytes) {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (index < 0 || zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
    return Message{kEntryUnreadable};
  }
  const std::string name = (stat.valid & ZIP_STAT_NAME) != 0 ? stat.name : "?";
  if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE) {
    return Message{Phrase(kEncrypted, Phrase::Literal(name))};
  }
  if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > maxBytes) {
    return Message{Phrase(kUnpacksTo, Phrase::Literal(name), stat.size, Megabytes(maxBytes))};
  }
  zip_file_t* const file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
  if (file == nullptr) {
    return Message{Phrase(kPartUnreadable, Phrase::Literal(name),
                          Phrase::Literal(zip_error_strerror(zip_get_error(archive_))))};
  }
  return std::make_unique<Entry>(Key(), file, name, maxBytes);
}

ZipArchive::Entry::~Entry() {
  zip_fclose(file_);
}

Result<std::string_view> ZipArchive::Entry::Next() {
  const zip_int64_t got = zip_fread(file_, buffer_, sizeof buffer_);
  if (got < 0) {
    return Message{
        Phrase(kPartUnreadable, Phrase::Literal(name_), Phrase::Literal(zip_file_strerror(file_)))};
  }
  read_ += static_cast<uint64_t>(got);
  // The size in the entry's header may not be the size of what it unpacks to.
  if (read_ > maxBytes_) {
    return Message{Phrase(kUnpacksToMore, Phrase::Literal(name_), Megabytes(maxBytes_))};
  }
  return std::string_view(buffer_, static_cast<std::size_t>(got));
}

}  // namespace q5300
