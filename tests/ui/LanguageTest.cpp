// Which language the window takes from the locale, and how it puts the core's
// phrases into it: the pattern translated, its places filled in the order the
// translation puts them, arguments translated in their turn, names left alone.
#include <gtest/gtest.h>

#include <QMap>

#include "data/Phrase.h"
#include "ui/CoreTexts.h"
#include "ui/Language.h"

namespace q5300::ui {
namespace {

TEST(WindowLanguage, FollowsTheLocaleAsGettextReadsIt) {
  struct Case {
    const char* name;
    QMap<QString, QString> environment;
    Language language;
  };
  const Case cases[] = {
      {"nothing set", {}, Language::Korean},
      {"LANG English", {{"LANG", "en_US.UTF-8"}}, Language::English},
      {"LANG Korean", {{"LANG", "ko_KR.UTF-8"}}, Language::Korean},
      {"LANG C", {{"LANG", "C"}}, Language::Korean},
      {"LANG German", {{"LANG", "de_DE.UTF-8"}}, Language::Korean},
      {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "en_GB"}, {"LANG", "ko_KR"}}, Language::English},
      {"LC_ALL before LC_MESSAGES",
       {{"LC_ALL", "ko_KR.UTF-8"}, {"LC_MESSAGES", "en_GB"}},
       Language::Korean},
      {"LANGUAGE before LC_ALL",
       {{"LANGUAGE", "en"}, {"LC_ALL", "ko_KR.UTF-8"}},
       Language::English},
      {"the first of LANGUAGE's list",
       {{"LANGUAGE", "ko:en"}, {"LANG", "en_US"}},
       Language::Korean},
      {"English first in the list", {{"LANGUAGE", "en_GB:ko"}}, Language::English},
      {"an empty LANGUAGE counts as unset", {{"LANGUAGE", ""}, {"LANG", "en_US"}},
       Language::English},
  };
  for (const Case& c : cases) {
    const auto variable = [&c](const char* name) {
      return c.environment.value(QString::fromLatin1(name));
    };
    EXPECT_EQ(LanguageFromLocale(variable), c.language) << c.name;
  }
}

TEST(WindowLanguage, PutsThePhrasesOfTheCoreIntoIt) {
  // The printer's place within the description of the printer, as the status
  // line names it; a reason raised to a sentence; a whole text.
  const Phrase printer("the printer %1 on %2", Phrase::Literal("1a86:5537"),
                       Phrase("bus %1, port %2", Phrase::Literal("001"), Phrase::Literal("2")));
  const Phrase reason = Phrase::Sentence(Phrase("it is %1, not a file", "a pipe"));
  struct Case {
    Language language;
    QString printer;
    QString reason;
    QString whole;
  };
  const Case cases[] = {
      {Language::Korean, QStringLiteral("버스 001, 포트 2의 프린터 1a86:5537"),
       QStringLiteral("파일이 아니라 파이프입니다."), QStringLiteral("인쇄 내용 없음!")},
      {Language::English, QStringLiteral("the printer 1a86:5537 on bus 001, port 2"),
       QStringLiteral("It is a pipe, not a file."), QStringLiteral("Nothing to print!")},
  };
  for (const Case& c : cases) {
    const WindowLanguage language(c.language);
    ASSERT_TRUE(language.missing().isEmpty());
    EXPECT_EQ(Translated(printer), c.printer);
    EXPECT_EQ(Translated(reason), c.reason);
    EXPECT_EQ(CoreText("인쇄 내용 없음!"), c.whole);
  }
  // Without a translation the window shows the core's own words.
  EXPECT_EQ(Translated(printer).toStdString(), printer.Text());
  EXPECT_EQ(Translated(reason).toStdString(), reason.Text());
}

}  // namespace
}  // namespace q5300::ui
