#pragma once

#include "app/SiteFields.h"
#include "standard_designs/StandardDesignTables.h"
#include "standard_designs/StandardDesignsContents.h"

#include <array>
#include <string>
#include <vector>

class TwipsPrinter;

// The printed standard designs report, portrait in Times New Roman: on every
// page the compact site header and the boxed design inputs, then the five
// result tables in ruled boxes, the selected design in bold and marked. It
// prints the window's contents as they stand and computes nothing. Positions
// are in twips; y is where the next box starts and each box gives back its
// bottom edge.
namespace PrtVSHAStandardSize {

// The column boundaries (ColumnX) and centres (ColumnCenter), the space above
// and below each text line, a title's indent and the measured table heights.
struct Layout {
    std::array<float, 13> ColumnX{};
    std::array<float, 13> ColumnCenter{};
    float TopMargin = 10;
    float LeftMargin = 50;
    float TableHeadHeight = 0;
    float TableRowHeight = 0;
    // The font size of the input block's and the tables' texts: 11, or less
    // where a very large number would not fit its column.
    float FontPoints = 11;
};

// The whole report of the standard designs window as it stands at the moment
// of printing, with the site window's fields, ending the document.
void PrintStandardDesigns(TwipsPrinter& printer);

// The same report for given contents and site fields.
void PrintContents(TwipsPrinter& printer, const StandardDesignsContents& contents,
                   const SiteFields& fields);

// Boundaries 1000, 2200, then 1300 apart; centres halfway between.
Layout SetTableColumns();

// The input block: a title box ("(Continued)" on later pages), the labels and
// units, and the values.
void PrintDesignInput(TwipsPrinter& printer, const Layout& layout, float& y, int continuedFlag,
                      const StandardDesignsContents& contents);

// A table's title box and its two-line column heads.
void PrintTableHeader(TwipsPrinter& printer, const Layout& layout, float& y,
                      const StandardDesignTables::Table& table);

// One grid row (columns 0 to the last) in a box of its own, spanning the
// table's columns; the selected design in bold with "SELECTION" in its first
// column and ">>" in the page margin.
void PrintTableRow(TwipsPrinter& printer, const Layout& layout, float& y,
                   const StandardDesignTables::Table& table, const std::vector<std::string>& row,
                   int selectFlag);

} // namespace PrtVSHAStandardSize
