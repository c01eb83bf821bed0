#pragma once

#include "app/SiteFields.h"
#include "tailwater/FrmTailwaterQDepthContents.h"

#include <QString>

#include <array>
#include <vector>

class TwipsPrinter;

// The printed Q-depth report, portrait in Times New Roman 11: the compact site
// header, the bold title "TAILWATER, Q-DEPTH" over a rule, the Q-elevation
// table under the caption of the selected mode, then the runoff chart, USGS
// 1987 and USGS 2001 tables. Each table is ruled all round and leaves out the
// rows whose cells are all blank. It prints the window's contents as they
// stand and computes nothing. Positions are in twips; y is where the next
// block starts, and each block leaves it just below what it printed.
//
// No row is printed past the page: a table continues on a new page once a row
// ends below the printable height less 1000 twips and more rows follow, and a
// table whose title and headings would end below that starts on a new page.
// Each new page repeats the site header and the title, then the table's own
// title line and its headings.
namespace PrtTailwaterQDepth {

// The two heading lines and the rows of one ruled table, texts trimmed.
struct RuledTable {
    QString title; // the line above the table
    bool boldTitle = false;
    std::vector<QString> headings[2];
    std::vector<std::vector<QString>> rows;
};

// The whole report of the Q-depth window as it stands at the moment of
// printing, with the site window's fields, ending the document.
void PrintTailwaterQDepth(TwipsPrinter& printer);

// The same report for given contents of the window and the site.
void PrintContents(TwipsPrinter& printer, const QDepthContents& contents, const SiteFields& fields);

void PrintQDepthTitle(TwipsPrinter& printer, float& y);

// The tables as the report prints them: the Q-elevation table under its mode
// caption, and each design grid's table under its method's name.
RuledTable QElevTable(const QDepthContents& contents);
RuledTable DesignTable(const QDepthContents& contents, QDepthContents::DesignGrid grid);

// Column c lies between edge c and edge c + 1: its widest text, at least
// 1500, plus 300, measured in the printer's current font.
std::vector<float> ColumnEdges(const TwipsPrinter& printer, const RuledTable& table);

} // namespace PrtTailwaterQDepth
