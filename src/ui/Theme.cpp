#include "ui/Theme.h"

#include <QFontDatabase>

namespace q5300::ui {

QStringList TextFamilies() {
  static const QStringList families = [] {
    InitQ5300Resources();
    QStringList list = {QStringLiteral("DejaVu Sans"), QStringLiteral("NanumGothic")};
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Q5300Symbols.ttf"));
    if (id >= 0) list += QFontDatabase::applicationFontFamilies(id);
    return list;
  }();
  return families;
}

QFont GridFont(int pixelSize) {
  QFont font;
  font.setFamilies(TextFamilies());
  font.setPixelSize(pixelSize);
  font.setWeight(QFont::Normal);
  return font;
}

QString FromU16(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string ToU16(const QString& text) {
  return text.toStdU16String();
}

}  // namespace q5300::ui

// Resources live in a static library: they are registered by hand, once.
void InitQ5300Resources() {
  Q_INIT_RESOURCE(resources);
}
