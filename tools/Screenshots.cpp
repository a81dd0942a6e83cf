// Pictures of the program for the documentation: the main window with a few
// pages of sample content and the preview shown, an edit too long for its page,
// the grid's menu, the status popup, the numbering dialog and the symbol
// picker; or only the main window as large as a small screen lets it be. The
// job is filled through the window's workbench, as the operator's commands fill it;
// tools/screenshots runs this under Xvfb.
//   q5300-screenshots OUTPUT_DIR
//   q5300-screenshots OUTPUT_DIR --fit NAME.png
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "compile/RebuildRecords.h"
#include "editing/SymbolChoice.h"
#include "editing/NumberingChoice.h"
#include "printer/VirtualPrinter.h"
#include "ui/Application.h"
#include "ui/SymbolDialog.h"
#include "ui/CellEditor.h"
#include "ui/Language.h"
#include "ui/LabelGrid.h"
#include "ui/StatusPopupWindow.h"
#include "ui/NumberingDialog.h"
#include "ui/MainWindow.h"
#include "ui/Theme.h"

namespace q5300::ui {
namespace {

// Answers the commands' dialogs from a script instead of showing them.
class ScriptedOperator final : public EditingOperator {
 public:
  void Tell(const Message& message) override {
    std::fprintf(stderr, "told: %s\n", message.text.c_str());
  }
  bool AskYesNo(const Message&) override { return false; }
  std::size_t Choose(const Message&, const std::vector<Phrase>& answers) override {
    return answers.empty() ? 0 : answers.size() - 1;
  }
  std::optional<std::string> ChooseFile(const FileDialog&) override { return std::nullopt; }
  bool RunNumberingDialog(NumberingChoice& dialog) override {
    dialog.TextChanged(NumBox::Start, u"1");
    dialog.TextChanged(NumBox::End, u"24");
    return dialog.Accept().ok();
  }
  bool RunSymbolPicker(SymbolChoice& picker) override {
    picker.ClearSelection();
    for (const int symbol : symbols) {
      // The middle of the symbol's cell on a sheet of 16 x 5 cells of 40 x 40.
      picker.DoubleClicked({0, 0, 640, 200}, (symbol % 16) * 40 + 20, (symbol / 16) * 40 + 20);
    }
    return true;
  }
  bool RunColumnChoice(ColumnChoice&) override { return false; }
  SaveAnswer AskSaveChanges(const Message&) override { return SaveAnswer::Discard; }

