#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>
#include <vector>

namespace q5300::ui {

enum class Language { Korean, English };

// The window's language as the locale asks for it, with the precedence of
// gettext: the first entry of LANGUAGE, else the first of LC_ALL, LC_MESSAGES
// and LANG that is set. English when that value begins with "en", Korean (the
// program's own language) for every other value and when none is set.
// `variable` gives a variable's value, empty when it is unset.
Language LanguageFromLocale(const std::function<QString(const char*)>& variable);
Language LanguageFromEnvironment();

// While it lives, the window speaks `language`: its own texts and the core's
// from the translations built into the program, and Qt's dialogs and standard
// buttons from Qt's translations (for Korean, qtbase_ko.qm where
// QLibraryInfo::TranslationsPath says).
class WindowLanguage {
 public:
  explicit WindowLanguage(Language language);
  ~WindowLanguage();
  WindowLanguage(const WindowLanguage&) = delete;
  WindowLanguage& operator=(const WindowLanguage&) = delete;

  // The translation files that could not be loaded (empty when all were).
  const QStringList& missing() const { return missing_; }

 private:
  void Load(const QString& name, const QString& folder);

  std::vector<std::unique_ptr<QTranslator>> translators_;
  QStringList missing_;
};

}  // namespace q5300::ui
