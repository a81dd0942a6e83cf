#include "preview/PreviewGeometry.h"

namespace q5300 {

int BandPixels(int dpi, double mediaWidthMm) {
  return static_cast<int>(dpi * mediaWidthMm / MillimetresPerInch);
}

Band BandGeometry(int dpi, double mediaWidthMm, int surfaceHeight) {
  const int px = BandPixels(dpi, mediaWidthMm);
  Band band;
  band.top = (surfaceHeight - px) / 2;
  band.bottom = (surfaceHeight + px) / 2;
  band.mid = (band.top + band.bottom) / 2;
  return band;
}

std::optional<int> FontPixels(int fontSize, int dpi) {
  if (fontSize < 1 || fontSize > static_cast<int>(FontDots.size())) return std::nullopt;
  const double scale = static_cast<double>(dpi) / PrinterDotsPerInch;
  return static_cast<int>(FontDots[static_cast<std::size_t>(fontSize - 1)] * scale);
}

int CharacterPixels(int fontPixels, int dpi) {
  // Rounded half away from zero, as the platform's MulDiv does.
  const int64_t product = static_cast<int64_t>(fontPixels) * dpi;
  const int64_t half = ScreenPixelsPerInch / 2;
  const int64_t rounded = product >= 0 ? (product + half) / ScreenPixelsPerInch
                                       : -((-product + half) / ScreenPixelsPerInch);
  return static_cast<int>(rounded);
}

int SetLengthPixels(int lengthDots) {
  return lengthDots * ScreenPixelsPerInch / PrinterDotsPerInch;
}

std::optional<double> PreviewMediaWidth(const JobSettings& settings) {
  if (settings.materialCode[0] == 'L') return settings.mediaSize * 3.0 + 6.0;
  static constexpr std::array<double, 4> TubeWidths = {5.0, 6.5, 8.0, 10.0};
  if (settings.mediaSize < 0 || settings.mediaSize >= static_cast<int32_t>(TubeWidths.size())) {
    return std::nullopt;
  }
  return TubeWidths[static_cast<std::size_t>(settings.mediaSize)];
}

}  // namespace q5300
