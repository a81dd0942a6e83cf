#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace q5300::ui {

// Every window of the program paints its background in this colour.
inline const QColor ApplicationBackground(242, 243, 246);

inline const QString WindowTitle = QStringLiteral("Q5300_V1.04");

// Texts of a page that does not fit its length.
inline const QColor OverLengthColor(200, 0, 0);
// The highlight of a selected row behind a line in OverLengthColor.
inline const QColor SelectedOverLengthBackground(255, 214, 214);

// Loads the program's symbol font from the resources (once) and returns the
// families to list for texts that may hold Hangul and the private-use characters
// of symbols, placeholders and markers.
QStringList TextFamilies();
// The font of the grid and its editor, at `pixelSize`.
QFont GridFont(int pixelSize = 13);

QString FromU16(const std::u16string& text);
std::u16string ToU16(const QString& text);

}  // namespace q5300::ui

// Registers the icons and the symbol font of the program; call once, after the
// application object exists.
void InitQ5300Resources();
