#pragma once

#include "app/SiteFields.h"

#include <QString>

#include <string>
#include <vector>

class TwipsPrinter;

// What the three hydrology reports share: one portrait page in Times New
// Roman 11 opened by the site identification block, an underlined bold
// title, and ruled tables whose columns fit their widest text. Positions are
// in twips; y is where the next block starts.
namespace HydrologyReport {

// Rows 0 and 1 are the two heading lines, the rest the body; every row has
// one text per column.
using TableRows = std::vector<std::vector<QString>>;

// Portrait, Times New Roman 11, the site block from 1000 down; y comes back
// 500 below it.
void BeginPage(TwipsPrinter& printer, float& y, const SiteFields& fields);

// The title in bold at x = 1000, underlined from 1000 to 100 past its end;
// y comes back one line below the underline.
void PrintTitle(TwipsPrinter& printer, float& y, const QString& title);

// A table's heading line at (left, y), then 50 down to the table's top. In
// bold, bold stays on for the table's headings.
void PrintTableHeading(TwipsPrinter& printer, float y, const QString& heading, float left,
                       bool bold);

// The edges of the table's columns from `left`: each column as wide as its
// widest text in the printer's current font (headings included, 1000 at
// least) plus 300.
std::vector<float> ColumnEdges(const TwipsPrinter& printer, const TableRows& rows, float left);

// A ruled table from the printer's current height: a top rule, the two
// heading lines, a rule under them, then each body row ruled off below;
// every text centred in its column, 30 twips above and below each line.
// With bold headings the columns are measured and the headings printed in
// bold, the body in regular. y comes back as the bottom rule's height.
void PrintRuledTable(TwipsPrinter& printer, float& y, const TableRows& rows, float left,
                     bool boldHeadings);

// A control's text as the reports print it: without its surrounding blanks.
QString Trimmed(const std::string& text);

} // namespace HydrologyReport
