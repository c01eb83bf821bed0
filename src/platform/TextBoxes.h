#pragma once

#include <QString>

#include <optional>

class QWidget;

// The texts that text boxes, and the editors of grid cells, take: no more than
// a field of the project file holds once saved (FieldLimit).
namespace TextBoxes {

// Whether `text`, saved, fits a field of the project file: its length, with
// each double quote counted twice, is at most FieldLimit::MaxLength.
bool FitsAField(const QString& text);

// What a box takes of `text` pasted over its whole text: the text cut to
// FieldLimit::MaxLength characters, as a box cuts a longer paste; nothing
// when its double quotes still keep it from fitting a field, as a box then
// refuses the paste.
std::optional<QString> TakenOfPaste(const QString& text);

// Lets `widget`, when it is a text box, and every text box within it keep
// any text a file brings (FieldLimit::MaxLength characters, past Qt's default
// of 32,767) and refuse typing or a paste after which its text would not fit
// a field. Texts set by code are taken as they are.
void HoldToFieldLimit(QWidget& widget);

} // namespace TextBoxes
