// render is drawn by q5300-render, which q5300-cli finds from its own file
// wherever the two are installed together, and whose exit status and output
// are the command's.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "HandFixtures.h"
#include "RunProgram.h"
#include "printer/TempDir.h"

namespace q5300::cli::test {
namespace {

namespace fs = std::filesystem;
using Env = std::map<std::string, std::optional<std::string>>;

// Qt keeps a few allocations to the end of the process.
const Env QtLeaks = {{"ASAN_OPTIONS", "detect_leaks=0"}};

std::string ReadText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The PNG file q5300-render writes for `input`, from `page` when given (its
// drawing is the window painter's: RenderTest).
std::string DrawnByTheRenderer(const fs::path& input, int page) {
  const fs::path png = input.parent_path() / ("by the renderer " + std::to_string(page) + ".png");
  std::vector<std::string> args = {"render", input.string(), png.string()};
  if (page > 0) args.insert(args.end(), {"--page", std::to_string(page)});
  const ProgramResult run = RunProgramAt(RendererPath(), args, QtLeaks);
  EXPECT_EQ(run.status, 0) << run.err;
  std::string bytes = ReadText(png);
  EXPECT_FALSE(bytes.empty());
  fs::remove(png);
  return bytes;
}

// A built program at `to`, as an installation would put it: the same file
// under another name where the file system allows, else a copy.
void Place(const fs::path& from, const fs::path& to) {
  fs::create_directories(to.parent_path());
  std::error_code linked;
  fs::create_hard_link(from, to, linked);
  if (linked) fs::copy_file(from, to);
}

TEST(Renderer, IsFoundBesideTheProgramOrWhereAnInstallationPutsIt) {
  const q5300::test::TempDir dir;
  const fs::path csv = dir.path() / "two.csv";
  std::ofstream(csv, std::ios::binary) << TwoPagesCsv;
  const std::string expected = DrawnByTheRenderer(csv, 0);
  const fs::path installed = fs::path("bin") / Q5300_RENDERER_FROM_BIN / "q5300-render";
  struct Case {
    const char* name;
    fs::path program;   // where q5300-cli is put
    fs::path renderer;  // where q5300-render is put
    fs::path started;   // what is started: the program, or a link to it
  };
  const Case cases[] = {
      {"in one folder", "one/q5300-cli", "one/q5300-render", "one/q5300-cli"},
      {"installed", "usr/bin/q5300-cli", "usr" / installed, "usr/bin/q5300-cli"},
      {"started through a link", "opt/bin/q5300-cli", "opt" / installed, "links/q5300-cli"},
  };
  for (const Case& c : cases) {
    const fs::path root = dir.path() / c.name;
    Place(ProgramPath(), root / c.program);
    Place(RendererPath(), root / c.renderer);
    if (c.started != c.program) {
      fs::create_directories((root / c.started).parent_path());
      fs::create_symlink(root / c.program, root / c.started);
    }
    const fs::path png = root / "strip.png";
    const ProgramResult run =
        RunProgramAt(root / c.started, {"render", csv.string(), png.string()}, QtLeaks);
    ASSERT_EQ(run.status, 0) << c.name << "\n" << run.err;
    EXPECT_EQ(run.out, "") << c.name;
    EXPECT_EQ(run.err, "") << c.name;
    EXPECT_EQ(ReadText(png), expected) << c.name;
  }
}

TEST(Renderer, WithoutItRenderFailsWithWhereItWasLookedForAndTheRestWorks) {
  const q5300::test::TempDir dir;
  const fs::path csv = dir.path() / "two.csv";
  std::ofstream(csv, std::ios::binary) << TwoPagesCsv;
  struct Case {
    const char* name;
    bool renderer;  // a q5300-render that cannot be started, or none
    std::string inErr;
  };
  const Case cases[] = {
      {"none", false, ", is not installed ("},
      {"not executable", true, "q5300-render does not start: Permission denied"},
  };
  for (const Case& c : cases) {
    const fs::path folder = dir.path() / c.name / "bin";
    const fs::path program = folder / "q5300-cli";
    Place(ProgramPath(), program);
    if (c.renderer) {
      fs::copy_file(RendererPath(), folder / "q5300-render");
      fs::permissions(folder / "q5300-render", fs::perms::owner_read | fs::perms::owner_write);
    }
    const fs::path png = dir.path() / c.name / "strip.png";
    const ProgramResult run = RunProgramAt(program, {"render", csv.string(), png.string()});
    EXPECT_EQ(run.status, 4) << c.name << "\n" << run.err;
    EXPECT_EQ(run.out, "") << c.name;
    EXPECT_TRUE(run.err.starts_with("q5300-cli: cannot draw " + png.string() + ": ")) << run.err;
    EXPECT_NE(run.err.find(c.inErr), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(fs::exists(png)) << c.name;
    if (!c.renderer) {
      // Both places it looked, for whoever installs it.
      const std::string beside = (folder / "q5300-render").string();
      const std::string installed =
          (folder / Q5300_RENDERER_FROM_BIN / "q5300-render").lexically_normal().string();
      EXPECT_NE(run.err.find(beside), std::string::npos) << run.err;
      EXPECT_NE(run.err.find(installed), std::string::npos) << run.err;
    }

    // The command line is still checked, and every other command works.
    const ProgramResult wrong = RunProgramAt(program, {"render", csv.string(), "x.jpg"});
    EXPECT_EQ(wrong.status, 2) << wrong.err;
    EXPECT_NE(wrong.err.find("OUTPUT must end in .png"), std::string::npos) << wrong.err;
    const ProgramResult help = RunProgramAt(program, {"render", "--help"});
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.out, RunProgram({"render", "--help"}).out);
    const fs::path qxk = dir.path() / c.name / "two.qxk";
    const ProgramResult convert = RunProgramAt(program, {"convert", csv.string(), qxk.string()});
    EXPECT_EQ(convert.status, 0) << convert.err;
    const std::vector<uint8_t> bytes = Hex(TwoPagesQxk);
    EXPECT_EQ(ReadText(qxk), std::string(bytes.begin(), bytes.end())) << c.name;
  }
}

// The renderer gets the command line as q5300-cli understood it, whatever
// form it was given in.
TEST(Renderer, TakesTheArgumentsInEveryFormTheCommandLineAllows) {
  const q5300::test::TempDir dir;
  for (const char* name : {"two.csv", "-two.csv", "two pages \"quoted\".csv"}) {
    std::ofstream(dir.path() / name, std::ios::binary) << TwoPagesCsv;
  }
  struct Case {
    std::vector<std::string> args;
    const char* input;
    const char* output;
    int page;
  };
  const Case cases[] = {
      {{"render", "two.csv", "a.png"}, "two.csv", "a.png", 0},
      {{"render", "--page", "2", "two.csv", "b.png"}, "two.csv", "b.png", 2},
      {{"render", "two.csv", "c.png", "--page=2"}, "two.csv", "c.png", 2},
      {{"render", "--", "-two.csv", "d.png"}, "-two.csv", "d.png", 0},
      {{"render", "--page", "1", "--", "-two.csv", "-e.png"}, "-two.csv", "-e.png", 1},
      {{"render", "two pages \"quoted\".csv", "f g.png"}, "two pages \"quoted\".csv", "f g.png", 0},
  };
  for (const Case& c : cases) {
    std::string command;
    for (const std::string& a : c.args) command += " " + a;
    const ProgramResult run = RunProgramAt(ProgramPath(), c.args, QtLeaks, dir.path());
    ASSERT_EQ(run.status, 0) << command << "\n" << run.err;
    EXPECT_EQ(run.err, "") << command;
    EXPECT_EQ(ReadText(dir.path() / c.output), DrawnByTheRenderer(dir.path() / c.input, c.page))
        << command;
  }
}

// Whatever the renderer decides reaches the script as if q5300-cli had
// decided it: the same status, the same lines.
TEST(Renderer, ItsStatusAndMessagesAreTheCommands) {
  const q5300::test::TempDir dir;
  const fs::path csv = dir.path() / "two.csv";
  std::ofstream(csv, std::ios::binary) << TwoPagesCsv;
  std::ofstream(dir.path() / "cut.qxk", std::ios::binary) << "\x01\x02\x03";
  mkfifo((dir.path() / "pipe.png").c_str(), 0644);
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const Case cases[] = {
      {{"render", csv.string(), (dir.path() / "ok.png").string()}, 0},
      {{"render", csv.string(), (dir.path() / "x.png").string(), "--page", "3"}, 2},
      {{"render", (dir.path() / "cut.qxk").string(), (dir.path() / "x.png").string()}, 3},
      {{"render", csv.string(), (dir.path() / "pipe.png").string()}, 4},
  };
  for (const Case& c : cases) {
    const ProgramResult direct = RunProgramAt(RendererPath(), c.args, QtLeaks);
    const ProgramResult handed = RunProgramAt(ProgramPath(), c.args, QtLeaks);
    EXPECT_EQ(direct.status, c.status) << c.args[2] << "\n" << direct.err;
    EXPECT_EQ(handed.status, direct.status) << c.args[2];
    EXPECT_EQ(handed.signal, 0) << c.args[2];
    EXPECT_EQ(handed.out, direct.out) << c.args[2];
    EXPECT_EQ(handed.err, direct.err) << c.args[2];
    if (c.status != 0) {
      EXPECT_NE(handed.err, "") << c.args[2];
    }
  }
}

}  // namespace
}  // namespace q5300::cli::test
