#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "data/Result.h"

struct zip;
struct zip_file;

namespace q5300 {

// A zip container in memory (a spreadsheet file), read through libzip. Every
// size the file states is a claim: what is read is counted as it is read.
class ZipArchive {
  // Only the archive makes archives and entries.
  struct Key {
    explicit Key() = default;
  };

 public:
  // More entries than any spreadsheet file has.
  static constexpr int64_t MaxEntries = 10000;

  // Refused when the bytes are no zip container or hold more than MaxEntries
  // entries. The bytes must outlive the archive.
  static Result<std::unique_ptr<ZipArchive>> Open(std::span<const uint8_t> bytes);
  ZipArchive(Key, zip* archive) : archive_(archive) {}
  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  // The entry of this name (ASCII letters in any case), or -1.
  int64_t Find(std::string_view name) const;

  // One entry, read in pieces.
  class Entry {
   public:
    Entry(Key, zip_file* file, std::string name, uint64_t maxBytes)
        : file_(file), name_(std::move(name)), maxBytes_(maxBytes) {}
    ~Entry();
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;
    // The next piece of the entry's bytes, empty at its end. Fails when the
    // entry cannot be read (damaged, an unknown compression) or grows past the
    // bound it was opened with.
    Result<std::string_view> Next();

   private:
    zip_file* file_;
    std::string name_;
    uint64_t maxBytes_;
    uint64_t read_ = 0;
    char buffer_[16 * 1024];
  };

  // Opens entry `index` for reading at most `maxBytes` bytes once uncompressed;
  // an entry that says it is larger is refused at once, as is an encrypted one.
  Result<std::unique_ptr<Entry>> Read(int64_t index, uint64_t maxBytes);

 private:
  zip* archive_;
};

}  // namespace q5300
