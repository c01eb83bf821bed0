#pragma once

#include <QString>

#include <QStringList>

#include <functional>
#include <span>
#include <vector>

class TwipsPrinter;

// The small drawing steps the printed reports share, in twips.
namespace ReportDrawing {

// Prints the text on the current line, centred between two edges.
void PrintCentred(TwipsPrinter& printer, const QString& text, float left, float right);

// A bold title centred on the page at y (centred on its regular width, as the
// bold one prints a little wider); y comes back below it.
void PrintTitle(TwipsPrinter& printer, float& y, const QString& title);

// The word in the first column of a results table's selected row, printed bold.
inline const QString SelectionWord = QStringLiteral("SELECTION");

// The least room between a cell's text and either rule of its column.
inline constexpr float CellPadding = 50;

// Moves a table's left edge further left where SelectionWord would not stand
// CellPadding clear of both rules of its first column; the column's right
// edge and the others stay where they are.
void FitSelectionColumn(TwipsPrinter& printer, float& left, float right);

// Sets the printer's font to the largest size, from `points` down by half
// points, at which what `extent` measures in the current font (a table's
// right edge, a column's widest text) stays within `limit`, so that a table
// of very large numbers still fits its page and its columns; one of ordinary
// numbers keeps `points`.
void FitFontSize(TwipsPrinter& printer, float points, float limit,
                 const std::function<float()>& extent);

// A horizontal rule at y from the first edge to the last.
void RuleAcross(TwipsPrinter& printer, std::span<const float> edges, float y);

// A vertical rule at every edge from top to bottom.
void RuleColumns(TwipsPrinter& printer, std::span<const float> edges, float top, float bottom);

// A table of columns side by side, each cell centred in its column, drawn from
// the printer's current Y down from `left`. Its rows come in bands, each band
// ruled off below; every row and the top rule are followed by `gap`. A column
// is as wide as its widest cell plus 300, except that a column narrower than
// 1500 is made `narrowWidth` wide where that is given (> 0). y and the
// printer's current Y come back 10 twips below the bottom rule.
struct BoxedTable {
    std::vector<std::vector<QStringList>> bands;
    float narrowWidth = 0;
    float gap = 10;
    // One more gap below each rule between bands.
    bool gapBelowInnerRules = false;
    float left = 1000;
};
void PrintBoxedTable(TwipsPrinter& printer, float& y, const BoxedTable& table);

} // namespace ReportDrawing
