// The window program started where it has nowhere to show: a plain message and
// exit status 1, never Qt's abort and a core dump.
#include <gtest/gtest.h>
#include <unistd.h>

#include "RunProgram.h"

namespace q5300::cli::test {
namespace {

TEST(WindowProgram, WithoutADisplayItSaysSoAndExitsWithStatusOne) {
  using Env = std::map<std::string, std::optional<std::string>>;
  // No display of any kind; the X and Wayland names of displays nobody serves.
  const Env none = {{"DISPLAY", std::nullopt},
                    {"WAYLAND_DISPLAY", std::nullopt},
                    {"QT_QPA_PLATFORM", std::nullopt},
                    {"XDG_RUNTIME_DIR", "/nonexistent"}};
  struct Case {
    const char* name;
    Env changes;
    const char* reason;
  } const cases[] = {
      {"nothing set", {}, "DISPLAY is not set"},
      {"an X display nobody serves", {{"DISPLAY", ":97"}}, "the X display :97 does not answer"},
      {"xcb asked for, no X display", {{"QT_QPA_PLATFORM", "xcb"}}, "DISPLAY is not set"},
      {"a Wayland display nobody serves",
       {{"WAYLAND_DISPLAY", "wayland-97"}},
       "the Wayland display wayland-97 does not answer"},
      {"wayland then xcb, neither there",
       {{"QT_QPA_PLATFORM", "wayland;xcb"}, {"WAYLAND_DISPLAY", "wayland-97"}},
       "the Wayland display wayland-97 does not answer; DISPLAY is not set"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Env env = none;
    for (const auto& [name, value] : c.changes) env[name] = value;
    // Qt keeps a few allocations to the end of the process.
    env["ASAN_OPTIONS"] = "detect_leaks=0";
    const ProgramResult run = RunProgramAt(Q5300_WINDOW_PATH, {}, env);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("q5300: no display could be opened"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("q5300-cli works without one"), std::string::npos) << run.err;
  }
}

TEST(WindowProgram, APlatformQtCannotStartIsAPlainMessageToo) {
  const ProgramResult run =
      RunProgramAt(Q5300_WINDOW_PATH, {},
                   {{"QT_QPA_PLATFORM", "no-such-platform"}, {"ASAN_OPTIONS", "detect_leaks=0"}});
  EXPECT_EQ(run.signal, 0);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("q5300: the window could not be started: "), std::string::npos) << run.err;
}

TEST(WindowProgram, APlatformWithoutASessionStillStarts) {
  // The offscreen platform needs no display: the check lets it through, and the
  // window starts and ends as the start-up measurement makes it.
  const std::filesystem::path mark =
      std::filesystem::temp_directory_path() / ("q5300-first-paint-" + std::to_string(getpid()));
  const ProgramResult run = RunProgramAt(Q5300_WINDOW_PATH, {},
                                         {{"DISPLAY", std::nullopt},
                                          {"QT_QPA_PLATFORM", "offscreen"},
                                          {"Q5300_DEVICE", "virtual"},
                                          {"Q5300_FIRST_PAINT_FILE", mark.string()},
                                          {"ASAN_OPTIONS", "detect_leaks=0"}});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(mark));
  std::filesystem::remove(mark);
}

}  // namespace
}  // namespace q5300::cli::test
