// Any bytes as a qxk label file. An accepted file has every byte in a field, so
// writing what was read gives the file back; the grid lines of every page decode.
#include <cstddef>
#include <cstdint>
#include <span>

#include "files/LabelFile.h"
#include "files/QxkFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace q5300;
  const std::span<const uint8_t> bytes(data, size);
  const auto file = ReadQxk(bytes, JobSettings{});
  if (!file) return 0;
  if (file->pages.empty() || file->pages.size() > static_cast<std::size_t>(MaxPages)) {
    __builtin_trap();
  }
  for (const PageRecord& page : file->pages) {
    if (page.textLength > MaxTextBytes || page.isChecked != 1) __builtin_trap();
    const GridLines lines = GridLinesOf(page);
    if (lines.line1.size() + lines.line2.size() > static_cast<std::size_t>(MaxTextBytes)) {
      __builtin_trap();
    }
  }
  const std::vector<uint8_t> again = WriteQxk(file->settings, file->pages);
  if (!std::equal(again.begin(), again.end(), bytes.begin(), bytes.end())) __builtin_trap();
  return 0;
}
