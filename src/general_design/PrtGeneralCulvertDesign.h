#pragma once

#include "app/SiteFields.h"
#include "general_design/GenDesignContents.h"

#include <QString>

#include <array>
#include <vector>

class TwipsPrinter;
struct GenDesignCulvertType;

// The printed General Culvert Design report: on landscape pages in Arial, the
// compact site header, the title, three ruled blocks of the culvert's inputs,
// the ruled results table (its headings repeated on every further page) and a
// legend. It prints the window's contents as they stand and computes nothing. Positions are in
// twips; y is where the next block starts, and each block leaves it just below what it printed.
namespace PrtGeneralCulvertDesign {

constexpr int ResultColumns = GenDesignResults::ColumnCount;
using TableRow = std::array<QString, ResultColumns>;

struct ResultRow {
    TableRow cells;
    // Its headwater elevation is shown red: above the allowable elevation.
    bool exceeded = false;
};

// The computed rows of the results grid, trimmed: rows 1 to N (row 0 stays
// empty), N counting the rows down to the first one without a discharge.
using ResultsTable = std::vector<ResultRow>;

// The three heading lines of the results columns.
using HeadingTable = std::array<TableRow, 3>;

// Column j of the results table lies between edge j and edge j + 1.
using ColumnEdges = std::array<float, ResultColumns + 1>;

// The whole report of the General Culvert Design window as it stands at the
// moment of printing, with the site window's fields, ending the document.
// Throws AppError when the window's choices name no catalogue entry to print
// (a standard size chosen for a type without standard sizes).
void PrintGeneralCulvertDesign(TwipsPrinter& printer);

// The same report for given contents of the window, their culvert type and the site.
void PrintContents(TwipsPrinter& printer, const GenDesignContents& contents,
                   const GenDesignCulvertType& type, const SiteFields& fields);

void PrintTitle(TwipsPrinter& printer, float& y);
void PrintElevations(TwipsPrinter& printer, float& y, const GenDesignContents& contents);
void PrintCulvertInlet(TwipsPrinter& printer, float& y, const GenDesignContents& contents);
void PrintBarrelSize(TwipsPrinter& printer, float& y, const GenDesignContents& contents,
                     const GenDesignCulvertType& type);

ResultsTable GetResultsTable(const GenDesignContents& contents);
HeadingTable SetTableHeader();
// Each column as wide as its widest heading or cell in the printer's current
// font, plus a margin.
ColumnEdges SetColumnWidths(const TwipsPrinter& printer, const HeadingTable& heading,
                            const ResultsTable& results);

void PrintTableHeader(TwipsPrinter& printer, float& y, const HeadingTable& heading,
                      const ColumnEdges& edges);
void PrintTableRow(TwipsPrinter& printer, float& y, int row, const ResultsTable& results,
                   const ColumnEdges& edges);
void PrintLegend(TwipsPrinter& printer, float& y, const ColumnEdges& edges);
// How far the legend reaches down from y in the printer's current font.
float LegendHeight(const TwipsPrinter& printer);

} // namespace PrtGeneralCulvertDesign
