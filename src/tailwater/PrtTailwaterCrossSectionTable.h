#pragma once

#include "app/SiteFields.h"
#include "tailwater/FrmTailWaterCrossSectionContents.h"
#include "tailwater/TailwaterTableReport.h"

class FrmTailWaterCrossSection;
class TwipsPrinter;

// The printed channel cross-section as typed: the site header, the title, the
// slope and over-bank stations, and the points that hold a station, an
// elevation or a Manning n under their own point numbers, continued on
// further pages under the repeated heads. It checks and computes nothing.
namespace PrtTailwaterCrossSectionTable {

// The report of the window as it stands at the moment of printing, with the
// site window's fields, ending the document.
void PrintCrossSectionTable(TwipsPrinter& printer, const FrmTailWaterCrossSection& window);

// The same report for given contents of the window and the site.
void PrintContents(TwipsPrinter& printer, const CrossSectionContents& contents,
                   const SiteFields& fields);

// The heading lines and the listed points, trimmed, each led by its number.
TailwaterTableReport::CellTable ComputeXSTableCells(const CrossSectionContents& contents);

// The slope and the over-bank stations as typed, closed by a rule that ends
// where the title's rule ends.
void PrintXSChannelData(TwipsPrinter& printer, float& y, float titleRuleEnd,
                        const CrossSectionContents& contents);

} // namespace PrtTailwaterCrossSectionTable
