#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "data/JobSettings.h"
#include "data/PageRecord.h"
#include "editing/JobDocument.h"

namespace q5300::cli {

// One page as `info` reports it: its record as the printer receives it, and
// what a reader needs besides.
struct PageInfo {
  int number = 0;  // 1-based
  PageRecord record;
  std::string line1;  // the grid's lines, markers, symbols and placeholders readable
  std::string line2;
  std::string numbering;  // "0-999", "000-999", "00~FF", "0~F", "A-Z", "a-z"; empty without
  int64_t labels = 0;     // labels it yields per copy; 0 when it is not printed
};

struct JobInfo {
  std::string file;
  std::string format;  // "csv", "txt", "xlsx", "ods", "qxk", "qxu"
  JobSettings settings;
  std::vector<PageInfo> pages;
  int64_t labels = 0;  // per copy
};

// The job of `document` compiled as for printing, with its metrics.
JobInfo CollectJobInfo(const JobDocument& document, std::string file, std::string format);

// One line of settings and one line per page.
void WriteInfoText(std::ostream& out, const JobInfo& info);
// One JSON document; the settings and page fields carry the names of JobSettings
// and PageRecord, in their order.
void WriteInfoJson(std::ostream& out, const JobInfo& info);

}  // namespace q5300::cli
