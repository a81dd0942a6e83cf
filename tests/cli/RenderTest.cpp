// render: the image the program writes is the strip the window's painter draws.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "HandFixtures.h"
#include "RunProgram.h"
#include "cli/Render.h"
#include "cli/Session.h"
#include "printer/TempDir.h"

namespace q5300::cli::test {
namespace {

// The strip of `file` drawn in this process, from `page` (1-based) when given.
QImage DrawnHere(const std::string& file, int page = 0) {
  std::ostringstream err;
  OfflineSession session(err);
  EXPECT_EQ(session->Load(file), ExitCode::Success) << err.str();
  if (page > 0) session->bench().pages.SetCurrentPage(page - 1);
  session->bench().pages.Preview();
  return RenderStrip(*session->view().snapshot(), session->view().mediaWidthMm(), page > 0)
      .image.convertToFormat(QImage::Format_RGB32);
}

const std::map<std::string, std::optional<std::string>> QtLeaks = {
    {"ASAN_OPTIONS", "detect_leaks=0"}};

TEST(Render, TheImageIsTheStripOfTheWindowsPainterWholeOrFromAPage) {
  const q5300::test::TempDir dir;
  const std::string csv = (dir.path() / "two.csv").string();
  std::ofstream(csv, std::ios::binary) << TwoPagesCsv;
  int wholeWidth = 0;
  for (const int page : {0, 2}) {
    const std::string png = (dir.path() / ("strip" + std::to_string(page) + ".png")).string();
    std::vector<std::string> args = {"render", csv, png};
    if (page > 0) args.insert(args.end(), {"--page", std::to_string(page)});
    const ProgramResult run = RunProgram(args, QtLeaks);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    const QImage written =
        QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.height(), RenderHeight);
    EXPECT_EQ(written, DrawnHere(csv, page)) << "page " << page;
    // From page 2 the three labels of page 1 are left out.
    if (page == 0) wholeWidth = written.width();
    if (page == 2) {
      EXPECT_LT(written.width(), wholeWidth / 2);
    }
  }
}

TEST(Render, AStripWiderThanAnImageMayBeIsCutWithAMessage) {
  const q5300::test::TempDir dir;
  const std::string csv = (dir.path() / "long.csv").string();
  {
    // 200 pages of 200 labels each: some million pixels of strip.
    std::ofstream file(csv, std::ios::binary);
    for (int i = 0; i < 200; ++i) file << "WWWWWWWW,,200\n";
  }
  const std::string png = (dir.path() / "long.png").string();
  const ProgramResult run = RunProgram({"render", csv, png}, QtLeaks);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("the image shows its first 32767"), std::string::npos) << run.err;
  const QImage written(QString::fromStdString(png));
  EXPECT_EQ(written.width(), MaxRenderWidth);
  EXPECT_EQ(written.height(), RenderHeight);
}

}  // namespace
}  // namespace q5300::cli::test
