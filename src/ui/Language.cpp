#include "ui/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

// The .qm files are built into the library (translations.qrc); a program that
// links it registers them here.
static void InitTranslationResources() {
  Q_INIT_RESOURCE(translations);
}

namespace q5300::ui {

Language LanguageFromLocale(const std::function<QString(const char*)>& variable) {
  // LANGUAGE is a list of languages in order of preference.
  QString asked = variable("LANGUAGE").section(QLatin1Char(':'), 0, 0);
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (!asked.isEmpty()) break;
    asked = variable(name);
  }
  return asked.startsWith(QLatin1String("en")) ? Language::English : Language::Korean;
}

Language LanguageFromEnvironment() {
  return LanguageFromLocale([](const char* name) { return qEnvironmentVariable(name); });
}

WindowLanguage::WindowLanguage(Language language) {
  static const bool registered = (InitTranslationResources(), true);
  (void)registered;
  const QString code = language == Language::Korean ? QStringLiteral("ko") : QStringLiteral("en");
  // Qt's own texts are English already.
  if (language == Language::Korean) {
    Load(QStringLiteral("qtbase_ko"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }
  // Installed last, looked up first.
  Load(QStringLiteral("q5300_") + code, QStringLiteral(":/i18n"));
}

WindowLanguage::~WindowLanguage() {
  for (const auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
}

void WindowLanguage::Load(const QString& name, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get())) {
    missing_ << folder + QLatin1Char('/') + name + QStringLiteral(".qm");
    return;
  }
  translators_.push_back(std::move(translator));
}

}  // namespace q5300::ui
