// The import options of every command that takes in an import file: which
// columns make line 1, line 2 and the repeat count, a fixed count, a header row
// and a page per wire end; what is exported shows the pages they made.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "printer/TempDir.h"
#include "support/SheetFiles.h"

namespace q5300::cli::test {
namespace {

namespace fs = std::filesystem;

// Wire number, source, target, cross-section, colour, count, as a design
// program exports them; W3 has no target.
constexpr char kWires[] =
    "\xEC\xA0\x84\xEC\x84\xA0\xEB\xB2\x88\xED\x98\xB8,From,To,mm2,Colour,Count\r\n"  // 전선번호
    "W1,X1:1,K1:A1,1.5,BK,2\r\n"
    "W2,X1:2,K1:A2,2.5,BU,1\r\n"
    "W3,X1:3,,1.5,BN,3\r\n";

struct Inputs {
  q5300::test::TempDir dir;
  Inputs() {
    Write("wires.csv", kWires);
    const std::string text = [] {
      std::string tabs = kWires;
      for (char& c : tabs) c = c == ',' ? '\t' : c;
      return tabs;
    }();
    Write("wires.txt", text);
    const auto cell = [](const char* reference, const char* value) {
      return std::string("<c r=\"") + reference + "\" t=\"inlineStr\"><is><t>" + value +
             "</t></is></c>";
    };
    const std::vector<uint8_t> xlsx = testing::XlsxOf(
        "<row r=\"1\">" + cell("A1", "No") + cell("B1", "From") + cell("C1", "To") +
        cell("F1", "Count") + "</row><row r=\"2\">" + cell("A2", "W1") + cell("B2", "X1:1") +
        cell("C2", "K1:A1") + "<c r=\"F2\"><v>2</v></c></row><row r=\"3\">" + cell("A3", "W2") +
        cell("B3", "X1:2") + cell("C3", "K1:A2") + "<c r=\"F3\"><v>1</v></c></row><row r=\"4\">" +
        cell("A4", "W3") + cell("B4", "X1:3") + "<c r=\"F4\"><v>3</v></c></row>");
    Write("wires.xlsx", std::string(xlsx.begin(), xlsx.end()));
    Write("plain.csv", "A1,B2,3\r\nX,,1\r\n");
  }
  void Write(const char* name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string Path(std::string_view name) const { return (dir.path() / name).string(); }
  std::string Read(std::string_view name) const {
    std::ifstream file(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
};

constexpr char kMark[] = "\xEF\xBB\xBF";

TEST(ImportOptions, EachChoiceMakesItsPagesFromTextAndSpreadsheet) {
  const Inputs in;
  struct Case {
    std::vector<std::string> options;
    std::string pages;  // as export writes them
  };
  const Case cases[] = {
      {{"--columns", "1,2", "--header"}, "W1,X1:1,1\r\nW2,X1:2,1\r\nW3,X1:3,1\r\n"},
      {{"--columns=1,2,6", "--header"}, "W1,X1:1,2\r\nW2,X1:2,1\r\nW3,X1:3,3\r\n"},
      {{"--columns", "1,0", "--repeat", "4", "--header"}, "W1,,4\r\nW2,,4\r\nW3,,4\r\n"},
      {{"--columns", "2,1", "--repeat=7", "--header"}, "X1:1,W1,7\r\nX1:2,W2,7\r\nX1:3,W3,7\r\n"},
      {{"--columns", "1", "--header"}, "W1,,1\r\nW2,,1\r\nW3,,1\r\n"},
      {{"--columns", "1,2,6", "--header", "--wire-ends", "3"},
       "W1,X1:1,2\r\nW1,K1:A1,2\r\nW2,X1:2,1\r\nW2,K1:A2,1\r\nW3,X1:3,3\r\nW3,,3\r\n"},
  };
  for (const char* input : {"wires.csv", "wires.txt", "wires.xlsx"}) {
    for (const Case& c : cases) {
      std::vector<std::string> args = {"export", in.Path(input), in.Path("out.csv")};
      args.insert(args.end(), c.options.begin(), c.options.end());
      const ProgramResult run = RunProgram(args);
      SCOPED_TRACE(std::string(input) + " " + c.options[0] + " " + c.options[1]);
      ASSERT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(run.err, "");
      EXPECT_EQ(in.Read("out.csv"), kMark + c.pages);
    }
  }

  // Without options the first row is a page and the columns are 1, 2 and 3.
  ASSERT_EQ(RunProgram({"export", in.Path("wires.csv"), in.Path("out.csv")}).status, 0);
  EXPECT_TRUE(in.Read("out.csv").starts_with(
      std::string(kMark) +
      "\xEC\xA0\x84\xEC\x84\xA0\xEB\xB2\x88\xED\x98\xB8,From,1\r\nW1,X1:1,1\r\n"));
}

// Column 64 is the last an import reads, and every option may name it.
TEST(ImportOptions, TheLastColumnReadIsOneToName) {
  const Inputs in;
  std::string row;
  for (int column = 1; column < 64; ++column) row += "C" + std::to_string(column) + ",";
  in.Write("wide.csv", row + "3\r\n");
  struct Case {
    std::vector<std::string> options;
    std::string pages;
  };
  const Case cases[] = {
      {{"--columns", "64,63"}, "3,C63,1\r\n"},
      {{"--columns", "63,0,64"}, "C63,,3\r\n"},
      {{"--columns", "1,2", "--wire-ends", "64"}, "C1,C2,1\r\nC1,3,1\r\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"export", in.Path("wide.csv"), in.Path("out.csv")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const ProgramResult run = RunProgram(args);
    ASSERT_EQ(run.status, 0) << c.options[1] << " " << run.err;
    EXPECT_EQ(in.Read("out.csv"), kMark + c.pages) << c.options[1];
  }
}

// A list of semicolons, as a spreadsheet program writes it where the comma is
// the decimal mark, in code page 949 with a header and eight columns.
TEST(ImportOptions, TheSeparatorIsFoundOrNamed) {
  const Inputs in;
  in.Write("cad2-semicolon-cp949.csv",
           "\xB9\xF8\xC8\xA3;From;To;mm2;Colour;Count;Type;Label\r\n"
           "W1;X1:1;K1:A1;1,5;BK;2;H07V-K;\xC0\xFC\xBF\xF8 L1\r\n"
           "W2;X1:2;K1:A2;2,5;BU;1;H07V-K;\xC1\xA2\xC1\xF6\r\n");
  for (const std::vector<std::string>& separator :
       {std::vector<std::string>{}, {"--separator", "semicolon"}, {"--separator=;"}}) {
    std::vector<std::string> args = {"export",           in.Path("cad2-semicolon-cp949.csv"),
                                     in.Path("out.csv"), "--header",
                                     "--columns",        "8,4,6"};
    args.insert(args.end(), separator.begin(), separator.end());
    const ProgramResult run = RunProgram(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(in.Read("out.csv"), std::string(kMark) +
                                      "\xEC\xA0\x84\xEC\x9B\x90 L1,\"1,5\",2\r\n"
                                      "\xEC\xA0\x91\xEC\xA7\x80,\"2,5\",1\r\n");
  }
  // Named otherwise, the file has one column of commas.
  const ProgramResult tabs = RunProgram(
      {"export", in.Path("cad2-semicolon-cp949.csv"), in.Path("out.csv"), "--separator", "tab"});
  ASSERT_EQ(tabs.status, 0) << tabs.err;
  EXPECT_NE(in.Read("out.csv").find("\n\"W1;X1:1;K1:A1;1,5;BK;2;H07V-K;"), std::string::npos)
      << in.Read("out.csv");
}

TEST(ImportOptions, EveryCommandThatTakesInAnImportFileTakesThem) {
  const Inputs in;
  const std::vector<std::string> options = {"--columns", "1,2,6", "--header", "--wire-ends", "3"};
  const auto with = [&](std::vector<std::string> args) {
    args.insert(args.end(), options.begin(), options.end());
    return args;
  };
  // convert: the label file holds the six pages.
  const ProgramResult converted =
      RunProgram(with({"convert", in.Path("wires.csv"), in.Path("w.qxk")}));
  ASSERT_EQ(converted.status, 0) << converted.err;
  ASSERT_EQ(RunProgram({"export", in.Path("w.qxk"), in.Path("back.csv")}).status, 0);
  EXPECT_EQ(in.Read("back.csv"),
            std::string(kMark) +
                "W1,X1:1,2\r\nW1,K1:A1,2\r\nW2,X1:2,1\r\nW2,K1:A2,1\r\nW3,X1:3,3\r\nW3,,3\r\n");

  // info lists them; print and render know there are six.
  const ProgramResult info = RunProgram(with({"info", in.Path("wires.csv")}));
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("page 6:"), std::string::npos) << info.out;
  EXPECT_EQ(info.out.find("page 7:"), std::string::npos) << info.out;
  const ProgramResult print =
      RunProgram(with({"print", in.Path("wires.csv"), "--device", "virtual", "--from-page", "7"}));
  EXPECT_EQ(print.status, 2);
  EXPECT_NE(print.err.find("--from-page 7: the job has 6 pages"), std::string::npos) << print.err;
  const ProgramResult render =
      RunProgram(with({"render", in.Path("wires.csv"), in.Path("s.png"), "--page", "7"}),
                 {{"ASAN_OPTIONS", "detect_leaks=0"}});
  EXPECT_EQ(render.status, 2);
  EXPECT_NE(render.err.find("--page 7: the job has 6 pages"), std::string::npos) << render.err;
}

TEST(ImportOptions, BadValuesAreUsageErrors) {
  const Inputs in;
  const std::string csv = in.Path("plain.csv");
  struct Case {
    std::vector<std::string> options;
    std::string inErr;
  };
  const Case cases[] = {
      {{"--columns", "0"}, "--columns 0: line 1 is a column from 1 to 64"},
      {{"--columns", "65,1"}, "--columns 65,1: line 1 is a column from 1 to 64"},
      {{"--columns", "1,65"}, "--columns 1,65: line 2 is a column from 1 to 64, or 0 for none"},
      {{"--columns", "1,2,0"}, "--columns 1,2,0: the repeat count is a column from 1 to 64"},
      {{"--columns", "a,b"}, "--columns a,b: line 1 is a column from 1 to 64"},
      {{"--columns", "1,,3"}, "--columns 1,,3: line 2 is a column from 1 to 64, or 0 for none"},
      {{"--columns", "1,2,3,4"}, "--columns 1,2,3,4: at most three columns, L1[,L2[,R]]"},
      {{"--columns", ""}, "--columns : line 1 is a column from 1 to 64"},
      {{"--columns", "1,2,3", "--repeat", "2"},
       "--repeat 2 and a repeat count column in --columns 1,2,3: give one of them"},
      {{"--repeat", "0"}, "--repeat 0: a repeat count from 1 to 200"},
      {{"--repeat", "201"}, "--repeat 201: a repeat count from 1 to 200"},
      {{"--repeat", "two"}, "--repeat two: a repeat count from 1 to 200"},
      {{"--wire-ends", "0"}, "--wire-ends 0: the other wire end is a column from 1 to 64"},
      {{"--wire-ends"}, "--wire-ends needs a value"},
      {{"--header=yes"}, "--header takes no value"},
      {{"--separator", "pipe"}, "--separator pipe: comma, semicolon or tab"},
  };
  for (const char* command : {"convert", "info", "export"}) {
    for (const Case& c : cases) {
      std::vector<std::string> args = {command, csv};
      if (std::string_view(command) == "convert") args.push_back(in.Path("x.qxk"));
      if (std::string_view(command) == "export") args.push_back(in.Path("x.csv"));
      args.insert(args.end(), c.options.begin(), c.options.end());
      const ProgramResult run = RunProgram(args);
      EXPECT_EQ(run.status, 2) << command << " " << c.inErr;
      EXPECT_NE(run.err.find(std::string(command) + ": " + c.inErr), std::string::npos) << run.err;
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
  }
  EXPECT_FALSE(fs::exists(in.Path("x.qxk")));
  EXPECT_FALSE(fs::exists(in.Path("x.csv")));

  // A label file has no columns.
  ASSERT_EQ(RunProgram({"convert", csv, in.Path("p.qxk")}).status, 0);
  const ProgramResult label = RunProgram({"info", in.Path("p.qxk"), "--header"});
  EXPECT_EQ(label.status, 2);
  EXPECT_NE(label.err.find("info: --header is for an import file (.csv, .txt, .xlsx, .ods), not "
                           "a label file"),
            std::string::npos)
      << label.err;
}

}  // namespace
}  // namespace q5300::cli::test
