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

// What a box takes of `text` pasted into it beside `kept`, the text that the
// paste leaves in the box (none for a paste over its whole text): the text
// cut where the box reaches FieldLimit::MaxLength characters, between two
// characters, never inside one; nothing when its double quotes still keep the
// box's text from fitting a field, as a box then refuses the paste.
std::optional<QString> TakenOfPaste(const QString& text, const QString& kept = QString());

// The message of a refused paste: `pasted` names the text whose double quotes
// keep it from fitting ("The pasted text"), `holder` what would keep it
// ("box", "cell").
QString PasteRefusal(const QString& pasted, const QString& holder);

// Lets `widget`, when it is a text box, and every text box within it keep
// any text a file brings (FieldLimit::MaxLength characters, past Qt's default
// of 32,767) and refuse typing or a paste after which its text would not fit
// a field. A paste is cut as TakenOfPaste cuts it; one it refuses is told,
// with `holder` naming the box in the message, and the box keeps its text and
// the keyboard. Texts set by code are taken as they are.
void HoldToFieldLimit(QWidget& widget, const QString& holder = QStringLiteral("box"));

} // namespace TextBoxes
