// The window and workbench the file command tests drive: one main window with
// its workbench, the toolbar's file commands, and the job's whole state.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "support/RecordText.h"
#include "support/WorkbenchRig.h"

namespace q5300::filetest {

namespace fs = std::filesystem;
using testing::RecordBytes;
using testing::RecordText;

// One main window with its workbench, started up with one empty page; pages take
// their length from their text. The toolbar's commands go through the window,
// which takes an open cell edit in first.
struct Window : testing::WorkbenchParts {
  Window() {
    bench.StartUp();
    bench.panel.AutoLengthClicked();
    op.told.clear();
  }

  // Types the page's lines into the grid, adding pages up to `row`.
  void Page(int row, const std::u16string& line1, const std::u16string& line2 = u"") {
    while (Rows() <= row) bench.pages.Add();
    Type(row, line1);
    if (line2.empty()) return;
    // Two lines take a font size of 3 at most.
    FontSize(row, 3);
    Type(row, line2, Line2Column);
  }
  void Save(const fs::path& path) {
    op.files.push_back(path.string());
    window.Run([&] { bench.files.Save(); });
  }
  void SaveU(const fs::path& path) {
    op.files.push_back(path.string());
    window.Run([&] { bench.files.SaveU(); });
  }
  void Open(const fs::path& path, std::optional<bool> discard = std::nullopt) {
    op.files.push_back(path.string());
    if (discard) op.yesNo.push_back(*discard);
    window.Run([&] { bench.files.Open(); });
  }
  void Import(const fs::path& path) {
    op.files.push_back(path.string());
    window.Run([&] { bench.files.Import(); });
  }
  void Export(const fs::path& path, CsvEncoding encoding = CsvEncoding::Utf8) {
    op.files.push_back(path.string());
    window.Run([&] { bench.files.Export(encoding); });
  }
  const PageRecord& Record(int row) const { return WorkbenchParts::Page(row); }
};

// Everything a refused command must leave as it was.
struct JobState {
  std::vector<std::u16string> cells;
  std::vector<bool> checks;
  std::vector<std::string> records;
  JobSettings settings;
  ControlsState controls;
  int current = 0;
  friend bool operator==(const JobState&, const JobState&) = default;
};

inline JobState StateOf(const JobDocument& document) {
  JobState state;
  for (int row = 0; row < document.grid().rowCount(); ++row) {
    for (int column = 0; column < GridColumnCount; ++column) {
      state.cells.push_back(document.grid().CellText(row, column));
    }
    state.checks.push_back(document.grid().IsChecked(row));
  }
  for (const Page& page : document.pages()) state.records.push_back(RecordText(page.printer()));
  state.settings = document.job().settings;
  state.controls = document.controls();
  state.current = document.currentPageIndex();
  return state;
}

inline void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace q5300::filetest
