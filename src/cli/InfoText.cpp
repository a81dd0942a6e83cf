#include <cstdio>

#include "cli/JobInfo.h"
#include "data/FixedField.h"

namespace q5300::cli {
namespace {

// The item a media-bar box shows for a value, or nothing outside its list.
std::string_view ItemAt(std::span<const std::string_view> items, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < items.size()
             ? items[static_cast<std::size_t>(index)]
             : std::string_view();
}

std::string Named(long value, std::string_view item) {
  std::string text = std::to_string(value);
  if (!item.empty()) text += " (" + std::string(item) + ")";
  return text;
}

std::string Millimetres(int dots) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f mm", DotsToMm(dots));
  return text;
}

std::string FrameText(char frame) {
  switch (frame) {
    case 'N':
      return "frame none";
    case 'F':
      return "frame rectangle";
    case 'L':
      return "frame underline";
    default:
      return "frame code " + std::to_string(static_cast<unsigned char>(frame));
  }
}

void WriteSettings(std::ostream& out, const JobSettings& s) {
  const MediaMaterial& material = MaterialAt(s.material);
  std::string_view size;
  if (s.mediaSize >= 0 && static_cast<std::size_t>(s.mediaSize) < material.sizes.size()) {
    size = material.sizes[static_cast<std::size_t>(s.mediaSize)].item;
  }
  const std::string_view repeat = s.repeatMode == Continuous   ? "연속반복"
                                  : s.repeatMode == Sequential ? "순차반복"
                                                               : "";
  out << "settings: material=" << Named(s.material, material.item)
      << " mediaSize=" << Named(s.mediaSize, size) << " materialCode=" << FieldText(s.materialCode)
      << " sizeCode=" << FieldText(s.sizeCode) << " cutMode=" << s.cutMode << " ("
      << ItemAt(CuttingItems(), IndexForCutMode(s.cutMode)) << ")"
      << " margin=" << s.margin
      << " alignment=" << Named(s.alignment, ItemAt(AlignmentItems(), s.alignment))
      << " density=" << int{s.density} << " copies=" << s.copies
      << " repeatMode=" << Named(s.repeatMode, repeat) << '\n';
}

void WritePage(std::ostream& out, const PageInfo& page) {
  const PageRecord& r = page.record;
  out << "page " << page.number << ": \"" << page.line1 << '"';
  if (r.twoLines != 0 || !page.line2.empty()) out << " / \"" << page.line2 << '"';
  if (r.isChecked == 0) out << " | not checked";
  if (r.textLength == 0) out << " | no text";
  out << " | length " << Millimetres(r.lengthDots) << ", " << r.lengthDots << " dots, "
      << (r.autoLength != 0 ? "automatic" : "set");
  out << " | text " << r.line1Width;
  if (r.twoLines != 0) out << " / " << r.line2Width;
  out << " dots";
  out << " | font " << int{r.fontSize} << (r.autoFont != 0 ? ", automatic" : "");
  out << " | " << (r.halfWidth != 0 ? "half width" : "full width");
  out << " | " << FrameText(r.frame);
  out << " | " << (r.IsVertical() ? "vertical" : "horizontal");
  out << " | repeat " << r.repeatCount;
  if (!page.numbering.empty()) {
    out << " | numbering " << page.numbering << " from " << FieldText(r.numStart) << " to "
        << FieldText(r.numEnd) << ", " << r.numCount << " values";
  }
  out << " | labels " << page.labels << '\n';
}

}  // namespace

void WriteInfoText(std::ostream& out, const JobInfo& info) {
  out << "file: " << info.file << " (" << info.format << ")\n";
  WriteSettings(out, info.settings);
  int printed = 0;
  for (const PageInfo& page : info.pages) printed += page.record.IsPrintable() ? 1 : 0;
  out << "pages: " << info.pages.size() << ", printed " << printed << ", labels " << info.labels;
  if (info.settings.copies > 1) {
    out << " per copy, " << info.labels * info.settings.copies << " in " << info.settings.copies
        << " copies";
  }
  out << '\n';
  for (const PageInfo& page : info.pages) WritePage(out, page);
}

}  // namespace q5300::cli
