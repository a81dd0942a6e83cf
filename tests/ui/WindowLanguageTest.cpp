// The window speaks one language at a time. A session in Korean and one in
// English go through the window as an operator would: its toolbar, panels,
// grid and menus, the dialogs of the file commands, the numbering dialog and
// the symbol picker, the messages of the core (a refused file, an import with
// an unclosed quote, a print job that stopped and the question that follows,
// the missing printer) and the question before closing; every text that any
// of them shows is read. In English no Hangul may be left; in Korean no English
// word but names.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QToolBar>
#include <deque>
#include <fstream>

#include "WindowRig.h"
#include "printer/TempDir.h"
#include "ui/Language.h"
#include "ui/StatusPopupWindow.h"
#include "ui/PagePanel.h"
#include "ui/QtOperator.h"

namespace q5300::ui::test {
namespace {

// Every text the session saw, once each, with where it was first seen.
class Seen {
 public:
  void Add(const QString& where, QString text) {
    text.remove(QLatin1Char('&'));  // the mnemonics' marks
    text.remove(QChar(0x2060));     // the word joiners that keep a page range on one line
    if (text.trimmed().isEmpty() || texts_.contains(text)) return;
    texts_.insert(text);
    list_.push_back({where, text});
  }

  // A widget, everything in it and every action it offers.
  void Widget(const QString& where, QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
      if (w->isWindow()) Add(where, w->windowTitle());
      Add(where, w->toolTip());
      if (auto* label = qobject_cast<QLabel*>(w)) Add(where, label->text());
      if (auto* button = qobject_cast<QAbstractButton*>(w)) Add(where, button->text());
      if (auto* group = qobject_cast<QGroupBox*>(w)) Add(where, group->title());
      if (auto* edit = qobject_cast<QLineEdit*>(w)) Add(where, edit->placeholderText());
      if (auto* box = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < box->count(); ++i) Add(where, box->itemText(i));
      }
      if (auto* view = qobject_cast<QAbstractItemView*>(w)) View(where, view);
    }
    for (QAction* action : root->findChildren<QAction*>()) {
      Add(where, action->text());
      Add(where, action->toolTip());
    }
  }

  // The headings of a view; of the label grid also the cells and their tooltips,
  // but for the two lines of text, which are the operator's own.
  void View(const QString& where, QAbstractItemView* view) {
    const QAbstractItemModel* model = view->model();
    if (model == nullptr) return;
    for (int c = 0; c < model->columnCount(); ++c) {
      Add(where, model->headerData(c, Qt::Horizontal).toString());
    }
    if (qobject_cast<const GridTableModel*>(model) == nullptr) return;
    for (int r = 0; r < model->rowCount(); ++r) {
      for (int c = 0; c < model->columnCount(); ++c) {
        const QModelIndex cell = model->index(r, c);
        if (c != Line1Column && c != Line2Column) Add(where, cell.data().toString());
        Add(where, cell.data(Qt::ToolTipRole).toString());
      }
    }
  }

  void Window(MainWindow& window) {
    Widget(QStringLiteral("window"), &window);
    Add(QStringLiteral("title"), ShownTitle(window));
  }

  bool Contains(const QString& part) const {
    return std::any_of(list_.begin(), list_.end(),
                       [&](const auto& seen) { return seen.second.contains(part); });
  }
  const std::vector<std::pair<QString, QString>>& list() const { return list_; }

 private:
  QSet<QString> texts_;
  std::vector<std::pair<QString, QString>> list_;
};

using Answer = std::function<void(QWidget*)>;

