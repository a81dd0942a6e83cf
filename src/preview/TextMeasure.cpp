#include "preview/TextMeasure.h"

namespace q5300 {

Extent FixedAdvanceMeasure::Measure(std::u16string_view text, int pixelHeight, bool /*vertical*/) {
  return {static_cast<int>(text.size()) * advance_, pixelHeight};
}

}  // namespace q5300
