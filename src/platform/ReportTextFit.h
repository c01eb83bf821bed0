#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

class TwipsPrinter;

// Fitting the texts a user typed into the room a report gives them, measured
// in the printer's current font, so that nothing runs past the margins or
// over a neighbour: wrapped onto further lines where the layout has room,
// shortened with an ellipsis where it has one line only. A text is cut only
// between whole characters, and measured only as far as its room needs: a
// text as long as a box takes fits nearly as quickly as a short one.
namespace ReportTextFit {

// The text in lines no wider than `width`, broken at blanks, or inside a
// word too long for a line of its own; at most `maxLines` of them, the last
// shortened with "…" when the text goes on. Blanks stay as typed inside a
// line, so a text that fits is one line of the text itself. An empty text is
// one empty line.
QStringList Wrap(const TwipsPrinter& printer, const QString& text, float width, int maxLines);

// The text itself when it fits in `width`, else as much of its start as fits
// followed by "…".
QString Elide(const TwipsPrinter& printer, const QString& text, float width);

// The text's width when it fits in `room`; else the width of as much of its
// start as just goes past `room`, which tells as much as the whole text's
// width about whether it fits without measuring all of a long text.
float WidthUpTo(const TwipsPrinter& printer, const QString& text, float room);

// Widths for side-by-side columns that want `wanted` but share `total`: all
// they want when that fits, else the narrower ones keep theirs and the wider
// ones share the rest equally.
std::vector<float> ShareWidth(std::span<const float> wanted, float total);

} // namespace ReportTextFit
