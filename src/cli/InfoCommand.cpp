// info FILE [--json]: what the job holds and what it prints.
#include <algorithm>

#include "cli/Commands.h"
#include "cli/ImportOptions.h"
#include "cli/JobInfo.h"
#include "cli/Session.h"
#include "compile/RebuildRecords.h"
#include "compile/Symbols.h"

namespace q5300::cli {
namespace {

std::string NumberingOf(const PageRecord& r) {
  if (r.hasNumbering == 0) return "";
  const auto end = r.text.begin() + std::min<int>(r.textLength, MaxTextBytes);
  const auto placeholder = std::find_if(
      r.text.begin(), end, [](uint8_t b) { return b >= NumberCode && b <= LowerCode; });
  if (placeholder == end) return "";
  switch (*placeholder) {
    case NumberCode:
      return "0-999";
    case FixedCode:
      // The printer tells the three kinds of this placeholder apart by the
      // hexadecimal flags first.
      return r.numHex2 != 0 ? "00~FF" : r.numHex1 != 0 ? "0~F" : "000-999";
    case UpperCode:
      return "A-Z";
    case LowerCode:
      return "a-z";
    default:
      return "";
  }
}

}  // namespace

JobInfo CollectJobInfo(const JobDocument& document, std::string file, std::string format) {
  // The records as a print job compiles them, with the lengths the printer is told.
  const CompiledJob compiled = document.Compile(RebuildMode::PrinterMode);
  JobInfo info{std::move(file), std::move(format), document.job().settings, {}, 0};
  int row = 0;
  for (const PageRecord& r : compiled.records()) {
    PageInfo page;
    page.number = row + 1;
    page.record = r;
    page.record.prev = page.record.next = nullptr;
    page.line1 = ReadableText(document.grid().CellText(row, Line1Column));
    page.line2 = ReadableText(document.grid().CellText(row, Line2Column));
    page.numbering = NumberingOf(r);
    page.labels = LabelCount(r);
    info.labels += page.labels;
    info.pages.push_back(std::move(page));
    ++row;
  }
  return info;
}

ExitCode RunInfo(const ParsedArguments& args, Console& console) {
  const std::string& file = args.positionals[0];
  if (const auto refused = RefuseUnlessInput(console, "info", "FILE", file)) return *refused;
  const auto kind = InputKindOf(file);
  const auto layout = ImportLayoutFor(args, console, "info", file);
  if (!layout) return ExitCode::Usage;
  OfflineSession session(console.err);
  if (const ExitCode loaded = session->Load(file, *layout); loaded != ExitCode::Success) {
    return loaded;
  }
  const JobInfo info = CollectJobInfo(session->bench().document, file, InputFormatName(*kind));
  if (args.Has("--json")) {
    WriteInfoJson(console.out, info);
  } else {
    WriteInfoText(console.out, info);
  }
  console.out.flush();
  return ExitCode::Success;
}

}  // namespace q5300::cli
