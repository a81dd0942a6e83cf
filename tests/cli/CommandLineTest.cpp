// The built program run as a script runs it: exit status, standard output,
// standard error and the files it writes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "HandFixtures.h"
#include "RunProgram.h"
#include "printer/TempDir.h"
#include "support/FullDisk.h"
#include "support/SheetFiles.h"

namespace q5300::cli::test {
namespace {

namespace fs = std::filesystem;
using Env = std::map<std::string, std::optional<std::string>>;

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}

void WriteText(const fs::path& path, std::string_view text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> FileNames(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A folder with the hand-made input files.
struct Inputs {
  q5300::test::TempDir dir;
  Inputs() {
    WriteText(Path("two.csv"), TwoPagesCsv);
    WriteBytes(Path("two.qxu"), Hex(TwoPagesQxu));
    WriteBytes(Path("marked.qxk"), Hex(MarkedQxk));
    std::vector<uint8_t> truncated = Hex(MarkedQxk);
    truncated.resize(truncated.size() - 3);
    WriteBytes(Path("truncated.qxk"), truncated);
    std::vector<uint8_t> repeated = Hex(MarkedQxk);
    repeated[20 + 27] = repeated[20 + 28] = 0xFF;  // repeat count 65535
    WriteBytes(Path("repeated.qxk"), repeated);
    WriteText(Path("garbage.qxu"), "this is not a print image, only text that looks like one\n");
    WriteText(Path("blank.csv"), ",,\r\n\n,\n");
    // The two pages of two.csv as a spreadsheet program saves them.
    WriteBytes(Path("two.xlsx"),
               testing::XlsxOf("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" "
                               "t=\"s\"><v>1</v></c><c r=\"C1\"><v>3</v></c></row><row "
                               "r=\"2\"><c r=\"A2\" t=\"s\"><v>2</v></c></row>",
                               "<si><t>A1</t></si><si><t>B2</t></si><si><t>X</t></si>"));
    WriteBytes(Path("two.ods"),
               testing::OdsOf("<table:table-row><table:table-cell office:value-type=\"string\">"
                              "<text:p>A1</text:p></table:table-cell><table:table-cell "
                              "office:value-type=\"string\"><text:p>B2</text:p></table:table-cell>"
                              "<table:table-cell office:value-type=\"float\" office:value=\"3\">"
                              "<text:p>3</text:p></table:table-cell></table:table-row>"
                              "<table:table-row><table:table-cell office:value-type=\"string\">"
                              "<text:p>X</text:p></table:table-cell></table:table-row>"));
    const char16_t unicodeText[] = u"\uFEFFA1\tB2\t3\nX";
    std::string utf16;
    for (const char16_t unit : std::u16string_view(unicodeText)) {
      utf16 += static_cast<char>(unit & 0xFF);
      utf16 += static_cast<char>(unit >> 8);
    }
    WriteText(Path("two.txt"), utf16);
    fs::create_directory(Path("folder.qxk"));
    mkfifo(Path("pipe.qxk").c_str(), 0644);
    mkfifo(Path("pipe.csv").c_str(), 0644);
    mkfifo(Path("pipe.png").c_str(), 0644);
    fs::create_symlink("absent.qxk", Path("nowhere.qxk"));
  }
  std::string Path(std::string_view name) const { return (dir.path() / name).string(); }
};

TEST(CommandLine, ConvertWritesTheBytesOfTheFileLayouts) {
  const Inputs in;
  struct Case {
    const char* input;
    const char* output;
    std::vector<uint8_t> expected;
  };
  const Case cases[] = {
      {"two.csv", "two.qxk", Hex(TwoPagesQxk)},
      // The same pages from a spreadsheet and from "Unicode text".
      {"two.xlsx", "from-xlsx.qxk", Hex(TwoPagesQxk)},
      {"two.ods", "from-ods.qxk", Hex(TwoPagesQxk)},
      {"two.txt", "from-txt.qxk", Hex(TwoPagesQxk)},
      // The name is used as given, extension case and all.
      {"two.csv", "Two Pages.QXU", Hex(TwoPagesQxu)},
      {"two.qxu", "from-image.qxk", TwoPagesQxkFromQxu()},
      {"marked.qxk", "marked.qxu", Hex(MarkedQxu)},
      {"marked.qxk", "again.qxk", Hex(MarkedQxk)},
  };
  for (const Case& c : cases) {
    const ProgramResult run = RunProgram({"convert", in.Path(c.input), in.Path(c.output)});
    EXPECT_EQ(run.status, 0) << c.output << "\n" << run.err;
    EXPECT_EQ(run.out, "") << c.output;
    EXPECT_EQ(run.err, "") << c.output;
    EXPECT_EQ(ReadBytes(in.Path(c.output)), c.expected) << c.input << " -> " << c.output;
  }
}

// export writes what the import reads back: the same pages, so converting the
// export gives the label file of the job it came from.
TEST(CommandLine, ExportWritesTheJobsPagesAsCsv) {
  const Inputs in;
  struct Case {
    std::vector<std::string> args;
    std::string expected;
  };
  const Case cases[] = {
      {{"export", in.Path("two.qxu"), in.Path("utf8.csv")},
       "\xEF\xBB\xBF"
       "A1,B2,3\r\nX,,1\r\n"},
      {{"export", in.Path("two.xlsx"), in.Path("Two.CSV"), "--encoding", "utf-8"},
       "\xEF\xBB\xBF"
       "A1,B2,3\r\nX,,1\r\n"},
      {{"export", in.Path("two.csv"), in.Path("949.csv"), "--encoding=cp949"},
       "A1,B2,3\r\nX,,1\r\n"},
  };
  for (const Case& c : cases) {
    const ProgramResult run = RunProgram(c.args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    const std::string& output = c.args[2];
    const std::vector<uint8_t> bytes = ReadBytes(output);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.expected) << output;
    const ProgramResult back = RunProgram({"convert", output, in.Path("back.qxk")});
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(ReadBytes(in.Path("back.qxk")), Hex(TwoPagesQxk)) << output;
  }

  // Hangul and a symbol in code page 949, and the job of a label file.
  const ProgramResult marked =
      RunProgram({"export", in.Path("marked.qxk"), in.Path("m.csv"), "--encoding", "cp949"});
  ASSERT_EQ(marked.status, 0) << marked.err;
  ASSERT_EQ(RunProgram({"convert", in.Path("m.csv"), in.Path("m.qxk")}).status, 0);
  const ProgramResult exported = RunProgram({"info", in.Path("m.csv")});
  const ProgramResult original = RunProgram({"info", in.Path("marked.qxk")});
  ASSERT_EQ(exported.status, 0) << exported.err;
  const auto pageLines = [](const std::string& info) {
    std::vector<std::string> texts;
    for (const std::string& line : Lines(info)) {
      // The text and the repeat count: what an export keeps of a page.
      if (!line.starts_with("page ")) continue;
      const std::size_t repeat = line.find("| repeat ");
      texts.push_back(line.substr(0, line.find(" | ")) + " " +
                      line.substr(repeat, line.find(" | ", repeat + 1) - repeat));
    }
    return texts;
  };
  EXPECT_EQ(pageLines(exported.out), pageLines(original.out)) << exported.out << original.out;
  EXPECT_FALSE(pageLines(original.out).empty()) << original.out;
}

TEST(CommandLine, ExitStatusAndOneLineReasonForEveryKindOfFailure) {
  const Inputs in;
  const std::string csv = in.Path("two.csv");
  const std::string out = in.Path("out.qxk");
  const std::string notADir = in.Path("two.qxu") + "/sub";
  // Qt keeps a few allocations to the end of the process.
  const Env QtLeaks = {{"ASAN_OPTIONS", "detect_leaks=0"}};
  const Env noPrinterOnUsb = {{"Q5300_DEVICE", "usb"}, {"Q5300_USB_IDS", "ffff:fffe"}};
  struct Case {
    std::vector<std::string> args;
    Env env;
    int status;
    std::string inErr;
  };
  const Case cases[] = {
      // 2: the command line is wrong.
      {{}, {}, 2, "Usage: q5300-cli COMMAND"},
      {{"frobnicate"}, {}, 2, "unknown command frobnicate"},
      {{"--frob"}, {}, 2, "unknown option --frob"},
      {{"help", "frob"}, {}, 2, "unknown command frob"},
      {{"convert", csv}, {}, 2, "convert: too few arguments"},
      {{"convert", csv, out, "extra"}, {}, 2, "convert: too many arguments"},
      {{"convert", in.Path("notes.doc"), out},
       {},
       2,
       "INPUT must end in .csv, .txt, .xlsx, .ods, .qxk or .qxu"},
      {{"export", csv, in.Path("out.txt")}, {}, 2, "OUT must end in .csv"},
      {{"export", in.Path("two.doc"), in.Path("out.csv")}, {}, 2, "JOB must end in .csv"},
      {{"export", csv, in.Path("out.csv"), "--encoding", "latin1"},
       {},
       2,
       "--encoding latin1 is not cp949 or utf-8"},
      {{"convert", csv, in.Path("out.txt")}, {}, 2, "OUTPUT must end in .qxk or .qxu"},
      {{"info", csv, "--json=yes"}, {}, 2, "--json takes no value"},
      {{"info", csv, "--json", "--json"}, {}, 2, "--json is given twice"},
      {{"print", csv, "--device", "lpt1"}, {}, 2, "--device lpt1 is not usb"},
      {{"print", csv}, {{"Q5300_DEVICE", "lpt1"}}, 2, "Q5300_DEVICE=lpt1 is not usb"},
      {{"print", csv, "--from-page", "x"}, {}, 2, "--from-page takes a page number"},
      {{"print", csv, "--device", "virtual", "--from-page", "3"},
       {},
       2,
       "print: --from-page 3: the job has 2 pages (see"},
      {{"print", csv, "--pages", "3-1"}, {}, 2, "--pages takes page numbers from 1 and ranges"},
      {{"print", csv, "--pages", "1,,2"}, {}, 2, "--pages takes page numbers from 1 and ranges"},
      {{"print", csv, "--pages", "0-2"}, {}, 2, "--pages takes page numbers from 1 and ranges"},
      {{"print", csv, "--pages", "1-999999999"}, {}, 2, "--pages takes page numbers from 1"},
      {{"print", csv, "--pages", "2", "--from-page", "1"},
       {},
       2,
       "--pages and --from-page cannot be given together"},
      {{"print", csv, "--device", "virtual", "--pages", "1,3"},
       {},
       2,
       "print: --pages 3: the job has 2 pages (see"},
      {{"render", csv, in.Path("x.png"), "--page", "0"}, {}, 2, "--page takes a page number"},
      {{"render", csv, in.Path("x.png"), "--page"}, {}, 2, "--page needs a value"},
      {{"render", csv, in.Path("x.png"), "--page", "3"}, {}, 2, "--page 3: the job has 2 pages"},
      {{"render", csv, in.Path("x.jpg")}, {}, 2, "OUTPUT must end in .png"},
      {{"devices", "now"}, {}, 2, "devices: too many arguments"},
      // 3: an input that cannot be read or is malformed, with the reason.
      {{"info", in.Path("absent.qxk")}, {}, 3, "cannot read " + in.Path("absent.qxk") + ": "},
      {{"info", in.Path("folder.qxk")}, {}, 3, "it is a folder, not a file"},
      // A pipe is refused at once, never waited on.
      {{"info", in.Path("pipe.csv")}, {}, 3, "it is a pipe, not a file"},
      {{"convert", in.Path("pipe.qxk"), out}, {}, 3, "it is a pipe, not a file"},
      {{"info", in.Path("truncated.qxk")}, {}, 3, "ends inside page 1: it is cut short"},
      {{"info", in.Path("repeated.qxk")}, {}, 3, "Page 1: the repeat count 65535 is not one of"},
      {{"convert", in.Path("garbage.qxu"), out},
       {},
       3,
       "파일을 열 수 없습니다! " + in.Path("garbage.qxu") + ": "},
      {{"print", in.Path("blank.csv"), "--device", "virtual"}, {}, 3, "가져올 데이터가 없습니다!"},
      // 4: an output that cannot be written.
      {{"convert", csv, notADir + ".qxk"}, {}, 4, "파일을 저장할 수 없습니다!"},
      {{"export", csv, notADir + ".csv"}, {}, 4, "파일을 저장할 수 없습니다!"},
      {{"export", csv, in.Path("folder.qxk")}, {}, 2, "OUT must end in .csv"},
      {{"render", csv, notADir + ".png"}, QtLeaks, 4, "cannot write " + notADir + ".png: "},
      // Only a regular file is ever replaced.
      {{"convert", csv, in.Path("pipe.qxk")}, {}, 4, "It is a pipe, not a file"},
      {{"convert", csv, in.Path("nowhere.qxk")}, {}, 4, "link to a file that does not exist"},
      {{"render", csv, in.Path("pipe.png")}, QtLeaks, 4, "pipe.png: It is a pipe, not a file"},
      {{"print", csv},
       {{"Q5300_DEVICE", "virtual:" + notADir}},
       4,
       "The virtual printer cannot write into"},
      // 1: no printer that can be opened.
      {{"print", csv}, noPrinterOnUsb, 1, "Unsuccessfully to open the serial port, make sure"},
      {{"devices"}, {{"Q5300_USB_IDS", "ffff:fffe"}}, 1, "q5300-cli: "},
  };
  for (const Case& c : cases) {
    std::string command;
    for (const std::string& a : c.args) command += " " + a;
    const ProgramResult run = RunProgram(c.args, c.env);
    EXPECT_EQ(run.status, c.status) << command << "\n" << run.err;
    EXPECT_NE(run.err.find(c.inErr), std::string::npos) << command << "\n" << run.err;
    EXPECT_EQ(run.out, "") << command;
    // The program's own message is one line.
    if (c.status != 2 || !c.args.empty()) {
      const auto lines = Lines(run.err);
      EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                              [&](const std::string& line) {
                                return line.starts_with("q5300-cli: ") &&
                                       line.find(c.inErr) != std::string::npos;
                              }))
          << command << "\n"
          << run.err;
    }
  }
}

TEST(CommandLine, AFileThatCannotBeReadForPermissionIsAnInputFailure) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const Inputs in;
  const std::string locked = in.Path("two.csv");
  ASSERT_EQ(chmod(locked.c_str(), 0), 0);
  const ProgramResult run = RunProgram({"info", locked});
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.err.find("Permission denied"), std::string::npos) << run.err;
}

