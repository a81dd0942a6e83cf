#include "printer/PrintedLabels.h"

#include "compile/CodePage.h"
#include "compile/RebuildRecords.h"
#include "compile/Symbols.h"
#include "data/FixedField.h"
#include "data/NumberText.h"
#include "preview/NumberRun.h"

namespace q5300 {
namespace {

constexpr uint8_t SymbolLead = 0xA1;  // the printer's font keeps the symbols in the first row

NumberKind KindOf(const DecodedRecord& r) {
  if (r.numNumber != 0) return NumberKind::Number;
  switch (r.numVariant) {
    case 2:
      return NumberKind::Hex2;
    case 3:
      return NumberKind::Hex1;
    case 0:
      break;
    default:
      return NumberKind::Fixed;
  }
  if (r.numUpper != 0 || r.numLower != 0) return NumberKind::Letter;
  return NumberKind::None;
}

NumberRun RunOf(const DecodedRecord& r, NumberKind kind) {
  if (kind == NumberKind::Letter) {
    return {static_cast<unsigned char>(r.numStart[0]), static_cast<unsigned char>(r.numEnd[0])};
  }
  return {ParseDecimal(FieldText(r.numStart)), ParseDecimal(FieldText(r.numEnd))};
}

bool HasPlaceholder(const DecodedRecord& r) {
  for (const uint8_t b : r.text) {
    if (b >= NumberCode && b <= LowerCode) return true;
  }
  return false;
}

}  // namespace

std::string LabelText(const DecodedRecord& record, const std::u16string& number) {
  std::u16string text;
  bool numberPut = false;
  const std::vector<uint8_t>& bytes = record.text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const uint8_t b = bytes[i];
    if (IsLeadByte(b) && i + 1 < bytes.size()) {
      const uint8_t trail = bytes[++i];
      if (b == SymbolLead && trail >= 0xA1 && trail < 0xA1 + SymbolCount) {
        text += static_cast<char16_t>(FirstSymbol + (trail - 0xA1));
      } else {
        const char pair[2] = {static_cast<char>(b), static_cast<char>(trail)};
        text += FromPrinterCodePage(std::string_view(pair, 2));
      }
    } else if (b >= NumberCode && b <= LowerCode && !numberPut) {
      text += number;
      numberPut = true;
    } else if (b == SeparatorCode) {
      text += u" / ";
    } else if (b == SuperscriptCode) {
      text += SuperscriptMarker;
    } else if (b == SubscriptCode) {
      text += SubscriptMarker;
    } else if (b != 0) {
      text += static_cast<char16_t>(b);
    }
  }
  return ReadableText(text);
}

int64_t ForEachPrintedLabel(const DecodedPacket& packet,
                            const std::function<bool(const std::string&)>& label) {
  int64_t count = 0;
  const bool continuous = packet.repeatMode != 0;
  for (const DecodedRecord& r : packet.records) {
    const int64_t repeats = r.repeatCount;
    const NumberKind kind = r.hasNumbering != 0 ? KindOf(r) : NumberKind::None;
    if (kind == NumberKind::None) {
      const std::string text = LabelText(r, u"");
      for (int64_t k = 0; k < repeats; ++k, ++count) {
        if (!label(text)) return count;
      }
      continue;
    }
    const NumberRun run = RunOf(r, kind);
    const int64_t values = run.StraightLength();
    const bool placeholder = HasPlaceholder(r);
    for (int64_t k = 0; k < repeats * values; ++k, ++count) {
      // Continuous: each value as often as the page repeats; sequential: the
      // whole run once per repetition.
      const int64_t valueIndex = continuous ? k / repeats : k % values;
      const std::u16string number =
          placeholder ? NumberText(kind, run.ValueAt(valueIndex)) : std::u16string();
      if (!label(LabelText(r, number))) return count;
    }
  }
  return count;
}

}  // namespace q5300
