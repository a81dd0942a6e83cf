#pragma once

#include <QString>
#include <string_view>

#include "data/Phrase.h"
#include "data/Result.h"

namespace q5300::ui {

// The core's texts in the window's language. lupdate files the texts marked
// with Q5300_TEXT under this context (data/Phrase.h).
inline constexpr char CoreContext[] = "q5300";

// A whole text of the core's: a caption, an item of a box, a word of the grid.
QString CoreText(std::string_view text);
// A phrase: its pattern translated, then filled with its arguments, each
// translated in its turn (literals as they stand).
QString Translated(const Phrase& phrase);
// What a message box shows of a message: its text translated, "\r\n" and "\r"
// as line breaks; and its caption.
QString MessageBoxText(const Message& message);
QString MessageBoxCaption(const Message& message);

}  // namespace q5300::ui
