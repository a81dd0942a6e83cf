// The Q5300 control program: one window over the job document and its commands.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "ui/Application.h"
#include "ui/DisplayCheck.h"
#include "ui/Language.h"
#include "ui/MainWindow.h"

namespace {

// For measuring start-up: with Q5300_FIRST_PAINT_FILE set, the moment the window
// has first been painted (nanoseconds since the epoch) goes into that file, and
// the program ends.
class FirstPaintMark final : public QObject {
 public:
  FirstPaintMark(QWidget& window, QString path) : path_(std::move(path)) {
    window.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      watched->removeEventFilter(this);
      // The paint is through and handed to the screen once the event loop runs again.
      QTimer::singleShot(0, this, [this] {
        const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::system_clock::now().time_since_epoch());
        QFile mark(path_);
        if (mark.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
          mark.write(QByteArray::number(static_cast<qint64>(now.count())) + '\n');
        }
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  QString path_;
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (const auto why = q5300::ui::WhyNoDisplay(argc, argv)) {
    std::fprintf(stderr, "q5300: %s\n", why->c_str());
    return 1;
  }
  q5300::ui::ExitPlainlyIfQtCannotStart();
  QApplication app(argc, argv);
  q5300::ui::EndQtStartWatch();
  q5300::ui::SetUpApplication();
  // Korean unless the locale asks for English (README: The window's language).
  const q5300::ui::WindowLanguage language(q5300::ui::LanguageFromEnvironment());
  for (const QString& missing : language.missing()) {
    std::fprintf(stderr, "q5300: %s cannot be loaded; the texts it translates stay as they are.\n",
                 qPrintable(missing));
  }

  QCommandLineParser arguments;
  arguments.setApplicationDescription(QCoreApplication::translate("main", "Q5300 marking printer"));
  arguments.addHelpOption();
  arguments.addPositionalArgument(
      QStringLiteral("file"),
      QCoreApplication::translate("main", "A label file (.qxk or .qxu) to open."),
      QStringLiteral("[file]"));
  arguments.process(app);

  q5300::ui::MainWindow window;
  std::unique_ptr<FirstPaintMark> mark;
  if (const QString path = qEnvironmentVariable("Q5300_FIRST_PAINT_FILE"); !path.isEmpty()) {
    mark = std::make_unique<FirstPaintMark>(window, path);
  }
  window.StartUp(arguments.positionalArguments().value(0));
  window.showMaximized();
  const int status = QApplication::exec();
  return status != 0 ? status : window.exitStatus();
}
