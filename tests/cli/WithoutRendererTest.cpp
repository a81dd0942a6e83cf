// render in a q5300-cli built without the window: the command line is checked
// as in every build, and then the command says that it is missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "HandFixtures.h"
#include "cli/Cli.h"
#include "printer/TempDir.h"

namespace q5300::cli::test {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome RunCommand(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  Outcome run;
  run.status = RunCli(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

TEST(WithoutRenderer, RenderSaysThatItIsMissingAfterItsCommandLineIsChecked) {
  const q5300::test::TempDir dir;
  const std::string csv = (dir.path() / "two.csv").string();
  std::ofstream(csv, std::ios::binary) << TwoPagesCsv;
  const std::string png = (dir.path() / "strip.png").string();
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;  // what standard error says, on its one line
  };
  const Case cases[] = {
      {{"render", csv, png},
       4,
       "q5300-cli: cannot draw " + png +
           ": render is missing from this q5300-cli, which was built without the window whose "
           "painter draws the strip\n"},
      {{"render", csv, (dir.path() / "strip.jpg").string()}, 2, "OUTPUT must end in .png"},
      {{"render", csv, png, "--page", "0"}, 2, "--page takes a page number from 1: 0"},
      {{"render", (dir.path() / "two.txt2").string(), png}, 2, "FILE"},
  };
  for (const Case& c : cases) {
    const Outcome run = RunCommand(c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(png));
  }

  const Outcome help = RunCommand({"render", "--help"});
  EXPECT_EQ(help.status, 0) << help.err;
  EXPECT_TRUE(help.out.starts_with("Usage: q5300-cli render FILE OUTPUT.png")) << help.out;

  // Every other command works.
  const fs::path qxk = dir.path() / "two.qxk";
  const Outcome convert = RunCommand({"convert", csv, qxk.string()});
  EXPECT_EQ(convert.status, 0) << convert.err;
  std::ifstream file(qxk, std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
  const std::vector<uint8_t> expected = Hex(TwoPagesQxk);
  EXPECT_EQ(written, std::string(expected.begin(), expected.end()));
}

}  // namespace
}  // namespace q5300::cli::test
