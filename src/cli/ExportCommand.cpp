// export JOB OUT.csv: the job's pages as an import file.
#include "cli/Commands.h"
#include "cli/ImportOptions.h"
#include "cli/Session.h"
#include "data/AsciiText.h"

namespace q5300::cli {

ExitCode RunExport(const ParsedArguments& args, Console& console) {
  const std::string& input = args.positionals[0];
  const std::string& output = args.positionals[1];
  if (const auto refused = RefuseUnlessInput(console, "export", "JOB", input)) return *refused;
  if (!EndsWithNoCase(output, ".csv")) {
    return UsageError(console, "export", "OUT must end in .csv: " + output);
  }
  CsvEncoding encoding = CsvEncoding::Utf8;
  if (const auto name = args.Value("--encoding")) {
    const auto named = CsvEncodingNamed(*name);
    if (!named)
      return UsageError(console, "export", "--encoding " + *name + " is not cp949 or utf-8");
    encoding = *named;
  }
  const auto layout = ImportLayoutFor(args, console, "export", input);
  if (!layout) return ExitCode::Usage;
  OfflineSession session(console.err);
  if (const ExitCode loaded = session->Load(input, *layout); loaded != ExitCode::Success) {
    return loaded;
  }
  return session->bench().files.ExportCsvFile(output, encoding) ? ExitCode::Success
                                                                : ExitCode::BadOutput;
}

}  // namespace q5300::cli
