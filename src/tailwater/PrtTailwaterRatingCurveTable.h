#pragma once

#include "app/SiteFields.h"
#include "tailwater/FrmTailWaterRatingCurveContents.h"
#include "tailwater/TailwaterTableReport.h"

#include <string>

class FrmTailWaterRatingCurve;
class TwipsPrinter;

// The printed rating table: the site header, the title, the step size as
// typed and the table as the window shows it, every row that holds any text,
// continued on further pages under the repeated heads. It prints the texts as
// they stand and computes nothing.
namespace PrtTailwaterRatingCurveTable {

// The report of the window as it stands at the moment of printing, with the
// site window's fields, ending the document.
void PrintRatingCurveTable(TwipsPrinter& printer, const FrmTailWaterRatingCurve& window);

// The same report for given contents of the window and the site.
void PrintContents(TwipsPrinter& printer, const RatingCurveContents& contents,
                   const SiteFields& fields);

// The heading lines and the rows that hold any text, trimmed.
TailwaterTableReport::CellTable ComputeRatingTableCells(const RatingCurveContents& contents);

// "Step Size (ft):" and the step as typed, trimmed.
void PrintStepSize(TwipsPrinter& printer, float& y, const std::string& stepSize);

} // namespace PrtTailwaterRatingCurveTable
