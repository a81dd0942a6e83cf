#include "ui/LengthText.h"

#include <QCoreApplication>

#include "data/JobSettings.h"

namespace q5300::ui {
namespace {

// The status line's words, translated in the context "LengthText".
struct Words {
  Q_DECLARE_TR_FUNCTIONS(LengthText)
};

QString Millimetres(int dots) {
  return QString::number(DotsToMm(dots), 'f', 1);
}

// "1 label", "12 labels": one text for one and one for more, which a language
// without plural forms translates alike.
QString Count(int64_t n, const char* one, const char* many) {
  return QCoreApplication::translate("LengthText", n == 1 ? one : many).arg(n);
}

}  // namespace

QString OverLengthReason(const PageLength& length) {
  if (!length.fits) {
    return Words::tr("The lines do not fit one page: at most %1 characters and %1 bytes "
              "(a Hangul syllable or a symbol takes two).")
        .arg(MaxTextBytes);
  }
  if (!length.overLength) return {};
  return Words::tr("Over length: the text needs %1 mm (%2 dots), the page is %3 mm (%4 dots).")
      .arg(Millimetres(length.neededDots))
      .arg(length.neededDots)
      .arg(Millimetres(length.lengthDots))
      .arg(length.lengthDots);
}

QString PageLengthText(int row, const PageLength& length) {
  QString text = Words::tr("Page %1: ").arg(row + 1);
  if (!length.fits) {
    text += Words::tr("more than a page holds");
  } else if (!length.hasText) {
    text += length.autoLength ? Words::tr("no text, automatic length")
                              : Words::tr("no text, %1 mm (%2 dots)")
                                    .arg(Millimetres(length.lengthDots))
                                    .arg(length.lengthDots);
  } else if (length.autoLength) {
    text += Words::tr("%1 mm automatic (%2 dots)")
                .arg(Millimetres(length.neededDots))
                .arg(length.neededDots);
  } else {
    text += Words::tr("%1 of %2 mm (%3 / %4 dots)")
                .arg(Millimetres(length.neededDots), Millimetres(length.lengthDots))
                .arg(length.neededDots)
                .arg(length.lengthDots);
    if (length.overLength) text += Words::tr(", over length");
  }
  text += QStringLiteral(" · ") + Count(length.labels, QT_TRANSLATE_NOOP("LengthText", "%1 label"),
                                        QT_TRANSLATE_NOOP("LengthText", "%1 labels"));
  return text;
}

QString JobCountsText(const JobCounts& counts) {
  QString text = Words::tr("Job: %1, %2")
                     .arg(Count(counts.pages, QT_TRANSLATE_NOOP("LengthText", "%1 page"),
                                QT_TRANSLATE_NOOP("LengthText", "%1 pages")),
                          Count(counts.labels, QT_TRANSLATE_NOOP("LengthText", "%1 label"),
                                QT_TRANSLATE_NOOP("LengthText", "%1 labels")));
  if (counts.copies > 1) text += Words::tr(" × %1 copies").arg(counts.copies);
  if (counts.overLengthPages > 0) text += Words::tr(", %1 over length").arg(counts.overLengthPages);
  return text;
}

}  // namespace q5300::ui