// Answers the window's modal dialogs in turn, as the script says, each once it
// has been read. A dialog nobody expected is read, noted and closed.
class Dialogs {
 public:
  explicit Dialogs(Seen& seen) : seen_(seen) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { Look(); });
    poll_.start(5);
  }
  void Expect(Answer answer) { answers_.push_back(std::move(answer)); }
  int answered() const { return answered_; }
  const QStringList& unexpected() const { return unexpected_; }
  // Every dialog so far, by its caption.
  const QStringList& handled() const { return titles_; }

 private:
  void Look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    for (const QPointer<QWidget>& done : handled_) {
      if (done == modal) return;
    }
    handled_.push_back(modal);
    titles_ << modal->windowTitle();
    seen_.Widget(modal->windowTitle(), modal);
    Answer answer;
    if (answers_.empty()) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      unexpected_ << modal->windowTitle() + QStringLiteral(": ") +
                         (box != nullptr ? box->text() : modal->objectName());
      answer = [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); };
    } else {
      answer = std::move(answers_.front());
      answers_.pop_front();
      ++answered_;
    }
    // From the dialog's own event loop, so that a dialog it opens is seen too.
    QTimer::singleShot(0, modal, [answer, modal] { answer(modal); });
  }

  Seen& seen_;
  QTimer poll_;
  std::deque<Answer> answers_;
  std::vector<QPointer<QWidget>> handled_;
  QStringList unexpected_;
  QStringList titles_;
  int answered_ = 0;
};

Answer Press(QMessageBox::StandardButton button) {
  return [button](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr) << w->metaObject()->className();
    ASSERT_NE(box->button(button), nullptr);
    box->button(button)->click();
  };
}
// The answer that leaves everything as it was, as Escape gives it.
Answer Escape() {
  return [](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr) << w->metaObject()->className();
    box->escapeButton()->click();
  };
}
Answer Accept() {
  return [](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); };
}
Answer Reject() {
  return [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); };
}
// The file dialog gets `path` typed into its name box, and OK.
Answer ChooseFile(const std::filesystem::path& path) {
  return [path](QWidget* w) {
    auto* box = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(box, nullptr) << w->metaObject()->className();
    auto* name = box->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(QString::fromStdString(path.string()));
    QMetaObject::invokeMethod(box, "accept", Qt::DirectConnection);
  };
}
// The numbering dialog's OK with its boxes empty: the dialog refuses with a
// message of its own, and once that is answered the dialog is cancelled.
Answer OkWithEmptyBoxes() {
  return [](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("ok"))->click(); };
}
Answer OkThenCancelOwner() {
  return [](QWidget* w) {
    Press(QMessageBox::Ok)(w);
    QTimer::singleShot(0, w->parentWidget(), [owner = w->parentWidget()] {
      qobject_cast<QDialog*>(owner)->reject();
    });
  };
}

// The window's operator, a QtOperator, kept quiet while the script builds a
// long job page by page (the messages it would show are shown elsewhere).
class SessionOperator final : public EditingOperator {
 public:
  bool quiet = false;
  void Tell(const Message& message) override {
    if (!quiet) shown_.Tell(message);
  }
  bool AskYesNo(const Message& question) override { return shown_.AskYesNo(question); }
  std::size_t Choose(const Message& question, const std::vector<Phrase>& answers) override {
    return shown_.Choose(question, answers);
  }
  std::optional<std::string> ChooseFile(const FileDialog& dialog) override {
    return shown_.ChooseFile(dialog);
  }
  bool RunNumberingDialog(NumberingChoice& dialog) override { return shown_.RunNumberingDialog(dialog); }
  bool RunSymbolPicker(SymbolChoice& picker) override { return shown_.RunSymbolPicker(picker); }
  bool RunColumnChoice(ColumnChoice& choice) override { return shown_.RunColumnChoice(choice); }
  SaveAnswer AskSaveChanges(const Message& question) override {
    return shown_.AskSaveChanges(question);
  }

 private:
  QtOperator shown_{nullptr};
};

bool HasHangul(const QString& text) {
  static const QRegularExpression hangul(
      QStringLiteral("[\\x{1100}-\\x{11FF}\\x{3130}-\\x{318F}\\x{AC00}-\\x{D7A3}]"));
  return text.contains(hangul);
}

