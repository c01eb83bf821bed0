#pragma once

#include "app/SiteFields.h"
#include "outlet_protection/ScourHoleContents.h"

#include <QString>

#include <vector>

class TwipsPrinter;

// The printed NE scour hole report, one portrait page in Arial: the compact
// site header, the title, the inputs the results belong to and, for each of the
// two designs, three small ruled tables (dimensions, riprap size, riprap
// thickness). It prints the window's texts as they stand and computes nothing.
// Positions are in twips; y is where the next block starts, and each block
// leaves it just below what it printed.
namespace PrtNEScourHole {

// A table's heading lines by columns, and its values: line 0 stays empty,
// line 1 is the value row.
using TableTexts = std::vector<std::vector<QString>>;
// Column j lies between edge j and edge j + 1.
using ColumnEdges = std::vector<float>;

// The whole report of the NE Scour Hole Design window as it stands at the
// moment of printing, with the site window's fields, ending the document.
void PrintNEScourHole(TwipsPrinter& printer);

// The same report for given contents of the window and the site.
void PrintContents(TwipsPrinter& printer, const ScourHoleContents& contents,
                   const SiteFields& fields);

void PrintTitle(TwipsPrinter& printer, float& y);

TableTexts SetDimensionsHeader();
TableTexts SetRiprapSizeHeader();
TableTexts SetRiprapThicknessHeader();
TableTexts GetDimensions(const ScourHoleContents& contents, int design);
TableTexts GetRiprapSizes(const ScourHoleContents& contents, int design);
TableTexts GetRiprapThicknesses(const ScourHoleContents& contents, int design);

// Each column as wide as its widest heading or value in the printer's
// current font, plus 200; the first edge at 2000.
ColumnEdges ComputeColumnWidths(const TwipsPrinter& printer, const TableTexts& headings,
                                const TableTexts& values);

void PrintHeaderCells(TwipsPrinter& printer, float& y, const TableTexts& headings,
                      const ColumnEdges& edges);
void PrintValueCells(TwipsPrinter& printer, float& y, int row, const TableTexts& values,
                     const ColumnEdges& edges);

} // namespace PrtNEScourHole
