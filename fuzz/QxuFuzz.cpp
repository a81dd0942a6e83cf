// Any bytes as a qxu label file. What is accepted can be saved again, the saved
// image reads back, and saving that gives the same image.
#include <cstddef>
#include <cstdint>
#include <span>

#include "files/LabelFile.h"
#include "files/QxuFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace q5300;
  const JobSettings current;
  const auto file = ReadQxu(std::span<const uint8_t>(data, size), current);
  if (!file) return 0;
  if (file->pages.size() > static_cast<std::size_t>(MaxPages)) __builtin_trap();
  for (const PageRecord& page : file->pages) {
    if (page.textLength > MaxTextBytes) __builtin_trap();
    GridLinesOf(page);
  }
  const auto image = WriteQxu(file->settings, file->pages);
  if (!image) __builtin_trap();
  const auto again = ReadQxu(*image, current);
  if (!again) __builtin_trap();
  const auto second = WriteQxu(again->settings, again->pages);
  if (!second || *second != *image) __builtin_trap();
  return 0;
}