// The English words of a text, but for names: quoted values, paths, file names,
// variables and commands, and the names of things that have no Korean name.
QStringList EnglishWords(const QString& text) {
  static const QSet<QString> names = {
      QStringLiteral("SaveU"), QStringLiteral("Tarnix"),
      QStringLiteral("CSV"),   QStringLiteral("USB"),   QStringLiteral("WinUSB"),
      QStringLiteral("PC"),    QStringLiteral("UTF"),   QStringLiteral("HEX"),
      QStringLiteral("FF"),    QStringLiteral("ID"),    QStringLiteral("XML"),
      QStringLiteral("Excel"), QStringLiteral("OpenDocument"), QStringLiteral("zip"),
      QStringLiteral("udev"),  QStringLiteral("mm"),    QStringLiteral("MB"),
      QStringLiteral("KB"),    QStringLiteral("qxk"),   QStringLiteral("qxu"),
      QStringLiteral("QXK"),   QStringLiteral("QXU"),   QStringLiteral("xlsx"),
      QStringLiteral("ods"),   QStringLiteral("txt"),   QStringLiteral("csv"),
      QStringLiteral("PNG"),   QStringLiteral("Ctrl"),  QStringLiteral("Shift"),
      QStringLiteral("Alt"),   QStringLiteral("Ins"),   QStringLiteral("Del"),
      QStringLiteral("Esc")};
  static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\"|'[^']*'"));
  static const QRegularExpression name(QStringLiteral("[/\\\\=_@]|\\w\\.\\w"));
  static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
  QStringList found;
  QString plain = text;
  plain.replace(quoted, QStringLiteral(" "));
  for (const QString& token : plain.split(QRegularExpression(QStringLiteral("\\s+")))) {
    if (token.contains(name)) continue;
    for (const auto& match : word.globalMatch(token)) {
      const QString w = match.captured();
      if (w.size() > 1 && !names.contains(w)) found << w;
    }
  }
  return found;
}

