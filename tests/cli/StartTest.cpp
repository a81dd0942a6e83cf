// What q5300-cli loads when it starts: neither the toolkit (only q5300-render
// draws) nor the libraries of spreadsheets and of the printer on USB, which it
// loads when a command first needs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "HandFixtures.h"
#include "RunProgram.h"
#include "printer/TempDir.h"
#include "support/SheetFiles.h"

namespace q5300::cli::test {
namespace {

namespace fs = std::filesystem;

// The files of the libraries q5300-cli loads when first needed; empty when this
// build loads them at start.
constexpr std::string_view LibzipFile = Q5300_LIBZIP_SONAME;
constexpr std::string_view ExpatFile = Q5300_EXPAT_SONAME;
constexpr std::string_view LibusbFile = Q5300_LIBUSB_SONAME;

std::string ReadText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteText(const fs::path& path, std::string_view text) {
  std::ofstream(path, std::ios::binary) << text;
}

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}

TEST(ProgramStart, LoadsNeitherTheToolkitNorTheLibrariesOfSpreadsheetsAndUsb) {
  if (LibzipFile.empty()) GTEST_SKIP() << "this build loads every library at start";
  struct Case {
    fs::path program;
    std::vector<std::string> loaded;
    std::vector<std::string> notLoaded;
  };
  const Case cases[] = {
      {ProgramPath(),
       {"libicuuc", "libstdc++"},
       {"libQt6", std::string(LibzipFile), std::string(ExpatFile), std::string(LibusbFile)}},
      // The same look finds them where they are linked.
      {RendererPath(),
       {"libQt6Gui", std::string(LibzipFile), std::string(ExpatFile), std::string(LibusbFile)},
       {}},
  };
  for (const Case& c : cases) {
    // The dynamic loader lists what the program loads, and runs nothing.
    const ProgramResult listed = RunProgramAt(c.program, {}, {{"LD_TRACE_LOADED_OBJECTS", "1"}});
    ASSERT_EQ(listed.status, 0) << listed.err;
    for (const std::string& library : c.loaded) {
      EXPECT_NE(listed.out.find(library), std::string::npos) << c.program << " " << library;
    }
    for (const std::string& library : c.notLoaded) {
      EXPECT_EQ(listed.out.find(library), std::string::npos) << c.program << " " << library << "\n"
                                                             << listed.out;
    }
  }
}

// Broken copies of the libraries come first in the loader's path: a command
// that never needs one does not notice, one that does fails with its reason
// and its exit status.
TEST(ProgramStart, EachLibraryIsLoadedWhenACommandFirstNeedsIt) {
  if (LibzipFile.empty()) GTEST_SKIP() << "this build loads every library at start";
  const q5300::test::TempDir dir;
  WriteText(dir.path() / "two.csv", TwoPagesCsv);
  WriteBytes(dir.path() / "two.xlsx",
             testing::XlsxOf("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" "
                             "t=\"s\"><v>1</v></c><c r=\"C1\"><v>3</v></c></row><row "
                             "r=\"2\"><c r=\"A2\" t=\"s\"><v>2</v></c></row>",
                             "<si><t>A1</t></si><si><t>B2</t></si><si><t>X</t></si>"));
  const std::vector<uint8_t> qxk = Hex(TwoPagesQxk);
  const std::string expected(qxk.begin(), qxk.end());
  struct Case {
    const char* name;
    std::vector<std::string_view> broken;
    std::vector<std::string> args;  // after the program's name, then the output
    int status;
    std::string inErr;  // nothing: the command succeeds
  };
  const Case cases[] = {
      {"text", {LibzipFile, ExpatFile, LibusbFile}, {"convert", "two.csv"}, 0, ""},
      {"spreadsheet", {LibusbFile}, {"convert", "two.xlsx"}, 0, ""},
      {"spreadsheet without libzip",
       {LibzipFile},
       {"convert", "two.xlsx"},
       3,
       std::string(LibzipFile) + ", needed for reading spreadsheets, cannot be loaded: "},
      {"spreadsheet without expat",
       {ExpatFile},
       {"convert", "two.xlsx"},
       3,
       std::string(ExpatFile) + ", needed for reading spreadsheets, cannot be loaded: "},
      {"printers without libusb",
       {LibusbFile},
       {"devices"},
       1,
       std::string(LibusbFile) + ", needed for the printer on USB, cannot be loaded: "},
  };
  for (const Case& c : cases) {
    const fs::path broken = dir.path() / c.name;
    fs::create_directory(broken);
    for (const std::string_view library : c.broken) WriteText(broken / library, "not a library");
    std::vector<std::string> args;
    for (const std::string& a : c.args) args.push_back((dir.path() / a).string());
    args[0] = c.args[0];
    const fs::path output = dir.path() / (std::string(c.name) + ".qxk");
    if (c.args[0] == "convert") args.push_back(output.string());
    const ProgramResult run =
        RunProgram(args, {{"LD_LIBRARY_PATH", broken.string()}, {"Q5300_USB_IDS", "ffff:fffe"}});
    EXPECT_EQ(run.status, c.status) << c.name << "\n" << run.err;
    EXPECT_EQ(run.out, "") << c.name;
    if (c.inErr.empty()) {
      EXPECT_EQ(run.err, "") << c.name;
      EXPECT_EQ(ReadText(output), expected) << c.name;
    } else {
      EXPECT_TRUE(run.err.starts_with("q5300-cli: " + c.inErr)) << c.name << "\n" << run.err;
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
      EXPECT_FALSE(fs::exists(output)) << c.name;
    }
  }
}

}  // namespace
}  // namespace q5300::cli::test