  std::vector<int> symbols;
};

// Types a line into the current page as a finished edit of the grid; the
// markers and symbols that follow go into that cell.
void TypeLine(Workbench& bench, int column, const std::u16string& text) {
  const int row = bench.document.currentPageIndex();
  bench.document.Change([&](JobEdit& e) {
    bench.pages.CommitCellEdit(row, column, text, false);
    e.SetCurrentColumn(column);
  });
}

void FillJob(Workbench& bench, ScriptedOperator& op) {
  PageCommands& pages = bench.pages;
  PanelCommands& panel = bench.panel;
  // Every page as long as its text.
  panel.AutoLengthClicked();
  TypeLine(bench, Line1Column, u"전원 케이블 A-01");

  pages.Add();
  TypeLine(bench, Line1Column, u"접지 PE ");
  op.symbols = {0, 1};  // earth signs
  pages.ElectricalSymbols();

  pages.Add();
  TypeLine(bench, Line1Column, u"No.");
  pages.NumberingPressed();  // a running number, 1 to 24

  pages.Add();
  TypeLine(bench, Line1Column, u"MOTOR 2.2k");
  op.symbols = {49};  // kW
  pages.ElectricalSymbols();
  TypeLine(bench, RepeatColumn, u"3");

  pages.Add();
  panel.FontSizeChosen(3);
  TypeLine(bench, Line1Column, u"단자대 X1");
  TypeLine(bench, Line2Column, u"L1 L2 L3");

  pages.Add();
  TypeLine(bench, Line1Column, u"m");
  pages.Superscript();
  TypeLine(bench, Line1Column,
           bench.document.grid().CellText(bench.document.currentPageIndex(), Line1Column) +
               u"2 단면적 2.5");

  // A page of a set length that its text does not fit: marked in red.
  pages.Add();
  panel.SetLengthModeClicked();
  panel.LengthTextChanged(u"30");
  panel.SetLengthPressed();
  TypeLine(bench, Line1Column, u"분전반 MCC-1 차단기");
  pages.Add();
  TypeLine(bench, Line1Column, u"분전반 MCC-2");

  pages.RowClicked(0, Line1Column);
  pages.Preview();
}

// Once queued layouts and the preview's timers have settled, the picture.
bool SavePicture(const QDir& out, const QString& name, const std::function<QPixmap()>& take) {
  QTest::qWait(700);
  const QString path = out.filePath(name);
  if (!take().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

bool Save(QWidget& widget, const QDir& out, const QString& name) {
  widget.show();
  widget.raise();
  widget.activateWindow();
  if (!QTest::qWaitForWindowExposed(&widget)) return false;
  return SavePicture(out, name, [&widget] { return widget.grab(); });
}

// The window as the screen shows it, with any menu open over it.
bool SaveScreen(QWidget& window, const QDir& out, const QString& name) {
  return SavePicture(out, name, [&window] {
    const QRect area = window.frameGeometry();
    return window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  });
}

// The main window as large as the screen lets it be, less room for a title bar
// and a panel, never smaller than it may be.
bool SaveFitted(MainWindow& window, const QDir& out, const QString& name) {
  const QRect screen = window.screen()->availableGeometry();
  const QSize size(screen.width(), screen.height() - 60);
  window.resize(size.expandedTo(window.minimumSizeHint()));
  window.move(screen.topLeft());
  if (window.width() > size.width() || window.height() > size.height()) {
    // The picture would show a window cut off by the screen's edge.
    std::fprintf(stderr, "the window needs %dx%d, more than %dx%d\n", window.width(),
                 window.height(), size.width(), size.height());
    return false;
  }
  return Save(window, out, name);
}

}  // namespace
}  // namespace q5300::ui

int main(int argc, char* argv[]) {
  using namespace q5300;
  using namespace q5300::ui;
  QApplication app(argc, argv);
  SetUpApplication();
  // The language the locale asks for, as the program itself speaks it.
  const WindowLanguage language(LanguageFromEnvironment());
  const bool fit = argc == 4 && std::string(argv[2]) == "--fit";
  if (argc != 2 && !fit) {
    std::fprintf(stderr, "usage: q5300-screenshots OUTPUT_DIR [--fit NAME.png]\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));

  ManualClock clock;
  ScriptedOperator op;
  MainWindow window(&op, std::make_unique<VirtualPrinter>(clock));
  window.resize(1280, 880);
  window.StartUp();
  FillJob(window.bench(), op);
  if (fit) return SaveFitted(window, out, QString::fromLocal8Bit(argv[3])) ? 0 : 1;
  bool ok = Save(window, out, QStringLiteral("main-window.png"));

  // An edit too long for its page: red before Enter, the status line says by how much.
  Workbench& bench = window.bench();
  const int last = bench.document.grid().rowCount() - 1;
  bench.pages.RowClicked(last, Line1Column);
  window.grid()->BeginCellEdit(last, Line1Column);
  if (CellEditor* editor = window.grid()->editor()) {
    editor->setText(editor->text() + QStringLiteral(" 차단기"));
    editor->deselect();
  }
  ok = Save(window, out, QStringLiteral("length-feedback.png")) && ok;
  window.grid()->FocusGrid();

  // The grid's right-click menu over the last page.
  const QRect cell = window.grid()->visualRect(window.grid()->model()->index(last, Line1Column));
  window.gridMenu()->popup(window.grid()->viewport()->mapToGlobal(cell.center()));
  ok = SaveScreen(window, out, QStringLiteral("grid-menu.png")) && ok;
  window.gridMenu()->hide();

  // The status popup of a print job over the grid.
  bench.popup().SetStatusText("인쇄 데이터 전송중...");
  bench.popup().ShowStopButton(true);
  bench.popup().Show();
  ok = SaveScreen(window, out, QStringLiteral("status-popup.png")) && ok;
  bench.popup().Hide();

  NumberingFields fields;
  fields.flags[static_cast<std::size_t>(NumberingKind::Fixed)] = 1;
  fields.start = {'0', '0', '1', 0};
  fields.end = {'1', '2', '0', 0};
  NumberingChoice numbering(fields);
  NumberingDialog numberingDialog(numbering, &window);
  ok = Save(numberingDialog, out, QStringLiteral("numbering-dialog.png")) && ok;
  numberingDialog.hide();

  SymbolChoice picker;
  for (const int symbol : {0, 16, 33, 45, 48, 76}) {
    picker.DoubleClicked({0, 0, 640, 200}, (symbol % 16) * 40 + 20, (symbol / 16) * 40 + 20);
  }
  SymbolDialog pickerDialog(picker, &window);
  ok = Save(pickerDialog, out, QStringLiteral("symbol-picker.png")) && ok;
  pickerDialog.hide();
  return ok ? 0 : 1;
}
