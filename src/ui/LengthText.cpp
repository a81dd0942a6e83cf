#include "ui/LengthText.h"

#include "data/JobSettings.h"

namespace q5300::ui {
namespace {

QString Millimetres(int dots) {
  return QString::number(DotsToMm(dots), 'f', 1);
}

QString Count(int64_t n, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
}

}  // namespace

QString OverLengthReason(const PageLength& length) {
  if (!length.fits) {
    return QStringLiteral(
               "The lines do not fit one page: at most %1 characters and %1 bytes "
               "(a Hangul syllable or a symbol takes two).")
        .arg(MaxTextBytes);
  }
  if (!length.overLength) return {};
  return QStringLiteral("Over length: the text needs %1 mm (%2 dots), the page is %3 mm (%4 dots).")
      .arg(Millimetres(length.neededDots))
      .arg(length.neededDots)
      .arg(Millimetres(length.lengthDots))
      .arg(length.lengthDots);
}

QString PageLengthText(int row, const PageLength& length) {
  QString text = QStringLiteral("Page %1: ").arg(row + 1);
  if (!length.fits) {
    text += QStringLiteral("more than a page holds");
  } else if (!length.hasText) {
    text += length.autoLength ? QStringLiteral("no text, automatic length")
                              : QStringLiteral("no text, %1 mm (%2 dots)")
                                    .arg(Millimetres(length.lengthDots))
                                    .arg(length.lengthDots);
  } else if (length.autoLength) {
    text += QStringLiteral("%1 mm automatic (%2 dots)")
                .arg(Millimetres(length.neededDots))
                .arg(length.neededDots);
  } else {
    text += QStringLiteral("%1 of %2 mm (%3 / %4 dots)")
                .arg(Millimetres(length.neededDots), Millimetres(length.lengthDots))
                .arg(length.neededDots)
                .arg(length.lengthDots);
    if (length.overLength) text += QStringLiteral(", over length");
  }
  text += QStringLiteral(" · ") + Count(length.labels, "label", "labels");
  return text;
}

QString JobCountsText(const JobCounts& counts) {
  QString text = QStringLiteral("Job: %1, %2")
                     .arg(Count(counts.pages, "page", "pages"))
                     .arg(Count(counts.labels, "label", "labels"));
  if (counts.copies > 1) text += QStringLiteral(" × %1 copies").arg(counts.copies);
  if (counts.overLengthPages > 0) {
    text += QStringLiteral(", %1 over length").arg(counts.overLengthPages);
  }
  return text;
}

}  // namespace q5300::ui
