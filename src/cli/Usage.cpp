// The commands with their help texts.
#include <array>

#include "cli/Commands.h"
#include "cli/ImportOptions.h"
#include "cli/Session.h"

namespace q5300::cli {
namespace {

// A command's own options and then the import options.
template <std::size_t N>
constexpr auto WithImportOptions(const OptionSpec (&own)[N]) {
  std::array<OptionSpec, N + std::size(ImportOptions)> all{};
  std::size_t at = 0;
  for (const OptionSpec& option : own) all[at++] = option;
  for (const OptionSpec& option : ImportOptions) all[at++] = option;
  return all;
}

constexpr OptionSpec InfoOwn[] = {{"--json", false}};
constexpr auto InfoOptions = WithImportOptions(InfoOwn);
constexpr OptionSpec PrintOwn[] = {{"--device", true}, {"--from-page", true}, {"--pages", true}};
constexpr auto PrintOptions = WithImportOptions(PrintOwn);
constexpr OptionSpec RenderOwn[] = {{"--page", true}};
constexpr auto RenderOptions = WithImportOptions(RenderOwn);
constexpr OptionSpec ExportOwn[] = {{"--encoding", true}};
constexpr auto ExportOptions = WithImportOptions(ExportOwn);

// The import options, as each command's help ends.
#define Q5300_IMPORT_HELP                                                             \
  "\n"                                                                                \
  "An import file's columns (a wire list as design programs export it):\n"            \
  "  --columns L1[,L2[,R]]   column numbers, from 1, of line 1, line 2 and the\n"     \
  "                          repeat count (1,2,3 when not given); an L2 of 0 is no\n" \
  "                          line 2; what is left out is not read\n"                  \
  "  --repeat N              every page N times, 1 to 200 (not with an R)\n"          \
  "  --header                the first row names the columns and makes no page\n"     \
  "  --wire-ends C           each row makes a page per wire end: the second takes\n"  \
  "                          line 2 from column C\n"                                  \
  "  --separator S           comma, semicolon or tab between the fields of a text\n"  \
  "                          file (found in its first lines when not given)\n"       \
  "A label file takes none of them.\n"

constexpr Command CommandTable[] = {
    {"convert", "convert INPUT OUTPUT", "save a job as .qxk or .qxu",
     "INPUT is an import file, imported as the window's Import command does: text\n"
     "(.csv, .txt) in code page 949, UTF-8 or UTF-16, separated by commas, semicolons\n"
     "or tabs, or\n"
     "the first sheet of a spreadsheet (.xlsx, .ods), columns A, B and C unless the\n"
     "options below pick others; or a .qxk or\n"
     ".qxu label file, opened as its Open command does into a new job. OUTPUT ends in\n"
     ".qxk (written as Save writes it) or .qxu (written as SaveU writes it, the print\n"
     "data of the ticked pages that have text). The name is used as given. The file\n"
     "is written whole beside OUTPUT and then put in its place: an earlier OUTPUT\n"
     "stays as it was when anything fails. Nothing is written to standard "
     "output.\n" Q5300_IMPORT_HELP,
     ImportOptions, 2, RunConvert},
    {"info", "info FILE [--json]", "a job's settings and one line per page",
     "FILE is an import or label file, taken in as by convert. Shows the job's\n"
     "settings, then one line per page: its text (superscript [^], subscript [_],\n"
     "placeholders such as [0-999], symbols such as [<earth>]), the length in mm and\n"
     "printer dots (12 per mm) as the printer is told it, the width of the text, the\n"
     "font size, width, frame, direction, repeat count, numbering and the labels the\n"
     "page yields. The pages are compiled as for printing.\n"
     "\n"
     "  --json   one JSON document instead: \"settings\" with the fields of the job\n"
     "           settings, \"pages\" with the fields of each page record, in a fixed\n"
     "           order, and besides them line1, line2, textBytes (hex), lengthMm,\n"
     "           numbering and labels.\n" Q5300_IMPORT_HELP,
     InfoOptions, 1, RunInfo},
    {"print", "print FILE [--device DEVICE] [--from-page N | --pages LIST]", "print a job",
     "FILE is taken in as by convert and printed as the window's Print command does:\n"
     "the printer is asked whether it is ready, the ticked pages with text go out in\n"
     "packets, a job of several packets sends the next one 7.6 s after the first\n"
     "and every 6.6 s after that, and the final message stands 5 s. A line on\n"
     "standard error follows every stage and packet and names the printer the job\n"
     "went to (bus and port) and any printer passed over; the program ends when the\n"
     "job has ended. A job that ends before its last page (the printer not ready for\n"
     "a later packet, unplugged, or failing a write) says which pages were sent and\n"
     "the --from-page or --pages that prints the rest.\n"
     "\n"
     "  --from-page N          start at page N instead of the first page\n"
     "  --pages LIST           only these pages, such as 44-47,60 (a range to print\n"
     "                         again after a jam); the report names them as the\n"
     "                         job numbers them\n"
     "  --device usb           the printer on USB\n"
     "  --device virtual:DIR   the virtual printer: every write goes to\n"
     "                         DIR/write-NNNN.bin, the labels to DIR/labels.txt\n"
     "  --device virtual       the virtual printer, keeping nothing\n"
     "Without --device, Q5300_DEVICE says which (as for the window), else usb.\n" Q5300_IMPORT_HELP,
     PrintOptions, 1, RunPrint},
    {"render", "render FILE OUTPUT.png [--page N]", "the preview strip as a PNG image",
     "FILE is taken in as by convert; OUTPUT.png gets the preview strip as the window\n"
     "draws it after its Preview command, at 96 pixels per inch and 100 pixels high.\n"
     "The image is at most 32767 pixels wide; a longer strip is cut there, with a\n"
     "message. The red marker stands at the current page: the last page of a label\n"
     "file, the first of an imported file.\n"
     "\n"
     "  --page N   page N is the current page and the image starts 20 pixels\n"
     "             before its marker, as the window scrolls to it\n" Q5300_IMPORT_HELP,
     RenderOptions, 2, RunRender},
    {"export", "export JOB OUT.csv [--encoding cp949|utf-8]",
     "a job's pages as a CSV file to import again",
     "JOB is taken in as by convert. OUT.csv gets one line per page: its first line,\n"
     "second line and repeat count, separated by commas, a text with a comma, a quote\n"
     "or a line end in quotes. Importing the file gives the same pages back (every\n"
     "other attribute of a page is the import's). The file is written whole beside\n"
     "OUT.csv and then put in its place.\n"
     "\n"
     "  --encoding utf-8   UTF-8 with a byte order mark, which spreadsheet programs\n"
     "                     open as such (the default)\n"
     "  --encoding cp949   code page 949, as imports have always been written; a\n"
     "                     character it has no form for is written as ?\n" Q5300_IMPORT_HELP,
     ExportOptions, 2, RunExport},
    {"devices",
     "devices",
     "the printers on USB and their access",
     "One line per printer on standard output, in the order a job picks them: its\n"
     "USB id, bus, port path and address, and \"ok\" or \"cannot-open\" with the\n"
     "reason and the fix. Nothing about a printer is changed (no kernel driver is\n"
     "detached, no configuration set). A printer this user may\n"
     "not open needs the udev rule 70-q5300.rules that comes with the program (it\n"
     "gives the logged-in user access with TAG+=\"uaccess\"): copy it to\n"
     "/etc/udev/rules.d/, run \"sudo udevadm control --reload-rules && sudo udevadm\n"
     "trigger\" and plug the printer in again. Q5300_USB_IDS names other ids to look\n"
     "for (\"4348:5537,1a86:5576\"). Exit status 1 when no printer can be opened.\n",
     {},
     0,
     RunDevices},
};

}  // namespace

std::span<const Command> Commands() {
  return CommandTable;
}

std::string UsageErrorText(std::string_view command, std::string_view reason) {
  std::string text(command);
  if (!text.empty()) text += ": ";
  text += reason;
  text += " (see ";
  text += ProgramName;
  if (!command.empty()) text.append(" ").append(command);
  text += " --help)";
  return text;
}

ExitCode UsageError(Console& console, std::string_view command, std::string_view reason) {
  Say(console.err, UsageErrorText(command, reason));
  return ExitCode::Usage;
}

std::optional<ExitCode> RefuseUnlessInput(Console& console, std::string_view command,
                                          std::string_view label, const std::string& path) {
  if (InputKindOf(path)) return std::nullopt;
  return UsageError(
      console, command,
      std::string(label) + " must end in " + std::string(InputExtensions) + ": " + path);
}

std::string PageBeyondJob(std::string_view option, int page, int pages) {
  return std::string(option) + " " + std::to_string(page) + ": the job has " +
         std::to_string(pages) + (pages == 1 ? " page" : " pages");
}

}  // namespace q5300::cli
