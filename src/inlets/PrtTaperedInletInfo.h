#pragma once

#include "app/SiteFields.h"
#include "inlets/TaperedInletContents.h"

#include <array>

class TwipsPrinter;

// The printed Tapered Inlet Design report: on landscape pages in Times New
// Roman, the compact site header, a boxed title over the four inputs, the
// ruled results table with the selected design in bold, and a closing comment.
// Every further page repeats the header, the title "(Continued)", the inputs
// and the table heading. It prints the window's texts as they stand and
// computes nothing. Positions are twips; y is where the next block starts,
// and each block leaves it just below what it printed.
namespace PrtTaperedInletInfo {

inline constexpr float LineGap = 15;    // below every rule and every text line
inline constexpr float TextIndent = 50; // of the title and the comment from 1000

// Table column i lies between ColumnX[i] and ColumnX[i + 1], centred on ColumnMidX[i].
struct TableColumns {
    std::array<float, TaperedInletResults::ColumnCount + 1> ColumnX{};
    std::array<float, TaperedInletResults::ColumnCount> ColumnMidX{};
};

// The whole report of the window as it stands at the moment of printing, with
// the site window's fields, ending the document.
void PrintTaperedInletInfo(TwipsPrinter& printer);

// The same report for given contents of the window and the site.
void PrintContents(TwipsPrinter& printer, const TaperedInletContents& contents,
                   const SiteFields& fields);

// 1000, then 1250 apart, except that column 0 is 1500 and column 1 1000 wide.
TableColumns SetTaperedInletColumns();

// The title box ("Tapered Inlet Design", with " (Continued)" when Continued
// is 1) over the inputs block.
void PrintTaperedInletInputs(TwipsPrinter& printer, float& PrintY, int Continued,
                             const TaperedInletContents& contents);
void PrintTaperedInletTableHeading(TwipsPrinter& printer, float& PrintY,
                                   const TableColumns& columns);
// The last grid row whose number of barrels is not blank; 0 when none is.
int GetTaperedInletRowCount(const TaperedInletContents& contents);
// Grid row `row` (from 1): bold, "SELECTION" and ">>" in the margin when it
// carries the selection mark.
void PrintTaperedInletRow(TwipsPrinter& printer, float& PrintY, int row,
                          const TaperedInletContents& contents, const TableColumns& columns);
void PrintTaperedInletComments(TwipsPrinter& printer, float& PrintY);

} // namespace PrtTaperedInletInfo
