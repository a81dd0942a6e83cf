// The Qt Linguist files of the window's two languages: every text translated
// in both, nothing left over, and the Korean texts of the program as they stand.
#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

struct Entry {
  QString context;
  QString source;
  QStringList translations;  // one, or one per plural form
  QString type;              // "", "unfinished", "obsolete", "vanished"
};

// Where the files are: the sources' folder, or Q5300_TS_DIR (the test that
// the files are up to date runs this on copies that lupdate has brought up to
// date with the sources).
QString TranslationsDir() {
  const QString dir = qEnvironmentVariable("Q5300_TS_DIR");
  return dir.isEmpty() ? QStringLiteral(Q5300_TRANSLATIONS_DIR) : dir;
}

// The text of the element the reader is at, as lupdate writes it: characters,
// and control characters as <byte value="xd"/>. Plural forms come one by one.
void ReadText(QXmlStreamReader& xml, QString& text, QStringList& forms) {
  const QString element = xml.name().toString();
  while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == element)) {
    if (xml.atEnd()) return;
    if (xml.isCharacters()) text += xml.text();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("byte")) {
      text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
    } else if (xml.name() == QLatin1String("numerusform")) {
      QString form;
      QStringList none;
      ReadText(xml, form, none);
      forms << form;
    }
  }
}

std::vector<Entry> ReadTs(const QString& name) {
  QFile file(TranslationsDir() + QLatin1Char('/') + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  std::vector<Entry> entries;
  QXmlStreamReader xml(&file);
  QString context;
  while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("message")) {
      Entry entry{context, {}, {}, {}};
      while (xml.readNextStartElement()) {
        QStringList forms;
        if (xml.name() == QLatin1String("source")) {
          ReadText(xml, entry.source, forms);
        } else if (xml.name() == QLatin1String("translation")) {
          entry.type = xml.attributes().value(QLatin1String("type")).toString();
          QString text;
          ReadText(xml, text, forms);
          entry.translations = forms.isEmpty() ? QStringList{text} : forms;
        } else {
          xml.skipCurrentElement();
        }
      }
      entries.push_back(entry);
    }
  }
  EXPECT_FALSE(xml.hasError()) << name.toStdString() << ": " << xml.errorString().toStdString();
  return entries;
}

bool HasHangul(const QString& text) {
  static const QRegularExpression hangul(
      QStringLiteral("[\\x{1100}-\\x{11FF}\\x{3130}-\\x{318F}\\x{AC00}-\\x{D7A3}]"));
  return text.contains(hangul);
}

// The places %1 … %9 a text fills, in order, each once however often it is used.
std::string Places(const QString& text) {
  static const QRegularExpression place(QStringLiteral("%[1-9]"));
  QStringList found;
  for (const auto& match : place.globalMatch(text)) {
    if (!found.contains(match.captured())) found << match.captured();
  }
  found.sort();
  return found.join(u' ').toStdString();
}

// The contexts the program looks texts up in: the core's, and the window's
// classes and parts. A core text marked inside a class would land in a
// context of its own, where the window never looks.
bool KnownContext(const QString& context) {
  static const QStringList named = {QStringLiteral("q5300"), QStringLiteral("Toolbar"),
                                    QStringLiteral("LengthText"), QStringLiteral("QtOperator"),
                                    QStringLiteral("main")};
  return named.contains(context) || context.startsWith(QLatin1String("q5300::ui::"));
}

std::string Where(const Entry& e) {
  return (e.context + QStringLiteral(": \"") + e.source + QLatin1Char('"')).toStdString();
}

TEST(TranslationFiles, EveryTextIsTranslatedInBothLanguages) {
  struct Language {
    const char* file;
    bool korean;
  };
  QMap<QString, QSet<QString>> keys;
  for (const Language language : {Language{"q5300_ko.ts", true}, Language{"q5300_en.ts", false}}) {
    SCOPED_TRACE(language.file);
    const std::vector<Entry> entries = ReadTs(QString::fromLatin1(language.file));
    EXPECT_GT(entries.size(), 200u) << "the window and the core have far more texts";
    QSet<QString>& seen = keys[QString::fromLatin1(language.file)];
    for (const Entry& e : entries) {
      seen.insert(e.context + QLatin1Char('\n') + e.source);
      EXPECT_TRUE(e.type.isEmpty()) << Where(e) << " is " << e.type.toStdString();
      EXPECT_TRUE(KnownContext(e.context)) << Where(e);
      for (const QString& t : e.translations) {
        EXPECT_FALSE(t.isEmpty() && !e.source.isEmpty()) << Where(e) << " has no translation";
        EXPECT_EQ(Places(t), Places(e.source)) << Where(e) << " -> " << t.toStdString();
        if (language.korean && HasHangul(e.source)) {
          // The program's Korean texts are shown exactly as they stand.
          EXPECT_EQ(t.toStdString(), e.source.toStdString()) << Where(e);
        }
        if (!language.korean) {
          EXPECT_FALSE(HasHangul(t)) << Where(e) << " -> " << t.toStdString();
        }
      }
    }
  }
  // Both files translate the same texts.
  const QSet<QString>& korean = keys[QStringLiteral("q5300_ko.ts")];
  const QSet<QString>& english = keys[QStringLiteral("q5300_en.ts")];
  EXPECT_EQ((korean - english).values().join(u'|').toStdString(), "") << "only in q5300_ko.ts";
  EXPECT_EQ((english - korean).values().join(u'|').toStdString(), "") << "only in q5300_en.ts";
}

}  // namespace
