#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "printer/PacketDecoder.h"

namespace q5300 {

// The labels a print packet makes, in print order: each page record repeated
// and counted as the packet's repeat mode says, its running value put in place
// of the placeholder. `label` gets each label's text as one line of UTF-8: the
// two lines joined by " / ", the superscript and subscript markers as "[^]" and
// "[_]", the electrical symbols by name ("[<earth>]", "[mm²]"). Returns the
// number of labels; stops early, and returns what it gave, when `label` answers false.
int64_t ForEachPrintedLabel(const DecodedPacket& packet,
                            const std::function<bool(const std::string& label)>& label);

// The text of one record as labels show it, with `number` in place of its
// placeholder (empty: the placeholder is left out).
std::string LabelText(const DecodedRecord& record, const std::u16string& number);

}  // namespace q5300