TEST(CommandLine, AFailureNeverLeavesAHalfWrittenOrReplacedOutput) {
  const Inputs in;
  const std::string out = in.Path("kept.qxk");
  const std::vector<uint8_t> earlier = Hex(MarkedQxk);
  WriteBytes(out, earlier);
  const auto before = FileNames(in.dir.path());

  // A malformed input: nothing is written at all.
  EXPECT_EQ(RunProgram({"convert", in.Path("truncated.qxk"), out}).status, 3);
  EXPECT_EQ(ReadBytes(out), earlier);

  // An output the operator made read-only is not replaced, not even by root.
  ASSERT_EQ(chmod(out.c_str(), 0444), 0);
  const ProgramResult run = RunProgram({"convert", in.Path("two.csv"), out});
  EXPECT_EQ(run.status, 4) << run.err;
  EXPECT_NE(run.err.find("read-only"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(out), earlier);

  // An output that is a folder stays a folder.
  EXPECT_EQ(RunProgram({"convert", in.Path("two.csv"), in.Path("folder.qxk")}).status, 4);
  EXPECT_TRUE(fs::is_directory(in.Path("folder.qxk")));
  // No temporary file is left behind.
  EXPECT_EQ(FileNames(in.dir.path()), before);
}

TEST(CommandLine, EveryCommandExplainsItselfAndTheExitStatus) {
  const ProgramResult help = RunProgram({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  for (const char* command : {"convert", "info", "print", "render", "export", "devices"}) {
    EXPECT_NE(help.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
    const ProgramResult own = RunProgram({command, "--help"});
    EXPECT_EQ(own.status, 0) << command;
    EXPECT_TRUE(own.out.starts_with(std::string("Usage: q5300-cli ") + command)) << own.out;
    for (const char* status : {"  0  ", "  1  ", "  2  ", "  3  ", "  4  "}) {
      EXPECT_NE(own.out.find(status), std::string::npos) << command << " " << status;
    }
    EXPECT_EQ(RunProgram({"help", command}).out, own.out) << command;
  }
  const ProgramResult version = RunProgram({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(std::regex_match(version.out, std::regex("q5300-cli [0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << version.out;
}

TEST(CommandLine, InfoShowsEveryPageReadablyAndAsJsonInTheRecordsFieldOrder) {
  const Inputs in;
  const ProgramResult text = RunProgram({"info", in.Path("marked.qxk")});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.err, "");
  const auto lines = Lines(text.out);
  ASSERT_EQ(lines.size(), 4u) << text.out;
  EXPECT_NE(lines[1].find("material=1 (라벨) mediaSize=2 (12mm) materialCode=LAB sizeCode=12 "
                          "cutMode=N (커팅없음) margin=2 alignment=1 (왼쪽) density=12 copies=1 "
                          "repeatMode=0 (순차반복)"),
            std::string::npos)
      << lines[1];
  EXPECT_EQ(lines[2], "pages: 1, printed 1, labels 8");
  EXPECT_EQ(lines[3],
            "page 1: \"m[^]2[earth]-[0-999]\" | length 16.00 mm, 192 dots, automatic | text 144 "
            "dots | font 2 | full width | frame rectangle | horizontal | repeat 2 | numbering "
            "0-999 from 8 to 11, 4 values | labels 8");

  const ProgramResult json = RunProgram({"info", in.Path("marked.qxk"), "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  std::vector<std::string> keys;
  const std::regex key("\n {6}\"([A-Za-z0-9]+)\": ");
  for (auto it = std::sregex_iterator(json.out.begin(), json.out.end(), key);
       it != std::sregex_iterator(); ++it) {
    keys.push_back((*it)[1]);
  }
  const std::vector<std::string> pageFields = {
      "page",        "reserved0",  "hasNumbering", "numNumber",  "numFixed",    "numHex2",
      "numHex1",     "numUpper",   "numLower",     "twoLines",   "scriptCount", "superCount",
      "subCount",    "autoLength", "autoFont",     "wideCount",  "frame",       "numDigits",
      "reserved1",   "reserved2",  "reserved3",    "textLength", "reserved4",   "direction",
      "fontSize",    "halfWidth",  "materialCode", "lengthCode", "sizeCode",    "repeatText",
      "repeatCount", "line1Width", "line2Width",   "lengthDots", "limitDots",   "labelTotal",
      "numCount",    "numStart",   "numEnd",       "text",       "repeatCode",  "isChecked",
      "isCurrent",   "creationNo", "line1",        "line2",      "textBytes",   "lengthMm",
      "numbering",   "labels"};
  EXPECT_EQ(keys, pageFields);
  for (const char* field :
       {"\n  \"settings\": {\n    \"material\": 1,\n    \"mediaSize\": 2,\n    \"materialCode\": "
        "\"LAB\",\n    \"sizeCode\": \"12\",\n    \"cutMode\": \"N\",\n    \"margin\": 2,\n    "
        "\"alignment\": 1,\n    \"density\": 12,\n    \"copies\": 1,\n    \"repeatMode\": 0\n  },",
        "\"text\": \"m[^]2[earth]-[0-999]\",", "\"textBytes\": \"6d1c32a1a12d12\",",
        "\"lengthDots\": 192,", "\"lengthMm\": 16.00,", "\"numStart\": \"8\",",
        "\"labels\": 8\n"}) {
    EXPECT_NE(json.out.find(field), std::string::npos) << field << "\n" << json.out;
  }

  // Texts of an import file: code page 949 in, UTF-8 out, escaped for JSON.
  WriteText(in.Path("quoted.csv"), "say \"hi\"\\x,\xb0\xa1\n");
  const ProgramResult quoted = RunProgram({"info", in.Path("quoted.csv"), "--json"});
  ASSERT_EQ(quoted.status, 0) << quoted.err;
  EXPECT_NE(quoted.out.find(R"("text": "say \"hi\"\\x\n가",)"), std::string::npos) << quoted.out;
}

TEST(CommandLine, PrintToTheVirtualPrinterWriteByWrite) {
  const Inputs in;
  const fs::path dir = in.dir.path() / "printer";
  // --device wins over the environment, which names a printer that is not there.
  const ProgramResult run =
      RunProgram({"print", in.Path("two.csv"), "--device", "virtual:" + dir.string()},
                 {{"Q5300_DEVICE", "usb"}, {"Q5300_USB_IDS", "ffff:fffe"}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");

  // The status query and its empty packet, then the print packet and its empty packet.
  EXPECT_EQ(ReadBytes(dir / "write-0001.bin"), (std::vector<uint8_t>{0x01, 'A'}));
  EXPECT_EQ(ReadBytes(dir / "write-0002.bin"), std::vector<uint8_t>{});
  EXPECT_EQ(ReadBytes(dir / "write-0003.bin"), TwoPagesPacket());
  EXPECT_EQ(ReadBytes(dir / "write-0004.bin"), std::vector<uint8_t>{});
  EXPECT_FALSE(fs::exists(dir / "write-0005.bin"));
  std::ifstream labels(dir / "labels.txt");
  const std::string labelText{std::istreambuf_iterator<char>(labels),
                              std::istreambuf_iterator<char>()};
  EXPECT_EQ(Lines(labelText).size(), 4u) << labelText;  // 3 of page 1, 1 of page 2

  EXPECT_EQ(Lines(run.err),
            (std::vector<std::string>{
                "q5300-cli: 인쇄데이터 처리중...", "q5300-cli: 프린터 상태 점검...",
                "q5300-cli: Printer: the virtual printer writing into " + dir.string() + ".",
                "q5300-cli: 인쇄 데이터 전송중...", "q5300-cli: packet 1 sent: 2 pages, 129 bytes",
                "q5300-cli: 모든 인쇄 내용을 전송했습니다. 인쇄가 끝날 때 까지 기다리십시오.",
                "q5300-cli: the job has ended: 2 pages in 1 packet"}));
}

// The printer's folder on a disk that is already full: the first write cannot
// be kept, and that is what the program reports, not a busy printer.
TEST(CommandLine, PrintToTheVirtualPrinterOnAFullDiskIsAnOutputFailure) {
  const Inputs in;
  const fs::path dir = in.dir.path() / "printer";
  fs::create_directory(dir);
  ProgramResult run;
  {
    const q5300::testing::FullDisk full;
    run = RunProgram({"print", in.Path("two.csv"), "--device", "virtual:" + dir.string()});
  }
  EXPECT_EQ(run.status, 4) << run.err;
  EXPECT_NE(run.err.find("q5300-cli: Cannot write " + (dir / "write-0001.bin").string() + ": "),
            std::string::npos)
      << run.err;
  EXPECT_EQ(FileNames(dir), std::vector<std::string>{});
}

}  // namespace
}  // namespace q5300::cli::test
