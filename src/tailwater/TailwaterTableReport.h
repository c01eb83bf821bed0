#pragma once

#include "app/SiteFields.h"

#include <QString>

#include <functional>
#include <vector>

class TwipsPrinter;

// The frame both printed tailwater tables share, the rating table and the
// channel cross-section: portrait pages in Times New Roman 11, each headed by
// the compact site header, a bold title with a rule under it and the table's
// two heading lines; the first page also carries the report's own lines
// between the title and the table. Every cell is a closed box, its text
// centred. Positions are in twips; y is where the next block starts, and each
// block leaves it just below what it drew.
namespace TailwaterTableReport {

// Lines 0 and 1 are the two heading lines, then one line per printed row;
// every line has a text for each column, without leading and trailing blanks.
using CellTable = std::vector<std::vector<QString>>;

// Column c lies between edge c and edge c + 1.
using ColumnEdges = std::vector<float>;

struct Table {
    QString title;
    CellTable cells;
    // The least width of a column's widest text.
    float minTextWidth = 0;
    // The first page's lines between the title and the table, given where the
    // title's rule ends.
    std::function<void(TwipsPrinter& printer, float& y, float titleRuleEnd)> firstPageLines;
};

// The whole report, ending the document. A row that ends below the page's
// height less 1000 twips is the last of its page when more rows follow.
void PrintTable(TwipsPrinter& printer, const Table& table, const SiteFields& fields);

// Edge 0 at 1000 twips; each column as wide as its widest text in the
// printer's current font (at least minTextWidth) plus 300.
ColumnEdges ComputeColumnEdges(const TwipsPrinter& printer, const CellTable& cells,
                               float minTextWidth);

// The bold title at 1000 twips and its rule, from 1000 to 100 past the
// title's end; returns where the rule ends.
float PrintTitle(TwipsPrinter& printer, float& y, const QString& title);

// The two heading lines in one box.
void PrintHeadings(TwipsPrinter& printer, float& y, const CellTable& cells,
                   const ColumnEdges& edges);

// Line `line` (2 or more) of the cell table as one row of boxes.
void PrintRow(TwipsPrinter& printer, float& y, size_t line, const CellTable& cells,
              const ColumnEdges& edges);

} // namespace TailwaterTableReport
