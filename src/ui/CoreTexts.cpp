#include "ui/CoreTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <string>

namespace q5300::ui {
namespace {

// The places %1 to %9 filled in one pass, by the rule of the core's FillPlaces:
// an argument that holds "%1" stays as it is.
QString FillPlaces(const QString& pattern, const QStringList& args) {
  QString out;
  out.reserve(pattern.size());
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == QLatin1Char('%') && i + 1 < pattern.size()) {
      const int place = pattern[i + 1].digitValue();
      if (place >= 1 && place <= args.size()) {
        out += args[place - 1];
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

}  // namespace

QString CoreText(std::string_view text) {
  return QCoreApplication::translate(CoreContext, std::string(text).c_str());
}

QString Translated(const Phrase& phrase) {
  if (phrase.literal()) return QString::fromStdString(phrase.pattern());
  QString text = CoreText(phrase.pattern());
  if (!phrase.args().empty()) {
    QStringList args;
    for (const Phrase& arg : phrase.args()) args << Translated(arg);
    text = FillPlaces(text, args);
  }
  if (phrase.sentence()) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    text += QLatin1Char('.');
  }
  return text;
}

QString MessageBoxText(const Message& message) {
  QString text = Translated(message.phrase);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // A range of pages stays on one line: "44–100페이지", never "44–" and "100페이지".
  static const QRegularExpression range(QStringLiteral("(\\d)\u2013(\\d)"));
  text.replace(range, QStringLiteral("\\1\u2060\u2013\u2060\\2"));
  return text;
}

QString MessageBoxCaption(const Message& message) {
  return CoreText(message.caption);
}

}  // namespace q5300::ui
