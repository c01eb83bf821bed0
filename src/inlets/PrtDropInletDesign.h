#pragma once

#include "app/SiteFields.h"
#include "inlets/DropInletContents.h"

#include <vector>

class TwipsPrinter;

// The printed drop inlet design report: portrait pages in Times New Roman 11,
// the compact site header, the title, a ruled table of the inputs, the weir
// section and table, then the barrels line and the ruled box and pipe tables,
// which alone run onto further pages (each repeating the site header, the
// title and the table's heading). It prints the window's texts as they stand
// and computes or formats nothing. Positions are in twips; y is where the next
// block starts, and each block leaves it just below what it printed.
namespace PrtDropInlet {

// The gap between a rule and a text line.
inline constexpr float LineGap = 10;

// Grid rows to print (from 1; entry 0 holds nothing): those whose column 1 is
// not blank, in grid order.
using RowList = std::vector<int>;

// Column c of a barrel table lies between edge c and edge c + 1.
using ColumnEdges = std::vector<float>;

// The whole report of the Drop Inlet Design window as it stands at the moment
// of printing, with the site window's fields, ending the document.
void PrintDropInletDesign(TwipsPrinter& printer);

// The same report for given contents of the window and the site.
void PrintContents(TwipsPrinter& printer, const DropInletContents& contents,
                   const SiteFields& fields);

void PrintDropInletTitle(TwipsPrinter& printer, float& y);
void PrintDropInletInputs(TwipsPrinter& printer, float& y, const DropInletContents& contents);
void PrintWeirSection(TwipsPrinter& printer, float& y, const DropInletContents& contents);
void PrintWeirCalcTable(TwipsPrinter& printer, float& y, const DropInletContents& contents);
void PrintBarrelsSection(TwipsPrinter& printer, float& y, const DropInletContents& contents);

RowList GetRCBRows(const DropInletContents& contents);
RowList GetRCPRows(const DropInletContents& contents);

// Title and heading box of a barrel table; the edges of its columns, from the
// printer's current font, each column as wide as its widest heading line plus
// 300, wider only where a printed cell needs more room.
ColumnEdges PrintRCBTableHeading(TwipsPrinter& printer, float& y,
                                 const DropInletContents& contents);
ColumnEdges PrintRCPTableHeading(TwipsPrinter& printer, float& y,
                                 const DropInletContents& contents);
// One grid row (from 1) of the table.
void PrintRCBRow(TwipsPrinter& printer, float& y, int row, const DropInletContents& contents,
                 const ColumnEdges& edges);
void PrintRCPRow(TwipsPrinter& printer, float& y, int row, const DropInletContents& contents,
                 const ColumnEdges& edges);

} // namespace PrtDropInlet
