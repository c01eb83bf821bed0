#pragma once

#include "app/SiteFields.h"
#include "tailwater/PlotLayout.h"
#include "tailwater/RatingCurve.h"

class TwipsPrinter;

// The printed rating curve: one landscape page in Times New Roman 10 with the
// compact site header, the title and the curve of the last compute drawn as
// the window plots it, with 2000-twip margins, wider lines, minor ticks on the
// frame and the axis titles on its edges.
namespace PrtTailwaterRatingCurvePlot {

// The layout of the last print.
extern PlotLayout RateCurvePrintLayout;

// The layout's margins, as every print starts.
void InitRatingPlotLayout();

// The window's table of its last complete compute, with the site window's
// fields, ending the document. A table that has no plot throws AppError.
void PrintRatingCurvePlot(TwipsPrinter& printer, const RatingCurve& ratingCurve);

// The same page for the given site.
void PrintContents(TwipsPrinter& printer, const RatingCurve& ratingCurve, const SiteFields& fields);

} // namespace PrtTailwaterRatingCurvePlot
