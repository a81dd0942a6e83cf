#pragma once

#include <string>
#include <string_view>

#include "support/RecordChain.h"
#include "compile/Metrics.h"
#include "data/FixedField.h"
#include "data/PageRecord.h"
#include "preview/PreviewLayout.h"

namespace q5300::testing {

// A job built record by record as the compiler leaves it before a preview:
// text bytes with their control bytes, attributes, numbering, metrics.
struct PreviewJob {
  PageDefaults defaults = [] {
    PageDefaults d;
    d.autoLength = true;
    return d;
  }();
  JobSettings settings;
  testing::RecordChain pages;
  FixedAdvanceMeasure measure{10};

  // A ticked page of one line at font size 4, repeated once.
  PageRecord& Add(std::string_view bytes) {
    PageRecord& r = *pages.AppendRecord(defaults, settings);
    SetField(r.text, bytes);
    r.textLength = static_cast<uint8_t>(bytes.size());
    r.twoLines = bytes.find('\x1A') != std::string_view::npos ? 1 : 0;
    ComputeMetrics(r, 0);
    return r;
  }
  // `flag` is one of the record's numbering kinds; start and end as the dialog stores them.
  PageRecord& AddNumbered(std::string_view bytes, uint8_t PageRecord::*flag, std::string_view start,
                          std::string_view end, int repeat = 1) {
    PageRecord& r = *pages.AppendRecord(defaults, settings);
    SetField(r.text, bytes);
    r.textLength = static_cast<uint8_t>(bytes.size());
    r.hasNumbering = 1;
    r.*flag = 1;
    SetField(r.numStart, start);
    SetField(r.numEnd, end);
    SetRepeat(r, static_cast<uint16_t>(repeat));
    ComputeMetrics(r, 0);
    return r;
  }

  PreviewLayout Layout(int dpi = 96) {
    return PreviewLayout(TakePreviewSnapshot(pages.first(), settings), dpi, measure);
  }
};

}  // namespace q5300::testing