struct Case {
  Language language;
  const char* name;
  // Texts the session must have seen: that it reached each kind of text.
  std::vector<const char*> expected;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class WindowLanguageTest : public ::testing::TestWithParam<Case> {};

TEST_P(WindowLanguageTest, EveryTextTheWindowShowsIsInItsLanguage) {
  const Case& c = GetParam();
  const WindowLanguage language(c.language);
  ASSERT_TRUE(language.missing().isEmpty()) << language.missing().join(u' ').toStdString();

  q5300::test::TempDir dir;
  const std::filesystem::path quoteFile = dir.path() / "quote.csv";
  const std::filesystem::path brokenFile = dir.path() / "broken.qxk";
  std::ofstream(quoteFile) << "A,\"B\r\nC,1\r\n";
  std::ofstream(brokenFile) << "abc";
  // A wire list of five columns under a header, in names both languages keep.
  const std::filesystem::path wireFile = dir.path() / "wires.csv";
  std::ofstream(wireFile) << "ID,mm,PC,USB,HEX\r\nW-1,X1:1,K1:A1,1.5,7\r\n";

  Seen seen;
  Dialogs dialogs(seen);
  ManualClock clock;
  auto device = std::make_unique<VirtualPrinter>(clock);
  VirtualPrinter* printer = device.get();
  SessionOperator op;
  MainWindow window(&op, std::move(device));
  window.resize(1200, 800);
  // Bounded by the count of dialogs, not by the time they take.
  const auto answered = [&](int count) -> ::testing::AssertionResult {
    if (Eventually([&] { return dialogs.answered() == count; }, 60'000)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << dialogs.answered() << " dialogs answered, not " << count << ": "
           << dialogs.handled().join(u'|').toStdString();
  };

  // No printer at start: the device check says so, and how to try without one.
  printer->RefuseOpen(OpenStatus::NoDevice);
  dialogs.Expect(Press(QMessageBox::Ok));
  dialogs.Expect(Press(QMessageBox::Ok));
  window.StartUp();
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ASSERT_TRUE(answered(2));
  printer->RefuseOpen(OpenStatus::Opened);
  seen.Window(window);

  // A text too long for its page: the message, the red status line and tooltips.
  Workbench& bench = window.bench();
  dialogs.Expect(Press(QMessageBox::Ok));
  bench.pages.CommitCellEdit(0, Line1Column, std::u16string(30, u'W'), false);
  ASSERT_TRUE(answered(3));
  seen.Window(window);

  // The numbering dialog refuses empty boxes; the symbol picker; the about box.
  dialogs.Expect(OkWithEmptyBoxes());
  dialogs.Expect(OkThenCancelOwner());
  window.pagePanel()->findChild<QPushButton*>(QStringLiteral("numbering"))->click();
  dialogs.Expect(Reject());
  window.action(Command::Symbols)->trigger();
  dialogs.Expect(Accept());
  window.findChild<QAction*>(QStringLiteral("about"))->trigger();
  ASSERT_TRUE(answered(7));

  // The page panel refuses a length that is no number.
  dialogs.Expect(Press(QMessageBox::Ok));
  bench.panel.LengthTextChanged(u"");
  bench.panel.SetLengthPressed();
  bench.panel.LengthTextChanged(u"25");
  ASSERT_TRUE(answered(8));

  // A job of three packets, stopped at its first: the report, and the next
  // Print asks whether to go on from the first page not sent.
  op.quiet = true;
  while (bench.document.grid().rowCount() < 100) bench.pages.Add();
  for (int row = 0; row < 100; ++row) {
    bench.pages.CommitCellEdit(row, Line1Column, std::u16string(40, u'X'), false);
  }
  op.quiet = false;
  dialogs.Expect(Press(QMessageBox::Ok));
  window.action(Command::Print)->trigger();
  QPushButton* stop = window.statusPopup()->stopButton();
  ASSERT_TRUE(Eventually([&] { return stop->isVisible(); }, 60'000));
  seen.Window(window);
  stop->click();
  seen.Window(window);
  ASSERT_TRUE(answered(9));
  dialogs.Expect(Escape());
  window.action(Command::Print)->trigger();
  ASSERT_TRUE(answered(10));
  seen.Window(window);

  // Import: the reminder, the file dialog, and a quote that is never closed.
  dialogs.Expect(Press(QMessageBox::Ok));
  dialogs.Expect(ChooseFile(quoteFile));
  dialogs.Expect(Press(QMessageBox::Ok));
  window.action(Command::Import)->trigger();
  ASSERT_TRUE(answered(13));

  // A wire list of more columns: the column dialog, cancelled.
  dialogs.Expect(Press(QMessageBox::Ok));
  dialogs.Expect(ChooseFile(wireFile));
  dialogs.Expect(Reject());
  window.action(Command::Import)->trigger();
  ASSERT_TRUE(answered(16));

  // Open: the file dialog, the question whether to replace the job, and the
  // file refused with the reason.
  dialogs.Expect(ChooseFile(brokenFile));
  dialogs.Expect(Press(QMessageBox::Yes));
  dialogs.Expect(Press(QMessageBox::Ok));
  window.action(Command::Open)->trigger();
  ASSERT_TRUE(answered(19));

  // Save and export, each through its file dialog.
  dialogs.Expect(ChooseFile(dir.path() / "job"));
  window.action(Command::Save)->trigger();
  dialogs.Expect(ChooseFile(dir.path() / "pages"));
  dialogs.Expect(Press(QMessageBox::Ok));
  window.exportAction(CsvEncoding::Utf8)->trigger();
  ASSERT_TRUE(answered(22));
  seen.Window(window);

  // Closing with changes not saved asks first; Cancel keeps the window.
  bench.pages.RowChecked(0, false);
  dialogs.Expect(Press(QMessageBox::Cancel));
  window.action(Command::Exit)->trigger();
  ASSERT_TRUE(answered(23));
  EXPECT_TRUE(window.isVisible());
  seen.Window(window);

  EXPECT_TRUE(dialogs.unexpected().isEmpty()) << dialogs.unexpected().join(u'\n').toStdString();
  for (const char* text : c.expected) {
    EXPECT_TRUE(seen.Contains(QString::fromUtf8(text))) << "not seen: " << text;
  }
  for (const auto& [where, text] : seen.list()) {
    if (c.language == Language::English) {
      EXPECT_FALSE(HasHangul(text)) << where.toStdString() << ": " << text.toStdString();
    } else {
      EXPECT_TRUE(EnglishWords(text).isEmpty())
          << where.toStdString() << ": " << text.toStdString() << " ["
          << EnglishWords(text).join(u' ').toStdString() << "]";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, WindowLanguageTest,
    ::testing::Values(
        Case{Language::Korean,
             "Korean",
             {"열기", "첫째 줄", "없음", "메체정보", "넘버링 설정", "시작 문자를 입력해주세요!",
              "전기 기호 선택(더블 클릭)", "버전 1.11", "숫자를 입력하십시오.",
              "시리얼 포트를 열지 못했습니다.", "USB에서 Q5300을 찾지 못했습니다.",
              "입력 길이 초과!", "길이 초과: 텍스트에",
              "가져올 목록 파일을 고르십시오: CSV 또는 텍스트 파일(.csv, .txt), 스프레드시트(.xlsx, .ods). 1열은 1줄, 2열은 2줄, 3열은 반복 횟수입니다.",
              "1 페이지를 CSV 파일로 내보냈습니다:", "따옴표가 닫히지 않았습니다!",
              "가져올 열 선택", "전선 끝마다 한 페이지", "2열: mm",
              "1번째 줄에서 시작하는 따옴표 필드가 닫히지 않았습니다.",
              "현재 항목을 삭제하시겠습니까?", "파일을 열 수 없습니다!",
              "파일이 3바이트로, 라벨 파일 머리글의 20바이트보다 적습니다.", "라벨 파일",
              "인쇄를 멈췄습니다. 1–41페이지를 보냈고 42–100페이지는 보내지 않았습니다. 다음 "
              "인쇄는 42페이지부터 계속할 수 있습니다.",
              "42페이지부터 계속하시겠습니까?", "42페이지부터 계속", "프린터: 가상 프린터.",
              "변경된 내용이 저장되지 않았습니다. 저장하시겠습니까?", "저장 안 함"}},
        Case{Language::English,
             "English",
             {"Open", "1st Line", "None", "Medium", "Numbering", "Please enter the start value!",
              "Electrical symbols (double-click to choose)", "Version 1.11",
              "Please enter a number.", "Unsuccessfully to open the serial port,",
              "No Q5300 was found on USB.", "Input is over length!", "Over length: the text needs",
              "Choose the list to import: a CSV or text file (.csv, .txt) or a spreadsheet "
              "(.xlsx, .ods).",
              "Pages exported: 1, to the CSV file:", "A quote was not closed!",
              "Choose the columns", "One page per wire end", "Column 2: mm",
              "The quoted field that begins in line 1 has no closing quote",
              "Delete the current pages?", "Cannot open the file!",
              "The file has 3 bytes, fewer than the 20 of a label file's header", "Label files",
              "Printing stopped. Pages 1–41 sent, 42–100 not sent. The next Print can continue "
              "from page 42.",
              "Continue from page 42?", "Continue from page 42", "Printer: the virtual printer.",
              "The changes have not been saved. Save them?", "Don't Save"}}),
    [](const ::testing::TestParamInfo<Case>& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace q5300::ui::test
